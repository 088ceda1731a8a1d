// The real window on a private X server with a window manager, driven with
// xdotool like a user: the demo program through a whole update, and the same
// window in this process losing its emulated controller mid-transfer. The
// screenshots of both runs are kept as artefacts.
#include "EmulatedController.h"
#include "MessageLoop.h"
#include "UpdateFileBuilder.h"
#include "XSession.h"
#include "app/Main.h"
#include "main_component/MainComponent.h"
#include "text/Loader.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// The session every test of this program uses; JUCE connects to it on the
// first window, so it is set up before any test runs.
testx::XSession* session = nullptr;

class SessionEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        owned = std::make_unique<testx::XSession>();
        if (owned->isReady())
        {
            setenv ("DISPLAY", owned->display().c_str(), 1);
            session = owned.get();
        }
    }

private:
    // The server must outlive JUCE's own shutdown, which still talks to it
    // after the tests: it goes with the static objects, after main returns.
    static inline std::unique_ptr<testx::XSession> owned;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment (new SessionEnvironment);

juce::File artefacts()
{
    auto dir = juce::File (KRV_UI_ARTEFACT_DIR);
    dir.createDirectory();
    return dir;
}

void screenshot (const juce::String& name)
{
    const auto file = artefacts().getChildFile (name + ".png");
    file.deleteFile();
    ASSERT_TRUE (session->run ({ "import", "-window", "root", file.getFullPathName().toStdString() }).has_value());
    EXPECT_TRUE (file.existsAsFile()) << name;
}

void clickAt (juce::Point<int> p)
{
    ASSERT_TRUE (session->run ({ "xdotool", "mousemove", std::to_string (p.x), std::to_string (p.y), "click", "1" })
                     .has_value());
}

bool pumpUntil (const std::function<bool()>& done, int boundMs)
{
    return emu::runMessageLoopUntil (done, boundMs);
}

void pumpFor (int ms)
{
    emu::runMessageLoopUntil ([] { return false; }, ms);
}
} // namespace

// The demo program: its own process, its own emulated controller, clicked
// through OK, Start, the transfer and OK, which ends the program.
TEST (WindowWalkthrough, DemoProgramUpdatesAndQuits)
{
    ASSERT_NE (session, nullptr) << "no X server with a window manager";
    const auto log = artefacts().getChildFile ("demo-run.log");
    log.deleteFile();
    const std::string command = "exec stdbuf -oL '" + std::string (KRV_DEMO_PATH) + "' > '"
                                + log.getFullPathName().toStdString() + "' 2>&1";
    // stdbuf works by preloading a library, which a sanitizer runtime would
    // otherwise refuse to start behind.
    const auto* asanOptions = std::getenv ("ASAN_OPTIONS");
    const auto asan = "ASAN_OPTIONS=" + std::string (asanOptions != nullptr ? asanOptions : "") + ":verify_asan_link_order=0";
   #if defined (__SANITIZE_ADDRESS__)
    // The framework closes the X libraries at exit, after which LeakSanitizer
    // reports what they still pointed to; keeping them loaded leaves only
    // real leaks to report.
    const std::string preload = "LD_PRELOAD=libasan.so.8 libX11.so.6 libXext.so.6 libXcursor.so.1 libXinerama.so.1 "
                                "libXrender.so.1 libXrandr.so.2";
   #else
    const std::string preload = "LD_PRELOAD=";
   #endif
    auto demo = session->launch ({ "env", "LANG=en_US.UTF-8", "LANGUAGE=en", "KRV_DEMO_LATENCY_US=0", asan, preload,
                                   "sh", "-c", command });
    ASSERT_NE (demo, nullptr);
    const auto window = session->waitForWindowOf (demo->pid(), 20000);
    ASSERT_TRUE (window.has_value()) << "the demo's window did not appear";

    // The window manager may still move the window after it appears, so the
    // window's place is read again before every click.
    testx::waitUntil ([] { return false; }, 1000);
    // xwininfo's absolute corner is the client area's, below any frame.
    const auto clientArea = [&]
    {
        juce::Rectangle<int> area;
        if (const auto info = session->run ({ "xwininfo", "-id", *window }))
            for (const auto& line : juce::StringArray::fromLines (juce::String (*info)))
            {
                const auto value = line.fromLastOccurrenceOf (":", false, false).trim().getIntValue();
                if (line.contains ("Absolute upper-left X"))
                    area.setX (value);
                else if (line.contains ("Absolute upper-left Y"))
                    area.setY (value);
                else if (line.contains ("Width:"))
                    area.setWidth (value);
                else if (line.contains ("Height:"))
                    area.setHeight (value);
            }
        return area;
    };
    EXPECT_EQ (clientArea().getWidth(), 404);
    EXPECT_EQ (clientArea().getHeight(), 126);
    const auto clickRightButton = [&] { clickAt (clientArea().getTopLeft() + juce::Point<int> (284 + 50, 86 + 10)); };

    const auto logSays = [&log] (const char* text) { return log.loadFileAsString().contains (text); };
    const auto waitForLog = [&] (const char* text, int boundMs)
    {
        return testx::waitUntil ([&] { return logSays (text); }, boundMs);
    };

    // A click can land while the window manager still places the window or
    // just before the next screen is up: click again when nothing followed
    // within a generous while.
    const auto clickRightButtonUntil = [&] (const std::function<bool()>& followed, int boundMs)
    {
        for (int attempt = 0; attempt < 3; ++attempt)
        {
            clickRightButton();
            if (testx::waitUntil (followed, boundMs))
                return true;
        }
        return false;
    };

    screenshot ("demo-1-language");

    // OK
    const auto checked = clickRightButtonUntil ([&] { return logSays ("answered the mode and version queries"); }, 10000);
    if (! checked)
        screenshot ("demo-2-failed");
    ASSERT_TRUE (checked) << log.loadFileAsString() << clientArea().toString();
    testx::waitUntil ([] { return false; }, 500);
    screenshot ("demo-2-ready");

    // Start
    ASSERT_TRUE (clickRightButtonUntil ([&] { return logSays ("block 1, target 0xF1"); }, 10000)) << log.loadFileAsString();
    ASSERT_TRUE (waitForLog ("block 2,", 60000)) << log.loadFileAsString();
    screenshot ("demo-3-transfer");

    ASSERT_TRUE (waitForLog ("received the finish command", 120000)) << log.loadFileAsString();
    testx::waitUntil ([] { return false; }, 1000);
    screenshot ("demo-4-complete");

    // OK: the program quits
    ASSERT_TRUE (clickRightButtonUntil ([&] { return ! demo->isRunning(); }, 7000)) << "the demo did not quit";
    const auto exitCode = demo->waitForExit (20000);
    ASSERT_TRUE (exitCode.has_value()) << "the demo did not quit";
    EXPECT_EQ (*exitCode, 0);
    EXPECT_TRUE (logSays ("3 of 3 images in the controller match the update file")) << log.loadFileAsString();
}

// The same window in this process: the controller is pulled out during the
// transfer, and the window grows to the recovery screen.
TEST (WindowWalkthrough, UnpluggedMidTransferEndsOnTheRecoveryScreen)
{
    ASSERT_NE (session, nullptr) << "no X server with a window manager";
    auto directory = juce::File::getSpecialLocation (juce::File::tempDirectory).getNonexistentChildFile ("krv-walk-", "", false);
    ASSERT_TRUE (directory.createDirectory());
    updfile::UpdateFileRecipe recipe;
    recipe.dateWord = 0x20240115;
    ASSERT_TRUE (updfile::writeUpdateFile (directory.getChildFile (updfile::updateFileName (recipe.kind)),
                                           updfile::buildUpdateFile (recipe)));

    emu::ControllerConfig config;
    config.dateWord = 0x20230601;
    config.latencyMicroseconds = 1000;
    emu::EmulatedController controller (config);
    controller.plug();

    auto window = std::make_unique<MainWindow>();
    auto& c = *window->mainComponent;
    c.setUpdateFileDirectory (directory);
    TxtLoader::getInstance()->setLocale (LANG_EN);
    c.screenBuilt = false;
    c.UpdateDrawing();
    ASSERT_TRUE (pumpUntil ([&] { return window->isShowing() && c.hidCtrl->m_connected.load() != 0; }, 10000));

    // Keys go to the window with the input focus: wait until the window
    // manager has given it to this one.
    const auto windowId = std::to_string ((unsigned long) (juce::pointer_sized_uint) window->getWindowHandle());
    ASSERT_TRUE (pumpUntil ([&] { return session->activeWindow() == windowId; }, 10000))
        << "active: " << session->activeWindow().value_or ("none") << ", ours: " << windowId;
    ASSERT_TRUE (pumpUntil ([&] { return c.okButton->hasKeyboardFocus (true); }, 5000)) << "OK has the focus";
    pumpFor (500);
    screenshot ("window-1-language");

    // Return on the focused OK: pressed, held a moment, released; one click.
    ASSERT_TRUE (session->run ({ "xdotool", "keydown", "Return" }).has_value());
    pumpFor (300);
    EXPECT_EQ (c.getState(), UPD_INIT) << "no click while Return is held";
    ASSERT_TRUE (session->run ({ "xdotool", "keyup", "Return" }).has_value());
    ASSERT_TRUE (pumpUntil ([&] { return c.getState() == UPD_READY; }, 20000)) << std::hex << c.getState();
    EXPECT_TRUE (pumpUntil ([&] { return c.okButton->hasKeyboardFocus (true); }, 5000)) << "Start has the focus";
    screenshot ("window-2-ready");

    clickAt (c.okButton->getScreenBounds().getCentre());
    ASSERT_TRUE (pumpUntil ([&] { return controller.dataPackets() > 3000; }, 30000));
    pumpFor (200);
    screenshot ("window-3-transfer");

    controller.unplug();
    ASSERT_TRUE (pumpUntil ([&] { return c.getState() == ERR_REMOVED && ! c.isThreadRunning(); }, 20000));
    ASSERT_TRUE (pumpUntil ([&] { return window->getWidth() == 800; }, 5000));
    pumpFor (500);
    screenshot ("window-4-recovery");

    EXPECT_EQ (c.getBounds(), juce::Rectangle<int> (0, 0, 800, 300));
    EXPECT_EQ (window->getHeight(), 300);
    const auto* display = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay();
    ASSERT_NE (display, nullptr);
    EXPECT_TRUE (display->userArea.contains (window->getScreenBounds())) << window->getScreenBounds().toString();
    EXPECT_NEAR (window->getScreenBounds().getCentreX(), display->userArea.getCentreX(), 2);
    EXPECT_TRUE (c.cancelButton->isVisible());
    EXPECT_FALSE (c.okButton->isVisible());
    EXPECT_EQ (c.cancelButton->getBounds(), juce::Rectangle<int> (680, 260, 100, 20));
    EXPECT_TRUE (c.cancelButton->hasKeyboardFocus (true)) << "Close has the focus";

    // Close runs the quit sequence (no application object to quit here).
    clickAt (c.cancelButton->getScreenBounds().getCentre());
    UpdatePacket packet;
    ASSERT_TRUE (pumpUntil ([&]
    {
        c.inPacket.copyTo (packet);
        return packet[0] == 0 && ! c.isThreadRunning();
    }, 5000));

    window.reset();
    directory.deleteRecursively();
}
