// Choosers: the part, keyboard channel or fixed index that an editor parameter addresses.
#include "../core/SynthCommons.h"
#include "ParameterTables.h"

std::uint32_t multiNRPNChooserCbk_CurrentPart_0_12(SynthCommons* synth)
{
    const int part = synth->currentPart;
    return part < static_cast<int>(PART_KEYBOARD1) ? static_cast<std::uint32_t>(part) : 0;
}

std::uint32_t parameter_channelChange_GetCurrentPart(SynthCommons* synth)
{
    return multiNRPNChooserCbk_CurrentPart_0_12(synth);
}

std::uint32_t parameter_channelChange_GetCurrentChannel_1_2(SynthCommons* synth)
{
    const int channel = synth->currentChannel;
    return channel < 2 ? static_cast<std::uint32_t>(channel) : 0;
}

std::uint32_t multiNRPNChooserCbk_CurrentChannel_1_2(SynthCommons* synth)
{
    return parameter_channelChange_GetCurrentChannel_1_2(synth);
}

std::uint32_t parameter_channelChange_GetCurrentChannel_13_14(SynthCommons* synth)
{
    const int channel = synth->currentChannel;
    return channel < 2 ? static_cast<std::uint32_t>(channel) + PART_KEYBOARD1 : 0;
}

std::uint32_t parameter_channelChange_GetCurrentChannel(SynthCommons* synth)
{
    return static_cast<std::uint32_t>(synth->currentChannel.load());
}

#define FIXED_CHOOSER(n)                                                                                     \
    std::uint32_t chooserCbk_GetChannelOrIndex_##n(SynthCommons*)                                            \
    {                                                                                                        \
        return n;                                                                                            \
    }
FIXED_CHOOSER(0)
FIXED_CHOOSER(1)
FIXED_CHOOSER(2)
FIXED_CHOOSER(3)
FIXED_CHOOSER(4)
FIXED_CHOOSER(5)
FIXED_CHOOSER(6)
FIXED_CHOOSER(7)
FIXED_CHOOSER(8)
FIXED_CHOOSER(9)
FIXED_CHOOSER(10)
FIXED_CHOOSER(11)
FIXED_CHOOSER(12)
FIXED_CHOOSER(13)
FIXED_CHOOSER(14)
#undef FIXED_CHOOSER
