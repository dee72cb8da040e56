// Deferred actions: work that other threads hand to the user-interface thread, each run
// at the frame's idle no earlier than its due time. The used entries always form a prefix
// of the array.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr unsigned kLockWaitMs = 10;

bool replacesPending(e_EditorPostProcessType action)
{
    return action != POSTPROCESS_SYNCING_TEXT;
}

bool isDue(std::uint32_t due, std::uint32_t now)
{
    return static_cast<std::int32_t>(now - due) >= 0;
}
} // namespace

void SynthEditor::postProcessInit()
{
    std::memset(postProcessEntries, 0, sizeof postProcessEntries);
    postProcessLockFlag = 0;
}

void SynthEditor::postProcessLock()
{
    int expected = 0;
    while (!postProcessLockFlag.compare_exchange_weak(expected, 1, std::memory_order_acquire))
    {
        expected = 0;
        wait(kLockWaitMs);
    }
}

void SynthEditor::postProcessUnlock()
{
    postProcessLockFlag.store(0, std::memory_order_release);
}

int SynthEditor::firstFreeEntry() const
{
    for (int i = 0; i < kPostProcessEntries; ++i)
        if (postProcessEntries[i].action == POSTPROCESS_NONE)
            return i;
    return kPostProcessEntries;
}

void SynthEditor::freeEntriesOf(e_EditorPostProcessType action, int count)
{
    for (int i = 0; i < count; ++i)
        if (postProcessEntries[i].action == action)
            postProcessEntries[i].action = POSTPROCESS_NONE;
}

// A full queue holds at most one entry of each kind but text changes, which pile up while
// the window is closed; the oldest text change gives way, so that an adder never waits.
void SynthEditor::makeRoomForEntry()
{
    if (firstFreeEntry() < kPostProcessEntries)
        return;
    for (t_PostProcessEntry& entry : postProcessEntries)
    {
        if (entry.action != POSTPROCESS_SYNCING_TEXT)
            continue;
        entry.action = POSTPROCESS_NONE;
        break;
    }
    postProcessConsolidate(kPostProcessEntries);
}

void SynthEditor::postProcessAdd(e_EditorPostProcessType action, std::intptr_t first, std::intptr_t second,
                                 const char* text, unsigned delayMs)
{
    if (action <= POSTPROCESS_NONE || action > POSTPROCESS_MIDI_TEST_TIMEOUT || action == 3)
        return;
    postProcessLock();
    if (replacesPending(action))
    {
        freeEntriesOf(action, kPostProcessEntries);
        postProcessConsolidate(kPostProcessEntries);
    }
    makeRoomForEntry();
    const int slot = firstFreeEntry();
    if (slot < kPostProcessEntries)
    {
        t_PostProcessEntry& entry = postProcessEntries[slot];
        entry = {};
        entry.action = action;
        entry.arguments[0] = first;
        entry.arguments[1] = second;
        entry.due = getTicks() + delayMs;
        if (text)
            std::snprintf(entry.text, sizeof entry.text, "%s", text);
    }
    postProcessUnlock();
}

void SynthEditor::postProcessRemovePending(e_EditorPostProcessType action)
{
    postProcessLock();
    const int used = firstFreeEntry();
    freeEntriesOf(action, used);
    postProcessConsolidate(used);
    postProcessUnlock();
}

// Closes the holes among the first count entries, keeping the order of the others: an action
// queued earlier runs earlier ("apply the received pattern" before "select program 9").
void SynthEditor::postProcessConsolidate(int count)
{
    int used = 0;
    for (int i = 0; i < count && i < kPostProcessEntries; ++i)
    {
        if (postProcessEntries[i].action == POSTPROCESS_NONE)
            continue;
        if (i != used)
        {
            postProcessEntries[used] = postProcessEntries[i];
            postProcessEntries[i].action = POSTPROCESS_NONE;
        }
        ++used;
    }
}

int SynthEditor::postProcessPendingCount(e_EditorPostProcessType action)
{
    postProcessLock();
    int count = 0;
    for (const t_PostProcessEntry& entry : postProcessEntries)
        count += entry.action == action ? 1 : 0;
    postProcessUnlock();
    return count;
}

// Takes the entries that the predicate selects out of the queue, in queue order, then runs
// them without the lock, so that they may queue further actions.
template <typename Select> void SynthEditor::runEntriesWhere(Select select)
{
    t_PostProcessEntry taken[kPostProcessEntries];
    int count = 0;
    postProcessLock();
    const int used = firstFreeEntry();
    for (int i = 0; i < used; ++i)
    {
        if (!select(postProcessEntries[i]))
            continue;
        taken[count++] = postProcessEntries[i];
        postProcessEntries[i].action = POSTPROCESS_NONE;
    }
    postProcessConsolidate(used);
    postProcessUnlock();
    for (int i = 0; i < count; ++i)
        runAction(taken[i]);
}

void SynthEditor::postProcessExecute()
{
    const std::uint32_t now = getTicks();
    runEntriesWhere([now](const t_PostProcessEntry& entry) { return isDue(entry.due, now); });
}

void SynthEditor::postProcessRunPending(e_EditorPostProcessType action)
{
    runEntriesWhere([action](const t_PostProcessEntry& entry) { return entry.action == action; });
}

void SynthEditor::runAction(const t_PostProcessEntry& entry)
{
    const auto first = static_cast<int>(entry.arguments[0]);
    switch (entry.action)
    {
    case POSTPROCESS_SYNCING_NOTIFICATION:
        syncingNotif(first != 0, entry.text);
        break;
    case POSTPROCESS_SYNCING_TEXT:
        syncingNotifText(entry.text);
        break;
    case POSTPROCESS_SELECT_PROGRAM:
        synth->setProgramProcess(first);
        break;
    case POSTPROCESS_APPLY_PROGRAM:
        synth->patchLib_ApplyReceived(first, entry.arguments[1] != 0);
        break;
    case POSTPROCESS_INCOMPLETE_DUMP_CHECK:
        synth->sysex_IncompleteDumpCheck();
        break;
    case POSTPROCESS_MIDI_TEST_TIMEOUT:
        if (synth->midiTestRunning && synth->midiTestStep <= static_cast<std::uint32_t>(first))
        {
            syncingNotif(false, nullptr);
            editorControlsLib_MidiTestResult();
        }
        break;
    default:
        break;
    }
}
