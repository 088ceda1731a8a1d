#include "ui/AlineButton.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
struct ClickCounter : juce::Button::Listener
{
    void buttonClicked (juce::Button*) override { ++clicks; }
    int clicks = 0;
};

bool pumpUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! condition() && juce::Time::getMillisecondCounter() < end)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (20);
    return condition();
}

void pumpFor (int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

// A button in a window of its own on the (virtual) display.
class ButtonOnScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        button.setBounds (0, 0, 100, 20);
        window.setContentNonOwned (&button, true);
        window.setVisible (true);
        button.addListener (&counter);
        ASSERT_TRUE (pumpUntil ([this] { return button.isShowing(); }));
    }

    void TearDown() override
    {
        button.removeListener (&counter);
        window.clearContentComponent();
    }

    AlineButton button { "OK" };
    juce::DocumentWindow window { "Button", juce::Colours::white, 0 };
    ClickCounter counter;
};
} // namespace

TEST_F (ButtonOnScreen, ReturnClicksOnceWhenReleased)
{
    // The key is not held on the display, so the click follows the next paint.
    ASSERT_TRUE (button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
    EXPECT_EQ (counter.clicks, 0) << "no click before the button was painted again";
    ASSERT_TRUE (pumpUntil ([this] { return counter.clicks > 0; }));

    button.repaint();
    pumpFor (300);
    EXPECT_EQ (counter.clicks, 1);
}

TEST_F (ButtonOnScreen, OtherKeysAndModifiedReturnDoNothing)
{
    EXPECT_FALSE (button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey, juce::ModifierKeys::shiftModifier, 0)));
    EXPECT_FALSE (button.keyPressed (juce::KeyPress (juce::KeyPress::spaceKey)));
    EXPECT_FALSE (button.keyPressed (juce::KeyPress ('x')));
    button.repaint();
    pumpFor (300);
    EXPECT_EQ (counter.clicks, 0);
}
