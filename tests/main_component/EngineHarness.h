#pragma once

// A MainComponent with its real update thread, talking through HidCtrl and the
// virtual HID source to the emulated controller, with the message thread pumped
// by the test.

#include "main_component/MainComponent.h"
#include "EmulatedController.h"
#include "MessageLoop.h"
#include "UpdateFileBuilder.h"
#include "main_component/UpdateFileFormat.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace enginetest
{

// Runs the message loop until `done` holds or the bound has passed.
inline bool pumpUntil (const std::function<bool()>& done, int boundMs = 40000)
{
    return emu::runMessageLoopUntil (done, boundMs);
}

inline void pumpFor (int ms)
{
    emu::runMessageLoopUntil ([] { return false; }, ms);
}

// The controller's and the file's dates differ in the default setup.
constexpr uint32_t fileDate = 0x20240115;
constexpr uint32_t olderDate = 0x20230601;

class EngineHarness : public ::testing::Test
{
public:
    void SetUp() override
    {
        platform::VirtualHidBus::instance().reset();
        directory = juce::File::getSpecialLocation (juce::File::tempDirectory)
                        .getNonexistentChildFile ("krv-engine-" + juce::Uuid().toString() + "-", "", false);   // unique across parallel test processes
        ASSERT_TRUE (directory.createDirectory());
        fileRecipe.dateWord = fileDate;
        controllerConfig.dateWord = olderDate;
    }

    void TearDown() override
    {
        component.reset();
        controller.reset();
        platform::VirtualHidBus::instance().reset();
        directory.deleteRecursively();
    }

    juce::File writeFile (const std::vector<uint8_t>& bytes, const juce::String& name = {})
    {
        auto file = directory.getChildFile (name.isNotEmpty() ? name : updfile::updateFileName (fileRecipe.kind));
        EXPECT_TRUE (updfile::writeUpdateFile (file, bytes));
        return file;
    }

    juce::File writeValidFile()
    {
        fileBytes = updfile::buildUpdateFile (fileRecipe);
        return writeFile (fileBytes);
    }

    // Plugs the controller in and builds the component as the window would.
    void createComponent (uint16_t osType = 0x10E, bool plugController = true)
    {
        if (plugController)
        {
            controller = std::make_unique<emu::EmulatedController> (controllerConfig);
            controller->plug();
        }
        component = std::make_unique<MainComponent>();
        component->overrideOsType (osType);
        component->setUpdateFileDirectory (directory);
        if (plugController)
        {
            ASSERT_TRUE (pumpUntil ([this] { return component->hidCtrl->m_connected != 0; }, 5000));
        }
    }

    // What OK on the language screen does when the controller is connected.
    void startChecks()
    {
        component->responseEvent.reset();
        component->startThread();
    }

    // What Start on the ready screen does.
    void pressStart()
    {
        component->updStarted = true;
        component->setStateUnlessRemoved (UPD_BEGIN);
    }

    bool waitForThreadEnd (int boundMs = 40000)
    {
        return pumpUntil ([this] { return ! component->isThreadRunning(); }, boundMs);
    }

    bool waitForState (int32_t state, int boundMs = 40000)
    {
        return pumpUntil ([this, state] { return component->getState() == state; }, boundMs);
    }

    // Checks, Start and transfer to the end.
    void runWholeUpdate (uint16_t osType = 0x10E)
    {
        createComponent (osType);
        startChecks();
        ASSERT_TRUE (waitForState (UPD_READY)) << std::hex << component->getState();
        pressStart();
        ASSERT_TRUE (waitForThreadEnd()) << std::hex << component->getState();
    }

    std::vector<uint8_t> fileImage (int index, int64_t length = -1) const
    {
        const auto& layout = updfile::images[index];
        const auto n = length < 0 ? layout.size : length;
        return { fileBytes.begin() + layout.fileOffset, fileBytes.begin() + layout.fileOffset + n };
    }

    juce::File directory;
    updfile::UpdateFileRecipe fileRecipe;
    std::vector<uint8_t> fileBytes;
    emu::ControllerConfig controllerConfig;
    std::unique_ptr<emu::EmulatedController> controller;
    std::unique_ptr<MainComponent> component;
};

} // namespace enginetest
