// A small panel with one control of each kind, built the way the plug-in's editor builds its
// own: views created in open, placed in the frame and a container, deleted in close.
#pragma once

#include "GuiTestSupport.h"

#include <memory>
#include <vector>

namespace guitest
{
class TestPanel : public AEffGUIEditor, public RecordingListener
{
public:
    static constexpr CRect kSize{0, 0, testpictures::kPanelWidth, testpictures::kPanelHeight};
    static constexpr CRect kKnob{20, 20, 70, 70};
    static constexpr CRect kKick{100, 20, 154, 41};
    static constexpr CRect kToggle{100, 50, 154, 71};
    static constexpr CRect kLed1{170, 20, 186, 36};
    static constexpr CRect kLed2{170, 40, 186, 56};
    static constexpr CRect kVerticalSlider{220, 20, 239, 102};
    static constexpr CRect kMenu{300, 20, 400, 38};
    static constexpr CRect kTextEdit{300, 60, 400, 80};
    static constexpr CRect kNumber{300, 90, 340, 110};
    static constexpr CRect kBox{620, 100, 780, 190};

    explicit TestPanel(AudioEffect* effect);
    ~TestPanel() override;

    bool open(void* ptr) override;
    void close() override;
    void idleBeforeRedraw() override { ++idleHooks; }

    CAnimKnob* knob = nullptr;
    CKickButton* kick = nullptr;
    COnOffButton* toggle = nullptr;
    COnOffButton* led1 = nullptr;
    COnOffButton* led2 = nullptr;
    CVerticalSlider* verticalSlider = nullptr;
    CHorizontalSlider* horizontalSlider = nullptr;
    COptionMenu* menu = nullptr;
    COptionMenu* submenu = nullptr;
    CTextEdit* textEdit = nullptr;
    CTextEdit* number = nullptr;
    CTextLabel* label = nullptr;
    CBitmapText* bitmapText = nullptr;
    CBitmapEdit* bitmapEdit = nullptr;
    CMultiBitmap* multiBitmap = nullptr;
    CViewContainer* box = nullptr;
    int idleHooks = 0;

private:
    template <typename T> T* keep(T* view);
    template <typename T> T* place(T* view);
    void placeControls();

    std::vector<CView*> views;
    CBitmap* background;
    CBitmap* knobStrip;
    CBitmap* button;
    CBitmap* led;
    CBitmap* track;
    CBitmap* handle;
    CBitmap* stepper;
    CBitmap* font;
    CBitmap* values;
};
} // namespace guitest
