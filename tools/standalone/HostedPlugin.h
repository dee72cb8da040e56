// The plug-in hosted as a music host hosts it: its module loaded at run time, one instance
// made through VSTPluginMain, and everything else through its AEffect record.
#pragma once

#include "core/VendorCalls.h"
#include "platform/Module.h"
#include "platform/Process.h"
#include "vst/VstInterface.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace standalone
{
// Where the plug-in file is looked for, in order: the --plugin option, $PAVONIS_PLUGIN,
// Pavonis.so beside the program, where the installation puts it seen from the program (so an
// installed tree works wherever it is unpacked), the plug-in of the program's own build when it
// runs from its build folder, in the install folder, in ~/.vst. The first that exists; empty
// when none does.
std::string findPlugin(const std::string& option);

class HostedPlugin
{
public:
    // Loads the module and makes one instance; ok() tells whether it did, error() why not.
    explicit HostedPlugin(const std::string& path);
    // The instance is closed (effClose) before the module goes.
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    bool ok() const { return effect != nullptr; }
    const std::string& error() const { return why; }

    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, void* ptr = nullptr,
                         float opt = 0.0f) const;
    // One of the plug-in's own calls (VendorCalls.h); true when it was done.
    bool vendorCall(e_VendorCall call, const void* argument) const;
    // The device status that the panel shows; true when the device has answered.
    bool deviceStatus(std::string& text) const;
    void process(float** inputs, float** outputs, int frames) const;

    // The editor's size; false when it has none.
    bool editorSize(int& width, int& height) const;
    // Who gives the editor's window the size the editor asks for; none refuses.
    void setWindowSizer(std::function<bool(int, int)> sizer);
    bool sizeWindow(int width, int height) const;

    // The whole state, as a host keeps it in its project; empty when the plug-in gives none.
    std::vector<std::uint8_t> state() const;
    // False when the plug-in refused the bytes (and changed nothing).
    bool restoreState(std::vector<std::uint8_t> bytes) const;

private:
    platform::Module module;
    AEffect* effect = nullptr;
    std::string why;
    std::function<bool(int, int)> windowSizer;
};
} // namespace standalone
