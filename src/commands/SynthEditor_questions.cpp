// The panel's yes/no questions and the syncing notification.
#include "../core/SynthCommons.h"
#include "../editor/SynthEditor.h"

namespace
{
constexpr const char* kDefaultSyncingText = "Syncing hardware...";
constexpr unsigned kNotificationDrawMs = 100;

struct QuestionText
{
    int type;
    const char* text;
};

constexpr QuestionText kQuestions[] = {
    {QUESTION_SYNC_NOW, "Sync now ?"},
    {QUESTION_ACCEPT_PATTERN_DUMP, "Accept pattern dump ?"},
    {QUESTION_ACCEPT_BANK_A_DUMP, "Accept pattern bank A dump ?"},
    {QUESTION_RESET_PATTERN, "Reset current pattern ?"},
    {7, "Reset Drum1 part ?"},
    {8, "Reset Drum2 part ?"},
    {9, "Reset Drum3 part ?"},
    {10, "Reset Drum4 part ?"},
    {11, "Reset Drum5 part ?"},
    {12, "Reset Drum6A part ?"},
    {13, "Reset Drum6B part ?"},
    {14, "Reset Drum7A part ?"},
    {15, "Reset Drum7B part ?"},
    {16, "Reset Keyboard1 part ?"},
    {17, "Reset Keyboard2 part ?"},
    {18, "Reset Stretch1 part ?"},
    {19, "Reset Stretch2 part ?"},
    {20, "Reset Slice part ?"},
    {21, "Reset AudioIn part ?"},
    {QUESTION_RESET_FX, "Reset FX part ?"},
    {QUESTION_LOAD_INTO_BANK_A, "Load into bank A ?"},
    {QUESTION_LOAD_INTO_BANK_A + 1, "Load into bank B ?"},
    {QUESTION_LOAD_INTO_BANK_A + 2, "Load into bank C ?"},
    {QUESTION_LOAD_INTO_BANK_D, "Load into bank D ?"},
};

const char* textOfQuestion(int type)
{
    for (const QuestionText& q : kQuestions)
        if (q.type == type)
            return q.text;
    return kQuestions[0].text;
}
} // namespace

void SynthEditor::editorControlsLib_AskQuestion(int type)
{
    questionType = type;
    setResourceText(RES_QUESTION_TEXT, textOfQuestion(type));
    questionPending = true;
    editorControlsLib_UpdateVisibleContainers();
}

void SynthEditor::editorControlsLib_RemoveQuestion()
{
    questionPending = false;
    editorControlsLib_UpdateVisibleContainers();
}

std::string SynthEditor::questionText() const
{
    return textOfQuestion(questionType);
}

// Shows or hides the overlay that tells the user the plug-in is busy with the device. The
// state is kept with the window closed and shown again at the next opening; on any other
// thread than the panel's the change waits for the next idle.
void SynthEditor::syncingNotif(bool show, const char* text)
{
    if (isOpen() && !onUserInterfaceThread())
    {
        postProcessAdd(POSTPROCESS_SYNCING_NOTIFICATION, show ? 1 : 0, 0, text, 0);
        return;
    }
    syncingFlag = show;
    if (show)
        syncingNotifText(text);
    if (!frame)
        return;
    if (!show)
    {
        editorControlsLib_ContainersForceRemove(CONT_OVERLAY);
        return;
    }
    editorControlsLib_ContainersForceVisible(CONT_OVERLAY);
    wait(kNotificationDrawMs);
}

void SynthEditor::syncingNotifText(const char* text)
{
    setResourceText(RES_SYNCING_TEXT, text && *text ? text : kDefaultSyncingText);
}
