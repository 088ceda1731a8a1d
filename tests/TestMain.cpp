#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // The framework sets a process up as a standalone application (X error
    // handlers that survive the absence of a window manager, thread-safe
    // Xlib) only when an application factory is registered. Tests run as the
    // program does; the factory is never called.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };

    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
