// The plug-in's editor object. It lives as long as the plug-in object; its window comes
// and goes with the host's open and close calls.
#pragma once

#include "../params/ParameterTypes.h"
#include "../vst/AEffEditor.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

class SynthCommons;
class CControl;
struct t_EditorControl;

enum e_KnobMode : int
{
    kKnobModeCircular = 0,
    kKnobModeRelativeCircular = 1,
    kKnobModeLinear = 2,
};

enum e_QuestionType : int
{
    QUESTION_SYNC_NOW = 0,
    QUESTION_ACCEPT_PATTERN_DUMP = 1,
    QUESTION_ACCEPT_BANK_A_DUMP = 2,
    QUESTION_RESET_PATTERN = 6,
    QUESTION_RESET_FX = 22,
};

// Work handed to the user-interface thread, run at the frame's idle when due.
enum e_EditorPostProcessType : int
{
    POSTPROCESS_NONE = 0,
    POSTPROCESS_SYNCING_NOTIFICATION = 1, // first argument: show (non-zero) or hide
    POSTPROCESS_SYNCING_TEXT = 2,
    POSTPROCESS_SELECT_PROGRAM = 4, // first argument: program
    POSTPROCESS_APPLY_PROGRAM = 5,  // first argument: program, second: send
    POSTPROCESS_INCOMPLETE_DUMP_CHECK = 6,
    POSTPROCESS_MIDI_TEST_TIMEOUT = 7, // first argument: the test step when queued
};

constexpr int kInfoTextLength = 100;
constexpr int kPostProcessEntries = 128;
constexpr int kMidiTestResultLines = 4;

struct t_PostProcessEntry
{
    e_EditorPostProcessType action;
    std::intptr_t arguments[4];
    char text[kInfoTextLength];
    std::uint32_t due; // milliseconds of getTicks()
};

class SynthEditor : public AEffEditor
{
public:
    explicit SynthEditor(SynthCommons* synth);
    ~SynthEditor() override;

    SynthCommons* getSynth() const { return synth; }

    // The host's idle: runs the deferred actions that are due while the window is open.
    void idle() override;
    bool setKnobMode(vst::int32 mode) override;
    static int getKnobMode();
    std::uint32_t getTicks() const;
    // Lets time pass; on the user-interface thread the panel keeps being served meanwhile.
    void wait(unsigned milliseconds);

    // Control binding.
    void editorControlsLib_SetControlValue(e_EditorParameterID id, CControl* leaveAlone, std::uint32_t index);
    void editorControlsLib_SetAllControlValue(CControl* leaveAlone);
    t_EditorControl* editorControlsLib_GetFirstMatchingControl(e_EditorParameterID id);
    void editorControlsLib_UpdateVisibleContainers();
    void editorControlsLib_UpdateProgramName();
    void editorControlsLib_DisplayCurrentPatchPrefix();
    std::string programPrefixText() const;

    // The info line and the device status.
    void editorControlsLib_DisplayCurrentParameterInfo(float value, t_EditorControl* control);
    void editorControlsLib_DisplayCurrentParameterInfo(const char* text);
    void editorControlsLib_ResetParameterInfo();
    bool editorControlsLib_NeedToUpdateCurrentParameterInfo(e_EditorParameterID id) const;
    void editorControlsLib_GetCurrentPartString(char* buffer, int size) const;
    void setDeviceStatus(const char* text);
    // The MIDI port lamps (RES_LAMP_OUT, RES_LAMP_IN).
    void setLamp(std::uint32_t lamp, bool on);
    bool lampLit(std::uint32_t lamp) const;
    std::string infoLineText() const;
    std::string deviceStatusText() const;

    // Questions: the panel opens with "Sync now ?".
    void editorControlsLib_AskQuestion(int type);
    void editorControlsLib_RemoveQuestion();
    std::string questionText() const;
    std::atomic<bool> questionPending{true};
    std::atomic<int> questionType{QUESTION_SYNC_NOW};

    // The syncing notification.
    void syncingNotif(bool show, const char* text);
    void syncingNotifText(const char* text);
    bool syncingShown() const { return syncingFlag; }
    std::string syncingText() const;

    // Deferred actions.
    void postProcessInit();
    void postProcessAdd(e_EditorPostProcessType action, std::intptr_t first, std::intptr_t second,
                        const char* text, unsigned delayMs);
    void postProcessRemovePending(e_EditorPostProcessType action);
    void postProcessConsolidate(int count);
    void postProcessExecute();
    // Runs the pending actions of one kind now, whether due or not.
    void postProcessRunPending(e_EditorPostProcessType action);
    void postProcessLock();
    void postProcessUnlock();
    int postProcessPendingCount(e_EditorPostProcessType action);

    // The MIDI test's result page.
    void editorControlsLib_MidiTestResult();
    std::string midiTestResultLine(int line) const;

    // The editor parameter whose information the info line shows; EPARAM_END = none.
    std::atomic<e_EditorParameterID> infoLineParameter{EPARAM_END};

private:
    int firstFreeEntry() const;
    void freeEntriesOf(e_EditorPostProcessType action, int count);
    void makeRoomForEntry();
    void runAction(const t_PostProcessEntry& entry);
    template <typename Select> void runEntriesWhere(Select select);

    SynthCommons* synth;

    // The panel's texts, written from any thread. Until the panel's labels exist the
    // editor keeps them here; the lock is held only to copy a text.
    mutable std::mutex textLock;
    std::string infoText;
    std::string deviceStatus;
    std::string programPrefix;
    std::string syncingTextBuffer;
    std::string midiTestLines[kMidiTestResultLines];
    std::atomic<bool> syncingFlag{false};
    std::atomic<bool> outLampLit{false};
    std::atomic<bool> inLampLit{false};

    t_PostProcessEntry postProcessEntries[kPostProcessEntries]{};
    std::atomic<int> postProcessLockFlag{0};
};
