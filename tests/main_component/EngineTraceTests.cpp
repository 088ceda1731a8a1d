// Whole updates against the emulated controller: what went out, in which
// order, and what the controller's memory holds afterwards.
#include "EngineHarness.h"
#include "RequestTrace.h"

using namespace enginetest;

namespace
{
class UpdateTrace : public EngineHarness
{
protected:
    RequestTrace trace() const { return RequestTrace (controller->requests()); }

    void expectEndedComplete()
    {
        EXPECT_EQ (component->getState(), UPD_COMPLETE);
        EXPECT_EQ (component->updFinished.load(), 1);
        EXPECT_FALSE (component->isThreadRunning());
        EXPECT_DOUBLE_EQ (component->progress.load(), 1.0);
        EXPECT_TRUE (controller->finished());
        EXPECT_EQ (controller->sumMismatches(), 0);
    }

    void expectMemoryHolds (uint8_t target, int image, int64_t length)
    {
        const auto memory = controller->memory (target);
        const auto& layout = updfile::images[image];
        const std::vector<uint8_t> stored (memory.begin() + layout.destAddress,
                                           memory.begin() + layout.destAddress + length);
        EXPECT_TRUE (stored == fileImage (image, length)) << "target " << std::hex << (int) target;
        EXPECT_EQ (memory[(size_t) (layout.destAddress + length)], 0xFF) << "nothing stored past the image";
    }

    static void expectRequest (const std::array<uint8_t, 64>& r, uint8_t target, uint8_t command)
    {
        EXPECT_EQ (r[0], target);
        EXPECT_EQ (r[1], command);
    }
};

void expectFullBlockShape (const TracedBlock& b)
{
    EXPECT_EQ (b.fullPackets, 2114);
    EXPECT_EQ (b.announced, 4);
    EXPECT_EQ (b.lastPacketBytes, 4);
}
}

TEST_F (UpdateTrace, DatesDifferWritesAllThreeImagesInSixteenBlocks)
{
    writeValidFile();
    runWholeUpdate();
    expectEndedComplete();

    const auto t = trace();
    EXPECT_TRUE (t.nonZeroUnusedBytes.empty()) << t.nonZeroUnusedBytes.front();
    ASSERT_GE (t.requests.size(), 4u);
    expectRequest (t.requests[0], TGT_SYSTEM, CMD_GET_MODE);
    expectRequest (t.requests[1], TGT_SYSTEM, CMD_GET_VERSION);
    expectRequest (t.requests[2], TGT_IMAGE0, CMD_BEGIN);
    EXPECT_EQ (RequestTrace::field32 (t.requests[2], 2), 0x1D0000u);
    EXPECT_EQ (t.requests[2][6], 0xFF);
    EXPECT_EQ (RequestTrace::field32 (t.requests[2], 7), 0x10000u);
    expectRequest (t.requests.back(), TGT_SYSTEM, CMD_FINISH);
    EXPECT_EQ (t.count (CMD_FINISH), 1);
    EXPECT_TRUE (component->mainFwUpdating.load());

    ASSERT_EQ (t.blocks.size(), 16u);
    EXPECT_EQ (t.dataBytes(), 0x1E0000);
    const uint8_t targets[] = { TGT_IMAGE0, TGT_IMAGE1, TGT_IMAGE2 };
    const int firstBlock[] = { 0, 5, 15 };
    for (int image = 0; image < 3; ++image)
        for (int i = firstBlock[image]; i < (image < 2 ? firstBlock[image + 1] : 16); ++i)
        {
            const auto& b = t.blocks[(size_t) i];
            EXPECT_EQ (b.target, targets[image]) << i;
            EXPECT_EQ (b.address, updfile::images[image].destAddress + (i - firstBlock[image]) * 0x20000) << i;
            EXPECT_TRUE (b.sumSent && b.sumCorrect) << i;
            EXPECT_EQ (b.bytes.size(), b.length) << i;
        }

    expectFullBlockShape (t.blocks[0]);
    expectFullBlockShape (t.blocks[5]);
    EXPECT_EQ (t.blocks[4].address, 0x80000u);
    EXPECT_EQ (t.blocks[4].length, 0x10000u);
    EXPECT_EQ (t.blocks[5].address, 0x90000u);
    EXPECT_EQ (t.blocks[5].length, 0x20000u);
    EXPECT_EQ (t.blocks[15].length, 0x10000u);

    expectMemoryHolds (TGT_IMAGE0, 0, 0x90000);
    expectMemoryHolds (TGT_IMAGE1, 1, 0x140000);
    expectMemoryHolds (TGT_IMAGE2, 2, 0x10000);
}

TEST_F (UpdateTrace, DatesEqualSkipImageZeroAndCutImageTwo)
{
    controllerConfig.dateWord = fileDate;
    writeValidFile();
    runWholeUpdate();
    expectEndedComplete();

    const auto t = trace();
    EXPECT_TRUE (t.nonZeroUnusedBytes.empty());
    expectRequest (t.requests[2], TGT_IMAGE1, CMD_BEGIN);
    EXPECT_EQ (RequestTrace::field32 (t.requests[2], 2), 0x1D0000u);
    EXPECT_EQ (RequestTrace::field32 (t.requests[2], 7), 0x1000u);
    EXPECT_FALSE (component->mainFwUpdating.load());

    ASSERT_EQ (t.blocks.size(), 11u);
    EXPECT_EQ (t.dataBytes(), 0x141000);
    const auto& last = t.blocks.back();
    EXPECT_EQ (last.target, TGT_IMAGE2);
    EXPECT_EQ (last.address, 0x1D0000u);
    EXPECT_EQ (last.length, 0x1000u);
    EXPECT_EQ (last.fullPackets, 66);
    EXPECT_EQ (last.announced, 4);
    EXPECT_EQ (last.lastPacketBytes, 4);

    for (const auto& r : t.requests)
        EXPECT_NE (r[0], TGT_IMAGE0);
    expectMemoryHolds (TGT_IMAGE1, 1, 0x140000);
    expectMemoryHolds (TGT_IMAGE2, 2, 0x1000);
}

TEST_F (UpdateTrace, RejectedControllerVersionWritesOnlyImageZero)
{
    controllerConfig.versionBytes = updfile::versionBytesOf ("1,00");
    writeValidFile();
    runWholeUpdate();
    expectEndedComplete();

    const auto t = trace();
    ASSERT_EQ (t.blocks.size(), 5u);
    EXPECT_EQ (t.dataBytes(), 0x90000);
    // Records 1 and 2 are passed over without a request: the poll that
    // stored the last block is followed by the finish command.
    const auto n = t.requests.size();
    expectRequest (t.requests[n - 2], TGT_IMAGE0, CMD_BLOCK_STATUS);
    expectRequest (t.requests[n - 1], TGT_SYSTEM, CMD_FINISH);
    EXPECT_EQ (component->updFiles[1].state, 1);
    EXPECT_EQ (component->updFiles[2].state, 1);
    expectMemoryHolds (TGT_IMAGE0, 0, 0x90000);
}

TEST_F (UpdateTrace, ControllerThatReportsNoVersionGetsEverything)
{
    controllerConfig.versionBytes = { 0xFF, 0xFF, 0xFF, 0xFF };
    controllerConfig.kind = 2;
    fileRecipe.kind = 2;
    controllerConfig.busyAnswersPerBlock = 2;
    writeValidFile();
    runWholeUpdate (0x10F);
    expectEndedComplete();

    EXPECT_EQ (component->devVersion, "0.00");
    EXPECT_EQ (component->updFileKind, 2);
    EXPECT_EQ (trace().dataBytes(), 0x1E0000);
    EXPECT_EQ (trace().count (CMD_BLOCK_STATUS), 16 * 3);

    // From 0x10F on, the controller is released once the update completed.
    EXPECT_TRUE (pumpUntil ([this] { return component->hidCtrl == nullptr; }, 5000));
}
