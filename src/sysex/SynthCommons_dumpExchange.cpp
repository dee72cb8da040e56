// Device detection and the dump exchange: joining SysEx pieces from the interface with
// progress texts, completing a dump that stops short, dispatching complete messages, and
// sending the working pattern as one dump.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "InitPatterns.h"
#include "SysexFormat.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace
{
constexpr unsigned kIncompleteDumpCheckMs = 3000;
constexpr unsigned kSyncingHideDelayMs = 3000;
// A reception that grows beyond this cannot be a dump of the device: it is dropped.
constexpr std::uint32_t kMaxReceptionLength = 4 * kBankDumpLength;
// Room that a reception buffer keeps between messages: pattern dumps in pieces fit.
constexpr std::uint32_t kKeptReceptionCapacity = 16 * 1024;

bool isPatternOrBank(int dumpType)
{
    return dumpType == SYSEX_CURRENT_PATTERN_DUMP || dumpType == SYSEX_BANK_DUMP;
}

std::uint32_t fullLengthOf(int dumpType)
{
    return dumpType == SYSEX_BANK_DUMP ? kBankDumpLength : kPatternDumpLength;
}

const std::vector<std::uint8_t>& initialDumpOf(int dumpType)
{
    return dumpType == SYSEX_BANK_DUMP ? INIT_BANK_SYSEX : INIT_PATCH_SYSEX;
}
} // namespace

void SynthCommons::postToEditor(int action, std::intptr_t first, const char* text, unsigned delayMs)
{
    if (synthEditor)
        synthEditor->postProcessAdd(static_cast<e_EditorPostProcessType>(action), first, 0, text, delayMs);
}

void SynthCommons::showInfo(const char* text)
{
    if (synthEditor)
        synthEditor->editorControlsLib_DisplayCurrentParameterInfo(text);
}

void SynthCommons::TetherMidi_SendInquirySysex()
{
    tetherMidiDeviceAttached = false;
    if (!tetherMidiInitialized || tetherMidiInPort < 0 || tetherMidiOutPort < 0)
        return;
    repeatInquiryUntilAnswered();
    TetherMidiSend(kIdentityRequest, sizeof kIdentityRequest);
}

// The buffer stays for the next message, unless a bank dump made it large.
void SynthCommons::abandonSysexReception()
{
    sysexReceiving = false;
    sysexReceiveLength = sysexSnapshotLength = sysexLastPercent = 0;
    if (sysexReceiveCapacity <= kKeptReceptionCapacity)
        return;
    delete[] sysexReceiveBuffer;
    sysexReceiveBuffer = nullptr;
    sysexReceiveCapacity = 0;
}

void SynthCommons::showReceiveProgress(std::uint32_t count)
{
    if (!isPatternOrBank(sysexReceiveDumpType))
        return;
    const auto percent =
        static_cast<std::uint32_t>(std::uint64_t(count) * 100 / fullLengthOf(sysexReceiveDumpType));
    if (!midiTestRunning && percent != sysexLastPercent)
    {
        char text[kInfoTextLength];
        std::snprintf(text, sizeof text,
                      sysexReceiveDumpType == SYSEX_BANK_DUMP ? "Receiving pattern bank...%u%%"
                                                              : "Receiving current pattern...%u%%",
                      percent);
        postToEditor(POSTPROCESS_SYNCING_TEXT, 0, text, 0);
    }
    sysexLastPercent = percent;
}

// Grows the buffer so that a piece of the given size fits; false when the reception was
// given up (too long for a dump, or no memory).
bool SynthCommons::makeRoomForSysexPiece(std::uint32_t size)
{
    if (sysexReceiveCapacity >= sysexReceiveLength && sysexReceiveCapacity - sysexReceiveLength >= size)
        return true;
    const std::uint64_t capacity = std::uint64_t(sysexReceiveCapacity) + 3ull * size;
    if (capacity > kMaxReceptionLength)
    {
        abandonSysexReception();
        postToEditor(POSTPROCESS_SYNCING_NOTIFICATION, 0, nullptr, 0);
        showInfo("Dump error");
        return false;
    }
    auto* grown = new (std::nothrow) unsigned char[capacity];
    if (!grown)
    {
        delete[] sysexReceiveBuffer;
        sysexReceiveBuffer = nullptr;
        sysexReceiveCapacity = 0;
        abandonSysexReception();
        return false;
    }
    std::memset(grown, 0, capacity);
    if (sysexReceiveBuffer)
        std::memcpy(grown, sysexReceiveBuffer, sysexReceiveLength);
    delete[] sysexReceiveBuffer;
    sysexReceiveBuffer = grown;
    sysexReceiveCapacity = static_cast<std::uint32_t>(capacity);
    return true;
}

// A whole message has been joined: to the MIDI test while it runs (or when it began while the
// test ran), else to the dispatcher.
void SynthCommons::finishSysexReception()
{
    if (synthEditor)
        synthEditor->postProcessRemovePending(POSTPROCESS_INCOMPLETE_DUMP_CHECK);
    if (midiTestRunning || sysexReceivingForTest)
        midiTest_OnSysex(sysexReceiveBuffer, sysexReceiveLength);
    else
    {
        if (isPatternOrBank(sysexReceiveDumpType))
            postToEditor(POSTPROCESS_SYNCING_NOTIFICATION, 0, nullptr, 0);
        VstMidiSysexEvent event{};
        event.type = kVstSysExType;
        event.byteSize = sizeof event;
        event.dumpBytes = static_cast<vst::int32>(sysexReceiveLength);
        event.sysexDump = reinterpret_cast<char*>(sysexReceiveBuffer);
        parameterLib_SetParameterValueFromHW(&event);
    }
    std::memset(sysexReceiveBuffer, 0, sysexReceiveLength); // the rest is still zero
    abandonSysexReception();
}

bool SynthCommons::processEvent_CheckForSysex(const std::vector<unsigned char>& message, bool snapshot)
{
    return processEvent_CheckForSysex(message.data(), static_cast<std::uint32_t>(message.size()), snapshot);
}

bool SynthCommons::processEvent_CheckForSysex(const unsigned char* message, std::uint32_t size, bool snapshot)
{
    std::lock_guard<std::mutex> lock(sysexReceiveLock);
    if (!sysexReceiving && size > 4 && message[0] == kSysexStart)
    {
        sysexReceiving = true;
        sysexReceiveLength = sysexSnapshotLength = sysexLastPercent = 0;
        sysexReceiveDumpType = sysex_GetDumpType(message, size);
        sysexReceivingForTest = midiTestRunning;
        if (isPatternOrBank(sysexReceiveDumpType) && !midiTestRunning)
            postToEditor(POSTPROCESS_SYNCING_NOTIFICATION, 1, "Receiving sysex...", 0);
    }
    if (!sysexReceiving)
        return false;

    showReceiveProgress(snapshot ? sysexSnapshotLength : sysexReceiveLength + size);
    if (snapshot)
    {
        sysexSnapshotLength = size;
        postToEditor(POSTPROCESS_INCOMPLETE_DUMP_CHECK, 0, nullptr, kIncompleteDumpCheckMs);
        return true;
    }
    if (!makeRoomForSysexPiece(size))
        return true;

    const unsigned char* end = static_cast<const unsigned char*>(std::memchr(message, kSysexEnd, size));
    const std::uint32_t copied = end ? static_cast<std::uint32_t>(end - message) + 1 : size;
    std::memcpy(sysexReceiveBuffer + sysexReceiveLength, message, copied);
    sysexReceiveLength += copied;
    if (end)
        finishSysexReception();
    else
        postToEditor(POSTPROCESS_INCOMPLETE_DUMP_CHECK, 0, nullptr, kIncompleteDumpCheckMs);
    return true;
}

// Where a status byte ends the SysEx in a message (the MIDI rule; real-time bytes are gone by
// now): inside an open reception, or after the F0 that starts one. The size when none does.
std::size_t SynthCommons::sysexCutPoint(const std::vector<unsigned char>& message)
{
    bool receiving = false;
    {
        std::lock_guard<std::mutex> lock(sysexReceiveLock);
        receiving = sysexReceiving;
    }
    const bool starts = message.size() > 4 && message[0] == kSysexStart;
    if (!receiving && !starts)
        return message.size();
    for (std::size_t i = receiving ? 0 : 1; i < message.size() && message[i] != kSysexEnd; ++i)
        if (message[i] & 0x80)
            return i;
    return message.size();
}

void SynthCommons::sysex_IncompleteDumpCheck()
{
    endSysexReceptionEarly(false);
}

// A reception that stopped short: a dump is completed from the initial pattern or bank, what
// cannot be completed is dropped with "Dump error". At the check a reception already longer
// than a dump stays open for its end; a cut one is dropped. The MIDI test's message is never
// completed: the initial pattern is the very message the test sent, and a cut one has failed.
void SynthCommons::endSysexReceptionEarly(bool cut)
{
    std::vector<unsigned char> tail;
    {
        std::lock_guard<std::mutex> lock(sysexReceiveLock);
        if (!sysexReceiving)
            return;
        const int type = sysexReceiveDumpType;
        if (sysexReceivingForTest)
            return abandonSysexReception();
        if (sysexReceiveLength > 4 && isPatternOrBank(type) && sysexReceiveLength < fullLengthOf(type))
        {
            const std::vector<std::uint8_t>& initial = initialDumpOf(type);
            tail.assign(initial.begin() + sysexReceiveLength, initial.end());
        }
        else if (sysexReceiveLength > 4 && isPatternOrBank(type) && !cut)
            return; // longer than a dump: the next end of message closes it
        else
            abandonSysexReception();
    }
    if (tail.empty())
    {
        if (synthEditor)
            synthEditor->syncingNotif(false, nullptr);
        showInfo("Dump error");
        return;
    }
    showInfo("Warning incomplete dump");
    TetherMidiReceive(std::move(tail), false);
}

void SynthCommons::parameterLib_SetParameterValueFromHW(VstMidiSysexEvent* event)
{
    if (!event || !event->sysexDump || event->dumpBytes <= 0)
        return;
    const auto* message = reinterpret_cast<const unsigned char*>(event->sysexDump);
    const auto length = static_cast<std::uint32_t>(event->dumpBytes);
    if (!sysex_IsValidSysexMessage(message, length))
    {
        showInfo("Dump error");
        return;
    }
    switch (sysex_GetDumpType(message, length))
    {
    case SYSEX_ANSWER_A:
    case SYSEX_ANSWER_B:
        postToEditor(POSTPROCESS_SYNCING_NOTIFICATION, 0, nullptr, 0);
        break;
    case SYSEX_IDENTITY_REPLY:
        dispatchIdentityReply(message, length);
        break;
    case SYSEX_CURRENT_PATTERN_DUMP:
        dispatchPatternDump(event);
        break;
    case SYSEX_BANK_DUMP:
        dispatchBankDump(event);
        break;
    default:
        break;
    }
}

void SynthCommons::dispatchIdentityReply(const unsigned char* reply, std::uint32_t length)
{
    if (length < 14 || reply[5] != kManufacturerId || reply[6] != kModelId)
        return;
    tetherMidiDeviceAttached = true;
    char status[kInfoTextLength];
    std::snprintf(status, sizeof status, "ESX v%d.%d detected", reply[12] + 256 * reply[13],
                  reply[10] + 256 * reply[11]);
    if (synthEditor)
        synthEditor->setDeviceStatus(status);
}

// Unpacks a dump's data into dumpReceiveData, which gets a block of the instance's own at the
// first dump; "Dump error" when the data does not unpack (or no memory is left).
bool SynthCommons::unpackDump(VstMidiSysexEvent* event, std::uint32_t length)
{
    if (!dumpReceiveStore)
    {
        dumpReceiveStore.reset(new (std::nothrow) std::uint8_t[kBankDataSize]());
        if (dumpReceiveStore)
            dumpReceiveData = dumpReceiveStore.get();
    }
    if (dumpReceiveStore &&
        sysex_MidiDataToData(dumpReceiveData, length, sysex_GetMidiData(event), sysex_GetMidiDataLen(event)))
        return true;
    showInfo("Dump error");
    return false;
}

void SynthCommons::dispatchPatternDump(VstMidiSysexEvent* event)
{
    if (!unpackDump(event, kPatternDataSize))
        return;
    lastDumpType = SYSEX_CURRENT_PATTERN_DUMP;
    // The processing thread may be here (Host mode) and must not wait: while the host is
    // copying the programs, the requested dump is asked about like any other.
    std::unique_lock<std::recursive_mutex> lock(programLock, std::try_to_lock);
    if (expectedDumpType != SYSEX_CURRENT_PATTERN_DUMP || !lock.owns_lock())
    {
        if (synthEditor)
            synthEditor->editorControlsLib_AskQuestion(QUESTION_ACCEPT_PATTERN_DUMP);
        return;
    }
    expectedDumpType = kNoDumpType;
    t_Patch& slot = programBank[currentProgram];
    patchLib_StorePattern(slot, dumpReceiveData);
    // With the window closed no idle would apply it, and a program switch would save the
    // working program over the received pattern.
    if (editorWindowOpen())
        postToEditor(POSTPROCESS_APPLY_PROGRAM, currentProgram, nullptr, 0);
    else
        patchLib_ApplyReceived(currentProgram, false);
    updateDisplay();
}

void SynthCommons::dispatchBankDump(VstMidiSysexEvent* event)
{
    int bank = sysex_GetBankNumber(event);
    if (bank >= 4)
        bank = 0;
    if (!unpackDump(event, kBankDataSize))
        return;
    dumpBankNumber = bank;
    lastDumpType = SYSEX_BANK_DUMP;
    if (bank == 0 && synthEditor)
        synthEditor->editorControlsLib_AskQuestion(QUESTION_ACCEPT_BANK_A_DUMP);
}

bool SynthCommons::sendWorkingPatternAsDump()
{
    std::uint32_t total = 0;
    unsigned char* dump = sysex_ConstructSysexFromData(kPatternDumpHeader, kPatternDumpHeaderLength,
                                                       workingProgram.data, kPatternDataSize, &total);
    if (!dump)
        return false;
    postToEditor(POSTPROCESS_SYNCING_NOTIFICATION, 0, nullptr, kSyncingHideDelayMs);
    SendMidiSysex(dump, total);
    delete[] dump;
    return true;
}
