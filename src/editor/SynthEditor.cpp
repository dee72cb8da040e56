#include "SynthEditor.h"

#include "../core/SynthCommons.h"
#include "../platform/Platform.h"

namespace
{
std::atomic<int> globalKnobMode{kKnobModeCircular};
}

SynthEditor::SynthEditor(SynthCommons* owner) : AEffEditor(owner), synth(owner)
{
    setKnobMode(kKnobModeCircular);
    postProcessInit();
    editorControlsLib_DisplayCurrentPatchPrefix();
    editorControlsLib_ResetParameterInfo();
    setDeviceStatus("ESX not detected");
}

SynthEditor::~SynthEditor() = default;

void SynthEditor::idle()
{
    if (isOpen())
        postProcessExecute();
}

bool SynthEditor::setKnobMode(vst::int32 mode)
{
    globalKnobMode = mode;
    return true;
}

int SynthEditor::getKnobMode()
{
    return globalKnobMode;
}

std::uint32_t SynthEditor::getTicks() const
{
    return platform::tickMs();
}

void SynthEditor::wait(unsigned milliseconds)
{
    platform::sleepMs(milliseconds);
}
