// The notice a second start gives to the running instance.
#include "platform/InstanceNotice.h"

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

using platform::InstanceNotice;

namespace
{
void pump (int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

class InstanceNoticeTest : public ::testing::Test
{
protected:
    // A name of its own per test, so that parallel runs and the real program
    // never hear each other.
    const juce::String name = "KrvNoticeTest-" + juce::String (juce::Time::getHighResolutionTicks())
                              + "-" + juce::String (::testing::UnitTest::GetInstance()->current_test_info()->name());

    InstanceNotice::Callback recorder()
    {
        return [this] (const juce::String& commandLine)
        {
            EXPECT_TRUE (juce::MessageManager::getInstance()->isThisTheMessageThread());
            received.add (commandLine);
        };
    }

    bool pumpUntilReceived (int count)
    {
        for (int waited = 0; waited < 10000 && received.size() < count; waited += 20)
            pump (20);
        return received.size() >= count;
    }

    juce::StringArray received;
};
} // namespace

TEST_F (InstanceNoticeTest, RunningInstanceHearsEverySecondStartOnItsMessageThread)
{
    InstanceNotice running (name, recorder());
    ASSERT_TRUE (running.isListening());

    EXPECT_TRUE (InstanceNotice::tellRunningInstance (name, "--first", 5000));
    EXPECT_TRUE (InstanceNotice::tellRunningInstance (name, juce::String::fromUTF8 ("caf\xc3\xa9 2"), 5000));
    ASSERT_TRUE (pumpUntilReceived (2));
    ASSERT_EQ (received.size(), 2);
    EXPECT_EQ (received[0], "--first");
    EXPECT_EQ (received[1], juce::String::fromUTF8 ("caf\xc3\xa9 2"));
}

TEST_F (InstanceNoticeTest, OnlyOneListenerPerNameAndUser)
{
    InstanceNotice running (name, recorder());
    InstanceNotice late (name, [] (const juce::String&) { FAIL() << "the second listener heard a notice"; });
    EXPECT_TRUE (running.isListening());
    EXPECT_FALSE (late.isListening());

    EXPECT_TRUE (InstanceNotice::tellRunningInstance (name, "x", 5000));
    EXPECT_TRUE (pumpUntilReceived (1));
}

TEST_F (InstanceNoticeTest, NoRunningInstanceMeansNoNotice)
{
    EXPECT_FALSE (InstanceNotice::tellRunningInstance (name, "x", 200));

    {
        InstanceNotice gone (name, recorder());
    }
    EXPECT_FALSE (InstanceNotice::tellRunningInstance (name, "x", 200));

    InstanceNotice otherProgram (name + "-other", recorder());
    EXPECT_FALSE (InstanceNotice::tellRunningInstance (name, "x", 200));
    pump (100);
    EXPECT_TRUE (received.isEmpty());
}

TEST_F (InstanceNoticeTest, ReachesAnInstanceThatIsStillStartingUp)
{
    std::unique_ptr<InstanceNotice> running;
    juce::Timer::callAfterDelay (300, [&] { running = std::make_unique<InstanceNotice> (name, recorder()); });

    // The notice is sent from another thread while this one runs the
    // message loop that starts the listener a moment later.
    std::atomic<int> taken { -1 };
    juce::Thread::launch ([&] { taken = InstanceNotice::tellRunningInstance (name, "late", 5000) ? 1 : 0; });
    for (int waited = 0; waited < 10000 && taken < 0; waited += 20)
        pump (20);
    EXPECT_EQ (taken, 1);
    EXPECT_TRUE (pumpUntilReceived (1));
}

TEST_F (InstanceNoticeTest, NoCallbackAfterTheListenerIsGone)
{
    auto running = std::make_unique<InstanceNotice> (name, recorder());
    // Taken means the notice is already queued for the message thread.
    ASSERT_TRUE (InstanceNotice::tellRunningInstance (name, "x", 5000));
    running.reset();
    pump (200);
    EXPECT_TRUE (received.isEmpty());
}
