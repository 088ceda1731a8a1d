// The window and the application object, in the test process.
#include "app/Main.h"
#include "main_component/MainComponent.h"

#include <gtest/gtest.h>

namespace
{
void pump (int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

bool pumpUntil (const std::function<bool()>& condition, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 20)
    {
        if (condition())
            return true;
        pump (20);
    }
    return condition();
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>();
        pump (50);
    }

    std::unique_ptr<MainWindow> window;
};
} // namespace

TEST_F (MainWindowTest, ContentMeasures404By126AndTheWindowFollowsIt)
{
    ASSERT_NE (window->mainComponent, nullptr);
    EXPECT_EQ (window->getContentComponent(), window->mainComponent);
    EXPECT_EQ (window->mainComponent->getBounds(), juce::Rectangle<int> (0, 0, 404, 126));
    EXPECT_EQ (window->getWidth(), 404);
    EXPECT_EQ (window->getHeight(), 126);

    // The failure screen grows the content; the window must grow with it.
    window->mainComponent->setSize (800, 300);
    EXPECT_EQ (window->getWidth(), 800);
    EXPECT_EQ (window->getHeight(), 300);
    EXPECT_EQ (window->mainComponent->getBounds(), juce::Rectangle<int> (0, 0, 800, 300));
}

TEST_F (MainWindowTest, IsCentredOnItsDisplay)
{
    const auto* display = juce::Desktop::getInstance().getDisplays().getDisplayForRect (window->getScreenBounds());
    ASSERT_NE (display, nullptr);
    const auto centre = window->getScreenBounds().getCentre();
    EXPECT_NEAR (centre.x, display->userArea.getCentreX(), 1);
    EXPECT_NEAR (centre.y, display->userArea.getCentreY(), 1);
}

TEST_F (MainWindowTest, IsAlwaysOnTopWithNativeTitleBarNoButtonsAndFixedSize)
{
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_TRUE (window->isVisible());
    EXPECT_TRUE (window->isAlwaysOnTop());
    EXPECT_TRUE (window->isUsingNativeTitleBar());
    EXPECT_FALSE (window->isResizable());
    EXPECT_EQ (window->getBackgroundColour(), juce::Colour (234, 234, 234));
    EXPECT_TRUE (window->getBackgroundColour().isOpaque());

    const auto flags = window->getDesktopWindowStyleFlags();
    EXPECT_NE (flags & juce::ComponentPeer::windowHasTitleBar, 0);
    for (const int refused : { juce::ComponentPeer::windowHasCloseButton, juce::ComponentPeer::windowHasMinimiseButton,
                               juce::ComponentPeer::windowHasMaximiseButton, juce::ComponentPeer::windowIsResizable })
        EXPECT_EQ (flags & refused, 0) << "style flag " << refused;
    EXPECT_EQ (window->getCloseButton(), nullptr);
    EXPECT_EQ (window->getMinimiseButton(), nullptr);
    EXPECT_EQ (window->getMaximiseButton(), nullptr);
}

TEST_F (MainWindowTest, DoesNothingOnItsCloseButtonMessage)
{
    window->closeButtonPressed();
    pump (50);
    EXPECT_TRUE (window->isVisible());
    EXPECT_FALSE (juce::MessageManager::getInstance()->hasStopMessageBeenSent());
}

class ApplicationTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        delete app.mainWindow;
        app.mainWindow = nullptr;
    }

    Application app;
};

TEST_F (ApplicationTest, NamesItselfAndAllowsOneInstance)
{
    EXPECT_EQ (app.getApplicationName(), "KRVTM40UpdateProgram");
    EXPECT_EQ (app.getApplicationVersion(), "1.0.0");
    EXPECT_FALSE (app.moreThanOneInstanceAllowed());
    EXPECT_EQ (app.mainWindow, nullptr);
}

TEST_F (ApplicationTest, AnotherStartGivesTheVisibleWindowTheFocus)
{
    app.mainWindow = new MainWindow();
    juce::DocumentWindow other ("other", juce::Colours::white, 0, true);
    other.setBounds (0, 0, 200, 100);
    other.setVisible (true);
    other.toFront (true);
    ASSERT_TRUE (pumpUntil ([&] { return other.isActiveWindow(); }, 5000));

    app.anotherInstanceStarted ("--ignored");
    EXPECT_TRUE (pumpUntil ([&] { return app.mainWindow->isActiveWindow(); }, 5000));
}

TEST_F (ApplicationTest, AnotherStartLeavesAHiddenOrMissingWindowAlone)
{
    app.anotherInstanceStarted ({});   // no window yet: nothing to do, no crash

    app.mainWindow = new MainWindow();
    app.mainWindow->setVisible (false);
    app.anotherInstanceStarted ({});
    pump (100);
    EXPECT_FALSE (app.mainWindow->isVisible());
    EXPECT_FALSE (app.mainWindow->isActiveWindow());
}
