// Undo, redo and compare: where the panel's and the device's changes and the commands enter
// the edit history, how a step is brought back, and the program that compare plays against.
#include "../editor/SynthEditor.h"
#include "../params/ParameterValues.h"
#include "HistoryState.h"

#include <cstddef>
#include <cstring>

namespace
{
// A step comes back as a panel change does, and shows on the panel too.
constexpr char kFlagsRestore = UPDATE_HOST | UPDATE_MIDI | UPDATE_EDITOR;
// The name and its copy at the head of the pattern image.
constexpr std::size_t kNameBytes = offsetof(t_Patch, data) + kPatternNameLength;
// Changes made outside the panel's gestures are numbered apart from them.
constexpr std::uint32_t kLooseGesture = 0x80000000u;

const std::uint8_t* bytesOf(const t_Patch& program)
{
    return reinterpret_cast<const std::uint8_t*>(&program);
}

std::uint8_t* bytesOf(t_Patch& program)
{
    return reinterpret_cast<std::uint8_t*>(&program);
}

// Only what the pattern holds is an edit: not the page, the part, the MIDI mode.
bool inPattern(const t_Parameter* p)
{
    return p && p->rawData;
}

std::uint32_t keyOf(const t_Parameter* p, unsigned index)
{
    return (static_cast<std::uint32_t>(p->id) << 8) | (index & 0xFF);
}
} // namespace

// --- Recording -----------------------------------------------------------------------------------

void SynthCommons::history_SetPanelTouch(e_EditorParameterID row, std::uint32_t gesture, bool continuous)
{
    historyState->panelRow = row;
    historyState->panelGesture = gesture;
    historyState->panelContinuous = continuous;
}

void SynthCommons::history_NoteEditorChange(t_Parameter* p, unsigned index, float before)
{
    t_HistoryState& h = *historyState;
    if (!inPattern(p) || h.commandDepth > 0)
        return;
    const std::uint32_t now = platform::tickMs();
    const bool inGesture = h.panelRow != EPARAM_END;
    const t_HistoryTouch touch{HISTORY_PANEL,
                               inGesture ? static_cast<std::uint32_t>(h.panelRow) : keyOf(p, index),
                               inGesture ? h.panelGesture : kLooseGesture | ++h.looseGestures,
                               inGesture && h.panelContinuous,
                               now,
                               now};
    h.steps.recordValue(currentProgram, touch, {p->id, index, before, getParameterValueAt(p, index)});
}

// The value the device sent (another thread may have set the parameter meanwhile).
void SynthCommons::history_NoteDeviceChange(const t_Parameter* p, unsigned index, float before, float after)
{
    if (inPattern(p))
        historyState->device.add(currentProgram, {p->id, index, before, after}, platform::tickMs());
}

// While comparing, a knob turned on the device is an edit: the edited program comes back and
// takes the device's values.
void SynthCommons::history_TakeDeviceChanges(bool mayEndCompare)
{
    t_HistoryState& h = *historyState;
    if (h.device.empty() || (h.comparing && !mayEndCompare))
        return;
    DeviceChanges::t_Waiting waiting[DeviceChanges::kCapacity];
    const std::size_t count = h.device.take(waiting);
    const bool edited = h.comparing;
    if (edited)
        compare_End(true);
    for (std::size_t i = 0; i < count; ++i)
    {
        t_ValueChange& change = waiting[i].change;
        t_Parameter* p = parameterLib_GetParameter(change.parameter);
        if (edited && p)
        {
            change.before = getParameterValueAt(p, change.index);
            setParameterValueAt(p, change.index, change.after, kFlagsRestore);
        }
        if (p)
            h.steps.recordValue(
                waiting[i].program,
                {HISTORY_DEVICE, keyOf(p, change.index), 0, false, waiting[i].first, waiting[i].last},
                change);
    }
}

void SynthCommons::history_Snapshot(t_Patch& copy)
{
    copy = workingProgram;
    parameterLib_FlushParametersToRawData(copy);
}

SynthCommons::HistoryCommand::HistoryCommand(SynthCommons& synth, const char* label)
    : synth(synth), lock(synth.programLock), label(label ? label : "")
{
    synth.history_BeginCommand();
}

SynthCommons::HistoryCommand::~HistoryCommand()
{
    synth.history_EndCommand(label);
}

// A command first leaves compare: it acts on the edited program.
void SynthCommons::history_BeginCommand()
{
    t_HistoryState& h = *historyState;
    if (h.commandDepth++ > 0)
        return;
    history_TakeDeviceChanges();
    compare_End(true);
    if (!h.commandBefore)
        h.commandBefore = std::make_unique<t_Patch>();
    history_Snapshot(*h.commandBefore);
    h.commandProgram = currentProgram;
}

void SynthCommons::history_EndCommand(const std::string& label)
{
    t_HistoryState& h = *historyState;
    if (--h.commandDepth > 0 || currentProgram != h.commandProgram)
        return;
    t_Patch after;
    history_Snapshot(after);
    h.steps.recordImage(h.commandProgram, bytesOf(*h.commandBefore), bytesOf(after), sizeof after, label);
}

void SynthCommons::history_RecordProgram(int program, const t_Patch& before, const t_Patch& after,
                                         const char* label)
{
    historyState->steps.recordImage(program, bytesOf(before), bytesOf(after), sizeof after,
                                    label ? label : "");
}

// --- Undo and redo ----------------------------------------------------------------------------------

bool SynthCommons::history_Apply(e_HistoryDirection direction, t_HistoryStep& applied)
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    history_TakeDeviceChanges();
    compare_End(true);
    const int program = currentProgram;
    t_HistoryStep step;
    if (!historyState->steps.take(program, direction, step))
        return false;
    history_ApplyValues(step, direction);
    if (!step.runs.empty())
        history_ApplyImage(step);
    applied = step;
    historyState->steps.putBack(program, direction, std::move(step));
    return true;
}

void SynthCommons::history_ApplyValues(const t_HistoryStep& step, e_HistoryDirection direction)
{
    const std::size_t count = step.values.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        const t_ValueChange& change = step.values[direction == HISTORY_UNDO ? count - 1 - i : i];
        if (t_Parameter* p = parameterLib_GetParameter(change.parameter))
            setParameterValueAt(p, change.index, direction == HISTORY_UNDO ? change.before : change.after,
                                kFlagsRestore);
    }
}

// The image bytes change places with the program's; the program goes out as the command that
// made the step sent it (a name alone as the name editor sends it).
void SynthCommons::history_ApplyImage(t_HistoryStep& step)
{
    parameterLib_FlushParametersToRawData();
    EditHistory::swapRuns(step.runs, bytesOf(workingProgram), sizeof workingProgram);
    if (EditHistory::reach(step.runs) <= kNameBytes)
        patchLib_ProgramRenamed();
    else
    {
        patchLib_SetParametersFromPatch(&workingProgram, true);
        updateDisplay();
    }
}

bool SynthCommons::history_Peek(e_HistoryDirection direction, t_HistoryStep& step) const
{
    return historyState->steps.peek(currentProgram, direction, step);
}

std::size_t SynthCommons::history_Count(e_HistoryDirection direction) const
{
    return historyState->steps.count(currentProgram, direction);
}

std::size_t SynthCommons::history_Memory() const
{
    return historyState->steps.memory();
}

// --- The stored program and compare ------------------------------------------------------------

void SynthCommons::history_MarkStored()
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    t_HistoryState& h = *historyState;
    if (!h.stored)
        h.stored = std::make_unique<t_Patch>();
    history_Snapshot(*h.stored);
}

void SynthCommons::history_Forget()
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    t_HistoryState& h = *historyState;
    DeviceChanges::t_Waiting dropped[DeviceChanges::kCapacity];
    h.device.take(dropped);
    h.steps.clear();
    h.comparing = false;
    h.edited.reset();
    history_MarkStored();
}

bool SynthCommons::compare_Start()
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    t_HistoryState& h = *historyState;
    history_TakeDeviceChanges();
    if (h.comparing)
        return true;
    auto edited = std::make_unique<t_Patch>();
    history_Snapshot(*edited);
    if (!h.stored || std::memcmp(edited.get(), h.stored.get(), sizeof(t_Patch)) == 0)
        return false;
    h.edited = std::move(edited);
    h.comparing = true;
    workingProgram = *h.stored;
    patchLib_SetParametersFromPatch(&workingProgram, true);
    updateDisplay();
    return true;
}

void SynthCommons::compare_End(bool send)
{
    std::lock_guard<std::recursive_mutex> lock(programLock);
    t_HistoryState& h = *historyState;
    if (!h.comparing)
        return;
    h.comparing = false;
    workingProgram = *h.edited;
    h.edited.reset();
    patchLib_SetParametersFromPatch(&workingProgram, send);
    updateDisplay();
}

bool SynthCommons::compare_Active() const
{
    return historyState->comparing;
}

const t_Patch* SynthCommons::compare_EditedProgram() const
{
    return historyState->comparing ? historyState->edited.get() : nullptr;
}
