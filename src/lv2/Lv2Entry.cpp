// The module's two entry points: lv2_descriptor (the plug-in) and lv2ui_descriptor (its panel).
// Nothing else is exported.
#include "Lv2Plugin.h"
#include "Lv2Ui.h"

#include <lv2/core/lv2.h>
#include <lv2/state/state.h>
#include <lv2/ui/ui.h>
#include <lv2/worker/worker.h>

#include <cstring>

namespace
{
using lv2::Lv2Plugin;
using lv2::Lv2Ui;

Lv2Plugin* pluginOf(LV2_Handle instance)
{
    return static_cast<Lv2Plugin*>(instance);
}

Lv2Ui* uiOf(LV2UI_Handle handle)
{
    return static_cast<Lv2Ui*>(handle);
}

LV2_Handle instantiate(const LV2_Descriptor*, double sampleRate, const char*,
                       const LV2_Feature* const* features)
{
    return Lv2Plugin::create(sampleRate, features);
}

void connectPort(LV2_Handle instance, uint32_t port, void* data)
{
    pluginOf(instance)->connect(port, data);
}

void activate(LV2_Handle instance)
{
    pluginOf(instance)->activate();
}

void run(LV2_Handle instance, uint32_t frames)
{
    pluginOf(instance)->run(frames);
}

void deactivate(LV2_Handle) {}

void cleanup(LV2_Handle instance)
{
    delete pluginOf(instance);
}

LV2_State_Status saveState(LV2_Handle instance, LV2_State_Store_Function store, LV2_State_Handle handle,
                           uint32_t, const LV2_Feature* const*)
{
    return pluginOf(instance)->save(store, handle);
}

LV2_State_Status restoreState(LV2_Handle instance, LV2_State_Retrieve_Function retrieve,
                              LV2_State_Handle handle, uint32_t, const LV2_Feature* const*)
{
    return pluginOf(instance)->restore(retrieve, handle);
}

LV2_Worker_Status work(LV2_Handle instance, LV2_Worker_Respond_Function, LV2_Worker_Respond_Handle,
                       uint32_t size, const void* data)
{
    return pluginOf(instance)->work(size, data);
}

LV2_Worker_Status workResponse(LV2_Handle, uint32_t, const void*)
{
    return LV2_WORKER_SUCCESS;
}

const LV2_State_Interface kStateInterface = {saveState, restoreState};
const LV2_Worker_Interface kWorkerInterface = {work, workResponse, nullptr};

const void* extensionData(const char* uri)
{
    if (std::strcmp(uri, LV2_STATE__interface) == 0)
        return &kStateInterface;
    if (std::strcmp(uri, LV2_WORKER__interface) == 0)
        return &kWorkerInterface;
    return nullptr;
}

const LV2_Descriptor kPlugin = {lv2::kPluginUri, instantiate, connectPort,  activate, run,
                                deactivate,      cleanup,     extensionData};

// --- The panel ------------------------------------------------------------------------------------

LV2UI_Handle instantiateUi(const LV2UI_Descriptor*, const char* pluginUri, const char*,
                           LV2UI_Write_Function write, LV2UI_Controller controller, LV2UI_Widget* widget,
                           const LV2_Feature* const* features)
{
    if (!pluginUri || std::strcmp(pluginUri, lv2::kPluginUri) != 0)
        return nullptr;
    return Lv2Ui::create(write, controller, widget, features);
}

void cleanupUi(LV2UI_Handle handle)
{
    delete uiOf(handle);
}

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t protocol, const void* buffer)
{
    uiOf(handle)->portEvent(port, size, protocol, buffer);
}

int idleUi(LV2UI_Handle handle)
{
    return uiOf(handle)->idle();
}

int showUi(LV2UI_Handle handle)
{
    return uiOf(handle)->show();
}

int hideUi(LV2UI_Handle handle)
{
    return uiOf(handle)->hide();
}

int resizeUi(LV2UI_Feature_Handle handle, int width, int height)
{
    return uiOf(handle)->resize(width, height);
}

const LV2UI_Idle_Interface kIdleInterface = {idleUi};
const LV2UI_Show_Interface kShowInterface = {showUi, hideUi};
const LV2UI_Resize kResizeInterface = {nullptr, resizeUi};

const void* uiExtensionData(const char* uri)
{
    if (std::strcmp(uri, LV2_UI__idleInterface) == 0)
        return &kIdleInterface;
    if (std::strcmp(uri, LV2_UI__showInterface) == 0)
        return &kShowInterface;
    if (std::strcmp(uri, LV2_UI__resize) == 0)
        return &kResizeInterface;
    return nullptr;
}

const LV2UI_Descriptor kUi = {lv2::kUiUri, instantiateUi, cleanupUi, portEvent, uiExtensionData};
} // namespace

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    return index == 0 ? &kPlugin : nullptr;
}

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index)
{
    return index == 0 ? &kUi : nullptr;
}
