// The WinMM back end. Ports are the system's MIDI devices. Input: short messages are handed
// on as they come; SysEx arrives in four buffers of 1024 bytes, each handed on as a fragment
// when the system returns it filled, then queued again. Output: short messages go out as
// they are while nothing long is on its way, everything else through a fixed set of buffers
// that the system returns when it has sent them. WinMM's callbacks only mark buffers and
// hand on bytes: they make no other system call than queueing an input buffer again.
#include "WinMmBackend.h"
#include "ShortMessages.h"

#include "platform/Platform.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

namespace midi
{
namespace
{
constexpr std::size_t kInputBuffers = 4;
constexpr std::size_t kInputBufferBytes = 1024;
constexpr std::size_t kOutputBuffers = 8;
constexpr std::size_t kOutputBufferBytes = 16 * 1024;
// How long a sender waits for an output buffer to come back before it drops the rest.
constexpr std::uint32_t kSendBufferWaitMs = 2000;
// How long closing waits for the system to return what was queued after a reset.
constexpr std::uint32_t kReturnWaitMs = 1000;

enum BufferState
{
    BUFFER_FREE,     // not given to the system, not prepared
    BUFFER_QUEUED,   // prepared and given to the system
    BUFFER_RETURNED, // the system is done with it; still prepared
};

struct OutputBuffer
{
    MIDIHDR header{};
    std::atomic<int> state{BUFFER_FREE};
    std::array<char, kOutputBufferBytes> bytes{};
};

struct InputBuffer
{
    MIDIHDR header{};
    std::array<char, kInputBufferBytes> bytes{};
};

// Device names as the system shows them; a name that comes again gets " 2", " 3", ...
template <typename Caps, typename GetCaps> std::vector<std::string> deviceNames(UINT count, GetCaps getCaps)
{
    std::vector<std::string> names;
    for (UINT id = 0; id < count; ++id)
    {
        Caps caps{};
        std::string name = getCaps(id, &caps, sizeof caps) == MMSYSERR_NOERROR
                               ? platform::fromWide(caps.szPname)
                               : std::string();
        const std::string base = name;
        for (int copy = 2; std::find(names.begin(), names.end(), name) != names.end(); ++copy)
            name = base + " " + std::to_string(copy);
        names.push_back(name);
    }
    return names;
}

bool waitUntil(const std::atomic<bool>& condition, std::uint32_t timeoutMs)
{
    const std::uint32_t start = platform::tickMs();
    while (!condition.load())
    {
        if (platform::tickMs() - start > timeoutMs)
            return false;
        platform::sleepMs(1);
    }
    return true;
}

class WinMmBackend final : public Backend
{
public:
    explicit WinMmBackend(Receiver& receiver) : receiver(receiver) {}

    ~WinMmBackend() override
    {
        closePort(Direction::Output);
        closePort(Direction::Input);
    }

    std::vector<std::string> listPorts(Direction direction) override
    {
        if (direction == Direction::Output)
            return deviceNames<MIDIOUTCAPSW>(midiOutGetNumDevs(), midiOutGetDevCapsW);
        return deviceNames<MIDIINCAPSW>(midiInGetNumDevs(), midiInGetDevCapsW);
    }

    bool openPort(Direction direction, const std::string& name) override
    {
        closePort(direction);
        const std::vector<std::string> names = listPorts(direction);
        const auto found = std::find(names.begin(), names.end(), name);
        if (found == names.end())
            return false;
        const auto id = static_cast<UINT>(found - names.begin());
        return direction == Direction::Output ? openOutput(id) : openInput(id);
    }

    void closePort(Direction direction) override
    {
        if (direction == Direction::Output)
            closeOutput();
        else
            closeInput();
    }

    bool send(const unsigned char* bytes, std::size_t length) override
    {
        if (!output || !bytes || length == 0)
            return false;
        std::uint32_t packed = 0;
        if (!longMessageOnItsWay() && midi::winmm::packShortMessage(bytes, length, packed))
            return midiOutShortMsg(output, packed) == MMSYSERR_NOERROR;
        while (length > 0)
        {
            OutputBuffer* buffer = takeOutputBuffer();
            if (!buffer)
                return false;
            const std::size_t piece = std::min(length, kOutputBufferBytes);
            std::memcpy(buffer->bytes.data(), bytes, piece);
            if (!queueOutputBuffer(*buffer, piece))
                return false;
            bytes += piece;
            length -= piece;
        }
        return true;
    }

    bool usable() const override { return true; }

private:
    static void CALLBACK outputCallback(HMIDIOUT, UINT message, DWORD_PTR, DWORD_PTR parameter, DWORD_PTR)
    {
        if (message != MOM_DONE)
            return;
        auto* header = reinterpret_cast<MIDIHDR*>(parameter);
        reinterpret_cast<OutputBuffer*>(header->dwUser)->state = BUFFER_RETURNED;
    }

    static void CALLBACK inputCallback(HMIDIIN, UINT message, DWORD_PTR instance, DWORD_PTR parameter,
                                       DWORD_PTR)
    {
        auto* self = reinterpret_cast<WinMmBackend*>(instance);
        if (message == MIM_DATA)
            self->shortMessageArrived(static_cast<std::uint32_t>(parameter));
        else if (message == MIM_LONGDATA || message == MIM_LONGERROR)
            self->bufferReturned(reinterpret_cast<MIDIHDR*>(parameter), message == MIM_LONGDATA);
        else if (message == MIM_CLOSE)
            self->inputClosed = true;
    }

    void shortMessageArrived(std::uint32_t packed)
    {
        unsigned char bytes[3];
        if (const std::size_t length = midi::winmm::unpackShortMessage(packed, bytes);
            length > 0 && !closingInput)
            receiver.midiReceived(bytes, length);
    }

    // A filled SysEx buffer, or one given back unfilled by a reset: its bytes are a fragment.
    void bufferReturned(MIDIHDR* header, bool valid)
    {
        if (closingInput)
            return; // stays with us: closing unprepares it
        if (valid && header->dwBytesRecorded > 0)
            receiver.midiReceived(reinterpret_cast<const unsigned char*>(header->lpData),
                                  header->dwBytesRecorded);
        header->dwBytesRecorded = 0;
        midiInAddBuffer(input, header, sizeof(MIDIHDR));
    }

    bool openOutput(UINT id)
    {
        HMIDIOUT handle = nullptr;
        if (midiOutOpen(&handle, id, reinterpret_cast<DWORD_PTR>(outputCallback), 0, CALLBACK_FUNCTION) !=
            MMSYSERR_NOERROR)
            return false;
        output = handle;
        return true;
    }

    bool longMessageOnItsWay() const
    {
        for (const OutputBuffer& buffer : outputBuffers)
            if (buffer.state == BUFFER_QUEUED)
                return true;
        return false;
    }

    // A buffer the system has given back, or a free one; waits a while for one to come back.
    OutputBuffer* takeOutputBuffer()
    {
        const std::uint32_t start = platform::tickMs();
        for (;;)
        {
            for (OutputBuffer& buffer : outputBuffers)
                if (releaseIfReturned(buffer))
                    return &buffer;
            if (platform::tickMs() - start > kSendBufferWaitMs)
                return nullptr;
            platform::sleepMs(1);
        }
    }

    // Unprepares a returned buffer; true when the buffer is free now.
    bool releaseIfReturned(OutputBuffer& buffer)
    {
        if (buffer.state == BUFFER_RETURNED &&
            midiOutUnprepareHeader(output, &buffer.header, sizeof(MIDIHDR)) == MMSYSERR_NOERROR)
            buffer.state = BUFFER_FREE;
        return buffer.state == BUFFER_FREE;
    }

    bool queueOutputBuffer(OutputBuffer& buffer, std::size_t length)
    {
        buffer.header = {};
        buffer.header.lpData = buffer.bytes.data();
        buffer.header.dwBufferLength = static_cast<DWORD>(length);
        buffer.header.dwBytesRecorded = static_cast<DWORD>(length);
        buffer.header.dwUser = reinterpret_cast<DWORD_PTR>(&buffer);
        if (midiOutPrepareHeader(output, &buffer.header, sizeof(MIDIHDR)) != MMSYSERR_NOERROR)
            return false;
        buffer.state = BUFFER_QUEUED;
        if (midiOutLongMsg(output, &buffer.header, sizeof(MIDIHDR)) == MMSYSERR_NOERROR)
            return true;
        buffer.state = BUFFER_RETURNED;
        releaseIfReturned(buffer);
        return false;
    }

    // A reset hands back every queued buffer; each is unprepared before the device closes.
    void closeOutput()
    {
        if (!output)
            return;
        midiOutReset(output);
        const std::uint32_t start = platform::tickMs();
        while (longMessageOnItsWay() && platform::tickMs() - start <= kReturnWaitMs)
            platform::sleepMs(1);
        for (OutputBuffer& buffer : outputBuffers)
            releaseIfReturned(buffer);
        midiOutClose(output);
        output = nullptr;
        for (OutputBuffer& buffer : outputBuffers)
            buffer.state = BUFFER_FREE;
    }

    bool openInput(UINT id)
    {
        HMIDIIN handle = nullptr;
        inputClosed = false;
        closingInput = false;
        if (midiInOpen(&handle, id, reinterpret_cast<DWORD_PTR>(inputCallback),
                       reinterpret_cast<DWORD_PTR>(this), CALLBACK_FUNCTION) != MMSYSERR_NOERROR)
            return false;
        input = handle;
        for (InputBuffer& buffer : inputBuffers)
        {
            buffer.header = {};
            buffer.header.lpData = buffer.bytes.data();
            buffer.header.dwBufferLength = static_cast<DWORD>(buffer.bytes.size());
            if (midiInPrepareHeader(input, &buffer.header, sizeof(MIDIHDR)) != MMSYSERR_NOERROR ||
                midiInAddBuffer(input, &buffer.header, sizeof(MIDIHDR)) != MMSYSERR_NOERROR)
            {
                closeInput();
                return false;
            }
        }
        if (midiInStart(input) == MMSYSERR_NOERROR)
            return true;
        closeInput();
        return false;
    }

    // Receives nothing more, takes the buffers back, unprepares them and closes the device;
    // returns once the system's last callback for it has come (MIM_CLOSE).
    void closeInput()
    {
        if (!input)
            return;
        closingInput = true;
        midiInReset(input);
        for (InputBuffer& buffer : inputBuffers)
            if (buffer.header.dwFlags & MHDR_PREPARED)
                midiInUnprepareHeader(input, &buffer.header, sizeof(MIDIHDR));
        if (midiInClose(input) == MMSYSERR_NOERROR)
            waitUntil(inputClosed, kReturnWaitMs);
        input = nullptr;
    }

    Receiver& receiver;
    HMIDIOUT output = nullptr;
    HMIDIIN input = nullptr;
    std::atomic<bool> closingInput{false};
    std::atomic<bool> inputClosed{false};
    std::array<OutputBuffer, kOutputBuffers> outputBuffers;
    std::array<InputBuffer, kInputBuffers> inputBuffers;
};
} // namespace

std::unique_ptr<Backend> createWinMmBackend(Receiver& receiver, const char*)
{
    return std::make_unique<WinMmBackend>(receiver);
}
} // namespace midi
