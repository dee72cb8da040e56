// Linear look-ups in the panel's tables.
#include "EditorTables.h"

const t_EditorPicture* editorTables_FindPicture(int number)
{
    for (const t_EditorPicture* p = c_EditorPictures; p->number != 0; ++p)
        if (p->number == number)
            return p;
    return nullptr;
}

const t_EditorResource* editorTables_FindResource(const t_EditorResource* table, e_EditorResourceID id)
{
    for (const t_EditorResource* r = table; r && r->id != RES_END; ++r)
        if (r->id == id)
            return r;
    return nullptr;
}

const t_EditorContainer* editorTables_FindContainer(const t_EditorContainer* table, e_EditorContainer id)
{
    if (id == CONT_FRAME || id == CONT_WORD1)
        return nullptr;
    for (const t_EditorContainer* c = table; c && c->id != CONT_FRAME; ++c)
        if (c->id == id)
            return c;
    return nullptr;
}

bool editorTables_FrameSize(e_EditorResourceID id, int* width, int* height)
{
    const t_EditorResource* r = editorTables_FindResource(c_EditorResources, id);
    const t_EditorPicture* p = r ? editorTables_FindPicture(r->picture) : nullptr;
    if (!p)
        return false;
    *width = p->width;
    *height = p->height / p->frames;
    return true;
}
