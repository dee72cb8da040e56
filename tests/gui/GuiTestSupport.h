// Helpers of the toolkit's tests: test pictures, pixels, a listener and a host that record.
#pragma once

#include "TestPictures.h"
#include "gui/GuiToolkit.h"
#include "vst/AEffGUIEditor.h"
#include "vst/AudioEffectX.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace guitest
{
using testpictures::Rgb;

inline void registerTestPictures()
{
    gui::registerPictures(testPictures, testPicturesCount);
}

inline Rgb pixel(cairo_surface_t* image, int x, int y)
{
    cairo_surface_flush(image);
    const unsigned char* row = cairo_image_surface_get_data(image) +
                               static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(image);
    const unsigned char* p = row + 4 * x;
    return {p[2], p[1], p[0]};
}

// Records every listener call in order.
struct RecordingListener : CControlListener
{
    struct Call
    {
        std::string kind;
        CControl* control;
        float value;
    };
    void valueChanged(CDrawContext*, CControl* control) override
    {
        calls.push_back({"valueChanged", control, control->getValue()});
    }
    void mouseMoved(CDrawContext*, CControl* control) override
    {
        calls.push_back({"mouseMoved", control, control->getValue()});
    }
    long controlModifierClicked(CDrawContext*, CControl* control, long) override
    {
        calls.push_back({"modifierClicked", control, control->getValue()});
        return takeModifierClicks ? 1 : 0;
    }
    int count(const std::string& kind) const
    {
        int n = 0;
        for (const Call& call : calls)
            n += call.kind == kind ? 1 : 0;
        return n;
    }
    const Call* last(const std::string& kind) const
    {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->kind == kind)
                return &*it;
        return nullptr;
    }
    std::vector<Call> calls;
    bool takeModifierClicks = false;
};

// A plug-in whose host records the begin and end of edits ("+3" begins 3, "-3" ends it).
class RecordingEffect : public AudioEffectX
{
public:
    RecordingEffect() : AudioEffectX(&hostCallback, 1, 8) { cEffect.user = this; }
    void processReplacing(float**, float**, vst::int32) override {}
    std::vector<std::string> edits;

private:
    static vst::intptr hostCallback(AEffect* effect, vst::int32 opcode, vst::int32 index, vst::intptr, void*,
                                    float)
    {
        auto* self = effect ? static_cast<RecordingEffect*>(effect->user) : nullptr;
        if (self && opcode == audioMasterBeginEdit)
            self->edits.push_back("+" + std::to_string(index));
        if (self && opcode == audioMasterEndEdit)
            self->edits.push_back("-" + std::to_string(index));
        return 0;
    }
};

inline VstKeyCode character(char c)
{
    return VstKeyCode{c, 0, 0};
}
inline VstKeyCode virtualKey(unsigned char virt)
{
    return VstKeyCode{0, virt, 0};
}
} // namespace guitest
