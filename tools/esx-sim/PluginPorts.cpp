#include "PluginPorts.h"

#include "core/SynthCommons.h"

namespace esxsim
{
namespace
{
constexpr std::uint32_t kNotListed = static_cast<std::uint32_t>(-1);

std::uint32_t indexOfPort(const char* (SynthCommons::*nameOf)(std::uint32_t), std::uint32_t count,
                          SynthCommons& synth, const std::string& name)
{
    for (std::uint32_t i = 0; i < count; ++i)
        if (const char* listed = (synth.*nameOf)(i); listed && name == listed)
            return i;
    return kNotListed;
}
} // namespace

bool connectToDevice(SynthCommons& synth, const std::string& deviceInput, const std::string& deviceOutput)
{
    const std::uint32_t out = indexOfPort(&SynthCommons::TetherMidiOutGetDeviceName,
                                          synth.TetherMidiOutGetNbDevices(), synth, deviceInput);
    const std::uint32_t in = indexOfPort(&SynthCommons::TetherMidiInGetDeviceName,
                                         synth.TetherMidiInGetNbDevices(), synth, deviceOutput);
    if (out == kNotListed || in == kNotListed)
        return false;
    return synth.TetherMidiOutOpen(out) == out && synth.TetherMidiInOpen(in) == in;
}
} // namespace esxsim
