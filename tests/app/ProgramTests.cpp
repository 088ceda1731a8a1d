// The real program on a desktop: its window as the window manager sees it,
// and what a second start does.
#include "XSession.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

using testx::XSession;

namespace
{
constexpr int startTimeoutMs = 30000;
constexpr const char* noWindow = "the program showed no window; is another instance of it (or of the demo, "
                                 "which shares its name) running for this user?";

// "  Width: 404" -> { "Width", "404" } for every line of xwininfo.
std::map<std::string, std::string> fields (const std::string& text)
{
    std::map<std::string, std::string> result;
    size_t start = 0;
    while (start < text.size())
    {
        auto end = text.find ('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const auto line = text.substr (start, end - start);
        const auto colon = line.find (": ");
        if (colon != std::string::npos)
            result[line.substr (line.find_first_not_of (' '), colon - line.find_first_not_of (' '))] = line.substr (colon + 2);
        start = end + 1;
    }
    return result;
}

class ProgramOnDesktop : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (session.isReady()) << "no private X server with a window manager";
    }

    std::unique_ptr<testx::Process> startProgram() const
    {
        return session.launch ({ KRV_PROGRAM_PATH });
    }

    // The window manager may show a window a moment before its final
    // geometry is applied; what counts is where it settles.
    std::map<std::string, std::string> settledGeometry (const std::string& window) const
    {
        std::map<std::string, std::string> geometry;
        testx::waitUntil ([&]
        {
            geometry = fields (session.run ({ "xwininfo", "-id", window }).value_or (""));
            return geometry["Width"] == "404" && geometry["Height"] == "126";
        }, 10000);
        return geometry;
    }

    std::string mapState (const std::string& window) const
    {
        const auto info = session.run ({ "xwininfo", "-id", window });
        return info ? fields (*info)["Map State"] : "";
    }

    XSession session;
};

struct WindowEvent
{
    unsigned long window;
    int width, height;
};

// The creations and size changes of the screen's top-level windows, as xev
// printed them.
std::vector<WindowEvent> topLevelSizes (const std::string& xevOutput)
{
    static const std::regex line (R"(window (0x[0-9a-f]+), \(-?\d+,-?\d+\), width (\d+), height (\d+))");
    std::vector<WindowEvent> events;
    for (std::sregex_iterator it (xevOutput.begin(), xevOutput.end(), line), end; it != end; ++it)
        events.push_back ({ std::stoul ((*it)[1].str(), nullptr, 16), std::stoi ((*it)[2].str()), std::stoi ((*it)[3].str()) });
    return events;
}
} // namespace

TEST_F (ProgramOnDesktop, WindowIsCentredAlwaysOnTopAndOffersNoButtons)
{
    auto program = startProgram();
    ASSERT_NE (program, nullptr);
    const auto window = session.waitForWindowOf (program->pid(), startTimeoutMs);
    ASSERT_TRUE (window.has_value()) << noWindow;

    auto geometry = settledGeometry (*window);
    EXPECT_EQ (geometry["Width"], "404");
    EXPECT_EQ (geometry["Height"], "126");

    // The content is centred; the window manager's frame and title bar sit
    // around it and push it down by at most the title bar's height.
    const int centreX = std::atoi (geometry["Absolute upper-left X"].c_str()) + 404 / 2;
    const int centreY = std::atoi (geometry["Absolute upper-left Y"].c_str()) + 126 / 2;
    EXPECT_NEAR (centreX, XSession::screenWidth / 2, 2);
    EXPECT_GE (centreY, XSession::screenHeight / 2 - 2);
    EXPECT_LE (centreY, XSession::screenHeight / 2 + 40);

    const auto state = session.run ({ "xprop", "-id", *window, "_NET_WM_STATE" });
    ASSERT_TRUE (state.has_value());
    EXPECT_NE (state->find ("_NET_WM_STATE_ABOVE"), std::string::npos) << *state;

    // What the window asks of the window manager: moving only (no resizing,
    // minimising, maximising or closing), and no buttons for those.
    const auto hints = session.run ({ "xprop", "-id", *window, "-notype", "_MOTIF_WM_HINTS" });
    ASSERT_TRUE (hints.has_value());
    unsigned flags = 0, functions = 0, decorations = 0;
    ASSERT_EQ (std::sscanf (hints->c_str(), "_MOTIF_WM_HINTS = %x, %x, %x", &flags, &functions, &decorations), 3) << *hints;
    EXPECT_EQ (flags & 0x3u, 0x3u);
    EXPECT_EQ (functions, 0x4u) << "MWM functions";
    EXPECT_EQ (decorations & (0x4u | 0x20u | 0x40u), 0u) << "resize handle, minimise or maximise button";

    // And the window manager keeps it at its size.
    const auto actions = session.run ({ "xprop", "-id", *window, "_NET_WM_ALLOWED_ACTIONS" });
    ASSERT_TRUE (actions.has_value());
    for (const char* refused : { "_NET_WM_ACTION_RESIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT" })
        EXPECT_EQ (actions->find (refused), std::string::npos) << refused << " in " << *actions;
}

TEST_F (ProgramOnDesktop, SecondStartRaisesTheFirstWindowAndExits)
{
    auto first = startProgram();
    ASSERT_NE (first, nullptr);
    const auto window = session.waitForWindowOf (first->pid(), startTimeoutMs);
    ASSERT_TRUE (window.has_value()) << noWindow;

    // Once the first window has settled, hide it and give the focus to
    // another program's window.
    settledGeometry (*window);
    ASSERT_TRUE (session.run ({ "xdotool", "windowminimize", *window }).has_value());
    ASSERT_TRUE (testx::waitUntil ([&] { return mapState (*window) == "IsUnMapped"; }, 10000));
    auto other = session.launch ({ "xmessage", "-center", "another program" });
    ASSERT_NE (other, nullptr);
    const auto otherWindow = session.waitForWindow ({ "--class", "Xmessage" }, startTimeoutMs);
    ASSERT_TRUE (otherWindow.has_value());
    ASSERT_TRUE (testx::waitUntil ([&] { return session.activeWindow() == otherWindow; }, 10000))
        << "active: " << session.activeWindow().value_or ("none") << ", other: " << *otherWindow
        << ", program: " << *window << " " << mapState (*window);

    auto second = startProgram();
    ASSERT_NE (second, nullptr);
    const auto exitCode = second->waitForExit (startTimeoutMs);
    ASSERT_TRUE (exitCode.has_value()) << "the second start did not end";
    EXPECT_EQ (*exitCode, 0);
    EXPECT_TRUE (first->isRunning());

    EXPECT_TRUE (testx::waitUntil ([&] { return mapState (*window) == "IsViewable"; }, 10000));
    EXPECT_TRUE (testx::waitUntil ([&] { return session.activeWindow() == window; }, 10000))
        << "active: " << session.activeWindow().value_or ("none") << ", program: " << *window;
}

// The window is created once, at its final size: a window that the system
// shows first at a default size in a corner and then moves flickers on screen.
TEST_F (ProgramOnDesktop, WindowReachesTheScreenOnceAtItsFinalSize)
{
    const auto log = std::string (::testing::TempDir()) + "krv-root-events.txt";
    auto watcher = session.launch ({ "sh", "-c", "exec xev -root -event substructure > '" + log + "'" });
    ASSERT_NE (watcher, nullptr);
    ASSERT_TRUE (testx::waitUntil ([&] { return std::ifstream (log).good(); }, 10000));
    testx::waitUntil ([] { return false; }, 500);   // xev selects its events after it opened the file

    auto program = startProgram();
    ASSERT_NE (program, nullptr);
    const auto window = session.waitForWindowOf (program->pid(), startTimeoutMs);
    ASSERT_TRUE (window.has_value()) << noWindow;
    settledGeometry (*window);
    testx::waitUntil ([] { return false; }, 500);
    watcher->terminate();

    std::stringstream text;
    text << std::ifstream (log).rdbuf();
    std::remove (log.c_str());

    // Windows of one X client share the bits above the resource ID mask.
    const auto client = std::stoul (*window) & ~0x1FFFFFul;
    int created = 0;
    for (const auto& e : topLevelSizes (text.str()))
    {
        if ((e.window & ~0x1FFFFFul) != client || (e.width == 1 && e.height == 1))
            continue;   // another client's, or a window at its creation size
        EXPECT_EQ (e.width, 404) << std::hex << "window 0x" << e.window;
        EXPECT_EQ (e.height, 126) << std::hex << "window 0x" << e.window;
        ++created;
    }
    EXPECT_GT (created, 0) << "no size of the program's window seen:\n" << text.str();
}
