// The edit history of one plug-in instance: for each program, the steps that undo takes back
// and redo brings back, bounded in number per program and in memory for all of them.
//
// A step holds value changes (a knob drag, a click, a knob turned on the device) or the bytes
// of the program's image that a command changed. Of those bytes it holds the side that the
// program does not hold now: the earlier bytes while the step is done, the later ones once it
// is undone. Undoing and redoing swap them with the program's, so a step costs only what it
// changed.
#pragma once

#include "../params/ParameterIds.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

constexpr std::size_t kHistoryStepsKept = 200;
// A knob (on the panel's wheel or on the device) that rests this long ends its step.
constexpr std::uint32_t kHistoryRestMs = 1000;
// What all programs' steps together may take; the least recently edited programs lose their
// oldest steps first.
constexpr std::size_t kHistoryMemoryBudget = std::size_t(8) << 20;

enum e_HistorySource : std::uint8_t
{
    HISTORY_PANEL,
    HISTORY_DEVICE,
    HISTORY_COMMAND,
};

enum e_HistoryDirection : std::uint8_t
{
    HISTORY_UNDO,
    HISTORY_REDO,
};

// One parameter value at one index (part, keyboard channel or mask bit).
struct t_ValueChange
{
    e_ParameterID parameter;
    std::uint32_t index;
    float before;
    float after;
};

// Who made a value change, to join the changes of one gesture into one step.
struct t_HistoryTouch
{
    e_HistorySource source;
    std::uint32_t key;     // the panel's editor parameter, or the device's parameter and index
    std::uint32_t gesture; // the panel's drag or click; 0 for the device
    bool continuous;       // a knob or slider: touched again before it rests, its step goes on
    std::uint32_t first;   // milliseconds: when the touch began and when it last changed
    std::uint32_t last;
};

struct t_HistoryStep
{
    e_HistorySource source = HISTORY_COMMAND;
    std::uint32_t key = 0;
    std::uint32_t gesture = 0;
    bool continuous = false;
    std::uint32_t lastTouch = 0;
    bool closed = false; // undone or redone: no touch goes on with it
    std::vector<t_ValueChange> values;
    // Image bytes: offset (2 bytes), length (2 bytes) and the bytes, run after run.
    std::vector<std::uint8_t> runs;
    std::string label; // what a command did, for the panel's texts
};

class EditHistory
{
public:
    explicit EditHistory(int programs);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // A value change. It joins a step of the same touch that goes on; a change that leaves the
    // value as it was starts nothing. A new step clears what could be redone.
    void recordValue(int program, const t_HistoryTouch& touch, const t_ValueChange& change);
    // The bytes that a command changed in an image of size bytes; a step of its own, nothing
    // when no byte changed.
    void recordImage(int program, const std::uint8_t* before, const std::uint8_t* after, std::size_t size,
                     const std::string& label);

    // Takes out the step that undo (redo) would apply; false when there is none.
    bool take(int program, e_HistoryDirection direction, t_HistoryStep& step);
    // Gives back a step taken for a direction, once applied: the other direction finds it.
    void putBack(int program, e_HistoryDirection applied, t_HistoryStep&& step);
    // A copy of the step that undo (redo) would apply; false when there is none.
    bool peek(int program, e_HistoryDirection direction, t_HistoryStep& step) const;
    std::size_t count(int program, e_HistoryDirection direction) const;
    // The memory that the steps take, all programs together.
    std::size_t memory() const;
    void clear();

    // Swaps a step's image bytes with those of the image (size bytes); runs outside it are left.
    static void swapRuns(std::vector<std::uint8_t>& runs, std::uint8_t* image, std::size_t size);
    // One past the last image byte that a step's runs hold.
    static std::size_t reach(const std::vector<std::uint8_t>& runs);

private:
    struct ProgramSteps
    {
        std::deque<t_HistoryStep> done;
        std::vector<t_HistoryStep> undone;
        std::uint64_t lastUse = 0;
    };

    ProgramSteps* stepsOf(int program) const;
    ProgramSteps& makeStepsOf(int program);
    static std::deque<t_HistoryStep>::iterator stepGoingOn(ProgramSteps& steps, const t_HistoryTouch& touch);
    void push(int program, ProgramSteps& steps, t_HistoryStep&& step);
    void clearRedo(ProgramSteps& steps);
    void dropOldest(ProgramSteps& steps);
    void keepWithinBudget(int program);

    int programCount;
    mutable std::mutex lock;
    std::vector<std::unique_ptr<ProgramSteps>> programs;
    std::size_t bytes = 0;
    std::uint64_t uses = 0;
};

// Changes that the device made, waiting to enter the history. The thread that receives them
// may be the host's processing thread, which must neither wait nor allocate: it only writes
// into this fixed list, and the other threads move the list into the history.
class DeviceChanges
{
public:
    struct t_Waiting
    {
        int program;
        t_ValueChange change;
        std::uint32_t first;
        std::uint32_t last;
    };
    static constexpr std::size_t kCapacity = 64;

    // Joins a waiting change of the same program, parameter and index that has not rested;
    // false when the list is full or busy (the change is then not recorded).
    bool add(int program, const t_ValueChange& change, std::uint32_t now);
    // Moves the waiting changes out in the order they began; the number moved.
    std::size_t take(t_Waiting* out);
    bool empty() const { return waitingCount.load(std::memory_order_acquire) == 0; }

private:
    bool tryLock();
    void unlock() { busy.clear(std::memory_order_release); }

    std::atomic_flag busy = ATOMIC_FLAG_INIT;
    std::atomic<std::size_t> waitingCount{0};
    t_Waiting waiting[kCapacity]{};
};
