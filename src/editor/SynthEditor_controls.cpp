// Binding between parameters and the panel's controls. The controls exist only while the
// window is open; until then every push does nothing and the next open pushes all values.
// Pushes asked for on other threads are remembered per editor parameter and done at the
// next idle on the user-interface thread.
#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"
#include "EditorControlKinds.h"
#include "SynthEditor.h"

#include <algorithm>

namespace
{
constexpr unsigned kMaxHostTags = 8;
constexpr std::uint32_t kCurrentIndex = kNoIndex;

bool isSubMenuHeader(const char* text)
{
    return text && text[0] == '-' && text[1] == 'S';
}
} // namespace

void SynthEditor::editorControlsLib_AllocateAndInitControls(CFrame*)
{
    controls =
        editorTables_Copy(c_EditorControls, [](const t_EditorControl& row) { return row.id == EPARAM_END; });
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
    {
        const t_EditorParameter* e = synth->parameterLib_GetEditorParameter(row->id);
        const t_ControlKindOps* ops = editorControlKind(row->kind);
        if (!e || !ops)
        {
            row->parameters = nullptr; // skipped by every walk
            continue;
        }
        ops->build(this, row, e);
    }
    allPushesPending = false;
    for (auto& word : pushesPending)
        word = 0;
    editorControlsLib_SetAllControlValue(nullptr);
    editorControlsLib_SetControlsTag();
}

void SynthEditor::editorControlsLib_AddControlsToFrame(CFrame* target)
{
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
        if (row->parameters)
            editorControlKind(row->kind)->place(row, targetOf(row->container, target));
}

void SynthEditor::editorControlsLib_FreeControls()
{
    t_EditorControl* table = controls;
    controls = nullptr;
    for (t_EditorControl* row = table; row && row->id != EPARAM_END; ++row)
        if (row->parameters)
            editorControlKind(row->kind)->release(row);
    delete[] table;
}

void SynthEditor::editorControlsLib_SetControlsTag()
{
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
    {
        if (!row->parameters)
            continue;
        const t_HostParameter* hosts[kMaxHostTags] = {};
        const unsigned count =
            synth->parameterLib_GetHostParameter(synth->parameterLib_GetEditorParameter(row->id), hosts);
        const long tag = count > 0 ? static_cast<long>(hosts[0]->id) : -1;
        const long extraTag = count > 1 ? static_cast<long>(hosts[1]->id) : -1;
        editorControlKind(row->kind)->tag(row, tag, extraTag);
    }
}

t_EditorControl* SynthEditor::editorControlsLib_GetEditorControl(const CControl* control)
{
    for (t_EditorControl* row = controls; control && row && row->id != EPARAM_END; ++row)
        if (row->parameters && editorControlKind(row->kind)->owns(row, control))
            return row;
    return nullptr;
}

const t_EditorControl* SynthEditor::editorControlsLib_GetFirstMatchingControl(e_EditorParameterID id)
{
    if (!isOpen())
        return nullptr;
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->id == id)
            return row;
    return nullptr;
}

t_EditorControl* SynthEditor::firstControlRow(e_EditorParameterID id)
{
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
        if (row->id == id && row->parameters)
            return row;
    return nullptr;
}

void SynthEditor::pushRow(t_EditorControl* row, CControl* leaveAlone, std::uint32_t index)
{
    const t_EditorParameter* e = synth->parameterLib_GetEditorParameter(row->id);
    if (!e)
        return;
    if (index == kCurrentIndex && e->chooser)
        index = e->chooser(synth);
    if (!row->isDisplayed(this, index))
        return;
    const float value = synth->parameterLib_GetParameterValueFromEditor(row->id);
    editorControlKind(row->kind)->push(this, row, e, value, leaveAlone);
}

void SynthEditor::editorControlsLib_SetControlValue(e_EditorParameterID id, CControl* leaveAlone,
                                                    std::uint32_t index)
{
    if (id >= EPARAM_END)
        return;
    if (!onUserInterfaceThread())
    {
        pushesPending[id / 64].fetch_or(std::uint64_t{1} << (id % 64));
        return;
    }
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
        if (row->id == id && row->parameters)
            pushRow(row, leaveAlone, index);
}

void SynthEditor::editorControlsLib_SetAllControlValue(CControl* leaveAlone)
{
    if (!onUserInterfaceThread())
    {
        allPushesPending = true;
        return;
    }
    for (t_EditorControl* row = controls; row && row->id != EPARAM_END; ++row)
        if (row->parameters)
            pushRow(row, leaveAlone, kCurrentIndex);
}

// The info line was written when the values changed; a pushed FX type renames its knobs only
// now, so a line that shows one of them is written again.
void SynthEditor::applyPendingPushes()
{
    if (allPushesPending.exchange(false))
    {
        for (auto& word : pushesPending)
            word = 0;
        editorControlsLib_SetAllControlValue(nullptr);
        return editorControlsLib_RefreshParameterInfo();
    }
    bool infoDepends = false;
    for (int w = 0; w < kPushWords; ++w)
    {
        std::uint64_t bits = pushesPending[w].exchange(0);
        for (int bit = 0; bits; ++bit, bits >>= 1)
        {
            if (!(bits & 1))
                continue;
            const auto id = static_cast<e_EditorParameterID>(w * 64 + bit);
            editorControlsLib_SetControlValue(id, nullptr, kCurrentIndex);
            infoDepends = infoDepends || editorControlsLib_NeedToUpdateCurrentParameterInfo(id);
        }
    }
    if (infoDepends)
        editorControlsLib_RefreshParameterInfo();
}

void SynthEditor::editorControlsLib_UpdateProgramName()
{
    editorControlsLib_SetControlValue(EPARAM_PATCH_NAME, nullptr, kCurrentIndex);
}

// --- Menus ---------------------------------------------------------------------------------------

t_MenuItem SynthEditor::editorControlsLib_GetMenuItemDisplayStr(t_EditorParameter* e,
                                                                const t_Menu_TypeStruct* menu,
                                                                std::uint32_t index)
{
    if (menu->items)
        return menu->items(this, index, false, false);
    if (!e || !e->values)
        return {0, nullptr};
    for (std::uint32_t i = 0; e->values[i].label; ++i)
        if (i == index)
            return {static_cast<std::int32_t>(e->values[i].value), e->values[i].label};
    return {0, nullptr};
}

void SynthEditor::editorControlsLib_AllocateSubMenuObjs(t_EditorParameter* e, t_Menu_TypeStruct* menu,
                                                        const CRect& size, long tag)
{
    int count = 0;
    for (std::uint32_t i = 0;; ++i)
    {
        const t_MenuItem item = editorControlsLib_GetMenuItemDisplayStr(e, menu, i);
        if (!item.text)
            break;
        count += isSubMenuHeader(item.text) ? 1 : 0;
    }
    if (count == 0)
        return;
    menu->subMenus = new COptionMenu*[count + 1]();
    for (int s = 0; s < count; ++s)
    {
        auto* sub = new COptionMenu(size, nullptr, tag, nullptr, nullptr, kCheckStyle);
        sub->setTxtFace(kBoldFace);
        sub->setTransparency(true);
        sub->setFontColor(kWhiteCColor);
        sub->setNbItemsPerColumn(28);
        sub->setHoriAlign(menu->align);
        menu->subMenus[s] = sub;
    }
}

void SynthEditor::editorControlsLib_SubMenusAddEntries(t_EditorParameter* e, t_Menu_TypeStruct* menu)
{
    COptionMenu* target = menu->menu;
    int nextSub = 0;
    for (std::uint32_t i = 0;; ++i)
    {
        const t_MenuItem item = editorControlsLib_GetMenuItemDisplayStr(e, menu, i);
        if (!item.text)
            return;
        if (isSubMenuHeader(item.text) && menu->subMenus && menu->subMenus[nextSub])
        {
            target = menu->subMenus[nextSub++];
            menu->menu->addEntry(target, item.text + 2);
        }
        else
            target->addEntry(item.text);
    }
}

bool SynthEditor::menuPlaceOf(t_EditorParameter* e, const t_Menu_TypeStruct* menu, std::uint32_t listIndex,
                              COptionMenu** place, long* index)
{
    COptionMenu* target = menu->menu;
    long inTarget = 0;
    int nextSub = 0;
    for (std::uint32_t i = 0;; ++i)
    {
        const t_MenuItem item = editorControlsLib_GetMenuItemDisplayStr(e, menu, i);
        if (!item.text)
            return false;
        if (isSubMenuHeader(item.text) && menu->subMenus && menu->subMenus[nextSub])
        {
            target = menu->subMenus[nextSub++];
            inTarget = 0;
            if (i == listIndex)
                return false;
            continue;
        }
        if (i == listIndex)
        {
            *place = target;
            *index = inTarget;
            return true;
        }
        ++inTarget;
    }
}

void SynthEditor::selectMenuListEntry(t_EditorParameter* e, t_Menu_TypeStruct* menu, std::uint32_t listIndex)
{
    COptionMenu* place = nullptr;
    long index = 0;
    if (menuPlaceOf(e, menu, listIndex, &place, &index))
        menu->menu->selectEntry(place, index);
}

int SynthEditor::menuListIndexOfChoice(t_EditorParameter* e, const t_Menu_TypeStruct* menu)
{
    long chosenIndex = -1;
    COptionMenu* chosen = menu->menu->getLastItemMenu(chosenIndex);
    if (!chosen)
    {
        chosen = menu->menu;
        chosenIndex = menu->menu->getCurrent();
    }
    for (std::uint32_t i = 0;; ++i)
    {
        COptionMenu* place = nullptr;
        long index = 0;
        const t_MenuItem item = editorControlsLib_GetMenuItemDisplayStr(e, menu, i);
        if (!item.text)
            return -1;
        if (menuPlaceOf(e, menu, i, &place, &index) && place == chosen && index == chosenIndex)
            return static_cast<int>(i);
    }
}
