// The rules that judge the controller's answers.
#include "main_component/UpdateResponses.h"
#include "main_component/UpdateState.h"

#include <gtest/gtest.h>

TEST (RefusalRules, ReasonAndRequestDecideTheErrorId)
{
    struct Row { uint8_t reason; int32_t mode, sum, status, other; };
    const Row rows[] = {
        { 1, ERR_REFUSED_1, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED },
        { 2, ERR_REFUSED_2, ERR_REFUSED_2, ERR_UNEXPECTED, ERR_UNEXPECTED },
        { 3, ERR_REFUSED_3, ERR_UNEXPECTED, ERR_REFUSED_3, ERR_UNEXPECTED },
        { 4, ERR_REFUSED_4, ERR_UNEXPECTED, ERR_REFUSED_4, ERR_UNEXPECTED },
        { 5, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED },
        { 0, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED },
        { 200, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED, ERR_UNEXPECTED },
    };
    for (const auto& r : rows)
    {
        EXPECT_EQ (updproto::refusalError (CMD_GET_MODE, r.reason), r.mode) << (int) r.reason;
        EXPECT_EQ (updproto::refusalError (CMD_BLOCK_SUM, r.reason), r.sum) << (int) r.reason;
        EXPECT_EQ (updproto::refusalError (CMD_BLOCK_STATUS, r.reason), r.status) << (int) r.reason;
        for (auto other : { CMD_GET_VERSION, CMD_BLOCK_HEAD, CMD_DATA, CMD_DATA_LAST, CMD_BEGIN })
            EXPECT_EQ (updproto::refusalError (other, r.reason), r.other) << (int) r.reason;
    }
}

TEST (ExchangeFault, WrongEchoOrReasonFiveOnly)
{
    UpdatePacket request, answer;
    request[0] = TGT_IMAGE1;
    answer[0] = TGT_IMAGE1;
    answer[1] = RSP_OK;
    EXPECT_FALSE (updproto::exchangeFault (request, answer));
    answer[0] = TGT_IMAGE0;
    EXPECT_TRUE (updproto::exchangeFault (request, answer));
    answer[0] = TGT_IMAGE1;
    answer[1] = RSP_REFUSED;
    answer[2] = 5;
    EXPECT_TRUE (updproto::exchangeFault (request, answer));
    answer[2] = 4;
    EXPECT_FALSE (updproto::exchangeFault (request, answer));
    answer.clear();   // what the quit sequence leaves
    EXPECT_TRUE (updproto::exchangeFault (request, answer));
}

TEST (ModeAnswer, KindOrError)
{
    struct Row { uint8_t code, reason; int32_t mode, error; };
    const Row rows[] = {
        { RSP_OK, 0, 1, 0 }, { RSP_MODE2, 0, 2, 0 }, { RSP_REFUSED, 1, 0, ERR_REFUSED_1 },
        { RSP_REFUSED, 4, 0, ERR_REFUSED_4 }, { RSP_REFUSED, 5, 0, ERR_UNEXPECTED }, { RSP_VERSION, 0, 0, ERR_UNEXPECTED },
    };
    for (const auto& r : rows)
    {
        UpdatePacket answer;
        answer[1] = r.code;
        answer[2] = r.reason;
        int32_t error = -1;
        EXPECT_EQ (updproto::modeFromAnswer (answer, &error), r.mode);
        EXPECT_EQ (error, r.error);
    }
}

TEST (VersionAnswer, DateBigEndianAndVersionText)
{
    UpdatePacket answer;
    const uint8_t fields[] = { TGT_SYSTEM, RSP_VERSION, 0x20, 0x50, 0x12, 0x31, 0x77, '2', '.', '1', '0' };
    std::memcpy (answer.bytes, fields, sizeof (fields));
    auto v = updproto::readVersionAnswer (answer);
    EXPECT_EQ (v.date, 0x20501231u);
    EXPECT_TRUE (v.dateWithinBounds);
    EXPECT_EQ (v.version, "2.10");

    for (int i = 0; i < 4; ++i)
    {
        UpdatePacket pastBound = answer;
        pastBound[(size_t) (2 + i)] = (uint8_t) (pastBound[(size_t) (2 + i)] + 1);
        EXPECT_FALSE (updproto::readVersionAnswer (pastBound).dateWithinBounds) << i;
    }

    std::memset (answer.bytes + 7, 0xFF, 4);
    EXPECT_EQ (updproto::readVersionAnswer (answer).version, "0.00");
    answer[9] = 0;
    EXPECT_EQ (updproto::readVersionAnswer (answer).version.length(), 3);
}

TEST (ByteSum, UnsignedBytesInThirtyTwoBits)
{
    std::vector<uint8_t> bytes (0x20000, 0xFF);
    EXPECT_EQ (updproto::byteSum (bytes.data(), (int64_t) bytes.size()), 0x20000u * 0xFF);
    EXPECT_EQ (updproto::byteSum (bytes.data(), 0), 0u);
}
