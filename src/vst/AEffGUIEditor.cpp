#include "AEffGUIEditor.h"

#include "AudioEffectX.h"
#include "gui/CFrame.h"
#include "gui/Zoom.h"
#include "platform/Platform.h"

#include <algorithm>

namespace
{
std::atomic<int> knobMode{0};
constexpr std::uint32_t kWaitStepMs = 5;
} // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect) : AEffEditor(effect) {}

AEffGUIEditor::~AEffGUIEditor()
{
    delete frame;
}

bool AEffGUIEditor::getRect(ERect** rectOut)
{
    if (!rectOut)
        return false;
    *rectOut = &rect;
    return true;
}

void AEffGUIEditor::setPanelSize(int width, int height)
{
    panelWidth = width;
    panelHeight = height;
    updateRect();
}

void AEffGUIEditor::updateRect()
{
    rect = ERect{0, 0, static_cast<std::int16_t>(gui::toPixels(panelHeight, zoom)),
                 static_cast<std::int16_t>(gui::toPixels(panelWidth, zoom))};
}

void AEffGUIEditor::setZoom(int percent)
{
    if (!gui::isZoomStep(percent))
        return;
    zoom = percent;
    updateRect();
    if (frame)
        frame->setZoom(percent);
}

bool AEffGUIEditor::resizeToZoom(int percent)
{
    if (!gui::isZoomStep(percent))
        return false;
    if (!frame || percent == zoom)
    {
        setZoom(percent);
        return true;
    }
    // The new size stands while the host is asked: hosts ask effEditGetRect while they resize.
    const int previous = zoom;
    zoom = percent;
    updateRect();
    auto* host = dynamic_cast<AudioEffectX*>(effect);
    if (!host || !host->sizeWindow(rect.right, rect.bottom))
    {
        zoom = previous;
        updateRect();
        return false;
    }
    setZoom(percent);
    return true;
}

bool AEffGUIEditor::open(void* ptr)
{
    if (isOpen() || frame)
        close();
    uiThread.store(std::this_thread::get_id());
    return AEffEditor::open(ptr);
}

void AEffGUIEditor::close()
{
    delete frame;
    frame = nullptr;
    AEffEditor::close();
}

// Hosts call idle on their user-interface thread, which is not always the one that opened.
void AEffGUIEditor::idle()
{
    uiThread.store(std::this_thread::get_id());
    doIdleStuff();
}

void AEffGUIEditor::doIdleStuff()
{
    if (frame && onUserInterfaceThread())
        frame->idle();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode)
{
    return frame && frame->onKeyDown(keyCode);
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode)
{
    return frame && frame->onKeyUp(keyCode);
}

bool AEffGUIEditor::setKnobMode(vst::int32 mode)
{
    knobMode.store(std::clamp(mode, 0, 2));
    return true;
}

int AEffGUIEditor::getKnobMode()
{
    return knobMode.load();
}

void AEffGUIEditor::beginEdit(int index)
{
    if (auto* host = dynamic_cast<AudioEffectX*>(effect))
        host->beginEdit(index);
}

void AEffGUIEditor::endEdit(int index)
{
    if (auto* host = dynamic_cast<AudioEffectX*>(effect))
        host->endEdit(index);
}

std::uint32_t AEffGUIEditor::getTicks() const
{
    return platform::tickMs();
}

bool AEffGUIEditor::onUserInterfaceThread() const
{
    return uiThread.load() == std::this_thread::get_id();
}

void AEffGUIEditor::wait(std::uint32_t milliseconds)
{
    if (!onUserInterfaceThread())
    {
        platform::sleepMs(milliseconds);
        return;
    }
    const std::uint32_t start = getTicks();
    for (std::uint32_t waited = 0; waited < milliseconds; waited = getTicks() - start)
    {
        doIdleStuff();
        platform::sleepMs(std::min(kWaitStepMs, milliseconds - waited));
    }
}
