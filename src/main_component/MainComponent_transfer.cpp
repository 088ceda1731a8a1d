// The block transfer: header, data packets, byte sum, and the poll until the
// controller has stored the block.
#include "MainComponent.h"

#include "UpdateResponses.h"

namespace
{
constexpr int pollIntervalMs = 100;
constexpr int transferIntervalMs = 1;
}

MainComponent::StepExit MainComponent::sendBlockHead()
{
    const auto k = updKind;
    if (k >= 3)
        return moveTo (UPD_FINISH) == StepExit::next ? finishUpdate() : StepExit::stop;

    const auto& record = updFiles[k];
    if (record.state != 2)
    {
        // Skipped at one pass per record; the phase stays.
        updKind = k + 1;
        curUpdKind = k + 1;
        return StepExit::settle;
    }

    const auto length = std::min (record.size - alreadySentDataSize, BLOCK_SIZE_MAX);
    beginRequest (record.target, CMD_BLOCK_HEAD);
    putAddressAndLength (record.destAddress + alreadySentDataSize, length);
    return exchangeForOk (UPD_BLOCK_DATA);
}

bool MainComponent::readVerifiedBlock (const UpdFileInfo& record, int64_t offset, int64_t length)
{
    // The block is read from the file again and must equal the bytes that
    // passed the checks: a file changed, cut short or replaced since then is
    // never sent, in whole or in part.
    const auto start = record.fileOffset + offset;
    if (start < 0 || length <= 0 || start + length > (int64_t) verifiedUpdFile.getSize())
        return false;

    juce::FileInputStream in (record.file);
    if (! in.openedOk() || ! in.setPosition (start))
        return false;

    if (rereadBlock == nullptr)
        rereadBlock.malloc ((size_t) BLOCK_SIZE_MAX);

    const auto got = in.read (rereadBlock.get(), (int) length);
    const auto* verified = static_cast<const uint8_t*> (verifiedUpdFile.getData()) + start;
    return got == (int) length && std::memcmp (rereadBlock.get(), verified, (size_t) length) == 0;
}

MainComponent::StepExit MainComponent::sendBlockData()
{
    const auto& record = updFiles[updKind];
    const auto length = std::min (record.size - alreadySentDataSize, BLOCK_SIZE_MAX);
    if (! readVerifiedBlock (record, readOffset, length))
        return recordAndStop (ERR_FILE_OPEN);

    const auto* block = static_cast<const uint8_t*> (verifiedUpdFile.getData()) + record.fileOffset + readOffset;
    const auto p0 = progress.load();
    const auto total = (double) totalUpdSize;
    const auto perPacket = (int64_t) DATA_BYTES_PER_PACKET;

    for (int64_t i = 0; i < length; i += perPacket)
    {
        progress = p0 + (double) i / total;

        if (i + perPacket < length)
        {
            beginRequest (record.target, CMD_DATA);
            std::memcpy (outPacket.bytes + 2, block + i, (size_t) perPacket);
            alreadySentDataSize += perPacket;
        }
        else
        {
            // The last packet is announced with its length first.
            const auto r = length - i;
            alreadySentDataSize += r;
            beginRequest (record.target, CMD_DATA_LAST);
            outPacket[2] = (uint8_t) r;
            const auto announced = dataExchange();
            if (announced != StepExit::settle)
                return announced;

            outPacket[1] = CMD_DATA;
            std::memcpy (outPacket.bytes + 2, block + i, (size_t) r);
        }

        const auto sent = dataExchange();
        if (sent != StepExit::settle)
            return sent;
    }

    if (updState.load() == UPD_BLOCK_DATA)
    {
        blockSum = updproto::byteSum (block, length);
        setStateUnlessRemoved (UPD_BLOCK_SUM);
    }
    return StepExit::settle;
}

MainComponent::StepExit MainComponent::dataExchange()
{
    if (! SendDataAndWaitResponse())
        return recordAndStop (ERR_NO_RESPONSE);
    if (threadShouldExit())
        return StepExit::next;

    // A wrong target, or a recorded removal, ends the block at once; a refused
    // packet lets the rest of the block go out and stops the thread after it.
    if (updState.load() == ERR_REMOVED || response[0] != outPacket[0])
        return StepExit::stop;
    if (response[1] != RSP_OK)
        recordError (ERR_UNEXPECTED);
    return StepExit::settle;
}

MainComponent::StepExit MainComponent::sendBlockSum()
{
    beginRequest (updFiles[updKind].target, CMD_BLOCK_SUM);
    updproto::putLittleEndian32 (outPacket, 2, blockSum);

    auto exit = StepExit::stop;
    if (! exchangeToJudge (exit))
        return exit;

    if (response[1] == RSP_REFUSED)
        return recordAndStop (updproto::refusalError (CMD_BLOCK_SUM, response[2]));
    if (response[1] != RSP_OK)
        return recordAndStop (ERR_UNEXPECTED);

    waitMs = pollIntervalMs;
    busyPollStartMs = juce::Time::getMillisecondCounterHiRes();
    return moveTo (UPD_BLOCK_WAIT);
}

MainComponent::StepExit MainComponent::pollBlockStatus()
{
    const auto& record = updFiles[updKind];
    beginRequest (record.target, CMD_BLOCK_STATUS);

    auto exit = StepExit::stop;
    if (! exchangeToJudge (exit))
        return exit;

    switch (response[1])
    {
        case RSP_BUSY1:
        case RSP_BUSY2:
            // Busy without end is a controller that no longer answers.
            if (juce::Time::getMillisecondCounterHiRes() - busyPollStartMs > busyPollLimitMs)
                return recordAndStop (ERR_NO_RESPONSE);
            return StepExit::settle;

        case RSP_BLOCK_DONE:
            if (readOffset + BLOCK_SIZE_MAX < record.size)
            {
                readOffset += (int32_t) BLOCK_SIZE_MAX;
            }
            else
            {
                updKind += 1;
                curUpdKind = updKind;
                alreadySentDataSize = 0;
                readOffset = 0;
            }
            waitMs = transferIntervalMs;
            return moveTo (UPD_BLOCK_HEAD);

        case RSP_REFUSED:
            return recordAndStop (updproto::refusalError (CMD_BLOCK_STATUS, response[2]));

        default:
            return recordAndStop (ERR_UNEXPECTED);
    }
}
