// The rules that judge the controller's answers, on arbitrary input reports:
// every report of the input (64 bytes each, the last one shorter) is judged as
// the answer to every request, and passed through the response slot as the
// device layer would hand it over.
#include "ResponseSlot.h"
#include "UpdateResponses.h"
#include "UpdateState.h"

#include <cstddef>
#include <cstdint>

namespace
{
bool isKnownOutcome (int32_t error)
{
    return error == 0 || isErrorState (error);
}

void judgeAgainstEveryRequest (const UpdatePacket& answer)
{
    for (int command = 0; command <= CMD_BEGIN; ++command)
    {
        UpdatePacket request;
        request[0] = command <= CMD_GET_VERSION || command == CMD_FINISH ? TGT_SYSTEM : TGT_IMAGE0;
        request[1] = (uint8_t) command;
        (void) updproto::exchangeFault (request, answer);
        if (! isKnownOutcome (updproto::refusalError ((uint8_t) command, answer[2])))
            __builtin_trap();
    }

    int32_t error = 0;
    const auto mode = updproto::modeFromAnswer (answer, &error);
    if ((mode == 0) == (error == 0) || ! isKnownOutcome (error))
        __builtin_trap();

    const auto version = updproto::readVersionAnswer (answer);
    if (version.version.length() > 4)
        __builtin_trap();
}
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    ResponseSlot slot;
    for (size_t offset = 0; offset < size; offset += UpdatePacket::size)
    {
        const auto n = std::min (UpdatePacket::size, size - offset);
        slot.store (data + offset, n);
        UpdatePacket answer;
        slot.copyTo (answer);
        if (std::memcmp (answer.bytes, data + offset, n) != 0)
            __builtin_trap();
        judgeAgainstEveryRequest (answer);
    }
    return 0;
}
