// The panel's resources: bitmaps, fixed labels, lamps and the LCD prefix, built with the
// editor and kept across openings of the window.
#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"
#include "SynthEditor.h"

#include <algorithm>
#include <cstring>

namespace
{
template <typename T> T* recordOf(const t_EditorResource& resource)
{
    return static_cast<T*>(const_cast<void*>(resource.parameters));
}

template <typename T> const void* copyRecord(const void* record)
{
    return new T(*static_cast<const T*>(record));
}

CRect spanning(int x1, int y1, int x2, int y2)
{
    return CRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

CBitmap* bitmapOf(t_EditorResource* table, e_EditorResourceID id)
{
    const t_EditorResource* r = editorTables_FindResource(table, id);
    return r && r->kind == RESKIND_BITMAP ? recordOf<t_ResourceBitmap>(*r)->bitmap : nullptr;
}

void buildBitmap(t_EditorResource& r, t_EditorResource*, CFrame*)
{
    r.parameters = copyRecord<t_ResourceBitmap>(r.parameters);
    recordOf<t_ResourceBitmap>(r)->bitmap = new CBitmap(r.picture);
}

void buildPicture(t_EditorResource& r, t_EditorResource*, CFrame* frame)
{
    r.parameters = copyRecord<t_ResourcePicture>(r.parameters);
    auto* p = recordOf<t_ResourcePicture>(r);
    p->bitmap = new CBitmap(r.picture);
    const CRect size(p->x, p->y, p->x + p->bitmap->getWidth(), p->y + p->bitmap->getHeight());
    p->view = new CViewContainer(size, frame);
    p->view->setMouseEnabled(false);
    p->view->setTransparency(true);
    p->view->setBackground(p->bitmap);
}

void buildLabel(t_EditorResource& r, t_EditorResource*, CFrame*)
{
    r.parameters = copyRecord<t_ResourceLabel>(r.parameters);
    auto* l = recordOf<t_ResourceLabel>(r);
    l->view = new CTextLabel(spanning(l->x1, l->y1, l->x2, l->y2), l->text, nullptr, kNoFrame);
    l->view->setTransparency(!l->ground);
    if (l->ground)
        l->view->setBackColor(*l->ground);
    l->view->setFont(l->font);
    l->view->setFontColor(*l->colour);
    l->view->setHoriAlign(l->align);
    l->view->setTxtFace(l->face);
}

void buildOnOff(t_EditorResource& r, t_EditorResource* table, CFrame*)
{
    r.parameters = copyRecord<t_ResourceOnOff>(r.parameters);
    auto* o = recordOf<t_ResourceOnOff>(r);
    o->view =
        new COnOffButton(spanning(o->x1, o->y1, o->x2, o->y2), nullptr, 0, bitmapOf(table, o->picture), 0);
    o->view->setMouseEnabled(false);
    o->view->setValue(o->initiallyOn ? 1.0f : 0.0f);
}

void buildBitmapText(t_EditorResource& r, t_EditorResource* table, CFrame*)
{
    r.parameters = copyRecord<t_ResourceBitmapText>(r.parameters);
    auto* t = recordOf<t_ResourceBitmapText>(r);
    t->view = new CBitmapText(spanning(t->x1, t->y1, t->x2, t->y2), nullptr, r.id, t->text, t->chars,
                              t->widths, bitmapOf(table, t->font), 2);
    t->view->setTransparency(true);
}

CView* viewOf(const t_EditorResource& r)
{
    switch (r.kind)
    {
    case RESKIND_PICTURE:
        return recordOf<t_ResourcePicture>(r)->view;
    case RESKIND_LABEL:
        return recordOf<t_ResourceLabel>(r)->view;
    case RESKIND_ON_OFF:
        return recordOf<t_ResourceOnOff>(r)->view;
    case RESKIND_BITMAP_TEXT:
        return recordOf<t_ResourceBitmapText>(r)->view;
    default:
        return nullptr;
    }
}

void freeRecord(t_EditorResource& r)
{
    switch (r.kind)
    {
    case RESKIND_BITMAP:
        recordOf<t_ResourceBitmap>(r)->bitmap->forget();
        delete recordOf<t_ResourceBitmap>(r);
        break;
    case RESKIND_PICTURE:
        recordOf<t_ResourcePicture>(r)->bitmap->forget();
        delete recordOf<t_ResourcePicture>(r);
        break;
    case RESKIND_LABEL:
        delete recordOf<t_ResourceLabel>(r);
        break;
    case RESKIND_ON_OFF:
        delete recordOf<t_ResourceOnOff>(r);
        break;
    case RESKIND_BITMAP_TEXT:
        delete recordOf<t_ResourceBitmapText>(r);
        break;
    }
}

using t_BuildResource = void (*)(t_EditorResource& r, t_EditorResource* table, CFrame* frame);
constexpr t_BuildResource kBuilders[] = {buildBitmap, buildPicture, buildLabel, buildOnOff, buildBitmapText};
} // namespace

void SynthEditor::editorControlsLib_AllocateAndInitResources()
{
    resources =
        editorTables_Copy(c_EditorResources, [](const t_EditorResource& r) { return r.id == RES_END; });
    for (t_EditorResource* r = resources; r && r->id != RES_END; ++r)
        kBuilders[r->kind](*r, resources, frame);
    editorControlsLib_DisplayCurrentPatchPrefix();
    editorControlsLib_ResetParameterInfo();
}

void SynthEditor::editorControlsLib_FreeResources()
{
    if (!resources)
        return;
    for (t_EditorResource* r = resources; r->id != RES_END; ++r)
        if (CView* view = viewOf(*r))
            view->forget();
    for (t_EditorResource* r = resources; r->id != RES_END; ++r)
        freeRecord(*r);
    delete[] resources;
    resources = nullptr;
}

void SynthEditor::editorControlsLib_AddResourcesToFrame(CFrame* target)
{
    for (t_EditorResource* r = resources; r && r->id != RES_END; ++r)
        if (CView* view = viewOf(*r))
            addToTarget(view, r->container, target);
}

t_EditorResource* SynthEditor::editorControlsLib_GetResource(e_EditorResourceID id)
{
    return const_cast<t_EditorResource*>(editorTables_FindResource(resources, id));
}

CBitmap* SynthEditor::editorControlsLib_GetBitmapResourceObj(e_EditorResourceID id)
{
    return bitmapOf(resources, id);
}

CTextLabel* SynthEditor::editorControlsLib_GetLabelResourceObj(e_EditorResourceID id)
{
    const t_EditorResource* r = editorTables_FindResource(resources, id);
    return r && r->kind == RESKIND_LABEL ? recordOf<t_ResourceLabel>(*r)->view : nullptr;
}

COnOffButton* SynthEditor::editorControlsLib_GetOnOffBitmapResourceObj(e_EditorResourceID id)
{
    const t_EditorResource* r = editorTables_FindResource(resources, id);
    return r && r->kind == RESKIND_ON_OFF ? recordOf<t_ResourceOnOff>(*r)->view : nullptr;
}

CBitmapText* SynthEditor::editorControlsLib_GetBitmapTextResourceObj(e_EditorResourceID id)
{
    const t_EditorResource* r = editorTables_FindResource(resources, id);
    return r && r->kind == RESKIND_BITMAP_TEXT ? recordOf<t_ResourceBitmapText>(*r)->view : nullptr;
}
