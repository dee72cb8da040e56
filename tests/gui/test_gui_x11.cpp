// The editor in a real X server (Xvfb under scripts/test), opened the way a host opens it:
// a parent window of the host's own, effEditOpen, then effEditIdle in a loop. The mouse and
// keyboard are driven through the XTEST extension; pixels are read back from the server.

// gtest goes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "TestPanel.h"
#include "X11TestHost.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <string>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

using namespace guitest;
namespace tp = testpictures;

namespace
{
class EditorInX : public ::testing::Test
{
protected:
    EditorInX() : panel(new TestPanel(&effect)) { effect.setEditor(panel); }
    ~EditorInX() override
    {
        dispatch(effEditClose);
        effect.setEditor(nullptr);
        delete panel;
    }

    void SetUp() override
    {
        if (!host.display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
    }

    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, void* ptr = nullptr)
    {
        return effect.dispatcher(opcode, index, value, ptr, 0.0f);
    }
    // Opens as Ardour does: its Display* in value, the parent Window in ptr.
    void openEditor()
    {
        dispatch(effEditOpen, 0, reinterpret_cast<vst::intptr>(host.display),
                 reinterpret_cast<void*>(static_cast<std::uintptr_t>(host.parent)));
        idleFor(60);
    }
    // The host's idle loop, every 10 ms.
    void idleFor(int milliseconds)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end)
        {
            dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // Idles until the condition holds, for two seconds at most.
    bool idleUntil(const std::function<bool()>& condition)
    {
        for (int i = 0; i < 200 && !condition(); ++i)
            idleFor(10);
        return condition();
    }
    void clickPanel(CPoint p)
    {
        host.movePanel(p);
        host.button(true);
        idleFor(30);
        host.button(false);
        idleFor(30);
    }

    DisplayLock lock;
    Host host;
    RecordingEffect effect;
    TestPanel* panel;
};

Rgb rgb(tp::Rgb c)
{
    return c;
}
} // namespace

TEST_F(EditorInX, OpensInsideTheHostWindowAndDrawsThePanel)
{
    openEditor();
    EXPECT_EQ(host.childCount(host.parent), 1);
    EXPECT_TRUE(idleUntil([&] { return host.panelPixel(5, 190) == rgb(tp::kBackground); }));
    EXPECT_EQ(host.panelPixel(TestPanel::kKick.left + 3, TestPanel::kKick.top + 3), rgb(tp::kButtonUp));
    EXPECT_EQ(host.panelPixel(TestPanel::kKnob.left + 25, TestPanel::kKnob.top + 25),
              rgb(tp::knobFrameColour(0)));
    EXPECT_GT(panel->idleHooks, 0);
}

TEST_F(EditorInX, KnobFollowsADragInCircularAndInLinearMode)
{
    openEditor();
    const CRect& k = TestPanel::kKnob;
    dispatch(effSetEditKnobMode, 0, 0);
    host.movePanel(CPoint(k.left + 25, k.top + 2)); // straight up: the middle of the range
    host.button(true);
    EXPECT_TRUE(idleUntil([&] { return panel->knob->getValue() > 0.45f; }));
    host.movePanel(CPoint(k.left + 48, k.top + 25)); // three o'clock
    EXPECT_TRUE(idleUntil([&] { return panel->knob->getValue() > 0.75f; }));
    host.button(false);
    idleFor(30);
    EXPECT_NEAR(panel->knob->getValue(), 0.8f, 0.02f);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+0", "-0"}));
    EXPECT_GE(panel->count("mouseMoved"), 2);
    const long frameShown = panel->knob->currentPixmap();
    EXPECT_TRUE(idleUntil(
        [&] { return host.panelPixel(k.left + 25, k.top + 25) == rgb(tp::knobFrameColour(frameShown)); }));

    dispatch(effSetEditKnobMode, 0, 2);
    const float before = panel->knob->getValue();
    host.movePanel(CPoint(k.left + 25, k.top + 40));
    host.button(true);
    idleFor(30);
    EXPECT_EQ(panel->knob->getValue(), before) << "linear mode does not jump to the mouse";
    host.movePanel(CPoint(k.left + 25, k.top + 25)); // 15 pixels up
    EXPECT_TRUE(idleUntil([&] { return panel->knob->getValue() > before + 0.05f; }));
    host.button(false);
    idleFor(30);
    EXPECT_NEAR(panel->knob->getValue(), before + 0.1f, 0.01f);
    dispatch(effSetEditKnobMode, 0, 0);
}

TEST_F(EditorInX, ButtonsAndLedsAnswerClicks)
{
    openEditor();
    clickPanel(CPoint(TestPanel::kKick.left + 5, TestPanel::kKick.top + 5));
    EXPECT_EQ(panel->valuesOf("valueChanged"), (std::vector<float>{1.0f, 0.0f}));
    EXPECT_GT(panel->count("mouseMoved"), 0) << "the pointer over a button is reported";

    clickPanel(CPoint(TestPanel::kToggle.left + 5, TestPanel::kToggle.top + 5));
    EXPECT_EQ(panel->toggle->getValue(), 1.0f);
    EXPECT_TRUE(idleUntil(
        [&]
        {
            return host.panelPixel(TestPanel::kToggle.left + 5, TestPanel::kToggle.top + 5) ==
                   rgb(tp::kButtonDown);
        }));

    clickPanel(CPoint(TestPanel::kLed2.left + 5, TestPanel::kLed2.top + 5));
    clickPanel(CPoint(TestPanel::kLed2.left + 5, TestPanel::kLed2.top + 5));
    EXPECT_EQ(panel->led2->getValue(), 1.0f) << "a latched LED stays lit";
    EXPECT_TRUE(idleUntil(
        [&]
        { return host.panelPixel(TestPanel::kLed2.left + 8, TestPanel::kLed2.top + 8) == rgb(tp::kLedOn); }));
    EXPECT_EQ(host.panelPixel(TestPanel::kLed1.left + 8, TestPanel::kLed1.top + 8), rgb(tp::kLedOff));
}

TEST_F(EditorInX, PopupMenuChoosesAnEntryOfASubmenu)
{
    openEditor();
    const int topLevelsBefore = host.childCount(DefaultRootWindow(host.display));
    clickPanel(CPoint(TestPanel::kMenu.left + 10, TestPanel::kMenu.top + 5));
    gui::MenuSession* session = nullptr;
    ASSERT_TRUE(idleUntil([&] { return (session = panel->getFrame()->getMenuSession()) != nullptr; }));
    EXPECT_EQ(host.childCount(DefaultRootWindow(host.display)), topLevelsBefore + 1) << "one popup window";
    const gui::MenuLayout* layout = session->levelLayout(0);
    EXPECT_EQ(layout->screenRect.top, kParentY + TestPanel::kMenu.bottom);

    const CRect effects = layout->entryRect(4);
    host.moveTo(effects.left + 10, effects.top + 5);
    ASSERT_TRUE(idleUntil([&] { return session->levelCount() == 2; }));
    EXPECT_TRUE(idleUntil(
        [&] {
            return host.screenPixel(effects.left + 2, effects.top + 2) == (Rgb{18, 128, 122});
        }))
        << "the entry under the mouse is lit on screen";
    const CRect delay = session->levelLayout(1)->entryRect(1);
    host.moveTo(delay.left + 10, delay.top + 5);
    idleFor(30);
    host.button(true);
    idleFor(30);
    host.button(false);
    ASSERT_TRUE(idleUntil([&] { return panel->getFrame()->getMenuSession() == nullptr; }));
    long index = -1;
    EXPECT_EQ(panel->menu->getLastItemMenu(index), panel->submenu);
    EXPECT_EQ(index, 1);
    ASSERT_NE(panel->last("valueChanged"), nullptr);
    EXPECT_EQ(panel->last("valueChanged")->control, panel->menu);
    EXPECT_TRUE(
        idleUntil([&] { return host.childCount(DefaultRootWindow(host.display)) == topLevelsBefore; }));
}

TEST_F(EditorInX, TypingGoesIntoTheClickedTextField)
{
    openEditor();
    clickPanel(CPoint(TestPanel::kTextEdit.left + 10, TestPanel::kTextEdit.top + 5));
    ASSERT_TRUE(panel->textEdit->isBeingEdited());
    for (KeySym k : {XK_BackSpace, XK_BackSpace, XK_BackSpace, XK_BackSpace, XK_k, XK_i, XK_t})
        host.key(k);
    host.key(XK_Return);
    EXPECT_TRUE(idleUntil([&] { return !panel->textEdit->isBeingEdited(); }));
    EXPECT_STREQ(panel->textEdit->getText(), "kit");
    ASSERT_NE(panel->last("valueChanged"), nullptr);
    EXPECT_EQ(panel->last("valueChanged")->control, panel->textEdit);

    clickPanel(CPoint(TestPanel::kNumber.left + 5, TestPanel::kNumber.top + 5));
    host.key(XK_BackSpace);
    for (KeySym k : {XK_4, XK_2, XK_KP_Enter})
        host.key(k);
    EXPECT_TRUE(idleUntil([&] { return !panel->number->isBeingEdited(); }));
    EXPECT_EQ(panel->number->getNumericalValue(), 41);

    // With nothing being edited, keys typed over the panel reach the host's window.
    XSelectInput(host.display, host.parent, StructureNotifyMask | KeyPressMask);
    host.movePanel(CPoint(TestPanel::kTextEdit.left + 10, TestPanel::kTextEdit.top + 5));
    host.key(XK_space);
    idleFor(30);
    XEvent event;
    XSync(host.display, False);
    EXPECT_TRUE(XCheckWindowEvent(host.display, host.parent, KeyPressMask, &event));
    EXPECT_STREQ(panel->textEdit->getText(), "kit");
}

TEST_F(EditorInX, OpensAndClosesTwoHundredTimesWithoutLeaking)
{
    int embedded = 0;
    const auto openAndClose = [&]
    {
        dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(static_cast<std::uintptr_t>(host.parent)));
        dispatch(effEditIdle);
        embedded += host.childCount(host.parent);
        dispatch(effEditIdle);
        dispatch(effEditClose);
    };
    for (int i = 0; i < 10; ++i) // caches of cairo, fontconfig and Xlib fill up here
        openAndClose();
    const int files = openFileCount();
    const long memory = residentKilobytes();
    const int topLevels = host.childCount(DefaultRootWindow(host.display));
    embedded = 0;
    for (int i = 0; i < 200; ++i)
        openAndClose();
    XSync(host.display, False);
    EXPECT_EQ(embedded, 200) << "every opening made its window in the host's";
    EXPECT_EQ(openFileCount(), files);
    EXPECT_EQ(host.childCount(host.parent), 0);
    EXPECT_EQ(host.childCount(DefaultRootWindow(host.display)), topLevels);
    const long grownKilobytes = residentKilobytes() - memory;
    RecordProperty("residentGrowthKilobytes", static_cast<int>(grownKilobytes));
    if (kResidentMemoryTellsLeaks)
    {
        EXPECT_LT(grownKilobytes, 4096) << "resident memory grew by more than 4 MB";
    }
}

TEST_F(EditorInX, AParentThatIsNoWindowLeavesTheEditorUsable)
{
    dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(static_cast<std::uintptr_t>(0x7ffffff)));
    ASSERT_NE(panel->getFrame(), nullptr);
    idleFor(20);
    dispatch(effEditClose);
    dispatch(effEditIdle);
}
