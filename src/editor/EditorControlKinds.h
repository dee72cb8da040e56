// The behaviour of each kind of control row (EditorControlKinds.cpp).
#pragma once

#include "EditorTables.h"

class SynthEditor;
class CViewContainer;
struct t_EditorParameter;

struct t_ControlKindOps
{
    e_EditorControlKind kind; // CTRL_END ends the table
    // Copies the row's record and creates its views.
    void (*build)(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e);
    // Adds the views to the target in drawing order.
    void (*place)(const t_EditorControl* row, CViewContainer* target);
    // Lets the views go and frees the record copy.
    void (*release)(t_EditorControl* row);
    // Shows the parameter's value (editor scale), leaving one control alone.
    void (*push)(SynthEditor* editor, t_EditorControl* row, const t_EditorParameter* e, float value,
                 CControl* leaveAlone);
    void (*tag)(t_EditorControl* row, long tag, long extraTag);
    // Whether the control is the row's main control, one of its LEDs or chain buttons.
    bool (*owns)(const t_EditorControl* row, const CControl* control);
};

extern const t_ControlKindOps c_EditorControlKinds[];

// The behaviour of a kind, or null.
const t_ControlKindOps* editorControlKind(e_EditorControlKind kind);
