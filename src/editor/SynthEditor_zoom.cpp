// The panel's zoom: which step the panel opens at (the one the user chose, kept in the user's
// settings for every instance and the standalone editor; else the desktop's scale), and the
// user's changes, from the setup page or Ctrl + plus, minus and 0, applied at the next idle.
#include "SynthEditor.h"

#include "../core/UserSettings.h"
#include "../gui/GuiToolkit.h"
#include "../gui/Zoom.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
constexpr const char* kZoomSetting = "zoom";

// The saved choice; 0 when none (or not a zoom step).
int savedZoom()
{
    const int percent = std::atoi(readUserSetting(kZoomSetting).c_str());
    return gui::isZoomStep(percent) ? percent : 0;
}

// Ctrl + plus (or =) a step up, Ctrl + minus a step down, Ctrl + 0 back to 100 %; 0 for other keys.
int zoomOfKey(const VstKeyCode& key, int current)
{
    if (!(key.modifier & MODIFIER_CONTROL) || key.virt != 0)
        return 0;
    switch (key.character)
    {
    case '+':
    case '=':
        return gui::nextZoomStep(current, +1);
    case '-':
        return gui::nextZoomStep(current, -1);
    case '0':
        return gui::kNoZoom;
    default:
        return 0;
    }
}
} // namespace

int SynthEditor::zoomToOpenAt(void* parent) const
{
    if (const int chosen = zoomOverride.load())
        return chosen;
    if (const int saved = savedZoom())
        return saved;
    return gui::nearestZoomStep(gui::desktopScale(parent));
}

void SynthEditor::overrideZoom(int percent)
{
    if (!gui::isZoomStep(percent))
        return;
    zoomOverride = percent;
    if (!windowOpen)
        setZoom(percent);
}

// Hosts ask before they open the window, to size theirs: the choice is made here, again at
// every opening, so that a change made in another instance is followed.
bool SynthEditor::getRect(ERect** rectOut)
{
    if (!windowOpen)
    {
        setZoom(zoomToOpenAt(nullptr));
        zoomChosen = true;
    }
    return AEffGUIEditor::getRect(rectOut);
}

void SynthEditor::requestZoom(int percent)
{
    if (gui::isZoomStep(percent))
        pendingZoom = percent;
}

void SynthEditor::applyPendingZoom()
{
    const int percent = pendingZoom.exchange(0);
    if (percent == 0)
        return;
    zoomOverride = 0;
    writeUserSetting(kZoomSetting, std::to_string(percent));
    if (percent != getZoom())
    {
        char text[kInfoTextLength];
        if (resizeToZoom(percent))
            std::snprintf(text, sizeof text, "Zoom %d %%", percent);
        else
            std::snprintf(text, sizeof text, "Host keeps size: %d %% next time", percent);
        editorControlsLib_DisplayCurrentParameterInfo(text);
    }
    editorControlsLib_SetControlValue(EPARAM_ZOOM, nullptr, kNoIndex);
}

bool SynthEditor::zoomShortcut(const VstKeyCode& key)
{
    const int percent = zoomOfKey(key, getZoom());
    if (percent == 0)
        return false;
    requestZoom(percent);
    return true;
}
