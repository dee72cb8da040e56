#include "ArtSections.h"

namespace art
{
namespace
{
constexpr e_EditorResourceID kNoResources[] = {RES_END};

constexpr e_EditorParameterID kKnobMode[] = {EPARAM_KNOB_MODE, EPARAM_END};
constexpr e_EditorParameterID kZoom[] = {EPARAM_ZOOM, EPARAM_END};
constexpr e_EditorParameterID kMidiMode[] = {EPARAM_MIDI_MODE, EPARAM_MIDI_TEST, EPARAM_END};
constexpr e_EditorParameterID kDump[] = {EPARAM_DUMP_REQUEST_CURRENT, EPARAM_DUMP_REQUEST_BANK_A, EPARAM_END};
constexpr e_EditorParameterID kLibrary[] = {EPARAM_LIBRARY_SAVE, EPARAM_LIBRARY_LOAD, EPARAM_END};
constexpr e_EditorParameterID kPorts[] = {EPARAM_MIDI_OUT_DEVICE, EPARAM_MIDI_IN_DEVICE, EPARAM_END};
constexpr e_EditorParameterID kNoParameters[] = {EPARAM_END};
constexpr e_EditorResourceID kWarningLines[] = {e_EditorResourceID(57), e_EditorResourceID(58),
                                                e_EditorResourceID(59), RES_END};
constexpr e_EditorResourceID kPortViews[] = {e_EditorResourceID(50),
                                             e_EditorResourceID(51),
                                             RES_DEVICE_PICTURE,
                                             RES_LAMP_OUT,
                                             RES_LAMP_IN,
                                             RES_DEVICE_STATUS,
                                             RES_END};

constexpr e_EditorParameterID mixLevel(unsigned strip)
{
    return static_cast<e_EditorParameterID>(EPARAM_MIX_LEVEL_FIRST + strip);
}
constexpr e_EditorParameterID kDrumStrips[] = {EPARAM_MIX_LEVEL_DRUM1,
                                               mixLevel(0),
                                               mixLevel(1),
                                               mixLevel(2),
                                               mixLevel(3),
                                               mixLevel(4),
                                               mixLevel(5),
                                               mixLevel(6),
                                               mixLevel(7),
                                               EPARAM_END};
constexpr e_EditorParameterID kKeyboardStrips[] = {EPARAM_MIX_LEVEL_KEYBOARD1, mixLevel(8), EPARAM_END};
constexpr e_EditorParameterID kStretchStrips[] = {mixLevel(9), mixLevel(10), EPARAM_END};
constexpr e_EditorParameterID kSliceStrip[] = {mixLevel(11), EPARAM_END};
constexpr e_EditorParameterID kAudioInStrip[] = {mixLevel(12), EPARAM_END};
} // namespace

const t_ArtSection c_ArtSections[] = {
    {CONT_SETUP_PAGE, "Library", SectionStyle::PlateTitleAbove, kLibrary, kNoResources},
    {CONT_SETUP_PAGE, "Knob mode", SectionStyle::PlateTitleAbove, kKnobMode, kNoResources},
    {CONT_SETUP_PAGE, "MIDI mode", SectionStyle::PlateTitleAbove, kMidiMode, kWarningLines},
    {CONT_SETUP_PAGE, "Dump", SectionStyle::PlateTitleAbove, kDump, kNoResources},
    {CONT_SETUP_PAGE, "Zoom", SectionStyle::PlateTitleAbove, kZoom, kNoResources},
    {CONT_SETUP_PAGE, "MIDI interface", SectionStyle::PlateTitleLeft, kPorts, kPortViews},
    {CONT_MIX_PAGE, "Drums", SectionStyle::Bracket, kDrumStrips, kNoResources},
    {CONT_MIX_PAGE, "Keyboard", SectionStyle::Bracket, kKeyboardStrips, kNoResources},
    {CONT_MIX_PAGE, "Stretch", SectionStyle::Bracket, kStretchStrips, kNoResources},
    {CONT_MIX_PAGE, "Slice", SectionStyle::Bracket, kSliceStrip, kNoResources},
    {CONT_MIX_PAGE, "Audio in", SectionStyle::Bracket, kAudioInStrip, kNoResources},
    {CONT_FRAME, nullptr, SectionStyle::Bracket, kNoParameters, kNoResources},
};

Box sectionBounds(const t_ArtSection& section)
{
    Box bounds;
    for (const e_EditorParameterID* id = section.parameters; *id != EPARAM_END; ++id)
        for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
            if (row->id == *id)
                bounds = bounds.united(inkBounds(*row));
    for (const e_EditorResourceID* id = section.resources; *id != RES_END; ++id)
        if (const t_EditorResource* r = editorTables_FindResource(c_EditorResources, *id))
            bounds = bounds.united(inkBounds(*r));
    return bounds;
}
} // namespace art
