#include "HostedPlugin.h"

#include "PavonisVersion.h"
#include "core/ProductNames.h"
#include "platform/Files.h"

#include <cstdio>
#include <cstdlib>

namespace standalone
{
namespace
{
constexpr vst::intptr kHostVstVersion = 2400;
constexpr const char* kHostProduct = "Pavonis Standalone";
constexpr int kHostStringLength = 64;

// The host's answers. Automation, edits and display updates are welcome and need nothing
// here; MIDI for the host has nowhere to go (the plug-in reaches the device in Tether MIDI).
// The editor's window takes the size the editor asks for when a window is there to take it.
vst::intptr hostCallback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                         float)
{
    switch (opcode)
    {
    case audioMasterSizeWindow:
        return effect && effect->user &&
                       static_cast<const HostedPlugin*>(effect->user)
                           ->sizeWindow(index, static_cast<int>(value))
                   ? 1
                   : 0;
    case audioMasterVersion:
        return kHostVstVersion;
    case audioMasterGetProductString:
    case audioMasterGetVendorString:
        if (!ptr)
            return 0;
        std::snprintf(static_cast<char*>(ptr), kHostStringLength, "%s",
                      opcode == audioMasterGetProductString ? kHostProduct : kVendorName);
        return 1;
    case audioMasterGetVendorVersion:
        return kPavonisVersionNumber;
    case audioMasterAutomate:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
    case audioMasterUpdateDisplay:
        return 1;
    default:
        return 0;
    }
}

using EntryPoint = AEffect* (*)(audioMasterCallback);

std::vector<std::string> pluginCandidates(const std::string& option)
{
    if (!option.empty())
        return {option};
    std::vector<std::string> candidates;
    if (const char* chosen = std::getenv("PAVONIS_PLUGIN"); chosen && *chosen)
        return {chosen};
    if (const std::string folder = platform::programFolder(); !folder.empty())
    {
        candidates.push_back(folder + "/Pavonis.so");
        candidates.push_back(folder + "/" PAVONIS_PLUGIN_FROM_PROGRAM "/Pavonis.so");
        if (folder == PAVONIS_BUILD_FOLDER)
            candidates.push_back(PAVONIS_BUILD_PLUGIN);
    }
    candidates.push_back(PAVONIS_INSTALL_FOLDER "/Pavonis.so");
    if (const char* home = std::getenv("HOME"); home && *home)
        candidates.push_back(std::string(home) + "/.vst/Pavonis.so");
    return candidates;
}
} // namespace

std::string findPlugin(const std::string& option)
{
    for (const std::string& candidate : pluginCandidates(option))
        if (platform::isRegularFile(candidate))
            return candidate;
    return {};
}

HostedPlugin::HostedPlugin(const std::string& path) : module(path)
{
    if (!module.loaded())
    {
        why = module.error();
        return;
    }
    const auto entry = reinterpret_cast<EntryPoint>(module.symbol("VSTPluginMain"));
    if (!entry)
    {
        why = path + " is not a VST 2 plug-in (no VSTPluginMain)";
        return;
    }
    effect = entry(hostCallback);
    if (!effect || effect->magic != kEffectMagic)
    {
        effect = nullptr;
        why = path + " gave no plug-in instance";
        return;
    }
    effect->user = this;
    dispatch(effOpen);
}

HostedPlugin::~HostedPlugin()
{
    if (effect)
        dispatch(effClose);
}

vst::intptr HostedPlugin::dispatch(vst::int32 opcode, vst::int32 index, vst::intptr value, void* ptr,
                                   float opt) const
{
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

bool HostedPlugin::vendorCall(e_VendorCall call, const void* argument) const
{
    return dispatch(effVendorSpecific, kVendorCallTag, call, const_cast<void*>(argument)) == 1;
}

bool HostedPlugin::deviceStatus(std::string& text) const
{
    char status[kVendorTextLength] = {};
    const bool detected = vendorCall(VENDOR_CALL_DEVICE_STATUS, status);
    status[kVendorTextLength - 1] = 0;
    text = status;
    return detected;
}

void HostedPlugin::process(float** inputs, float** outputs, int frames) const
{
    effect->processReplacing(effect, inputs, outputs, frames);
}

void HostedPlugin::setWindowSizer(std::function<bool(int, int)> sizer)
{
    windowSizer = std::move(sizer);
}

bool HostedPlugin::sizeWindow(int width, int height) const
{
    return width > 0 && height > 0 && windowSizer && windowSizer(width, height);
}

bool HostedPlugin::editorSize(int& width, int& height) const
{
    ERect* rect = nullptr;
    if ((effect->flags & effFlagsHasEditor) == 0 || !dispatch(effEditGetRect, 0, 0, &rect) || !rect)
        return false;
    width = rect->right - rect->left;
    height = rect->bottom - rect->top;
    return width > 0 && height > 0;
}

std::vector<std::uint8_t> HostedPlugin::state() const
{
    void* data = nullptr;
    const vst::intptr length = dispatch(effGetChunk, 0, 0, &data);
    if (length <= 0 || !data)
        return {};
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(bytes, bytes + length);
}

bool HostedPlugin::restoreState(std::vector<std::uint8_t> bytes) const
{
    return !bytes.empty() &&
           dispatch(effSetChunk, 0, static_cast<vst::intptr>(bytes.size()), bytes.data()) == 1;
}
} // namespace standalone
