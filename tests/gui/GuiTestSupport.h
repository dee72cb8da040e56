// Helpers of the toolkit's tests: test pictures, pixels, a listener and a host that record.
#pragma once

#include "TestPictures.h"
#include "gui/GuiToolkit.h"
#include "vst/AEffGUIEditor.h"
#include "vst/AudioEffectX.h"

#include <string>
#include <vector>

namespace guitest
{
using testpictures::Rgb;

inline void registerTestPictures()
{
    gui::registerPictures(testPictures, testPicturesCount);
}

inline Rgb pixel(const gui::Image& image, int x, int y)
{
    const std::uint32_t p = image.at(x, y);
    return {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
            static_cast<unsigned char>(p)};
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
    // The values of the calls of a kind, in order.
    std::vector<float> valuesOf(const std::string& kind) const
    {
        std::vector<float> found;
        for (const Call& call : calls)
            if (call.kind == kind)
                found.push_back(call.value);
        return found;
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
