#include "Lv2Ui.h"

#include "Lv2Plugin.h"
#include "core/SynthCommons.h"
#include "editor/SynthEditor.h"
#include "gui/CFrame.h"
#include "gui/HostWindow.h"

#include <lv2/instance-access/instance-access.h>

#include <cstring>
#include <new>

namespace lv2
{
namespace
{

LV2UI_Widget nativeWindowOf(SynthEditor& editor)
{
    CFrame* frame = editor.getFrame();
    gui::FrameWindow* window = frame ? frame->getPlatformWindow() : nullptr;
    return window ? reinterpret_cast<LV2UI_Widget>(window->nativeHandle()) : nullptr;
}
} // namespace

Lv2Ui* Lv2Ui::create(LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                     const LV2_Feature* const* features)
{
    auto* plugin = static_cast<Lv2Plugin*>(const_cast<void*>(featureData(features, LV2_INSTANCE_ACCESS_URI)));
    void* parent = const_cast<void*>(featureData(features, LV2_UI__parent));
    const auto* touch = static_cast<const LV2UI_Touch*>(featureData(features, LV2_UI__touch));
    const auto* resize = static_cast<const LV2UI_Resize*>(featureData(features, LV2_UI__resize));
    if (!plugin || !write || !plugin->synth().getSynthEditor())
        return nullptr;
    auto* ui = new (std::nothrow) Lv2Ui(*plugin, write, controller, touch, resize);
    if (!ui)
        return nullptr;
    if (widget)
        *widget = nullptr;
    if (!parent)
        return ui; // shown in a window of its own (show)
    ui->editor.open(parent);
    plugin->panelOwner = ui;
    const LV2UI_Widget window = nativeWindowOf(ui->editor);
    if (!window)
    {
        delete ui;
        return nullptr;
    }
    if (widget)
        *widget = window;
    ERect* rect = nullptr;
    if (ui->editor.getRect(&rect) && rect) // the size of the zoom it opened at
        ui->sizeWindow(rect->right - rect->left, rect->bottom - rect->top);
    return ui;
}

Lv2Ui::Lv2Ui(Lv2Plugin& owner, LV2UI_Write_Function writeFunction, LV2UI_Controller hostController,
             const LV2UI_Touch* hostTouch, const LV2UI_Resize* resize)
    : plugin(owner), editor(*owner.synth().getSynthEditor()), write(writeFunction),
      controller(hostController), touch(hostTouch), hostResize(resize)
{
}

Lv2Ui::~Lv2Ui()
{
    if (ownsPanel())
    {
        editor.close();
        plugin.panelOwner = nullptr;
    }
}

bool Lv2Ui::ownsPanel() const
{
    return plugin.panelOwner == this;
}

void Lv2Ui::portEvent(std::uint32_t port, std::uint32_t size, std::uint32_t protocol, const void* buffer)
{
    if (port >= PORT_COUNT || protocol != 0 || size != sizeof(float) || !buffer)
        return;
    std::memcpy(&hostValues[port], buffer, sizeof(float));
    hostValueKnown[port] = true;
}

int Lv2Ui::idle()
{
    if (ownWindow && !ownWindow->processEvents())
        return 1;
    if (ownsPanel())
        editor.idle();
    passReports();
    return 0;
}

int Lv2Ui::show()
{
    if (ownWindow)
        return 0;
    ERect* rect = nullptr;
    if (!editor.getRect(&rect) || !rect)
        return 1;
    ownWindow = gui::createHostWindow("Pavonis", rect->right - rect->left, rect->bottom - rect->top);
    if (!ownWindow)
        return 1;
    editor.open(ownWindow->handle());
    plugin.panelOwner = this;
    ownWindow->show();
    return 0;
}

int Lv2Ui::hide()
{
    if (ownsPanel())
    {
        editor.close();
        plugin.panelOwner = nullptr;
    }
    ownWindow.reset();
    return 0;
}

int Lv2Ui::resize(int width, int height)
{
    CFrame* frame = ownsPanel() ? editor.getFrame() : nullptr;
    if (!frame || !frame->getPlatformWindow())
        return 1;
    frame->getPlatformWindow()->centreIn(width, height);
    return 0;
}

bool Lv2Ui::sizeWindow(int width, int height)
{
    if (ownWindow)
    {
        ownWindow->resize(width, height);
        return true;
    }
    return hostResize && hostResize->ui_resize(hostResize->handle, width, height) == 0;
}

// What the plug-in reported since the last idle, for each port: the grab, the latest value
// (when the host does not have it already) and the release.
void Lv2Ui::passReports()
{
    ParameterReports& reports = plugin.reports();
    for (std::uint32_t port = PORT_FIRST_PARAMETER; port < PORT_PROGRAM; ++port)
    {
        const ParameterReports::Step step = reports.take(port);
        if (step.grab && touch)
            touch->touch(touch->handle, port, true);
        if (step.write && !(hostValueKnown[port] && hostValues[port] == step.value))
            writePort(port, step.value);
        if (step.release && touch)
            touch->touch(touch->handle, port, false);
    }
    if (plugin.takeDisplayChanged())
    {
        const auto program = static_cast<float>(plugin.synth().getProgram());
        if (!(hostValueKnown[PORT_PROGRAM] && hostValues[PORT_PROGRAM] == program))
            writePort(PORT_PROGRAM, program);
    }
}

void Lv2Ui::writePort(std::uint32_t port, float value)
{
    plugin.watch().expectEcho(port, value);
    hostValues[port] = value;
    hostValueKnown[port] = true;
    write(controller, port, sizeof value, 0, &value);
}
} // namespace lv2
