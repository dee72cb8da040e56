// The ESX's side of the protocol, without ports: 256 pattern memories, the current pattern
// edited by control changes and NRPN messages through the plug-in's raw-data mapping, and
// the answers to SysEx requests.
#pragma once

#include "params/ParameterIds.h"

#include <array>
#include <cstdint>
#include <vector>

namespace esxsim
{
using Message = std::vector<std::uint8_t>;

constexpr unsigned kPatternSize = 4280;
constexpr unsigned kPatternMemories = 256;
constexpr unsigned kPatternsPerBank = 64;
using PatternImage = std::array<std::uint8_t, kPatternSize>;

// Each number travels as two 7-bit bytes, low and high (0 to 127 + 256 x 0 to 127).
struct Version
{
    unsigned major = 1;
    unsigned minor = 3; // 1.03
};

// False for a number that the identity reply cannot carry (its low byte above 127).
bool versionNumberFits(unsigned number);

// Where one value of a device parameter travels on the wire.
struct ParameterAddress
{
    e_ParameterID parameter;
    unsigned location;     // index of the field in the pattern image; kEveryLocation for all
    bool nrpn;             // else a control change
    std::uint32_t channel; // kAnyChannel: received on any channel, sent on channel 0
    std::uint8_t number;   // controller, or NRPN MSB
    std::uint8_t nrpnLSB;
    bool is14bit;
};

constexpr unsigned kEveryLocation = 0xFFFF;

class EsxDevice
{
public:
    explicit EsxDevice(Version version = {});

    // One complete message from the device's MIDI IN; returns the device's answer, if any.
    Message receive(const Message& message);

    // A knob turned on the device: the value goes into the current pattern and the
    // returned messages go out of its MIDI OUT. Nothing when the parameter has no address.
    std::vector<Message> turnKnob(e_ParameterID parameter, unsigned index, unsigned value);

    Message currentPatternDump() const;
    Message bankDump(unsigned bank) const;

    PatternImage& currentPattern() { return memories[current]; }
    const PatternImage& currentPattern() const { return memories[current]; }
    PatternImage& memory(unsigned index) { return memories.at(index); }
    const PatternImage& memory(unsigned index) const { return memories.at(index); }

    // A silent device answers no request (identity, dumps).
    bool silent = false;
    // So many identity requests are lost on the way before the next one is answered.
    unsigned identityRequestsToDrop = 0;
    Version version;

private:
    struct NrpnReceive
    {
        std::uint8_t msb = 0x7F;
        std::uint8_t lsb = 0x7F;
        std::uint8_t dataMSB = 0;
    };

    void receiveChannelMessage(const Message& message);
    void receiveNrpnData(unsigned channel, unsigned value, bool is14bit);
    Message receiveSysex(const Message& message);
    Message answerTo(const Message& request) const;
    void storeDump(const Message& message);
    void write(const ParameterAddress& address, unsigned value);
    Message identityReply() const;

    std::vector<ParameterAddress> addresses;
    std::array<NrpnReceive, 16> nrpn{};
    std::vector<PatternImage> memories;
    unsigned current = 0;
};
} // namespace esxsim
