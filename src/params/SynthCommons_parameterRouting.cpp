// The one road of a value change: the central setter and its readers, and the four
// sources (editor, host, device, stored pattern) with the update flags that keep a change
// from echoing back to where it came from.
//
// A part, keyboard channel or mask bit is passed along with each write and read instead
// of going through the descriptor's set and get fields alone: writes arrive from several
// threads at once, and an index left in a shared field by one could be used by another.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"
#include "ParameterTables.h"
#include "ParameterValues.h"

namespace
{
constexpr char kFlagsFromEditor = UPDATE_HOST | UPDATE_MIDI;
constexpr char kFlagsFromHost = UPDATE_MIDI | UPDATE_EDITOR;
constexpr char kFlagsFromDevice = UPDATE_HOST | UPDATE_EDITOR;
constexpr unsigned kMaxHostMatches = 8;
constexpr unsigned kKeyboardChannels = 2;
constexpr std::uint8_t kMaskOnThreshold = 64;

template <typename T> T* descriptorOf(t_Parameter* p)
{
    return static_cast<T*>(p->descriptor);
}

bool isIndexed(e_ParameterType kind)
{
    return kind == ParamType_MidiCCChannel || kind == ParamType_MultiNRPN || kind == ParamType_NRPNBitMask;
}

// A list entry of a part parameter, or null when the part has none.
t_TypeStruct_MidiNRPN* partEntry(t_Parameter* p, unsigned index)
{
    t_TypeStruct_MidiNRPN* list = descriptorOf<t_TypeStruct_MultiNRPN>(p)->list;
    if (index + 1 >= SynthCommons::parameterLib_GetNumberOfNRPN(list))
        return nullptr;
    return &list[index];
}

bool hasNoAddress(const t_TypeStruct_MidiNRPN& entry)
{
    return entry.nrpnMSB == 0xFF && entry.nrpnLSB == 0xFF;
}

t_TypeStruct_MidiNRPN& maskEntry(t_Parameter* p)
{
    auto* mask = descriptorOf<t_TypeStruct_NRPNBitMask>(p);
    return mask->list[mask->entryIndex];
}

// The descriptor's set or get field of an indexed kind (part, keyboard channel or mask bit).
std::uint32_t* indexField(t_Parameter* p, bool forWrite)
{
    switch (p->kind)
    {
    case ParamType_MidiCCChannel:
    {
        auto* d = descriptorOf<t_TypeStruct_MidiCCChannel>(p);
        return forWrite ? &d->setChannel : &d->getChannel;
    }
    case ParamType_MultiNRPN:
    {
        auto* d = descriptorOf<t_TypeStruct_MultiNRPN>(p);
        return forWrite ? &d->setIndex : &d->getIndex;
    }
    case ParamType_NRPNBitMask:
    {
        auto* d = descriptorOf<t_TypeStruct_NRPNBitMask>(p);
        return forWrite ? &d->setBit : &d->getBit;
    }
    default:
        return nullptr;
    }
}

// The index a plain write or read uses: the descriptor's set or get field.
unsigned descriptorIndex(t_Parameter* p, bool forWrite)
{
    const std::uint32_t* field = indexField(p, forWrite);
    return field ? loadShared(*field) : kNoIndex;
}

// Records the index in the descriptor's set or get field, as the descriptor describes it.
void recordIndex(t_Parameter* p, unsigned index, bool forWrite)
{
    if (std::uint32_t* field = indexField(p, forWrite))
        storeShared<std::uint32_t>(*field, index);
}

// Stores a value; false when the index names no slot of the parameter.
bool storeValue(SynthCommons* synth, t_Parameter* p, unsigned index, float value)
{
    switch (p->kind)
    {
    case ParamType_MidiCC:
        storeShared(descriptorOf<t_TypeStruct_MidiCC>(p)->value, value);
        return true;
    case ParamType_NRPN:
        storeShared(descriptorOf<t_TypeStruct_MidiNRPN>(p)->value, value);
        return true;
    case ParamType_ValueNoMidi:
        storeShared(descriptorOf<t_TypeStruct_ValueNoMidi>(p)->value, value);
        return true;
    case ParamType_Callback:
    {
        auto* d = descriptorOf<t_TypeStruct_Callback>(p);
        d->set(synth, d->argument, value);
        return true;
    }
    case ParamType_MidiCCChannel:
        if (index >= kKeyboardChannels)
            return false;
        storeShared(descriptorOf<t_TypeStruct_MidiCCChannel>(p)->value[index], value);
        return true;
    case ParamType_MultiNRPN:
        if (t_TypeStruct_MidiNRPN* entry = partEntry(p, index))
        {
            storeShared(entry->value, value);
            return true;
        }
        return false;
    case ParamType_NRPNBitMask:
    {
        float& mask = maskEntry(p).value;
        if (index == kNoIndex)
            storeShared(mask, value);
        else if (index < 31)
            updateShared(mask,
                         [index, value](float current)
                         {
                             unsigned m = floatToInt(current);
                             m = floatToInt(value) < kMaskOnThreshold ? m | (1u << index)
                                                                      : m & ~(1u << index);
                             return IntToFloat(m);
                         });
        else
            return false;
        return true;
    }
    default:
        return true; // kinds without a value of their own
    }
}

// The part, channel or bit that a view's write or read addresses, recorded in the descriptor;
// kNoIndex for kinds without one.
unsigned addressIndex(t_Parameter* p, unsigned chosen, bool forWrite)
{
    if (!isIndexed(p->kind))
        return kNoIndex;
    recordIndex(p, chosen, forWrite);
    return chosen;
}

unsigned chooserIndex(SynthCommons* synth, const t_EditorParameter* e, t_Parameter* p)
{
    return e->chooser ? e->chooser(synth) : descriptorIndex(p, true);
}
} // namespace

// --- The central setter and reader -----------------------------------------------------------

void SynthCommons::parameterLib_SetParameterValue(e_ParameterID id, float value, char flags)
{
    if (t_Parameter* p = parameterLib_GetParameter(id))
        setParameterValueAt(p, descriptorIndex(p, true), value, flags);
}

float SynthCommons::parameterLib_GetParameterValue(e_ParameterID id)
{
    t_Parameter* p = parameterLib_GetParameter(id);
    return p ? getParameterValueAt(p, descriptorIndex(p, false)) : 0.0f;
}

float SynthCommons::getParameterValueAt(t_Parameter* p, unsigned index)
{
    switch (p->kind)
    {
    case ParamType_MidiCC:
        return loadShared(descriptorOf<t_TypeStruct_MidiCC>(p)->value);
    case ParamType_NRPN:
        return loadShared(descriptorOf<t_TypeStruct_MidiNRPN>(p)->value);
    case ParamType_ValueNoMidi:
        return loadShared(descriptorOf<t_TypeStruct_ValueNoMidi>(p)->value);
    case ParamType_Callback:
    {
        auto* d = descriptorOf<t_TypeStruct_Callback>(p);
        return d->get(this, d->argument);
    }
    case ParamType_MidiCCChannel:
        return index < kKeyboardChannels
                   ? loadShared(descriptorOf<t_TypeStruct_MidiCCChannel>(p)->value[index])
                   : 0.0f;
    case ParamType_MultiNRPN:
    {
        const t_TypeStruct_MidiNRPN* entry = partEntry(p, index);
        return entry ? loadShared(entry->value) : 0.0f;
    }
    case ParamType_NRPNBitMask:
    {
        const float mask = loadShared(maskEntry(p).value);
        if (index == kNoIndex)
            return mask;
        if (index >= 31)
            return 0.0f;
        return (floatToInt(mask) & (1u << index)) ? 0.0f : 1.0f;
    }
    default:
        return 0.0f;
    }
}

void SynthCommons::setParameterValueAt(t_Parameter* p, unsigned index, float value, char flags)
{
    if (!storeValue(this, p, index, value))
        return;
    if (flags & UPDATE_HOST)
        notifyHostOfChange(p->id, index);
    if (flags & UPDATE_MIDI)
        sendParameterToDevice(p, index);
    if (flags & UPDATE_EDITOR)
        refreshEditorForChange(p->id, index, value);
}

// A value the device reported: the panel and the host follow, the history keeps it.
void SynthCommons::setParameterValueFromDevice(t_Parameter* p, unsigned index, float value)
{
    const float before = getParameterValueAt(p, index);
    setParameterValueAt(p, index, value, kFlagsFromDevice);
    history_NoteDeviceChange(p, index, before, value);
}

void SynthCommons::notifyHostOfChange(e_ParameterID id, unsigned index)
{
    if (!constructed)
        return;
    const t_HostParameter* rows[kMaxHostMatches];
    const unsigned count = parameterLib_GetHostParameter(id, index, rows);
    for (unsigned i = 0; i < count; ++i)
        setParameterAutomated(static_cast<vst::int32>(rows[i]->id),
                              parameterLib_GetParameterValueFromHost(rows[i]->id));
}

void SynthCommons::sendNrpnEntry(const t_TypeStruct_MidiNRPN& entry)
{
    if (hasNoAddress(entry))
        return;
    const unsigned n = floatToInt(loadShared(entry.value));
    const auto channel = static_cast<char>(entry.channel);
    if (entry.is14bit)
        SendMidiLongNRPNEvent(static_cast<char>(entry.nrpnMSB), static_cast<char>(entry.nrpnLSB),
                              static_cast<char>((n & 0x3F80) >> 7), static_cast<char>(n & 0x7F), channel);
    else
        SendMidiShortNRPNEvent(static_cast<char>(entry.nrpnMSB), static_cast<char>(entry.nrpnLSB),
                               static_cast<char>(n), channel);
}

void SynthCommons::sendParameterToDevice(t_Parameter* p, unsigned index)
{
    switch (p->kind)
    {
    case ParamType_MidiCC:
    {
        auto* d = descriptorOf<t_TypeStruct_MidiCC>(p);
        const unsigned channel = d->channel == kAnyChannel ? 0 : d->channel;
        SendMidiCCEvent(static_cast<int>(d->controller), static_cast<char>(floatToInt(loadShared(d->value))),
                        static_cast<char>(channel));
        break;
    }
    case ParamType_MidiCCChannel:
    {
        auto* d = descriptorOf<t_TypeStruct_MidiCCChannel>(p);
        SendMidiCCEvent(static_cast<int>(d->controller),
                        static_cast<char>(floatToInt(loadShared(d->value[index]))), static_cast<char>(index));
        break;
    }
    case ParamType_NRPN:
        sendNrpnEntry(*descriptorOf<t_TypeStruct_MidiNRPN>(p));
        break;
    case ParamType_NRPNBitMask:
    {
        auto* d = descriptorOf<t_TypeStruct_NRPNBitMask>(p);
        if (!d->sendWholeList)
        {
            sendNrpnEntry(d->list[d->entryIndex]);
            break;
        }
        for (const t_TypeStruct_MidiNRPN* e = d->list; e->nrpnMSB != 0 && e->nrpnLSB != 0; ++e)
            sendNrpnEntry(*e);
        break;
    }
    case ParamType_MultiNRPN:
        if (const t_TypeStruct_MidiNRPN* entry = partEntry(p, index))
            sendNrpnEntry(*entry);
        break;
    default:
        break;
    }
}

void SynthCommons::refreshEditorForChange(e_ParameterID id, unsigned index, float value)
{
    if (!editorWindowOpen())
        return;
    unsigned cursor = 0;
    while (t_EditorParameter* row = parameterLib_GetEditorParameter(&cursor, id, index))
    {
        // First the controls: an FX type renames its knobs, whose names the info line shows.
        synthEditor->editorControlsLib_SetControlValue(row->id, nullptr, index);
        const e_EditorParameterID shown = synthEditor->infoLineParameter;
        if (row->id == shown && (!row->chooser || row->chooser(this) == index))
            synthEditor->editorControlsLib_DisplayCurrentParameterInfo(
                value, synthEditor->editorControlsLib_GetFirstMatchingControl(row->id));
        else if (synthEditor->editorControlsLib_NeedToUpdateCurrentParameterInfo(row->id))
            synthEditor->editorControlsLib_RefreshParameterInfo();
    }
}

// --- Editor -------------------------------------------------------------------------------------

void SynthCommons::parameterLib_SetParameterValueFromEditor(e_EditorParameterID id, float value)
{
    parameterLib_SetParameterValueFromEditorCustomUpdate(id, value, kFlagsFromEditor);
}

void SynthCommons::parameterLib_SetParameterValueFromEditor(t_EditorParameter* e, t_Parameter* p, float value)
{
    parameterLib_SetParameterValueFromEditorCustomUpdate(e, p, value, kFlagsFromEditor);
}

void SynthCommons::parameterLib_SetParameterValueFromEditorCustomUpdate(e_EditorParameterID id, float value,
                                                                        char flags)
{
    t_EditorParameter* e = parameterLib_GetEditorParameter(id);
    t_Parameter* p = e ? parameterLib_GetParameter(e->parameter) : nullptr;
    if (p)
        parameterLib_SetParameterValueFromEditorCustomUpdate(e, p, value, flags);
}

void SynthCommons::parameterLib_SetParameterValueFromEditorCustomUpdate(t_EditorParameter* e, t_Parameter* p,
                                                                        float value, char flags)
{
    if (!e || !p)
        return;
    if (p->kind == ParamType_Virtual)
    {
        if (auto set = descriptorOf<t_TypeStruct_Virtual>(p)->setFromEditor)
            set(this, e, p, value);
        return;
    }
    const unsigned index = addressIndex(p, chooserIndex(this, e, p), true);
    const float before = getParameterValueAt(p, index);
    setParameterValueAt(p, index, value, flags);
    history_NoteEditorChange(p, index, before);
}

float SynthCommons::parameterLib_GetParameterValueFromEditor(e_EditorParameterID id)
{
    t_EditorParameter* e = parameterLib_GetEditorParameter(id);
    t_Parameter* p = e ? parameterLib_GetParameter(e->parameter) : nullptr;
    return p ? parameterLib_GetParameterValueFromEditor(e, p) : 0.0f;
}

float SynthCommons::parameterLib_GetParameterValueFromEditor(t_EditorParameter* e, t_Parameter* p)
{
    if (!e || !p)
        return 0.0f;
    if (p->kind == ParamType_Virtual)
    {
        auto get = descriptorOf<t_TypeStruct_Virtual>(p)->getFromEditor;
        return get ? get(this, e, p) : 0.0f;
    }
    const unsigned index = addressIndex(p, chooserIndex(this, e, p), false);
    return getParameterValueAt(p, index);
}

// --- Host ---------------------------------------------------------------------------------------

void SynthCommons::parameterLib_SetParameterValueFromHost(e_HostParameterID id, float value)
{
    const t_HostParameter* h = parameterLib_GetHostParameter(id);
    t_Parameter* p = h ? parameterLib_GetParameter(h->parameter) : nullptr;
    if (p)
        parameterLib_SetParameterValueFromHost(h, p, value);
}

void SynthCommons::parameterLib_SetParameterValueFromHost(const t_HostParameter* h, t_Parameter* p,
                                                          float value)
{
    if (!h || !p)
        return;
    if (p->kind == ParamType_Virtual)
    {
        if (auto set = descriptorOf<t_TypeStruct_Virtual>(p)->setFromHost)
            set(this, h, p, value);
        return;
    }
    const unsigned index = addressIndex(p, h->index, true);
    setParameterValueAt(p, index, value, kFlagsFromHost);
}

float SynthCommons::parameterLib_GetParameterValueFromHost(e_HostParameterID id)
{
    const t_HostParameter* h = parameterLib_GetHostParameter(id);
    t_Parameter* p = h ? parameterLib_GetParameter(h->parameter) : nullptr;
    return p ? parameterLib_GetParameterValueFromHost(h, p) : 0.0f;
}

float SynthCommons::parameterLib_GetParameterValueFromHost(const t_HostParameter* h, t_Parameter* p)
{
    if (!h || !p)
        return 0.0f;
    if (p->kind == ParamType_Virtual)
    {
        auto get = descriptorOf<t_TypeStruct_Virtual>(p)->getFromHost;
        return get ? get(this, h, p) : 0.0f;
    }
    const unsigned index = addressIndex(p, h->index, false);
    return getParameterValueAt(p, index);
}

// --- Device -------------------------------------------------------------------------------------

bool SynthCommons::parameterLib_SetParameterValueFromHW(VstMidiEvent* event)
{
    if (!event || (static_cast<unsigned char>(event->midiData[0]) & 0xF0) != 0xB0)
        return false;
    const unsigned controller = static_cast<unsigned char>(event->midiData[1]);
    const unsigned data = static_cast<unsigned char>(event->midiData[2]);
    const unsigned channel = static_cast<unsigned char>(event->midiData[0]) & 0x0F;
    bool taken = false;
    for (t_Parameter* p = parameters; p && p->id != PARAM_END; ++p)
    {
        if (p->kind == ParamType_MidiCC)
        {
            auto* d = descriptorOf<t_TypeStruct_MidiCC>(p);
            if (d->controller != controller || (d->channel != channel && d->channel != kAnyChannel))
                continue;
            setParameterValueFromDevice(p, kNoIndex, IntToFloat(data));
            taken = true;
        }
        else if (p->kind == ParamType_MidiCCChannel && channel < kKeyboardChannels)
        {
            if (descriptorOf<t_TypeStruct_MidiCCChannel>(p)->controller != controller)
                continue;
            recordIndex(p, channel, true);
            setParameterValueFromDevice(p, channel, IntToFloat(data));
            taken = true;
        }
    }
    return taken;
}

void SynthCommons::parameterLib_SetParameterValueFromHW(t_MidiNRPNData* message)
{
    if (!message)
        return;
    if (midiTestRunning)
    {
        midiTest_OnNrpn(message);
        return;
    }
    for (t_Parameter* p = parameters; p && p->id != PARAM_END; ++p)
    {
        if (p->kind == ParamType_NRPN)
        {
            auto* d = descriptorOf<t_TypeStruct_MidiNRPN>(p);
            if (parameterLib_NrpnIsMatching(message, d))
                setParameterValueFromDevice(p, kNoIndex, IntToFloat(parameterLib_GetNrpnData(message, d)));
        }
        else if (p->kind == ParamType_NRPNBitMask)
        {
            const t_TypeStruct_MidiNRPN& entry = maskEntry(p);
            if (!parameterLib_NrpnIsMatching(message, &entry))
                continue;
            recordIndex(p, kNoIndex, true);
            setParameterValueFromDevice(p, kNoIndex, IntToFloat(parameterLib_GetNrpnData(message, &entry)));
        }
        else if (p->kind == ParamType_MultiNRPN)
        {
            const t_TypeStruct_MidiNRPN* list = descriptorOf<t_TypeStruct_MultiNRPN>(p)->list;
            const unsigned entries = parameterLib_GetNumberOfNRPN(list) - 1;
            for (unsigned i = 0; i < entries; ++i)
            {
                if (!parameterLib_NrpnIsMatching(message, &list[i]))
                    continue;
                recordIndex(p, i, true);
                setParameterValueFromDevice(p, i, IntToFloat(parameterLib_GetNrpnData(message, &list[i])));
            }
        }
    }
}

// --- Stored pattern -----------------------------------------------------------------------------

void SynthCommons::parameterLib_SetParameterValueFromPatch(t_Parameter* p, bool send)
{
    if (!p)
        return;
    const char flags = static_cast<char>(UPDATE_HOST | (send ? UPDATE_MIDI : 0));
    switch (p->kind)
    {
    case ParamType_Virtual:
        return;
    case ParamType_MidiCCChannel:
        for (unsigned channel = 0; channel < kKeyboardChannels; ++channel)
        {
            recordIndex(p, channel, true);
            setParameterValueAt(p, channel, parameterLib_RetreiveParameterRawDataValue(p, channel), flags);
        }
        return;
    case ParamType_MultiNRPN:
    {
        const t_TypeStruct_MidiNRPN* list = descriptorOf<t_TypeStruct_MultiNRPN>(p)->list;
        const unsigned entries = parameterLib_GetNumberOfNRPN(list) - 1;
        for (unsigned i = 0; i < entries; ++i)
        {
            if (hasNoAddress(list[i]))
                continue;
            recordIndex(p, i, true);
            setParameterValueAt(p, i, parameterLib_RetreiveParameterRawDataValue(p, i), flags);
        }
        return;
    }
    case ParamType_NRPNBitMask:
    {
        const unsigned entry = descriptorOf<t_TypeStruct_NRPNBitMask>(p)->entryIndex;
        recordIndex(p, kNoIndex, true);
        setParameterValueAt(p, kNoIndex, parameterLib_RetreiveParameterRawDataValue(p, entry), flags);
        return;
    }
    default:
        if (p->rawData)
            setParameterValueAt(p, kNoIndex, parameterLib_RetreiveParameterRawDataValue(p, 0), flags);
        return;
    }
}

void SynthCommons::parameterLib_SetAllParametersValueFromPatch(bool send)
{
    if (send && SendMidiSysexPossible())
        send = !sendWorkingPatternAsDump();
    for (t_Parameter* p = parameters; p && p->id != PARAM_END; ++p)
        parameterLib_SetParameterValueFromPatch(p, send);
}

// --- Value lists ----------------------------------------------------------------------------

int SynthCommons::parameterLib_GetParameterMatchingValueListIndex(const t_EditorParameter* e, float value)
{
    if (!e || !e->values)
        return 0;
    const unsigned n = floatToInt(value);
    int match = 0;
    for (int position = 0; e->values[position].label; ++position)
        if (e->values[position].value <= n)
            match = position;
    return match;
}

int SynthCommons::parameterLib_GetParameterMatchingValueListIndex(e_EditorParameterID id)
{
    return parameterLib_GetParameterMatchingValueListIndex(parameterLib_GetEditorParameter(id),
                                                           parameterLib_GetParameterValueFromEditor(id));
}

float SynthCommons::parameterLib_GetParameterNextValueFromEditor(e_EditorParameterID id)
{
    const t_EditorParameter* e = parameterLib_GetEditorParameter(id);
    if (!e || !e->values)
        return 0.0f;
    int position = parameterLib_GetParameterMatchingValueListIndex(id) + 1;
    if (!e->values[position].label)
        position = 0;
    return IntToFloat(e->values[position].value);
}
