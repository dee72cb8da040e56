#include "PatternView.h"

#include "ValueText.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "params/ParameterTables.h"
#include "params/PatternImage.h"

#include <cstdio>
#include <strings.h>

namespace
{
bool isPartRow(const t_EditorParameter& e, unsigned part)
{
    if (e.chooser != multiNRPNChooserCbk_CurrentPart_0_12)
        return false;
    // AudioIn has its own list of modulation destinations.
    if (e.id == EPARAM_PART_AUDIOIN_MOD_DEST || e.id == EPARAM_PART_MOD_DEST)
        return (e.id == EPARAM_PART_AUDIOIN_MOD_DEST) == (part == PART_AUDIOIN);
    return true;
}

bool isKeyboardRow(const t_EditorParameter& e, unsigned)
{
    return e.chooser == parameter_channelChange_GetCurrentChannel_13_14 ||
           e.chooser == parameter_channelChange_GetCurrentChannel_1_2;
}

bool inRange(const t_EditorParameter& e, e_EditorParameterID first, e_EditorParameterID last)
{
    return e.id >= first && e.id <= last;
}

bool isGlobalRow(const t_EditorParameter& e, unsigned)
{
    return inRange(e, EPARAM_GLOBAL_ACCENT_LEVEL, EPARAM_GLOBAL_ROLL_TYPE) || e.id == EPARAM_FX_CHAIN ||
           e.id == EPARAM_MIX_MUTE_DRUM1 || e.id == EPARAM_MIX_MUTE_KEYBOARD1;
}

bool isEffectRow(const t_EditorParameter& e, unsigned effect)
{
    const auto first = static_cast<e_EditorParameterID>(EPARAM_FX1_TYPE + 4 * effect);
    return inRange(e, first, static_cast<e_EditorParameterID>(first + 3));
}

// The index a row reads in a section: part index, keyboard channel, or 0.
unsigned indexOf(const t_EditorParameter& e, unsigned sectionIndex)
{
    if (e.chooser == parameter_channelChange_GetCurrentChannel_13_14)
        return PART_KEYBOARD1 + sectionIndex;
    return sectionIndex;
}

struct Section
{
    const char* title;
    const char* shortName;
    bool (*includes)(const t_EditorParameter& e, unsigned index);
    unsigned index;
};

constexpr Section kSections[] = {
    {"Global", "", isGlobalRow, 0},        {"FX1", "", isEffectRow, 0},
    {"FX2", "", isEffectRow, 1},           {"FX3", "", isEffectRow, 2},
    {"Drum1", "D1", isPartRow, 0},         {"Drum2", "D2", isPartRow, 1},
    {"Drum3", "D3", isPartRow, 2},         {"Drum4", "D4", isPartRow, 3},
    {"Drum5", "D5", isPartRow, 4},         {"Drum6A", "D6A", isPartRow, 5},
    {"Drum6B", "D6B", isPartRow, 6},       {"Drum7A", "D7A", isPartRow, 7},
    {"Drum7B", "D7B", isPartRow, 8},       {"Stretch1", "ST1", isPartRow, 9},
    {"Stretch2", "ST2", isPartRow, 10},    {"Slice", "SL", isPartRow, 11},
    {"AudioIn", "AU", isPartRow, 12},      {"Keyboard1", "K1", isKeyboardRow, 0},
    {"Keyboard2", "K2", isKeyboardRow, 1},
};

constexpr unsigned kFirstPartSection = 4;

// A number editor shows the value moved by its display shift, unless its display function
// names the value ("Off", "All").
std::string numberText(const t_NumEdit_TypeStruct& edit, unsigned value)
{
    char text[kInfoTextLength] = {};
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value) + edit.displayShift);
    if (edit.display)
        edit.display(static_cast<int>(value), text);
    return text;
}

vst::intptr noHost(AEffect*, vst::int32, vst::int32, vst::intptr, void*, float)
{
    return 0;
}

// The panel's value texts, from the functions the info line uses. They are asked of a plug-in
// without a host that holds the pattern, on the part of the section shown, so that a text
// that depends on another parameter (a modulation speed on its part's BPM sync, an FX knob
// on its FX type) reads that parameter from the same pattern.
class PanelTexts
{
public:
    explicit PanelTexts(const std::uint8_t* image) : synth(noHost)
    {
        SynthCommons::patchLib_StorePattern(synth.workingProgram, image);
        synth.patchLib_SetParametersFromPatch(&synth.workingProgram, false);
    }

    void showSection(const Section& section)
    {
        const bool keyboard = section.includes == isKeyboardRow;
        synth.currentChannel =
            keyboard ? kChannelKeyboard1 + static_cast<int>(section.index) : kChannelOtherParts;
        synth.currentPart = keyboard ? 0 : static_cast<int>(section.index);
    }

    // The text of the value on the panel: the info line's, or a number editor's; else the
    // value list's or the number.
    std::string text(const t_EditorParameter& e, unsigned value)
    {
        char shown[kInfoTextLength] = {};
        for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        {
            if (row->id != e.id)
                continue;
            if (row->valueToStr && row->valueToStr(synth.getSynthEditor(), static_cast<int>(value), shown))
                return shown;
            if (row->kind == CTRL_NUMBER_EDIT)
                return numberText(*static_cast<const t_NumEdit_TypeStruct*>(row->parameters), value);
        }
        return valueText(e, value);
    }

private:
    SynthCommons synth;
};
} // namespace

std::vector<t_PatternRow> patternRows(const std::uint8_t* image, const std::string& onlySection)
{
    std::vector<t_PatternRow> rows;
    PanelTexts texts(image);
    for (const Section& section : kSections)
    {
        if (!onlySection.empty() && onlySection != section.title)
            continue;
        texts.showSection(section);
        for (const t_EditorParameter* e = c_EditorParameters; e->id != EPARAM_END; ++e)
        {
            if (!section.includes(*e, section.index))
                continue;
            t_ParameterRawData raw;
            const unsigned index = indexOf(*e, section.index);
            if (!patternImageLocate(e->parameter, const_cast<std::uint8_t*>(image), &raw) ||
                index >= kRawDataLocations || !raw.location[index])
                continue;
            rows.push_back({section.title, parameterLabel(*e),
                            texts.text(*e, patternImageRead(e->parameter, raw, index, image))});
        }
    }
    return rows;
}

std::string partSection(const std::string& part)
{
    const unsigned parts = sizeof kSections / sizeof kSections[0] - kFirstPartSection;
    for (unsigned i = 0; i < parts; ++i)
    {
        const Section& section = kSections[kFirstPartSection + i];
        // Numbers count the parts in the device's order: Drum1 = 1 ... AudioIn = 13, Keyboard1 = 14.
        if (part == std::to_string(i + 1) || strcasecmp(part.c_str(), section.title) == 0 ||
            strcasecmp(part.c_str(), section.shortName) == 0)
            return section.title;
    }
    return {};
}
