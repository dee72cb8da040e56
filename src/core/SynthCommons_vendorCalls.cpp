// The plug-in's own calls for a host made for it: connect to a device by name, show a page,
// draw the panel into a PNG file, tell the device status, choose the zoom (VendorCalls.h).
#include "../editor/SynthEditor.h"
#include "../gui/CFrame.h"
#include "../gui/Zoom.h"
#include "SynthCommons.h"
#include "VendorCalls.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
struct VendorPage
{
    const char* name;
    e_EditorParameterID button;
};

constexpr VendorPage c_VendorPages[] = {
    {kVendorPageNames[0], EPARAM_MODE_PARTS},
    {kVendorPageNames[1], EPARAM_MODE_MIX},
    {kVendorPageNames[2], EPARAM_MODE_GLOBAL},
    {kVendorPageNames[3], EPARAM_MODE_SETUP},
};

std::string lowerCase(const char* text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The first listed port whose name contains the text, letter case ignored; null for none.
const char* firstPortContaining(SynthCommons& synth, std::uint32_t count,
                                const char* (SynthCommons::*nameOf)(std::uint32_t), const char* text)
{
    const std::string wanted = lowerCase(text);
    for (std::uint32_t i = 0; i < count; ++i)
        if (const char* name = (synth.*nameOf)(i); name && lowerCase(name).find(wanted) != std::string::npos)
            return name;
    return nullptr;
}

bool showPage(SynthCommons& synth, const char* name)
{
    for (const VendorPage& page : c_VendorPages)
        if (std::strcmp(page.name, name) == 0)
        {
            synth.parameterLib_SetParameterValueFromEditor(page.button, 1.0f);
            if (SynthEditor* editor = synth.getSynthEditor(); editor && editor->getFrame())
                editor->refreshAfterSelection();
            return true;
        }
    return false;
}

bool overrideZoom(SynthEditor& editor, const char* text)
{
    for (int step : gui::kZoomSteps)
        if (std::to_string(step) == text)
        {
            editor.overrideZoom(step);
            return true;
        }
    return false;
}

// The open window's picture, brought up to date first; or the panel drawn offscreen.
bool renderPanel(SynthEditor& editor, const char* path)
{
    const bool wasOpen = editor.getFrame() != nullptr;
    if (!wasOpen)
        editor.open(nullptr);
    editor.idle();
    const bool saved = editor.getFrame() && editor.getFrame()->saveImage(path);
    if (!wasOpen)
        editor.close();
    return saved;
}
} // namespace

vst::intptr SynthCommons::vendorSpecific(vst::int32 index, vst::intptr value, void* ptr, float)
{
    const char* text = static_cast<const char*>(ptr);
    if (index != kVendorCallTag || !ptr || !synthEditor)
        return 0;
    switch (value)
    {
    case VENDOR_CALL_CONNECT:
        return TetherMidiConnectByName(text) ? 1 : 0;
    case VENDOR_CALL_SHOW_PAGE:
        return showPage(*this, text) ? 1 : 0;
    case VENDOR_CALL_RENDER_PNG:
        return renderPanel(*synthEditor, text) ? 1 : 0;
    case VENDOR_CALL_ZOOM:
        return overrideZoom(*synthEditor, text) ? 1 : 0;
    case VENDOR_CALL_DEVICE_STATUS:
    {
        const bool detected = TetherMidiHardwareAttached();
        std::snprintf(static_cast<char*>(ptr), kVendorTextLength, "%s",
                      synthEditor->deviceStatusText().c_str());
        return detected ? 1 : 0;
    }
    default:
        return 0;
    }
}

// The ports are opened by name, as a restored project opens them: the one way in which the
// Tether layer is asked for ports by something other than the interface menus.
bool SynthCommons::TetherMidiConnectByName(const char* text)
{
    if (midiMode != MIDI_MODE_TETHER)
        parameterLib_SetParameterValue(PARAM_MIDI_MODE, 1.0f, UPDATE_EDITOR);
    const char* out = firstPortContaining(*this, TetherMidiOutGetNbDevices(),
                                          &SynthCommons::TetherMidiOutGetDeviceName, text);
    const char* in = firstPortContaining(*this, TetherMidiInGetNbDevices(),
                                         &SynthCommons::TetherMidiInGetDeviceName, text);
    if (!out || !in)
        return false;
    // Copies: opening takes the port lists anew, over the texts the two pointers point to.
    char wantedOut[kTetherPortNameLength];
    char wantedIn[kTetherPortNameLength];
    std::snprintf(wantedOut, sizeof wantedOut, "%s", out);
    std::snprintf(wantedIn, sizeof wantedIn, "%s", in);
    TetherMidiReopenPortsByName(wantedOut, wantedIn);
    char openOut[kTetherPortNameLength];
    char openIn[kTetherPortNameLength];
    TetherMidiChosenPortNames(openOut, openIn);
    return std::strcmp(openOut, wantedOut) == 0 && std::strcmp(openIn, wantedIn) == 0;
}
