// What the panel tests in the X server share: the panel of the built Pavonis.so opened the
// way a host opens it (our dlopen host, effEditOpen with a parent window, effEditIdle in a
// loop) and used with XTEST, and the same panel rendered offscreen by the core linked into
// the test, to compare what the server shows with what a state should look like.
#pragma once

#include "X11TestHost.h"

#include "core/SynthCommons.h"
#include "editor/PanelPictures.h"
#include "editor/SynthEditor.h"
#include "gui/GuiToolkit.h"
#include "host/PluginHost.h"
#include "params/ParameterValues.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace guitest
{
constexpr int kWidth = 797;
constexpr int kHeight = 203;

using Image = std::vector<std::uint32_t>; // 0xRRGGBB per pixel

inline vst::intptr quietHost(AEffect*, vst::int32 opcode, vst::int32, vst::intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

// The panel as the core draws it offscreen in a given state.
class ReferencePanel
{
public:
    ReferencePanel()
    {
        registerPanelPictures();
        synth = std::make_unique<SynthCommons>(quietHost);
        editor = synth->getSynthEditor();
        editor->editorControlsLib_RemoveQuestion();
    }

    Image render(const std::function<void(SynthCommons&, SynthEditor&)>& prepare = {})
    {
        editor->open(nullptr);
        if (prepare)
            prepare(*synth, *editor);
        editor->idle();
        const gui::Image& shown = editor->getFrame()->getPlatformWindow()->image();
        Image image(kWidth * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                image[y * kWidth + x] = shown.at(x, y) & 0xFFFFFF;
        editor->close();
        return image;
    }

    std::unique_ptr<SynthCommons> synth;
    SynthEditor* editor = nullptr;
};

// What the X server shows of a window (its panel-sized top left), as 0xRRGGBB pixels.
inline Image windowImage(Display* display, Drawable window)
{
    XImage* image = XGetImage(display, window, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    Image pixels(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            pixels[y * kWidth + x] = XGetPixel(image, x, y) & 0xFFFFFF;
    XDestroyImage(image);
    return pixels;
}

// A click on the panel as a user makes it, the host idling between the steps.
template <typename Idle> void clickPanel(const Host& host, CPoint p, Idle idleFor)
{
    host.movePanel(p);
    idleFor(20);
    host.button(true);
    idleFor(30);
    host.button(false);
    idleFor(40);
}

inline void selectMode(SynthCommons& synth, SynthEditor& editor, e_EditorParameterID button)
{
    synth.parameterLib_SetParameterValueFromEditor(button, 1.0f);
    editor.refreshAfterSelection();
}

inline void writePng(const Image& image, const std::string& path)
{
    gui::Image opaque(kWidth, kHeight);
    for (std::size_t i = 0; i < image.size(); ++i)
    {
        const std::uint32_t pixel = image[i] | 0xFF000000u;
        std::memcpy(opaque.data() + 4 * i, &pixel, sizeof pixel);
    }
    gui::writePng(opaque, path.c_str());
}

// Where the controls stand on the panel: their container's origin plus their place.
inline CPoint centreOf(e_EditorParameterID id, e_EditorControlKind kind, int dx = 10, int dy = 8)
{
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
    {
        if (row->id != id || row->kind != kind)
            continue;
        const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row->container);
        return CPoint((c ? c->x : 0) + row->x + dx, (c ? c->y : 0) + row->y + dy);
    }
    ADD_FAILURE() << "no control row for " << id;
    return CPoint();
}

// The plug-in through its AEffect record, its editor in the host's window.
class PanelInX : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!host.display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
        reference = std::make_unique<ReferencePanel>();
        plugin = std::make_unique<PluginInstance>();
        plugin->dispatch(effEditOpen, 0, reinterpret_cast<vst::intptr>(host.display),
                         reinterpret_cast<void*>(static_cast<std::uintptr_t>(host.parent)));
        idleFor(100);
        click(centreOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6)); // "Sync now ?": no
    }
    void TearDown() override
    {
        if (plugin)
            plugin->dispatch(effEditClose);
    }

    void idleFor(int milliseconds)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end)
        {
            plugin->dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    void click(CPoint p)
    {
        clickPanel(host, p, [this](int milliseconds) { idleFor(milliseconds); });
    }
    // Moves the pointer off every control, so that nothing hovered changes the picture.
    void park() { host.moveTo(kParentX + kWidth + 50, kParentY + kHeight + 50); }

    Image screen() const { return windowImage(host.display, host.parent); }
    // Idles until the window shows the image in the area, attempts x 50 ms at most; the count of
    // differing pixels. When some remain, both pictures are written beside the test for a look.
    // The info line is left out unless the area is the info line: a container that stays on
    // screen keeps its place in the drawing order, so a page added later covers the foot of its
    // text where the offscreen panel, built at once, has it on top.
    int differencesFrom(const Image& expected, const char* name, CRect area = CRect(0, 0, kWidth, kHeight),
                        int attempts = 40)
    {
        const t_EditorContainer* info = editorTables_FindContainer(c_EditorContainers, CONT_INFO_LINE);
        const CRect infoLine(info->x, info->y, info->x + info->width, info->y + info->height);
        const CRect excluded = area == infoLine ? CRect() : infoLine;
        int differing = 0;
        Image shown;
        for (int attempt = 0; attempt < attempts; ++attempt)
        {
            shown = screen();
            differing = 0;
            for (int y = area.top; y < area.bottom; ++y)
                for (int x = area.left; x < area.right; ++x)
                    differing += shown[y * kWidth + x] != expected[y * kWidth + x] &&
                                         !excluded.pointInside(CPoint(x, y))
                                     ? 1
                                     : 0;
            if (differing == 0)
                return 0;
            idleFor(50);
        }
        writePng(shown, std::string("panel-shown-") + name + ".png");
        writePng(expected, std::string("panel-expected-") + name + ".png");
        return differing;
    }

    // Idles until the info line shows the text.
    bool infoLineShows(const std::string& text, int attempts = 40)
    {
        const Image expected = reference->render(
            [&](SynthCommons&, SynthEditor& editor)
            {
                editor.editorControlsLib_RemoveQuestion();
                editor.editorControlsLib_DisplayCurrentParameterInfo(text.c_str());
            });
        const t_EditorContainer* info = editorTables_FindContainer(c_EditorContainers, CONT_INFO_LINE);
        return differencesFrom(expected, "info-line",
                               CRect(info->x, info->y, info->x + info->width, info->y + info->height),
                               attempts) == 0;
    }

    bool questionShows(int type, int attempts = 40)
    {
        const Image expected = reference->render([&](SynthCommons&, SynthEditor& editor)
                                                 { editor.editorControlsLib_AskQuestion(type); });
        const t_EditorContainer* box = editorTables_FindContainer(c_EditorContainers, CONT_QUESTION);
        return differencesFrom(expected, "question",
                               CRect(box->x, box->y, box->x + box->width, box->y + box->height),
                               attempts) == 0;
    }

    void answer(bool yes)
    {
        click(centreOf(yes ? EPARAM_QUESTION_YES : EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6));
    }

    DisplayLock lock;
    Host host{kWidth, kHeight};
    std::unique_ptr<ReferencePanel> reference; // made in SetUp, after a derived fixture's devices
    std::unique_ptr<PluginInstance> plugin;
};

} // namespace guitest
