// The emulated controller on its own, reached through the device link as the
// program reaches it: its answers, its memory, its checks and its faults.
#include "EmulatedController.h"
#include "MessageLoop.h"
#include "device/HidCtrl.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <numeric>
#include <vector>

namespace
{
using Report = std::array<uint8_t, 64>;

class Link : public HidHandler
{
public:
    void removalCallBack() override { removed = true; }
    void matchingCallBack() override {}
    void inputCallBack (int) override
    {
        Report r {};
        std::copy (ctrl.m_inputData, ctrl.m_inputData + 64, r.begin());
        answers.push_back (r);
    }

    HidCtrl ctrl;
    std::vector<Report> answers;
    bool removed = false;
};

class Emulator : public ::testing::Test
{
public:
    void SetUp() override { platform::VirtualHidBus::instance().reset(); }
    void TearDown() override
    {
        link.reset();
        controller.reset();
        platform::VirtualHidBus::instance().reset();
    }

    void start()
    {
        controller = std::make_unique<emu::EmulatedController> (config);
        controller->plug();
        link = std::make_unique<Link>();
        ASSERT_TRUE (link->ctrl.initialize (link.get(), 1));
    }

    // Sends one request; the answer, or all zero when none came in time.
    Report ask (uint8_t target, uint8_t command, std::vector<uint8_t> fields = {})
    {
        Report request {};
        request[0] = target;
        request[1] = command;
        std::copy (fields.begin(), fields.end(), request.begin() + 2);
        const auto before = link->answers.size();
        link->ctrl.sendData (request.data(), request.size());
        if (! emu::runMessageLoopUntil ([&] { return link->answers.size() > before; }, 300))
            return {};
        return link->answers.back();
    }

    static std::vector<uint8_t> le32 (uint32_t v) { return { (uint8_t) v, (uint8_t) (v >> 8), (uint8_t) (v >> 16), (uint8_t) (v >> 24) }; }

    static std::vector<uint8_t> header (uint32_t address, uint32_t length)
    {
        auto f = le32 (address);
        f.push_back (0xFF);
        const auto l = le32 (length);
        f.insert (f.end(), l.begin(), l.end());
        return f;
    }

    // Header, data packets and sum of one block; returns the sum's answer.
    Report sendBlock (uint8_t target, uint32_t address, const std::vector<uint8_t>& bytes, int sumError = 0)
    {
        EXPECT_EQ (ask (target, 0x02, header (address, (uint32_t) bytes.size()))[1], 0x80);
        size_t i = 0;
        for (; i + 62 < bytes.size(); i += 62)
            EXPECT_EQ (ask (target, 0x03, { bytes.begin() + (long) i, bytes.begin() + (long) i + 62 })[1], 0x80);
        const auto r = bytes.size() - i;
        EXPECT_EQ (ask (target, 0x07, { (uint8_t) r })[1], 0x80);
        EXPECT_EQ (ask (target, 0x03, { bytes.begin() + (long) i, bytes.end() })[1], 0x80);
        const auto sum = std::accumulate (bytes.begin(), bytes.end(), 0u) + (uint32_t) sumError;
        return ask (target, 0x04, le32 (sum));
    }

    emu::ControllerConfig config;
    std::unique_ptr<emu::EmulatedController> controller;
    std::unique_ptr<Link> link;
};
}

TEST_F (Emulator, AnswersModeByKindAndVersionWithDateAndText)
{
    config.kind = 2;
    config.dateWord = 0x20240115;
    config.versionBytes = { 0xFF, 0xFF, 0xFF, 0xFF };
    start();
    const auto mode = ask (0xF0, 0x00);
    EXPECT_EQ (mode[0], 0xF0);
    EXPECT_EQ (mode[1], 0x8B);
    const auto version = ask (0xF0, 0x01);
    EXPECT_EQ (version[1], 0x82);
    EXPECT_EQ (version[2], 0x20);
    EXPECT_EQ (version[5], 0x15);
    EXPECT_EQ (version[7], 0xFF);
    EXPECT_EQ (ask (0xF0, 0x42)[1], 0x81) << "unknown commands are refused";
}

TEST_F (Emulator, StoresABlockOnlyOnceItsSumMatchedAndItWasPolled)
{
    config.busyAnswersPerBlock = 2;
    start();
    std::vector<uint8_t> bytes (200);
    std::iota (bytes.begin(), bytes.end(), (uint8_t) 7);

    EXPECT_EQ (sendBlock (0xF2, 0x90000, bytes)[1], 0x80);
    EXPECT_EQ (controller->memory (0xF2)[0x90000], 0xFF) << "not stored before the poll says so";
    EXPECT_EQ (ask (0xF2, 0x05)[1], 0x83);
    EXPECT_EQ (ask (0xF2, 0x05)[1], 0x84);
    EXPECT_EQ (ask (0xF2, 0x05)[1], 0x85);

    const auto memory = controller->memory (0xF2);
    EXPECT_TRUE (std::equal (bytes.begin(), bytes.end(), memory.begin() + 0x90000));
    EXPECT_EQ (memory[0x90000 + 200], 0xFF);
    EXPECT_EQ (controller->memory (0xF1)[0x90000], 0xFF) << "each target has its own memory";
    ASSERT_EQ (controller->blocks().size(), 1u);
    EXPECT_TRUE (controller->blocks()[0].stored);
}

TEST_F (Emulator, WrongSumIsRefusedAndNothingStored)
{
    start();
    const auto answer = sendBlock (0xF1, 0, std::vector<uint8_t> (100, 1), 1);
    EXPECT_EQ (answer[1], 0x81);
    EXPECT_EQ (answer[2], 2);
    EXPECT_EQ (controller->sumMismatches(), 1);
    EXPECT_EQ (ask (0xF1, 0x05)[1], 0x81);
    EXPECT_EQ (controller->memory (0xF1)[0], 0xFF);
}

TEST_F (Emulator, HeaderOutOfRangeIsRefused)
{
    start();
    EXPECT_EQ (ask (0xF1, 0x02, header (0, 0x20001))[1], 0x81);
    EXPECT_EQ (ask (0xF1, 0x02, header (0x1FFFFF, 2))[1], 0x81);
}

TEST_F (Emulator, InjectedFaultsHitTheChosenRequestOnly)
{
    config.faults.overrides.push_back ({ { 0x00, 2 }, 0x81, 3 });
    config.faults.wrongTargetOn = { 0x01, 1 };
    config.faults.silentOn = { emu::RequestMatch::anyCommand, 4 };
    config.faults.lowFirstByteOn = { 0x01, 3 };
    start();

    EXPECT_EQ (ask (0xF0, 0x00)[1], 0x80);
    const auto refused = ask (0xF0, 0x00);
    EXPECT_EQ (refused[1], 0x81);
    EXPECT_EQ (refused[2], 3);
    EXPECT_EQ (ask (0xF0, 0x01)[0], 0xF1);
    EXPECT_EQ (ask (0xF0, 0x01)[1], 0) << "silent on the fourth request";
    EXPECT_EQ (ask (0xF0, 0x01)[1], 0) << "an answer below 0xF0 never reaches the program";
    EXPECT_EQ (ask (0xF0, 0x01)[1], 0x82);
    EXPECT_EQ (controller->requestCount(), 6);
}

TEST_F (Emulator, AlwaysBusyAndUnplugOnTheNthDataPacket)
{
    config.faults.alwaysBusy = true;
    config.faults.unplugOn = { 0x03, 3 };
    start();
    EXPECT_EQ (sendBlock (0xF7, 0x1D0000, std::vector<uint8_t> (62 + 1, 9))[1], 0x80);   // two data packets
    for (int i = 0; i < 5; ++i)
        EXPECT_NE (ask (0xF7, 0x05)[1], 0x85);

    EXPECT_EQ (ask (0xF7, 0x02, header (0x1D1000, 62 * 3))[1], 0x80);
    EXPECT_EQ (ask (0xF7, 0x03, std::vector<uint8_t> (62, 1))[1], 0) << "the third data packet is not answered";
    ASSERT_TRUE (emu::runMessageLoopUntil ([this] { return link->removed; }, 2000));
    EXPECT_FALSE (controller->isPlugged());
    EXPECT_EQ (controller->dataPackets(), 3);
}

TEST_F (Emulator, FinishIsRecordedAndNotAnswered)
{
    start();
    EXPECT_EQ (ask (0xF0, 0x06)[1], 0);
    EXPECT_TRUE (controller->finished());
}
