#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <dlfcn.h>

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);

    // The framework sets a process up as a standalone application (X error
    // handlers that survive the absence of a window manager, thread-safe
    // Xlib) only when an application factory is registered. Tests run as the
    // program does; the factory is never called.
    juce::JUCEApplicationBase::createInstance = [] () -> juce::JUCEApplicationBase* { return nullptr; };

    // The framework loads the X libraries at run time and unloads them when
    // it shuts down; what they still hold in their own globals then looks
    // leaked to LeakSanitizer. Kept loaded, that memory stays reachable.
    for (const char* library : { "libX11.so.6", "libXext.so.6", "libXcursor.so.1", "libXinerama.so.1",
                                 "libXrandr.so.2", "libXrender.so.1" })
        dlopen (library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);

    juce::ScopedJuceInitialiser_GUI juce;
    return RUN_ALL_TESTS();
}
