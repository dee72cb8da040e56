#include "EditHistory.h"

#include <algorithm>
#include <cstring>

namespace
{
constexpr std::size_t kRunHeader = 4;
// Equal bytes shorter than a run's header between two changed ones are kept in one run.
constexpr std::size_t kJoinGap = kRunHeader;
constexpr std::size_t kMaxRunLength = 0xFFFF;
constexpr int kLockAttempts = 64;

void put16(std::vector<std::uint8_t>& out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

std::size_t get16(const std::uint8_t* at)
{
    return at[0] | (std::size_t(at[1]) << 8);
}

// Where the run of changed bytes that begins at start ends.
std::size_t runEnd(const std::uint8_t* before, const std::uint8_t* after, std::size_t start, std::size_t size)
{
    std::size_t end = start + 1;
    std::size_t equal = 0;
    for (std::size_t i = end; i < size && i - start < kMaxRunLength && equal <= kJoinGap; ++i)
    {
        if (before[i] != after[i])
        {
            end = i + 1;
            equal = 0;
        }
        else
            ++equal;
    }
    return end;
}

std::vector<std::uint8_t> runsBetween(const std::uint8_t* before, const std::uint8_t* after, std::size_t size)
{
    std::vector<std::uint8_t> runs;
    for (std::size_t i = 0; i < size; ++i)
    {
        if (before[i] == after[i])
            continue;
        const std::size_t end = runEnd(before, after, i, size);
        put16(runs, i);
        put16(runs, end - i);
        runs.insert(runs.end(), before + i, before + end);
        i = end - 1;
    }
    runs.shrink_to_fit();
    return runs;
}

std::size_t footprint(const t_HistoryStep& step)
{
    return sizeof step + step.values.capacity() * sizeof(t_ValueChange) + step.runs.capacity() +
           (step.label.capacity() > 15 ? step.label.capacity() + 1 : 0);
}

bool isEmpty(const t_HistoryStep& step)
{
    return step.values.empty() && step.runs.empty();
}

// The step's change of a parameter at an index, or null.
t_ValueChange* changeOf(t_HistoryStep& step, const t_ValueChange& change)
{
    for (t_ValueChange& c : step.values)
        if (c.parameter == change.parameter && c.index == change.index)
            return &c;
    return nullptr;
}

bool rested(const t_HistoryStep& step, std::uint32_t now)
{
    return now - step.lastTouch >= kHistoryRestMs;
}
} // namespace

EditHistory::EditHistory(int programs) : programCount(programs) {}

EditHistory::~EditHistory() = default;

EditHistory::ProgramSteps* EditHistory::stepsOf(int program) const
{
    if (program < 0 || program >= programCount || programs.empty())
        return nullptr;
    return programs[static_cast<std::size_t>(program)].get();
}

EditHistory::ProgramSteps& EditHistory::makeStepsOf(int program)
{
    if (programs.empty())
        programs.resize(static_cast<std::size_t>(programCount));
    std::unique_ptr<ProgramSteps>& steps = programs[static_cast<std::size_t>(program)];
    if (!steps)
        steps = std::make_unique<ProgramSteps>();
    steps->lastUse = ++uses;
    return *steps;
}

// The step that a touch continues: on the panel the last step, in the same gesture or, for a
// knob or slider, before it rests; on the device any of the last steps of knobs that have not
// rested yet (two knobs turned together make two steps, not one per message). End when none.
std::deque<t_HistoryStep>::iterator EditHistory::stepGoingOn(ProgramSteps& steps, const t_HistoryTouch& touch)
{
    if (!steps.undone.empty())
        return steps.done.end();
    for (auto step = steps.done.end(); step != steps.done.begin();)
    {
        --step;
        if (step->closed || step->source != touch.source || step->source == HISTORY_COMMAND)
            break;
        const bool sameKey = step->key == touch.key;
        if (touch.source == HISTORY_PANEL)
            return sameKey && (step->gesture == touch.gesture ||
                               (touch.continuous && !rested(*step, touch.first)))
                       ? step
                       : steps.done.end();
        if (rested(*step, touch.first))
            break;
        if (sameKey)
            return step;
    }
    return steps.done.end();
}

void EditHistory::recordValue(int program, const t_HistoryTouch& touch, const t_ValueChange& change)
{
    if (program < 0 || program >= programCount)
        return;
    std::lock_guard<std::mutex> guard(lock);
    ProgramSteps& steps = makeStepsOf(program);
    const auto going = stepGoingOn(steps, touch);
    if (going != steps.done.end())
    {
        t_HistoryStep& step = *going;
        bytes -= footprint(step);
        if (t_ValueChange* earlier = changeOf(step, change))
            earlier->after = change.after;
        else
            step.values.push_back(change);
        step.values.erase(std::remove_if(step.values.begin(), step.values.end(),
                                         [](const t_ValueChange& c) { return c.before == c.after; }),
                          step.values.end());
        step.lastTouch = touch.last;
        step.gesture = touch.gesture;
        if (isEmpty(step)) // turned back to where it was: nothing to undo
            steps.done.erase(going);
        else
            bytes += footprint(step);
        return;
    }
    if (change.before == change.after)
        return;
    t_HistoryStep step;
    step.source = touch.source;
    step.key = touch.key;
    step.gesture = touch.gesture;
    step.continuous = touch.continuous;
    step.lastTouch = touch.last;
    step.values.push_back(change);
    push(program, steps, std::move(step));
}

void EditHistory::recordImage(int program, const std::uint8_t* before, const std::uint8_t* after,
                              std::size_t size, const std::string& label)
{
    if (program < 0 || program >= programCount || !before || !after)
        return;
    std::vector<std::uint8_t> runs = runsBetween(before, after, size);
    if (runs.empty())
        return;
    t_HistoryStep step;
    step.runs = std::move(runs);
    step.label = label;
    std::lock_guard<std::mutex> guard(lock);
    push(program, makeStepsOf(program), std::move(step));
}

void EditHistory::push(int program, ProgramSteps& steps, t_HistoryStep&& step)
{
    clearRedo(steps);
    bytes += footprint(step);
    steps.done.push_back(std::move(step));
    while (steps.done.size() > kHistoryStepsKept)
        dropOldest(steps);
    keepWithinBudget(program);
}

void EditHistory::clearRedo(ProgramSteps& steps)
{
    for (const t_HistoryStep& step : steps.undone)
        bytes -= footprint(step);
    steps.undone.clear();
}

void EditHistory::dropOldest(ProgramSteps& steps)
{
    bytes -= footprint(steps.done.front());
    steps.done.pop_front();
}

// Over the budget, the program edited least recently loses its oldest steps, the one being
// edited last of all and never its newest step.
void EditHistory::keepWithinBudget(int program)
{
    while (bytes > kHistoryMemoryBudget)
    {
        ProgramSteps* oldest = nullptr;
        for (int p = 0; p < programCount; ++p)
        {
            ProgramSteps* steps = programs[static_cast<std::size_t>(p)].get();
            if (p != program && steps && (!steps->done.empty() || !steps->undone.empty()) &&
                (!oldest || steps->lastUse < oldest->lastUse))
                oldest = steps;
        }
        if (oldest && !oldest->done.empty())
            dropOldest(*oldest);
        else if (oldest)
            clearRedo(*oldest);
        else if (ProgramSteps* own = stepsOf(program); own && own->done.size() > 1)
            dropOldest(*own);
        else
            return;
    }
}

bool EditHistory::take(int program, e_HistoryDirection direction, t_HistoryStep& step)
{
    std::lock_guard<std::mutex> guard(lock);
    ProgramSteps* steps = stepsOf(program);
    if (!steps)
        return false;
    if (direction == HISTORY_UNDO)
    {
        if (steps->done.empty())
            return false;
        step = std::move(steps->done.back());
        steps->done.pop_back();
    }
    else
    {
        if (steps->undone.empty())
            return false;
        step = std::move(steps->undone.back());
        steps->undone.pop_back();
    }
    bytes -= footprint(step);
    return true;
}

void EditHistory::putBack(int program, e_HistoryDirection applied, t_HistoryStep&& step)
{
    if (program < 0 || program >= programCount)
        return;
    std::lock_guard<std::mutex> guard(lock);
    ProgramSteps& steps = makeStepsOf(program);
    step.closed = true;
    bytes += footprint(step);
    if (applied == HISTORY_UNDO)
        steps.undone.push_back(std::move(step));
    else
        steps.done.push_back(std::move(step));
    keepWithinBudget(program);
}

bool EditHistory::peek(int program, e_HistoryDirection direction, t_HistoryStep& step) const
{
    std::lock_guard<std::mutex> guard(lock);
    const ProgramSteps* steps = stepsOf(program);
    if (!steps)
        return false;
    if (direction == HISTORY_UNDO && !steps->done.empty())
        return step = steps->done.back(), true;
    if (direction == HISTORY_REDO && !steps->undone.empty())
        return step = steps->undone.back(), true;
    return false;
}

std::size_t EditHistory::count(int program, e_HistoryDirection direction) const
{
    std::lock_guard<std::mutex> guard(lock);
    const ProgramSteps* steps = stepsOf(program);
    if (!steps)
        return 0;
    return direction == HISTORY_UNDO ? steps->done.size() : steps->undone.size();
}

std::size_t EditHistory::memory() const
{
    std::lock_guard<std::mutex> guard(lock);
    return bytes + programs.capacity() * sizeof(programs[0]) +
           sizeof(ProgramSteps) *
               static_cast<std::size_t>(std::count_if(programs.begin(), programs.end(),
                                                      [](const auto& p) { return p != nullptr; }));
}

void EditHistory::clear()
{
    std::lock_guard<std::mutex> guard(lock);
    programs.clear();
    programs.shrink_to_fit();
    bytes = 0;
}

void EditHistory::swapRuns(std::vector<std::uint8_t>& runs, std::uint8_t* image, std::size_t size)
{
    for (std::size_t at = 0; at + kRunHeader <= runs.size();)
    {
        const std::size_t offset = get16(&runs[at]);
        const std::size_t length = get16(&runs[at + 2]);
        std::uint8_t* bytesOfRun = &runs[at + kRunHeader];
        if (at + kRunHeader + length > runs.size())
            return;
        if (offset + length <= size)
            std::swap_ranges(bytesOfRun, bytesOfRun + length, image + offset);
        at += kRunHeader + length;
    }
}

std::size_t EditHistory::reach(const std::vector<std::uint8_t>& runs)
{
    std::size_t end = 0;
    for (std::size_t at = 0; at + kRunHeader <= runs.size(); at += kRunHeader + get16(&runs[at + 2]))
        end = std::max(end, get16(&runs[at]) + get16(&runs[at + 2]));
    return end;
}

// --- Device changes waiting --------------------------------------------------------------------

bool DeviceChanges::tryLock()
{
    for (int attempt = 0; attempt < kLockAttempts; ++attempt)
        if (!busy.test_and_set(std::memory_order_acquire))
            return true;
    return false;
}

bool DeviceChanges::add(int program, const t_ValueChange& change, std::uint32_t now)
{
    if (!tryLock())
        return false;
    const std::size_t count = waitingCount.load(std::memory_order_relaxed);
    for (std::size_t i = 0; i < count; ++i)
    {
        t_Waiting& w = waiting[i];
        if (w.program == program && w.change.parameter == change.parameter &&
            w.change.index == change.index && now - w.last < kHistoryRestMs)
        {
            w.change.after = change.after;
            w.last = now;
            unlock();
            return true;
        }
    }
    const bool room = count < kCapacity;
    if (room)
    {
        waiting[count] = {program, change, now, now};
        waitingCount.store(count + 1, std::memory_order_release);
    }
    unlock();
    return room;
}

std::size_t DeviceChanges::take(t_Waiting* out)
{
    while (!tryLock())
    {
    }
    const std::size_t count = waitingCount.load(std::memory_order_relaxed);
    std::copy(waiting, waiting + count, out);
    waitingCount.store(0, std::memory_order_release);
    unlock();
    return count;
}
