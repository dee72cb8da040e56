// The plug-in's entry point, the only symbol the module exports (PAVONIS_ENTRY_POINT marks it
// where the build exports by visibility).
#include "../editor/PanelPictures.h"
#include "SynthCommons.h"

#include <new>

extern "C" PAVONIS_ENTRY_POINT AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr; // no host, or one too old to talk to
    registerPanelPictures();
    try
    {
        AudioEffect* effect = createEffectInstance(audioMaster);
        return effect->getAeffect();
    }
    catch (const std::bad_alloc&)
    {
        return nullptr; // construction failed: the host gets no effect
    }
}
