#include "TestPanel.h"

namespace guitest
{
namespace tp = testpictures;

TestPanel::TestPanel(AudioEffect* effect)
    : AEffGUIEditor(effect), background((registerTestPictures(), new CBitmap(tp::kBackgroundPicture))),
      knobStrip(new CBitmap(tp::kKnobPicture)), button(new CBitmap(tp::kButtonPicture)),
      led(new CBitmap(tp::kLedPicture)), track(new CBitmap(tp::kTrackPicture)),
      handle(new CBitmap(tp::kHandlePicture)), stepper(new CBitmap(tp::kStepperPicture)),
      font(new CBitmap(tp::kLcdFontPicture)), values(new CBitmap(tp::kValuesPicture))
{
    rect = ERect{0, 0, static_cast<std::int16_t>(kSize.bottom), static_cast<std::int16_t>(kSize.right)};
}

TestPanel::~TestPanel()
{
    TestPanel::close();
    for (CBitmap* bitmap : {background, knobStrip, button, led, track, handle, stepper, font, values})
        bitmap->forget();
}

template <typename T> T* TestPanel::keep(T* view)
{
    views.push_back(view);
    return view;
}

template <typename T> T* TestPanel::place(T* view)
{
    frame->addView(keep(view));
    return view;
}

bool TestPanel::open(void* ptr)
{
    AEffGUIEditor::open(ptr);
    frame = new CFrame(kSize, "Pavonis test panel", this);
    frame->setBackground(background);
    placeControls();
    frame->open(ptr);
    return true;
}

void TestPanel::placeControls()
{
    knob = place(new CAnimKnob(kKnob, this, 0, tp::kKnobFrames, tp::kKnobSize, knobStrip, CPoint(10, 10)));
    knob->setRangeAngle(-5.236f);
    knob->setStartAngle(4.189f);
    kick = place(new CKickButton(kKick, this, 1, tp::kButtonHeight, button));
    toggle = place(new COnOffButton(kToggle, this, 2, button));
    led1 = place(new COnOffButton(kLed1, this, 3, led));
    led2 = place(new COnOffButton(kLed2, this, 3, led));
    led1->setLatch(true);
    led2->setLatch(true);
    verticalSlider =
        place(new CVerticalSlider(kVerticalSlider, this, 4, kVerticalSlider.top + 4,
                                  kVerticalSlider.bottom + 1 - tp::kHandleHeight, handle, track));
    horizontalSlider = place(new CHorizontalSlider(CRect(250, 110, 350, 119), this, 5, 250,
                                                   350 - tp::kTrackWidth, handle, nullptr));

    menu = place(new COptionMenu(kMenu, this, 6, nullptr, nullptr, kCheckStyle));
    submenu = keep(new COptionMenu(kMenu, nullptr, -1, nullptr, nullptr, kCheckStyle));
    for (const char* entry : {"-TFilters", "Low pass", "High pass", "-"})
        menu->addEntry(entry);
    for (const char* entry : {"Reverb", "Delay", "Chorus"})
        submenu->addEntry(entry);
    menu->addEntry(submenu, "Effects");
    menu->setCurrent(1);
    menu->setTxtFace(kBoldFace);
    menu->setTransparency(true);
    place(new CMenuSelectorKickButton(CRect(291, 20, 300, 38), this, 6, tp::kStepperHeight, stepper, CPoint(),
                                      menu, -1));
    place(new CMenuSelectorKickButton(CRect(400, 20, 409, 38), this, 6, tp::kStepperHeight, stepper, CPoint(),
                                      menu, +1));

    textEdit = place(new CTextEdit(kTextEdit, this, -1, 20, "Name"));
    number = place(new CTextEdit(kNumber, this, 7, 4));
    number->setNumericalOnly(true);
    number->setNumericalMinMax(0, 255);
    number->setNumericalDisplayShift(1);
    place(new CNumEditKickButton(CRect(340, 90, 349, 108), this, 7, tp::kStepperHeight, stepper, CPoint(),
                                 number, +1));

    label = place(new CTextLabel(CRect(450, 20, 600, 40), "Pavonis"));
    label->setTransparency(true);
    label->setFont(kNormalFontVeryBig);
    bitmapText = place(
        new CBitmapText(CRect(450, 50, 520, 74), this, 46, "A.01", tp::kLcdChars, tp::lcdWidths(), font, 2));
    bitmapEdit = place(new CBitmapEdit(CRect(450, 76, 600, 100), this, -1, "Init", tp::kLcdChars,
                                       tp::lcdWidths(), font, 2, 9));
    const CPoint valuePoints[] = {{640, 20}, {640, 32}, {640, 44}};
    multiBitmap = place(
        new CMultiBitmap(CRect(630, 20, 670, 60), values, tp::kValueWidth, tp::kValueHeight, valuePoints, 3));
    box = place(new CViewContainer(kBox, frame));
    box->setBackgroundColor(CColor{20, 60, 90, 255});
    auto* boxLabel = keep(new CTextLabel(CRect(5, 5, 150, 25), "In a container"));
    boxLabel->setTransparency(true);
    box->addView(boxLabel);
}

void TestPanel::close()
{
    if (frame)
    {
        frame->removeAll(false);
        box->removeAll(false);
        for (CView* view : views)
            view->forget();
        views.clear();
    }
    AEffGUIEditor::close();
}
} // namespace guitest
