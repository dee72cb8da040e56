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

void SynthEditor::syncingNotif(bool show, const char* text)
{
    syncingFlag = show;
    if (show)
        syncingNotifText(text); // kept to be shown again when the window opens
    if (show && isOpen())
        wait(kNotificationDrawMs);
}

void SynthEditor::syncingNotifText(const char* text)
{
    std::lock_guard<std::mutex> lock(textLock);
    syncingTextBuffer = text && *text ? text : kDefaultSyncingText;
}

std::string SynthEditor::syncingText() const
{
    std::lock_guard<std::mutex> lock(textLock);
    return syncingTextBuffer;
}
