#pragma once

// What the update-file tool finds in one file: each field the updater reads,
// whether it passes, and the verdict the updater would reach.

#include <juce_core/juce_core.h>

#include <cstdint>

namespace fwfile
{

struct FileReport
{
    juce::String fileName;
    int kind = 0;                   // 1 or 2 from the name; 0: the updater does not pick this name
    int64_t size = 0;
    bool sizeOk = false;

    // Read only when the size is right, as the updater does.
    bool fieldsRead = false;
    uint32_t dateWord = 0;
    bool dateOk = false;
    juce::String versionText;
    bool versionOk = false;
    uint16_t crcStored = 0;
    uint16_t crcComputed = 0;
    bool crcOk = false;

    // 1 when the updater would accept the file, else the error ID of the first
    // failing check (name 0x0E01, size 0x0E03, date or version 0x0E04, CRC 0x0E05).
    int verdict = 0;
};

// Judges a file's name and contents with the updater's own checks.
FileReport inspectUpdateFile (const juce::String& fileName, const uint8_t* data, int64_t size);

} // namespace fwfile
