// AEffGUIEditor through the plug-in's dispatcher, on the offscreen back end (no parent window).

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace guitest;

namespace
{
// An editor with one text field, recording the order of the idle's steps.
class SmallEditor : public AEffGUIEditor
{
public:
    explicit SmallEditor(AudioEffect* effect) : AEffGUIEditor(effect) { rect = ERect{0, 0, 100, 200}; }
    ~SmallEditor() override { SmallEditor::close(); }

    bool open(void* ptr) override
    {
        AEffGUIEditor::open(ptr);
        ++opens;
        frame = new CFrame(CRect(0, 0, 200, 100), "small", this);
        edit = new CTextEdit(CRect(0, 0, 100, 20), nullptr, -1, 255, "x");
        frame->addView(edit);
        frame->open(ptr);
        return true;
    }
    void close() override
    {
        if (frame)
        {
            frame->removeAll(false);
            delete edit;
            edit = nullptr;
        }
        AEffGUIEditor::close();
    }
    void idleBeforeRedraw() override
    {
        ++hooks;
        dirtyAtHook = edit && edit->isDirty();
    }

    CTextEdit* edit = nullptr;
    int opens = 0;
    int hooks = 0;
    bool dirtyAtHook = false;
};

class EditorThroughDispatcher : public ::testing::Test
{
protected:
    EditorThroughDispatcher() : editor(new SmallEditor(&effect)) { effect.setEditor(editor); }
    ~EditorThroughDispatcher() override
    {
        effect.setEditor(nullptr);
        delete editor;
    }
    vst::intptr dispatch(vst::int32 opcode, vst::int32 index = 0, vst::intptr value = 0, void* ptr = nullptr,
                         float opt = 0.0f)
    {
        return effect.dispatcher(opcode, index, value, ptr, opt);
    }

    RecordingEffect effect;
    SmallEditor* editor;
};
} // namespace

TEST_F(EditorThroughDispatcher, ToleratesIdleAndCloseWithoutOpenAndOpenTwice)
{
    dispatch(effEditIdle);
    dispatch(effEditClose);
    EXPECT_EQ(editor->hooks, 0) << "no window, no idle";
    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 200);

    dispatch(effEditOpen);
    dispatch(effEditOpen);
    EXPECT_EQ(editor->opens, 2);
    ASSERT_NE(editor->getFrame(), nullptr);
    dispatch(effEditIdle);
    EXPECT_EQ(editor->hooks, 1);
    dispatch(effEditClose);
    dispatch(effEditClose);
    EXPECT_EQ(editor->getFrame(), nullptr);
    dispatch(effEditIdle);
    EXPECT_EQ(editor->hooks, 1);
}

TEST_F(EditorThroughDispatcher, IdleRunsTheHookBeforeItRedraws)
{
    dispatch(effEditOpen);
    editor->edit->setText("changed");
    dispatch(effEditIdle);
    EXPECT_TRUE(editor->dirtyAtHook);
    EXPECT_FALSE(editor->edit->isDirty());
    dispatch(effEditClose);
}

TEST_F(EditorThroughDispatcher, HostKeysReachTheFocusedTextFieldOnly)
{
    dispatch(effEditOpen);
    EXPECT_EQ(dispatch(effEditKeyDown, 'a'), 0) << "no field has the focus: the key stays with the host";
    editor->getFrame()->windowMouseDown(CPoint(5, 5), kLButton);
    EXPECT_EQ(dispatch(effEditKeyDown, 'y'), 1);
    dispatch(effEditKeyUp, 'y');
    EXPECT_EQ(dispatch(effEditKeyDown, 0, VKEY_RETURN), 1);
    EXPECT_STREQ(editor->edit->getText(), "xy");
    dispatch(effEditClose);
}

TEST_F(EditorThroughDispatcher, KnobModeIsSharedByEveryEditor)
{
    EXPECT_EQ(dispatch(effSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(AEffGUIEditor::getKnobMode(), 2);
    dispatch(effSetEditKnobMode, 0, 7);
    EXPECT_EQ(AEffGUIEditor::getKnobMode(), 2) << "out of range is limited";
    dispatch(effSetEditKnobMode, 0, 0);
}

TEST_F(EditorThroughDispatcher, WaitKeepsTheWindowWorkingOnlyOnItsOwnThread)
{
    dispatch(effEditOpen);
    const int before = editor->hooks;
    editor->wait(30);
    EXPECT_GT(editor->hooks, before) << "the user-interface thread keeps idling while it waits";
    EXPECT_GE(editor->getTicks() - editor->getTicks(), 0u);

    const int hooks = editor->hooks;
    std::uint32_t waited = 0;
    std::thread other(
        [&]
        {
            const std::uint32_t start = editor->getTicks();
            editor->wait(20);
            waited = editor->getTicks() - start;
        });
    other.join();
    EXPECT_EQ(editor->hooks, hooks) << "another thread only sleeps";
    EXPECT_GE(waited, 19u);
    dispatch(effEditClose);
}

TEST_F(EditorThroughDispatcher, TheHostMayIdleOnAnotherThreadThanTheOneThatOpened)
{
    dispatch(effEditOpen);
    std::thread hostGuiThread([&] { dispatch(effEditIdle); });
    hostGuiThread.join();
    EXPECT_EQ(editor->hooks, 1);
    const int hooks = editor->hooks;
    editor->wait(15); // the opening thread is no longer the one that idles: it only sleeps
    EXPECT_EQ(editor->hooks, hooks);
    dispatch(effEditClose);
}

TEST_F(EditorThroughDispatcher, EditsReachTheHost)
{
    editor->beginEdit(12);
    editor->endEdit(12);
    EXPECT_EQ(effect.edits, (std::vector<std::string>{"+12", "-12"}));
    AEffGUIEditor plain(nullptr);
    plain.beginEdit(1); // no plug-in: nothing to tell
}
