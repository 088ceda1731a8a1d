// JUCE looks its window-manager atoms up without creating them. On a bare X
// server (xvfb-run, no window manager) they do not exist yet, and the first
// window then fails with BadAtom. Creating them before any window, on a
// connection kept open for the whole run (the server forgets its atoms when
// its last client leaves), lets the display tests run on a bare server.
#include <gtest/gtest.h>

// After gtest: Xlib's macros (None, Bool, ...) would clash with its names.
#include <X11/Xlib.h>

namespace
{
class BareDisplayAtoms : public ::testing::Environment
{
public:
    void SetUp() override
    {
        display = XOpenDisplay (nullptr);
        if (display == nullptr)
            return;
        for (auto* name : { "WM_PROTOCOLS", "WM_TAKE_FOCUS", "WM_DELETE_WINDOW", "_NET_WM_PING", "WM_CHANGE_STATE",
                            "WM_STATE", "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN" })
            XInternAtom (display, name, False);
        XSync (display, False);
    }

    void TearDown() override
    {
        if (display != nullptr)
            XCloseDisplay (display);
        display = nullptr;
    }

private:
    Display* display = nullptr;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment (new BareDisplayAtoms);
} // namespace
