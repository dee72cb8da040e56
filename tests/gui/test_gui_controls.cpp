// Stock and own controls on the offscreen back end: what they show and what their listener
// and the host hear.

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

using namespace guitest;
namespace tp = testpictures;

namespace
{
class Controls : public ::testing::Test
{
protected:
    Controls() : editor(&effect)
    {
        registerTestPictures();
        frame = std::make_unique<CFrame>(CRect(0, 0, 400, 200), "test", &editor);
        frame->open(nullptr);
    }
    ~Controls() override
    {
        frame->removeAll();
        editor.setKnobMode(0);
    }

    Rgb at(int x, int y) { return pixel(frame->getPlatformWindow()->image(), x, y); }
    void click(CPoint where, long buttons = kLButton)
    {
        frame->windowMouseDown(where, buttons);
        frame->windowMouseUp(where, buttons);
    }
    template <typename T> T* add(T* view)
    {
        owned.emplace_back(view);
        frame->addView(view);
        return view;
    }

    RecordingEffect effect;
    AEffGUIEditor editor;
    std::unique_ptr<CFrame> frame;
    RecordingListener listener;
    std::vector<std::unique_ptr<CView>> owned;
};

Rgb rgb(tp::Rgb c)
{
    return c;
}
} // namespace

TEST_F(Controls, AnimatedKnobShowsTheFrameOfItsValueAndFollowsACircularDrag)
{
    auto* knob = add(new CAnimKnob(CRect(100, 50, 150, 100), &listener, 3, tp::kKnobFrames, tp::kKnobSize,
                                   new CBitmap(tp::kKnobPicture), CPoint(10, 10)));
    knob->getBackground()->forget();
    knob->setRangeAngle(-5.236f);
    knob->setStartAngle(4.189f);
    knob->setValue(0.5f);
    frame->idle();
    EXPECT_EQ(at(125, 75), rgb(tp::knobFrameColour(50)));

    // Circular mode: the value jumps to the angle under the mouse. Straight up is the middle.
    frame->windowMouseDown(CPoint(125, 55), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.5f, 0.01f);
    frame->windowMouseMoved(CPoint(149, 75), kLButton); // three o'clock: 240 of 300 degrees turned
    EXPECT_NEAR(knob->getValue(), 0.8f, 0.01f);
    frame->windowMouseMoved(CPoint(117, 97), kLButton); // in the gap at the bottom, nearer the minimum end
    EXPECT_EQ(knob->getValue(), 0.0f);
    frame->windowMouseUp(CPoint(117, 97), kLButton);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+3", "-3"}));
    EXPECT_GE(listener.count("valueChanged"), 2);
    EXPECT_GE(listener.count("mouseMoved"), 3);
    frame->idle();
    EXPECT_EQ(at(125, 75), rgb(tp::knobFrameColour(0)));
}

TEST_F(Controls, KnobInLinearModeMovesWithTheMouseNotToIt)
{
    auto* knob =
        add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, -1, tp::kKnobFrames, tp::kKnobSize, nullptr));
    editor.setKnobMode(2);
    knob->setValue(0.5f);
    frame->windowMouseDown(CPoint(25, 5), kLButton);
    EXPECT_EQ(knob->getValue(), 0.5f) << "a press alone changes nothing";
    frame->windowMouseMoved(CPoint(25, -25), kLButton); // 30 pixels up
    EXPECT_NEAR(knob->getValue(), 0.7f, 0.001f);
    frame->windowMouseMoved(CPoint(25, -25 + 300), kLButton);
    EXPECT_EQ(knob->getValue(), 0.0f);
    frame->windowMouseUp(CPoint(25, 0), kLButton);
    EXPECT_TRUE(effect.edits.empty()) << "tag -1 reaches no host parameter";

    editor.setKnobMode(1); // relative circular: turning a quarter clockwise adds 90 of 270 degrees
    knob->setValue(0.2f);
    frame->windowMouseDown(CPoint(25, 0), kLButton);
    frame->windowMouseMoved(CPoint(50, 25), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 0.02f);
    frame->windowMouseUp(CPoint(50, 25), kLButton);
}

TEST_F(Controls, KnobHoverTellsTheListenerAndModifierClicksCanBeTaken)
{
    auto* knob =
        add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, -1, tp::kKnobFrames, tp::kKnobSize, nullptr));
    frame->windowMouseMoved(CPoint(10, 10), 0);
    ASSERT_EQ(listener.count("mouseMoved"), 1);
    EXPECT_EQ(listener.calls[0].control, knob);
    listener.takeModifierClicks = true;
    knob->setValue(0.3f);
    frame->windowMouseDown(CPoint(25, 1), kLButton | kControl);
    EXPECT_EQ(listener.count("modifierClicked"), 1);
    EXPECT_EQ(knob->getValue(), 0.3f) << "the listener took the click";
}

TEST_F(Controls, KickButtonIsDownWhilePressedAndReportsPressAndRelease)
{
    auto* bitmap = new CBitmap(tp::kButtonPicture);
    auto* button = add(new CKickButton(CRect(10, 10, 64, 31), &listener, 5, tp::kButtonHeight, bitmap));
    button->setExtraTag(6);
    bitmap->forget();
    frame->idle();
    EXPECT_EQ(at(20, 20), rgb(tp::kButtonUp));
    frame->windowMouseDown(CPoint(20, 20), kLButton);
    frame->idle();
    EXPECT_EQ(at(20, 20), rgb(tp::kButtonDown));
    frame->windowMouseUp(CPoint(20, 20), kLButton);
    frame->idle();
    EXPECT_EQ(at(20, 20), rgb(tp::kButtonUp));
    ASSERT_EQ(listener.count("valueChanged"), 2);
    EXPECT_EQ(listener.calls[0].value, 1.0f);
    EXPECT_EQ(listener.calls[1].value, 0.0f);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+5", "+6", "-5", "-6"}));

    frame->windowMouseDown(CPoint(20, 20), kLButton);
    frame->windowMouseMoved(CPoint(200, 150), kLButton);
    EXPECT_EQ(button->getValue(), 0.0f);
    frame->windowMouseUp(CPoint(200, 150), kLButton);
    EXPECT_EQ(listener.count("valueChanged"), 3) << "a release outside the button cancels";
}

TEST_F(Controls, OnOffButtonTogglesButALatchedOneOnlySwitchesOn)
{
    auto* bitmap = new CBitmap(tp::kLedPicture);
    auto* toggle = add(new COnOffButton(CRect(0, 0, 16, 16), &listener, -1, bitmap));
    auto* led = add(new COnOffButton(CRect(20, 0, 36, 16), &listener, -1, bitmap));
    bitmap->forget();
    led->setLatch(true);
    click(CPoint(5, 5));
    EXPECT_EQ(toggle->getValue(), 1.0f);
    click(CPoint(5, 5));
    EXPECT_EQ(toggle->getValue(), 0.0f);
    click(CPoint(25, 5));
    click(CPoint(25, 5));
    EXPECT_EQ(led->getValue(), 1.0f);
    EXPECT_EQ(listener.count("valueChanged"), 4) << "every click is reported, latched or not";
    frame->idle();
    EXPECT_EQ(at(25, 5), rgb(tp::kLedOn));
    EXPECT_EQ(at(5, 5), rgb(tp::kLedOff));

    led->setMouseEnabled(false);
    led->setValue(0.0f);
    click(CPoint(25, 5));
    EXPECT_EQ(led->getValue(), 0.0f) << "a lamp with the mouse disabled ignores clicks";
}

TEST_F(Controls, SlidersPlaceTheHandleBetweenTheirPositionsFromTheMinimumEnd)
{
    auto* track = new CBitmap(tp::kTrackPicture);
    auto* handle = new CBitmap(tp::kHandlePicture);
    const CCoord x = 10, y = 20;
    auto* vertical = add(new CVerticalSlider(CRect(x, y, x + 19, y + 82), &listener, -1, y + 4,
                                             y + 82 + 1 - 9, handle, track, CPoint(), kBottom));
    auto* horizontal = add(new CHorizontalSlider(CRect(100, 20, 182, 39), &listener, -1, 101, 182 - 19,
                                                 handle, track, CPoint(), kLeft));
    track->forget();
    handle->forget();
    vertical->setValue(0.0f);
    EXPECT_EQ(vertical->handleRect(), CRect(x, y + 74, x + 19, y + 83))
        << "kBottom: the minimum at the bottom";
    vertical->setValue(1.0f);
    EXPECT_EQ(vertical->handleRect().top, y + 4);
    horizontal->setValue(0.0f);
    EXPECT_EQ(horizontal->handleRect().left, 101);

    frame->windowMouseDown(CPoint(x + 5, y + 4 + 35 + 4), kLButton); // the handle's middle at the middle
    EXPECT_NEAR(vertical->getValue(), 0.5f, 0.02f);
    frame->windowMouseMoved(CPoint(x + 5, y - 50), kLButton);
    EXPECT_EQ(vertical->getValue(), 1.0f);
    frame->windowMouseUp(CPoint(x + 5, y - 50), kLButton);
    EXPECT_GE(listener.count("mouseMoved"), 2);
    frame->idle();
    EXPECT_EQ(at(x + 5, y + 6), rgb(tp::kHandle));
    EXPECT_EQ(at(x + 5, y + 60), rgb(tp::kTrack));
}

TEST_F(Controls, TextEditTakesTheKeyboardOnClickAndKeepsOrDropsTheTypedText)
{
    auto* edit = add(new CTextEdit(CRect(10, 10, 110, 30), &listener, 4, 9, "Init"));
    click(CPoint(20, 20));
    ASSERT_TRUE(edit->isBeingEdited());
    EXPECT_EQ(frame->getFocusView(), edit);
    for (const char* c = "PatternXYZ"; *c; ++c)
        EXPECT_TRUE(frame->onKeyDown(character(*c)));
    EXPECT_STREQ(edit->getEditText(), "InitPatt") << "limit 9 keeps 8 characters";
    frame->onKeyDown(virtualKey(VKEY_BACK));
    frame->onKeyDown(virtualKey(VKEY_RETURN));
    EXPECT_FALSE(edit->isBeingEdited());
    EXPECT_STREQ(edit->getText(), "InitPat");
    EXPECT_EQ(listener.count("valueChanged"), 1);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+4", "-4"}));

    click(CPoint(20, 20));
    frame->onKeyDown(character('Q'));
    frame->onKeyDown(virtualKey(VKEY_ESCAPE));
    EXPECT_STREQ(edit->getText(), "InitPat");
    EXPECT_EQ(listener.count("valueChanged"), 1) << "Escape drops the typing silently";
    EXPECT_FALSE(frame->onKeyDown(character('Q'))) << "without focus the keys stay with the host";

    click(CPoint(20, 20));
    frame->onKeyDown(character('!'));
    frame->idle();
    EXPECT_EQ(at(12, 12), (Rgb{255, 255, 255})) << "black on white while edited";
    click(CPoint(300, 150)); // a click elsewhere keeps the typing
    EXPECT_STREQ(edit->getText(), "InitPat!");
}

namespace
{
void showOff(int value, char* text)
{
    if (value == 256)
        std::strcpy(text, "Off");
}
void showAll(int value, char* text)
{
    if (value == 255)
        std::strcpy(text, "All");
}
CTextEdit* numberEditor(int maximum, int shift, CTextEditDisplayCallback display, CControlListener* listener)
{
    auto* edit = new CTextEdit(CRect(0, 0, 40, 20), listener, -1, 4);
    edit->setNumericalOnly(true);
    edit->setNumericalMinMax(0, maximum);
    edit->setNumericalDisplayShift(shift);
    edit->setNumericalDisplayCallback(display);
    return edit;
}
} // namespace

TEST_F(Controls, NumberEditorsWrapAtTheirEndsAndShowTheShiftedNumber)
{
    std::unique_ptr<CTextEdit> slice(numberEditor(255, 1, showAll, &listener));
    slice->setNumericalValue(254);
    EXPECT_STREQ(slice->getText(), "255");
    slice->setNumericalValue(slice->getNumericalValue() + 1);
    EXPECT_STREQ(slice->getText(), "All");
    EXPECT_FLOAT_EQ(slice->getValue(), 255.0f / 127.0f);
    slice->setNumericalValue(slice->getNumericalValue() + 1);
    EXPECT_EQ(slice->getNumericalValue(), 0);
    EXPECT_STREQ(slice->getText(), "1");
    slice->setNumericalValue(-1);
    EXPECT_EQ(slice->getNumericalValue(), 255);
    slice->setNumericalValue(1000);
    EXPECT_EQ(slice->getNumericalValue(), 255) << "far outside is limited, not wrapped";
    slice->setNumericalValue(-1000);
    EXPECT_EQ(slice->getNumericalValue(), 0) << "far below too";

    std::unique_ptr<CTextEdit> sample(numberEditor(256, 0, showOff, &listener));
    sample->setNumericalValue(0);
    sample->setNumericalValue(sample->getNumericalValue() - 1);
    EXPECT_EQ(sample->getNumericalValue(), 256);
    EXPECT_STREQ(sample->getText(), "Off");

    sample->setNumericalMinMax(10, 5);
    EXPECT_EQ(sample->getNumericalMin(), 0);
    EXPECT_EQ(sample->getNumericalMax(), 0);
    EXPECT_EQ(sample->getNumericalValue(), 0);
}

TEST_F(Controls, TypedNumbersOutsideTheRangeAreRejected)
{
    auto* slice = add(numberEditor(255, 1, showAll, &listener));
    slice->setNumericalValue(9);
    const auto type = [&](const char* digits)
    {
        click(CPoint(5, 5));
        for (std::size_t i = 0; i < 10; ++i)
            frame->onKeyDown(virtualKey(VKEY_BACK));
        for (const char* c = digits; *c; ++c)
            frame->onKeyDown(character(*c));
        frame->onKeyDown(virtualKey(VKEY_RETURN));
    };
    type("0");
    EXPECT_EQ(slice->getNumericalValue(), 9) << "0 - 1 lies below the minimum";
    EXPECT_STREQ(slice->getText(), "10");
    EXPECT_EQ(listener.count("valueChanged"), 0);
    type("255");
    EXPECT_EQ(slice->getNumericalValue(), 254);
    EXPECT_EQ(listener.count("valueChanged"), 1);
    type("7x");
    EXPECT_EQ(slice->getNumericalValue(), 6) << "letters cannot be typed into a number";

    slice->setText("20");
    EXPECT_EQ(slice->getNumericalValue(), 19);
    slice->setText("999");
    EXPECT_EQ(slice->getNumericalValue(), 19);
    slice->setText(nullptr);
    EXPECT_EQ(slice->getNumericalValue(), 0);
    EXPECT_STREQ(slice->getText(), "0");
}

TEST_F(Controls, NumberSteppersMoveTheEditorOncePerPressAndReportIt)
{
    auto* edit = add(numberEditor(255, 1, showAll, &listener));
    auto* bitmap = new CBitmap(tp::kStepperPicture);
    auto* plus = add(new CNumEditKickButton(CRect(50, 0, 59, 18), &listener, 2, tp::kStepperHeight, bitmap,
                                            CPoint(), edit, +1));
    bitmap->forget();
    edit->setNumericalValue(254);
    frame->windowMouseDown(CPoint(52, 5), kLButton);
    frame->idle();
    EXPECT_EQ(at(52, 5), rgb(tp::kStepperDown));
    frame->windowMouseMoved(CPoint(53, 5), kLButton);
    frame->windowMouseUp(CPoint(53, 5), kLButton);
    EXPECT_STREQ(edit->getText(), "All");
    ASSERT_EQ(listener.count("valueChanged"), 1);
    EXPECT_EQ(listener.calls.back().control, edit) << "the target is reported, not the button";
    EXPECT_EQ(plus->getValue(), 0.0f);
    click(CPoint(52, 5));
    EXPECT_STREQ(edit->getText(), "1");
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+2", "-2", "+2", "-2"}));
}

namespace
{
// A menu of value texts: two plain entries, a title, a separator, a submenu of three.
struct MenuFixture
{
    explicit MenuFixture(CControlListener* listener)
        : menu(new COptionMenu(CRect(100, 100, 160, 118), listener, 7, nullptr, nullptr, kCheckStyle)),
          submenu(new COptionMenu(CRect(100, 100, 160, 118), nullptr, -1))
    {
        menu->addEntry("-TTitle");
        menu->addEntry("One");
        menu->addEntry("Two");
        menu->addEntry("-");
        for (const char* text : {"Sub A", "Sub B", "Sub C"})
            submenu->addEntry(text);
        menu->addEntry(submenu.get(), "More");
        menu->setNbItemsPerColumn(28);
        submenu->setNbItemsPerColumn(28);
    }
    COptionMenu* menu;
    std::unique_ptr<COptionMenu> submenu;
};
} // namespace

TEST_F(Controls, MenusKnowTheirEntriesAndChooseInSubmenus)
{
    MenuFixture m(&listener);
    add(m.menu);
    EXPECT_EQ(m.menu->getNbEntries(), 5);
    EXPECT_TRUE(m.menu->isTitle(0));
    EXPECT_TRUE(m.menu->isSeparator(3));
    EXPECT_FALSE(m.menu->isSelectable(4)) << "a submenu entry opens, it is not chosen";
    EXPECT_TRUE(m.menu->isSelectable(1));
    EXPECT_EQ(m.menu->getEntryText(9), nullptr);
    long index = 0;
    EXPECT_EQ(m.menu->getLastItemMenu(index), nullptr);

    m.menu->setCurrent(2);
    click(CPoint(110, 105));
    gui::MenuSession* session = frame->getMenuSession();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->highlighted(0), 2) << "the current entry is lit";
    EXPECT_EQ(session->levelLayout(0)->screenRect.top, 118) << "pops up below the button";

    const CRect more = session->levelLayout(0)->entryRect(4);
    session->windowMouseMoved(CPoint(more.left + 5, more.top + 3), 0);
    ASSERT_EQ(session->levelCount(), 2);
    const CRect subB = session->levelLayout(1)->entryRect(1);
    EXPECT_GE(subB.left, more.right - 1) << "the submenu opens beside its entry";
    session->windowMouseMoved(CPoint(subB.left + 5, subB.top + 3), 0);
    session->windowMouseUp(CPoint(subB.left + 5, subB.top + 3), 0);
    EXPECT_EQ(frame->getMenuSession(), nullptr);
    EXPECT_EQ(m.menu->getLastItemMenu(index), m.submenu.get());
    EXPECT_EQ(index, 1);
    EXPECT_EQ(m.menu->getCurrent(), 4);
    EXPECT_STREQ(m.menu->getDisplayText(), "Sub B");
    ASSERT_EQ(listener.count("valueChanged"), 1);
    EXPECT_EQ(listener.calls.back().control, m.menu);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+7", "-7"}));
}

// At 200 % the window is twice as large; a point of the window is half as far into the panel,
// so the same controls answer where they are drawn, a drag measures in panel units and a menu
// pops up under its control with rows twice as tall. The buttons show the pictures enlarged
// (the test pictures have no set of their own at 200 %).
TEST_F(Controls, AtTwoHundredPercentTheMouseWorksInPanelUnits)
{
    auto* bitmap = new CBitmap(tp::kButtonPicture);
    add(new CKickButton(CRect(10, 10, 64, 31), &listener, 5, tp::kButtonHeight, bitmap));
    bitmap->forget();
    auto* knob =
        add(new CAnimKnob(CRect(200, 20, 250, 70), &listener, -1, tp::kKnobFrames, tp::kKnobSize, nullptr));
    MenuFixture m(&listener);
    add(m.menu);
    frame->setZoom(200);
    EXPECT_EQ(frame->getPlatformWindow()->image().width(), 800);
    EXPECT_EQ(frame->getPlatformWindow()->image().height(), 400);
    frame->idle();
    EXPECT_EQ(at(2 * 20, 2 * 20), rgb(tp::kButtonUp));
    EXPECT_EQ(at(2 * 64 - 2, 2 * 31 - 2), rgb(tp::kButtonUp)) << "the picture covers its zoomed place";

    frame->windowMouseDown(CPoint(2 * 20, 2 * 20), kLButton);
    frame->idle();
    EXPECT_EQ(at(2 * 20, 2 * 20), rgb(tp::kButtonDown));
    frame->windowMouseUp(CPoint(2 * 20, 2 * 20), kLButton);
    EXPECT_EQ(listener.count("valueChanged"), 2) << "the button heard its press and release";

    editor.setKnobMode(2);
    knob->setValue(0.5f);
    frame->windowMouseDown(CPoint(2 * 225, 2 * 25), kLButton);
    frame->windowMouseMoved(CPoint(2 * 225, 2 * 25 - 60), kLButton); // 30 units up
    frame->windowMouseUp(CPoint(2 * 225, 2 * 25 - 60), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.7f, 0.001f) << "as 30 pixels at 100 %";

    click(CPoint(2 * 110, 2 * 105));
    gui::MenuSession* session = frame->getMenuSession();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->levelLayout(0)->screenRect.top, 2 * 118) << "pops up below the menu";
    EXPECT_EQ(session->levelLayout(0)->screenRect.left, 2 * 100);
    EXPECT_EQ(session->levelLayout(0)->entryRect(1).getHeight(), 32);
    const CRect two = session->levelLayout(0)->entryRect(2);
    session->windowMouseMoved(CPoint(two.left + 5, two.top + 5), 0);
    session->windowMouseUp(CPoint(two.left + 5, two.top + 5), 0);
    EXPECT_EQ(m.menu->getCurrent(), 2);
}

TEST_F(Controls, MenuKeysMoveOverSelectableEntriesAndEscapeCancels)
{
    MenuFixture m(&listener);
    add(m.menu);
    m.menu->setCurrent(1);
    click(CPoint(110, 105));
    gui::MenuSession* session = frame->getMenuSession();
    ASSERT_NE(session, nullptr);
    frame->onKeyDown(virtualKey(VKEY_DOWN));
    EXPECT_EQ(session->highlighted(0), 2);
    frame->onKeyDown(virtualKey(VKEY_DOWN));
    EXPECT_EQ(session->highlighted(0), 4) << "the separator is passed over";
    frame->onKeyDown(virtualKey(VKEY_RIGHT));
    ASSERT_EQ(session->levelCount(), 2);
    EXPECT_EQ(session->highlighted(1), 0);
    frame->onKeyDown(virtualKey(VKEY_LEFT));
    EXPECT_EQ(session->levelCount(), 1);
    frame->onKeyDown(virtualKey(VKEY_ESCAPE));
    EXPECT_EQ(frame->getMenuSession(), nullptr);
    EXPECT_EQ(listener.count("valueChanged"), 0);
    EXPECT_EQ(m.menu->getCurrent(), 1);

    click(CPoint(110, 105));
    frame->windowMouseDown(CPoint(5, 5), kLButton); // outside the popup
    EXPECT_EQ(frame->getMenuSession(), nullptr);
}

TEST_F(Controls, AMenuDeletedWhileUpClosesItsPopup)
{
    MenuFixture m(&listener);
    frame->addView(m.menu);
    click(CPoint(110, 105));
    ASSERT_NE(frame->getMenuSession(), nullptr);
    delete m.menu;
    EXPECT_EQ(frame->getMenuSession(), nullptr);
}

TEST_F(Controls, MenuSteppersStopAtTheEndsOfTheSubmenuLastUsed)
{
    MenuFixture m(&listener);
    add(m.menu);
    auto* minus = add(new CMenuSelectorKickButton(CRect(91, 100, 100, 118), &listener, -1, tp::kStepperHeight,
                                                  nullptr, CPoint(), m.menu, -1));
    auto* plus = add(new CMenuSelectorKickButton(CRect(160, 100, 169, 118), &listener, -1, tp::kStepperHeight,
                                                 nullptr, CPoint(), m.menu, +1));
    m.menu->setCurrent(0);
    click(CPoint(93, 105));
    EXPECT_EQ(m.menu->getCurrent(), 0) << "the first entry is the end";
    ASSERT_EQ(listener.count("valueChanged"), 1) << "and the listener still hears about it";
    EXPECT_EQ(listener.calls.back().control, m.menu);

    m.menu->selectEntry(m.submenu.get(), 2);
    click(CPoint(162, 105));
    EXPECT_EQ(m.submenu->getCurrent(), 2) << "the submenu's last entry is its end";
    click(CPoint(93, 105));
    long index = 0;
    EXPECT_EQ(m.menu->getLastItemMenu(index), m.submenu.get());
    EXPECT_EQ(index, 1);
    EXPECT_STREQ(m.menu->getDisplayText(), "Sub B");
    (void)minus;
    (void)plus;
}

TEST(MenuLayout, TheProgramChooserFitsOnTheScreenInColumnsOf28)
{
    const CRect screen(0, 0, 1280, 800);
    const gui::MenuLayout layout = gui::layoutMenu(256, 28, 120, screen);
    EXPECT_EQ(layout.rows, 28);
    EXPECT_EQ(layout.columns, 10);
    EXPECT_LE(layout.screenRect.getWidth(), screen.getWidth());
    EXPECT_LE(layout.screenRect.getHeight(), screen.getHeight());
    EXPECT_EQ(layout.entryAt(layout.entryRect(255).getTopLeft()), 255);
    EXPECT_EQ(layout.entryRect(28).top, layout.entryRect(0).top) << "entry 28 heads the second column";

    const gui::MenuLayout small = gui::layoutMenu(256, 28, 400, CRect(0, 0, 640, 300));
    EXPECT_LE(small.screenRect.getWidth(), 640);
    EXPECT_LE(small.screenRect.getHeight(), 300) << "fewer rows, more columns";
    EXPECT_GE(small.rows * small.columns, 256);
    const gui::MenuLayout oneColumn = gui::layoutMenu(256, -1, 80, screen);
    EXPECT_LE(oneColumn.screenRect.getHeight(), screen.getHeight());
    EXPECT_GE(oneColumn.rows * oneColumn.columns, 256);
    const CRect placed = gui::placeOnScreen(300, 200, CPoint(1200, 700), screen);
    EXPECT_EQ(placed, CRect(980, 600, 1280, 800));

    const gui::MenuLayout zoomed = gui::layoutMenu(256, 28, 120, screen, 150);
    EXPECT_LE(zoomed.screenRect.getWidth(), screen.getWidth());
    EXPECT_LE(zoomed.screenRect.getHeight(), screen.getHeight()) << "fewer rows fit at 150 %";
    EXPECT_GE(zoomed.rows * zoomed.columns, 256);
    for (long entry : {0L, 1L, 27L, 200L, 255L})
    {
        const CRect r = zoomed.entryRect(entry);
        EXPECT_EQ(zoomed.entryAt(r.getTopLeft()), entry);
        EXPECT_EQ(zoomed.entryAt(CPoint(r.right - 1, r.bottom - 1)), entry);
    }
}

TEST_F(Controls, BitmapTextAdvancesByTheFontWidthsAndSpacing)
{
    auto* font = new CBitmap(tp::kLcdFontPicture);
    auto* text = add(new CBitmapText(CRect(10, 10, 150, 34), &listener, 46, "A.01", tp::kLcdChars,
                                     tp::lcdWidths(), font, 2));
    font->forget();
    EXPECT_EQ(text->getGlyphHeight(), 24);
    EXPECT_EQ(text->getNbChars(), 93);
    EXPECT_EQ(text->getTextWidth(), 59);
    EXPECT_EQ(text->getCharIndex('A'), 0);
    EXPECT_EQ(text->getCharIndex(' '), 92);
    EXPECT_EQ(text->getCharIndex('\xe9'), -1);
    frame->idle();
    const auto glyph = [](char c)
    { return rgb(tp::glyphColour(static_cast<int>(std::strchr(tp::kLcdChars, c) - tp::kLcdChars))); };
    EXPECT_EQ(at(10, 20), glyph('A'));
    EXPECT_EQ(at(10 + 17, 20), glyph('.'));
    EXPECT_EQ(at(10 + 28, 20), glyph('0'));
    EXPECT_EQ(at(10 + 45, 20), glyph('1'));

    text->setText("A\xe9"
                  "B");
    EXPECT_EQ(text->getTextWidth(), 34) << "characters missing from the font take no room";
    std::string tooLong(256, 'A');
    text->setText(tooLong.c_str());
    text->setText(nullptr);
    EXPECT_STREQ(text->getText(), "A\xe9"
                                  "B");

    CBitmapText blind(CRect(0, 0, 10, 10), nullptr, 0, "A", nullptr, nullptr, nullptr, 2);
    EXPECT_EQ(blind.getTextWidth(), 0);
    frame->addView(&blind);
    frame->idle(); // draws nothing, must not fail
}

TEST_F(Controls, BitmapEditDrawsItsTextInTheFontUntilEdited)
{
    auto* font = new CBitmap(tp::kLcdFontPicture);
    auto* edit = add(new CBitmapEdit(CRect(10, 10, 146, 34), &listener, -1, "AB", tp::kLcdChars,
                                     tp::lcdWidths(), font, 2, 9));
    font->forget();
    frame->idle();
    EXPECT_EQ(at(12, 20), rgb(tp::glyphColour(0)));
    EXPECT_FALSE(edit->isDirty());
    edit->getBitmapText()->setDirty();
    EXPECT_TRUE(edit->isDirty());
    edit->setText("BA");
    EXPECT_STREQ(edit->getBitmapText()->getText(), "BA");
    frame->idle();
    EXPECT_EQ(at(12, 20), rgb(tp::glyphColour(1)));
    click(CPoint(20, 20));
    frame->idle();
    EXPECT_EQ(at(12, 12), (Rgb{255, 255, 255})) << "being edited it is a plain text field";
}

TEST_F(Controls, MultiBitmapDrawsPictureIAtPointI)
{
    const CPoint points[] = {{50, 20}, {50, 40}, {80, 20}};
    auto* values = new CBitmap(tp::kValuesPicture);
    auto* multi =
        add(new CMultiBitmap(CRect(40, 10, 110, 60), values, tp::kValueWidth, tp::kValueHeight, points, 3));
    values->forget();
    EXPECT_EQ(multi->getNbImages(), 3);
    frame->idle();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(at(points[i].x + 2, points[i].y + 2), rgb(tp::valueColour(i))) << i;

    CPoint many[25];
    CMultiBitmap capped(CRect(0, 0, 1, 1), nullptr, 1, 1, many, 25);
    EXPECT_EQ(capped.getNbImages(), CMultiBitmap::kMaxImages);
}

TEST_F(Controls, LabelsCopyTheirTextAndCutItAt255)
{
    auto* label = add(new CTextLabel(CRect(0, 0, 100, 20), "Pattern"));
    label->setFont(kNormalFontVerySmall);
    label->setHoriAlign(kRightText);
    label->setTxtFace(kBoldFace);
    EXPECT_STREQ(label->getText(), "Pattern");
    std::string longText(300, 'x');
    label->setText(longText.c_str());
    EXPECT_EQ(std::strlen(label->getText()), 255u);
    label->setText(label->getText()); // itself
    label->setText(nullptr);
    EXPECT_STREQ(label->getText(), "");
}

TEST_F(Controls, BadInputChangesNothingAndNeverFails)
{
    auto* knob = add(new CAnimKnob(CRect(0, 0, 50, 50), &listener, -1, 0, 0, new CBitmap(12345)));
    knob->getBackground()->forget();
    knob->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(knob->currentPixmap(), 0);
    auto* menu = add(new COptionMenu(CRect(60, 0, 100, 18), &listener, -1));
    EXPECT_FALSE(menu->setCurrent(3));
    EXPECT_FALSE(menu->addEntry(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(menu->addEntry(menu, "itself"));
    EXPECT_FALSE(menu->removeEntry(-1));
    menu->selectEntry(nullptr, 0);
    click(CPoint(70, 5));
    EXPECT_EQ(frame->getMenuSession(), nullptr) << "an empty menu does not pop up";
    frame->addView(nullptr);
    frame->addView(frame.get());
    frame->removeView(nullptr);
    frame->openMenu(nullptr);
    CViewContainer inner(CRect(0, 0, 10, 10), nullptr);
    frame->addView(&inner);
    inner.addView(frame.get()); // a container inside itself is refused
    EXPECT_EQ(inner.getNbViews(), 0);
    EXPECT_EQ(inner.getView(5), nullptr);
    auto* edit = add(numberEditor(10, 0, nullptr, &listener));
    edit->setText("");
    frame->onKeyDown(character('1')); // no focus
    frame->idle();
    VstKeyCode key = character('1');
    EXPECT_FALSE(editor.onKeyDown(key)) << "an editor without a frame uses no key";
    frame->removeView(&inner);
}
