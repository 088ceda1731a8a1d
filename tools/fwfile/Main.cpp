// krvtm40-fwfile: inspects KRV-TM40 update files and makes valid ones for
// tests and the demo.
#include "Commands.h"

#include <iostream>

namespace
{
const char* const usage =
    "usage: krvtm40-fwfile info FILE\n"
    "       krvtm40-fwfile make --kind 1|2 --version 1.02 --date 0x20240315 [--seed N] OUT_DIR\n"
    "\n"
    "info  prints the kind (from the name), size, date word, version text, the CRC\n"
    "      stored and computed, and the verdict of the updater's checks with the\n"
    "      error ID of the first check that fails.\n"
    "      Exit status: 0 valid, 1 a check fails, 2 bad arguments, 3 unreadable file.\n"
    "make  writes a valid update file with the right name into OUT_DIR (created if\n"
    "      missing) and prints its path. The images hold test data made from the\n"
    "      seed (default 1): never write such a file into a real controller.\n"
    "      Exit status: 0 written, 2 bad arguments, 3 cannot write.\n";
}

int main (int argc, char* argv[])
{
    juce::StringArray args;
    for (int i = 1; i < argc; ++i)
        args.add (juce::String::fromUTF8 (argv[i]));

    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help"))
    {
        std::cout << usage;
        return fwfile::exitOk;
    }

    const auto command = args[0];
    args.remove (0);
    if (command == "info")
        return fwfile::runInfo (args, std::cout, std::cerr);
    if (command == "make")
        return fwfile::runMake (args, std::cout, std::cerr);

    std::cerr << (command.isEmpty() ? "krvtm40-fwfile: no command given\n"
                                    : "krvtm40-fwfile: unknown command \"" + command.toStdString() + "\"\n")
              << usage;
    return fwfile::exitUsage;
}
