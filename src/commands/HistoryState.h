// What an instance keeps for undo, redo and compare.
#pragma once

#include "../core/SynthCommons.h"
#include "EditHistory.h"

#include <atomic>
#include <memory>

struct t_HistoryState
{
    EditHistory steps{kNumPrograms};
    DeviceChanges device;

    // The panel gesture that the editor's changes belong to (user-interface thread).
    e_EditorParameterID panelRow = EPARAM_END;
    std::uint32_t panelGesture = 0;
    bool panelContinuous = false;
    std::uint32_t looseGestures = 0; // changes made outside the panel's gestures

    // The command being recorded, under the program lock: how deep (the panel's changes ask
    // without it), and the current program before it began.
    std::atomic<int> commandDepth{0};
    int commandProgram = 0;
    std::unique_ptr<t_Patch> commandBefore;

    // Compare: the current program as last stored, and the edited one while it waits.
    std::unique_ptr<t_Patch> stored;
    std::unique_ptr<t_Patch> edited;
    std::atomic<bool> comparing{false};
};
