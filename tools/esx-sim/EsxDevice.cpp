#include "EsxDevice.h"
#include "sysex/SyxFiles.h"

#include "core/SynthCommons.h"
#include "params/ParameterTables.h"
#include "params/ParameterValues.h"
#include "params/PatternImage.h"
#include "sysex/InitPatterns.h"
#include "sysex/SysexFormat.h"

#include <algorithm>
#include <memory>

namespace esxsim
{
namespace
{
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kNrpnNumberMSB = 99;
constexpr std::uint8_t kNrpnNumberLSB = 98;
constexpr std::uint8_t kDataEntryMSB = 6;
constexpr std::uint8_t kDataEntryLSB = 38;
constexpr std::uint8_t kIdentityRequestCode = 0x01;

ParameterAddress nrpnAddress(e_ParameterID id, unsigned location, const t_TypeStruct_MidiNRPN& entry)
{
    return {id, location, true, entry.channel, entry.nrpnMSB, entry.nrpnLSB, entry.is14bit};
}

bool isListEnd(const t_TypeStruct_MidiNRPN& entry)
{
    return entry.nrpnMSB == 0 && entry.nrpnLSB == 0;
}

bool hasNoAddress(const t_TypeStruct_MidiNRPN& entry)
{
    return entry.nrpnMSB == 0xFF && entry.nrpnLSB == 0xFF;
}

// Every value that the device parameter table gives a MIDI address.
std::vector<ParameterAddress> addressesOfTable()
{
    std::vector<ParameterAddress> addresses;
    for (const t_Parameter* p = c_Parameters; p->id != PARAM_END; ++p)
    {
        switch (p->kind)
        {
        case ParamType_MidiCC:
        {
            const auto* d = static_cast<const t_TypeStruct_MidiCC*>(p->descriptor);
            addresses.push_back({p->id, kEveryLocation, false, d->channel,
                                 static_cast<std::uint8_t>(d->controller), 0, false});
            break;
        }
        case ParamType_MidiCCChannel:
        {
            const auto* d = static_cast<const t_TypeStruct_MidiCCChannel*>(p->descriptor);
            for (unsigned channel = 0; channel < 2; ++channel)
                addresses.push_back(
                    {p->id, channel, false, channel, static_cast<std::uint8_t>(d->controller), 0, false});
            break;
        }
        case ParamType_NRPN:
            addresses.push_back(nrpnAddress(p->id, kEveryLocation,
                                            *static_cast<const t_TypeStruct_MidiNRPN*>(p->descriptor)));
            break;
        case ParamType_NRPNBitMask:
        {
            const auto* d = static_cast<const t_TypeStruct_NRPNBitMask*>(p->descriptor);
            addresses.push_back(nrpnAddress(p->id, kEveryLocation, d->list[d->entryIndex]));
            break;
        }
        case ParamType_MultiNRPN:
        {
            const t_TypeStruct_MidiNRPN* list =
                static_cast<const t_TypeStruct_MultiNRPN*>(p->descriptor)->list;
            for (unsigned part = 0; !isListEnd(list[part]); ++part)
                if (!hasNoAddress(list[part]))
                    addresses.push_back(nrpnAddress(p->id, part, list[part]));
            break;
        }
        default:
            break;
        }
    }
    return addresses;
}

bool onChannel(const ParameterAddress& address, unsigned channel)
{
    return address.channel == channel || address.channel == kAnyChannel;
}

Message controlChange(unsigned channel, unsigned controller, unsigned value)
{
    return {static_cast<std::uint8_t>(kControlChange | (channel & 0x0F)),
            static_cast<std::uint8_t>(controller), static_cast<std::uint8_t>(value & 0x7F)};
}

// What the device sends for one value: a control change, or an NRPN message (no preamble).
std::vector<Message> messagesOf(const ParameterAddress& address, unsigned value)
{
    const unsigned channel = address.channel == kAnyChannel ? 0 : address.channel;
    if (!address.nrpn)
        return {controlChange(channel, address.number, value)};
    std::vector<Message> messages = {controlChange(channel, kNrpnNumberMSB, address.number),
                                     controlChange(channel, kNrpnNumberLSB, address.nrpnLSB)};
    if (!address.is14bit)
    {
        messages.push_back(controlChange(channel, kDataEntryMSB, value));
        return messages;
    }
    messages.push_back(controlChange(channel, kDataEntryMSB, value >> 7));
    messages.push_back(controlChange(channel, kDataEntryLSB, value));
    return messages;
}

bool isDeviceMessage(const Message& m)
{
    return m.size() > 5 && m[1] == kManufacturerId && (m[2] & 0xF0) == 0x30 && m[3] == kModelId;
}

bool isIdentityRequest(const Message& m)
{
    return m.size() >= 6 && m[1] == kUniversalNonRealTime && m[3] == kGeneralInformation &&
           m[4] == kIdentityRequestCode;
}
} // namespace

EsxDevice::EsxDevice(Version deviceVersion)
    : version(deviceVersion), addresses(addressesOfTable()), memories(kPatternMemories)
{
    for (PatternImage& image : memories)
        image = INIT_PATCH;
}

Message EsxDevice::receive(const Message& message)
{
    if (message.empty())
        return {};
    if (message[0] == kSysexStart)
        return receiveSysex(message);
    if (message.size() == 3 && (message[0] & 0xF0) == kControlChange)
        receiveChannelMessage(message);
    return {};
}

void EsxDevice::receiveChannelMessage(const Message& message)
{
    const unsigned channel = message[0] & 0x0F;
    const std::uint8_t controller = message[1];
    const std::uint8_t value = message[2];
    NrpnReceive& state = nrpn[channel];
    switch (controller)
    {
    case kNrpnNumberMSB:
        state.msb = value;
        return;
    case kNrpnNumberLSB:
        state.lsb = value;
        return;
    case kDataEntryMSB:
        state.dataMSB = value;
        receiveNrpnData(channel, value, false);
        return;
    case kDataEntryLSB:
        receiveNrpnData(channel, state.dataMSB * 128u + value, true);
        return;
    default:
        break;
    }
    for (const ParameterAddress& address : addresses)
        if (!address.nrpn && address.number == controller && onChannel(address, channel))
            write(address, value);
}

void EsxDevice::receiveNrpnData(unsigned channel, unsigned value, bool is14bit)
{
    const NrpnReceive& state = nrpn[channel];
    for (const ParameterAddress& address : addresses)
        if (address.nrpn && address.is14bit == is14bit && address.number == state.msb &&
            address.nrpnLSB == state.lsb && onChannel(address, channel))
            write(address, value);
}

void EsxDevice::write(const ParameterAddress& address, unsigned value)
{
    PatternImage& image = currentPattern();
    t_ParameterRawData raw;
    if (!patternImageLocate(address.parameter, image.data(), &raw))
        return;
    for (unsigned i = 0; i < kRawDataLocations; ++i)
        if (raw.location[i] && (address.location == kEveryLocation || address.location == i))
            patternImageWrite(address.parameter, raw, i, image.data(), IntToFloat(value));
}

std::vector<Message> EsxDevice::turnKnob(e_ParameterID parameter, unsigned index, unsigned value)
{
    const auto address = std::find_if(addresses.begin(), addresses.end(),
                                      [&](const ParameterAddress& a) {
                                          return a.parameter == parameter &&
                                                 (a.location == kEveryLocation || a.location == index);
                                      });
    if (address == addresses.end())
        return {};
    value &= address->is14bit ? 0x3FFF : 0x7F;
    write(*address, value);
    return messagesOf(*address, value);
}

Message EsxDevice::receiveSysex(const Message& message)
{
    if (isDeviceMessage(message) &&
        (message[4] == SYSEX_CURRENT_PATTERN_DUMP || message[4] == SYSEX_BANK_DUMP))
    {
        storeDump(message);
        return {};
    }
    if (isIdentityRequest(message) && identityRequestsToDrop > 0)
    {
        --identityRequestsToDrop;
        return {};
    }
    return silent ? Message{} : answerTo(message);
}

Message EsxDevice::answerTo(const Message& request) const
{
    if (isIdentityRequest(request))
        return identityReply();
    if (!isDeviceMessage(request))
        return {};
    switch (request[4])
    {
    case SYSEX_CURRENT_PATTERN_REQUEST:
        return currentPatternDump();
    case SYSEX_BANK_REQUEST:
        return bankDump(request[5] & 0x03);
    default:
        return {};
    }
}

// A pattern dump becomes the current pattern, a bank dump the 64 memories of its bank;
// anything the device would refuse changes nothing.
void EsxDevice::storeDump(const Message& message)
{
    const t_SyxDump dump = syxRead(message.data(), message.size());
    if (dump.kind == SYX_PATTERN)
        std::copy_n(dump.image(0), kPatternSize, currentPattern().begin());
    for (int i = 0; dump.kind == SYX_BANK && i < dump.patterns(); ++i)
        std::copy_n(dump.image(i), kPatternSize, memories[dump.bank * kPatternsPerBank + i].begin());
}

bool versionNumberFits(unsigned number)
{
    return number % 256 < 128 && number < 128 * 256;
}

Message EsxDevice::identityReply() const
{
    return {kSysexStart,
            kUniversalNonRealTime,
            0x00,
            kGeneralInformation,
            SYSEX_IDENTITY_REPLY,
            kManufacturerId,
            kModelId,
            0x00,
            0x00,
            0x00,
            static_cast<std::uint8_t>(version.minor & 0x7F),
            static_cast<std::uint8_t>((version.minor >> 8) & 0x7F),
            static_cast<std::uint8_t>(version.major & 0x7F),
            static_cast<std::uint8_t>((version.major >> 8) & 0x7F),
            kSysexEnd};
}

Message EsxDevice::currentPatternDump() const
{
    return syxPatternDump(currentPattern().data());
}

Message EsxDevice::bankDump(unsigned bank) const
{
    std::vector<std::uint8_t> data;
    data.reserve(kPatternsPerBank * kPatternSize);
    for (unsigned i = 0; i < kPatternsPerBank; ++i)
    {
        const PatternImage& image = memories[(bank & 3) * kPatternsPerBank + i];
        data.insert(data.end(), image.begin(), image.end());
    }
    return syxBankDump(static_cast<int>(bank & 3), data.data());
}
} // namespace esxsim
