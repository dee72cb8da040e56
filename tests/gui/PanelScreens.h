// Every screen of the panel as a user meets it: the pages, the fifteen parts, setup in both
// MIDI modes, the MIDI test's verdicts and a question. Each is drawn offscreen by a plug-in
// of its own, so that no screen depends on the one before.
#pragma once

#include "editor/EditorTables.h"
#include "gui/Image.h"
#include "gui/Zoom.h"

#include <cstddef>

class SynthCommons;
class SynthEditor;

namespace panelscreens
{
struct t_Screen
{
    const char* name;         // the picture's file name, without ".png"
    e_EditorParameterID part; // the part page's selector; EPARAM_END for the other screens
    void (*prepare)(SynthCommons&, SynthEditor&); // null for a part
};

extern const t_Screen c_Screens[];
extern const std::size_t kScreenCount;

// The panel opened on the screen at the zoom step and drawn offscreen.
gui::Image render(const t_Screen& screen, int zoom = gui::kNoZoom);
} // namespace panelscreens
