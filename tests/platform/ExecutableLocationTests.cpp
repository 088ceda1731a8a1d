#include "platform/ExecutableLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

// Started by a bare name found on PATH, from another working directory, the
// program must still find its own file: the update file is looked for beside it.
TEST (ExecutableLocation, IsFoundWhenStartedByBareNameOnPath)
{
    if (std::getenv ("KRV_PRINT_EXECUTABLE") != nullptr)
    {
        std::cout << "EXECUTABLE=" << platform::runningExecutableFile().getFullPathName() << std::endl;
        return;
    }

    const auto self = platform::runningExecutableFile();
    ASSERT_TRUE (self.existsAsFile());

    const auto command = "cd / && KRV_PRINT_EXECUTABLE=1 PATH='" + self.getParentDirectory().getFullPathName()
                         + "':\"$PATH\" '" + self.getFileName()
                         + "' --gtest_filter=ExecutableLocation.IsFoundWhenStartedByBareNameOnPath";
    juce::ChildProcess child;
    ASSERT_TRUE (child.start (juce::StringArray { "sh", "-c", command }));
    const auto output = child.readAllProcessOutput();
    EXPECT_TRUE (output.contains ("EXECUTABLE=" + self.getFullPathName() + "\n")) << output;
}
