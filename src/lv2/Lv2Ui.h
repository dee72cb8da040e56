// The panel as an LV2 UI: the core's editor, embedded in the host's window (ui:parent) or, for a
// host that only shows UIs (ui:showInterface), in a window of its own. It reaches the plug-in
// through instance access; what the plug-in reports about its parameters goes to the host as
// port writes, framed by touch where the host offers it.
#pragma once

#include "Lv2Ports.h"

#include <lv2/ui/ui.h>

#include <array>
#include <memory>

class SynthEditor;

namespace gui
{
class HostWindow;
}

namespace lv2
{
class Lv2Plugin;

class Lv2Ui
{
public:
    // Null without instance access or when the panel cannot be opened in the parent.
    static Lv2Ui* create(LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                         const LV2_Feature* const* features);
    ~Lv2Ui();
    Lv2Ui(const Lv2Ui&) = delete;
    Lv2Ui& operator=(const Lv2Ui&) = delete;

    void portEvent(std::uint32_t port, std::uint32_t size, std::uint32_t protocol, const void* buffer);
    // Non-zero once the user closed the UI's own window.
    int idle();
    int show();
    int hide();
    // The host's area for the panel: the panel keeps its size, in the middle of the area.
    int resize(int width, int height);
    // The panel's new size after a zoom change: the UI's own window takes it, or the host is
    // asked (ui:resize). False when there is no one to ask or the host refused.
    bool sizeWindow(int width, int height);

private:
    Lv2Ui(Lv2Plugin& plugin, LV2UI_Write_Function write, LV2UI_Controller controller,
          const LV2UI_Touch* touch, const LV2UI_Resize* hostResize);
    bool ownsPanel() const;
    void passReports();
    void writePort(std::uint32_t port, float value);

    Lv2Plugin& plugin;
    SynthEditor& editor;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2UI_Touch* touch;
    const LV2UI_Resize* hostResize;
    std::unique_ptr<gui::HostWindow> ownWindow;
    std::array<float, PORT_COUNT> hostValues{};
    std::array<bool, PORT_COUNT> hostValueKnown{};
};
} // namespace lv2
