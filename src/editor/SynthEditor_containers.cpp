// The panel's containers and the visible set: which pages and sub-panels the frame shows.
#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"
#include "SynthEditor.h"

#include <algorithm>
#include <new>

namespace
{
constexpr std::uint32_t kWord1 = CONT_WORD1;

e_EditorContainer containerOfBit(int word, int bit)
{
    return static_cast<e_EditorContainer>((word ? kWord1 : 0) | (1u << bit));
}
} // namespace

void SynthEditor::editorControlsLib_AllocateAndInitContainers(CFrame* target)
{
    containers =
        editorTables_Copy(c_EditorContainers, [](const t_EditorContainer& c) { return c.id == CONT_FRAME; });
    for (t_EditorContainer* c = containers; c && c->id != CONT_FRAME; ++c)
    {
        c->view = new CViewContainer(CRect(c->x, c->y, c->x + c->width, c->y + c->height), target);
        c->view->setTransparency(true);
        c->view->setMouseEnabled(true);
        if (c->background != RES_END)
            c->view->setBackground(editorControlsLib_GetBitmapResourceObj(c->background));
    }
}

void SynthEditor::editorControlsLib_DeallocateContainers()
{
    t_EditorContainer* table = containers;
    containers = nullptr;
    for (t_EditorContainer* c = table; c && c->id != CONT_FRAME; ++c)
    {
        c->view->removeAll(false);
        c->view->forget();
    }
    delete[] table;
}

CViewContainer* SynthEditor::editorControlsLib_GetContainerObj(e_EditorContainer id)
{
    const t_EditorContainer* c = editorTables_FindContainer(containers, id);
    return c ? c->view : nullptr;
}

CViewContainer* SynthEditor::targetOf(e_EditorContainer container, CFrame* target)
{
    CViewContainer* view = editorControlsLib_GetContainerObj(container);
    return view ? view : target;
}

void SynthEditor::addToTarget(CView* view, e_EditorContainer container, CFrame* target)
{
    targetOf(container, target)->addView(view);
}

void SynthEditor::editorControlsLib_UpdateVisibleContainers()
{
    if (!onUserInterfaceThread())
    {
        visibilityPending = true; // done at the next idle
        return;
    }
    if (!frame)
        return;
    std::uint32_t shown[2] = {0, 0};
    for (const t_VisibleEditorContainers* rule = pVisibleEditorContainers; rule->predicate; ++rule)
    {
        if (rule->predicate(synth) != rule->expected)
            continue;
        shown[0] |= rule->word0 & ~kWord1;
        shown[1] |= rule->word1 & ~kWord1;
    }
    if (shown[0] == visibleContainers[0] && shown[1] == visibleContainers[1])
        return;
    for (int word = 0; word < 2; ++word)
        for (int bit = 0; bit < 31; ++bit)
        {
            const std::uint32_t mask = 1u << bit;
            const bool now = shown[word] & mask;
            if (now == static_cast<bool>(visibleContainers[word] & mask))
                continue;
            if (CViewContainer* view = editorControlsLib_GetContainerObj(containerOfBit(word, bit)))
            {
                if (now)
                    frame->addView(view);
                else
                    frame->removeView(view, false);
            }
        }
    visibleContainers[0] = shown[0];
    visibleContainers[1] = shown[1];
    frame->setDirty();
}

void SynthEditor::editorControlsLib_ContainersForceVisible(e_EditorContainer id)
{
    CViewContainer* view = editorControlsLib_GetContainerObj(id);
    if (!frame || !view)
        return;
    frame->addView(view);
    frame->setDirty();
    frame->redrawDirty();
}

void SynthEditor::editorControlsLib_ContainersForceRemove(e_EditorContainer id)
{
    CViewContainer* view = editorControlsLib_GetContainerObj(id);
    if (!frame || !view)
        return;
    frame->removeView(view, false);
    frame->setDirty();
    frame->redrawDirty();
}
