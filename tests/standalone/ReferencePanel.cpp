#include "ReferencePanel.h"

#include "editor/EditorTables.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/CFrame.h"
#include "support/FileBytes.h"

namespace standalonetest
{
namespace
{
struct PageButton
{
    const char* page;
    e_EditorParameterID button;
};

constexpr PageButton kPageButtons[] = {
    {"part", EPARAM_MODE_PARTS},
    {"mix", EPARAM_MODE_MIX},
    {"global", EPARAM_MODE_GLOBAL},
    {"setup", EPARAM_MODE_SETUP},
};

vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

Picture pictureOf(const gui::Image& image)
{
    Picture picture;
    picture.width = image.width();
    picture.height = image.height();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels.push_back(image.at(x, y) & 0xFFFFFF);
    return picture;
}
} // namespace

Picture readPng(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = contentOf(path);
    gui::Image image;
    gui::decodePng(bytes.data(), bytes.size(), image);
    return pictureOf(image);
}

int differingPixels(const Picture& a, const Picture& b, const CRect& area)
{
    if (a.width != b.width || a.height != b.height)
        return area.getWidth() * area.getHeight();
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            differing += a.at(x, y) != b.at(x, y) ? 1 : 0;
    return differing;
}

ReferencePanel::ReferencePanel()
{
    registerPanelPictures();
    synth = std::make_unique<SynthCommons>(quietHost);
}

ReferencePanel::~ReferencePanel() = default;

Picture ReferencePanel::render(const std::string& page, const std::uint8_t* pattern)
{
    if (pattern)
        synth->patchLib_LoadPattern(pattern);
    for (const PageButton& b : kPageButtons)
        if (page == b.page)
            synth->parameterLib_SetParameterValueFromEditor(b.button, 1.0f);
    SynthEditor* editor = synth->getSynthEditor();
    editor->open(nullptr);
    editor->idle();
    Picture picture = pictureOf(editor->getFrame()->getPlatformWindow()->image());
    editor->close();
    return picture;
}

CPoint panelPlaceOf(e_EditorParameterID id, e_EditorControlKind kind)
{
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->id == id && row->kind == kind)
        {
            const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row->container);
            return CPoint((c ? c->x : 0) + row->x, (c ? c->y : 0) + row->y);
        }
    return CPoint(-1, -1);
}
} // namespace standalonetest
