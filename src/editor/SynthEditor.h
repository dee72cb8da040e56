// The plug-in's editor object. It lives as long as the plug-in object; its window, frame,
// containers and controls come and go with the host's open and close calls, its resources,
// question, notification and deferred actions stay.
//
// Threads: the views are touched on the user-interface thread only. Other threads (the host's,
// the MIDI receive thread) change texts, lamps and control values through the editor, which
// keeps the change and applies it at the frame's next idle.
#pragma once

#include "../gui/CControl.h"
#include "../gui/PictureCache.h"
#include "../params/ParameterTypes.h"
#include "../vst/AEffGUIEditor.h"
#include "EditorTables.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class SynthCommons;
class CViewContainer;
class COptionMenu;
struct t_HistoryStep;
struct t_ValueChange;
enum e_HistoryDirection : std::uint8_t;

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
    QUESTION_RESET_KEYBOARD2 = 17, // the parts from 7 (Drum1) to 21 (AudioIn)
    QUESTION_RESET_FX = 22,
    QUESTION_LOAD_INTO_BANK_A = 23, // a bank file from the library: into bank A? then B, C, D
    QUESTION_LOAD_INTO_BANK_D = 26,
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
// The labels of the MIDI test's result page, line by line.
constexpr e_EditorResourceID kMidiTestLines[kMidiTestResultLines] = {
    RES_MIDI_TEST_TITLE, RES_MIDI_TEST_LINE1, RES_MIDI_TEST_LINE2, RES_MIDI_TEST_LINE3};

struct t_PostProcessEntry
{
    e_EditorPostProcessType action;
    std::intptr_t arguments[4];
    char text[kInfoTextLength];
    std::uint32_t due; // milliseconds of getTicks()
};

class SynthEditor : public AEffGUIEditor, public CControlListener
{
public:
    explicit SynthEditor(SynthCommons* synth);
    ~SynthEditor() override;

    SynthCommons* getSynth() const { return synth; }

    bool open(void* ptr) override;
    void close() override;
    // The window's size at the zoom the panel will open at, while closed; as shown while open.
    bool getRect(ERect** rect) override;
    // Open from open to close, with a parent window or drawn offscreen; any thread may ask.
    bool isOpen() override { return windowOpen; }
    // The frame's idle, before the redraw: the due deferred actions, then the texts, lamps,
    // values and visibility that other threads changed meanwhile.
    void idleBeforeRedraw() override;
    void draw(const CRect& area);

    // The toolkit's listener.
    void valueChanged(CDrawContext* context, CControl* control) override;
    void mouseMoved(CDrawContext* context, CControl* control) override;
    void controlBeginEdit(CDrawContext* context, CControl* control) override;
    // The panel's keys: the zoom's, then undo and redo.
    bool onShortcut(const VstKeyCode& key) override;

    // --- Zoom (SynthEditor_zoom.cpp) ---
    // A zoom step the user chose; applied (and kept in the user's settings) at the next idle.
    void requestZoom(int percent);
    // Opens the panel at this zoom step from now on, without keeping it (pavonis --zoom).
    void overrideZoom(int percent);
    // Ctrl + plus, minus, 0.
    bool zoomShortcut(const VstKeyCode& key);

    // --- Resources (built with the editor) ---
    void editorControlsLib_AllocateAndInitResources();
    void editorControlsLib_FreeResources();
    void editorControlsLib_AddResourcesToFrame(CFrame* target);
    t_EditorResource* editorControlsLib_GetResource(e_EditorResourceID id);
    CBitmap* editorControlsLib_GetBitmapResourceObj(e_EditorResourceID id);
    CTextLabel* editorControlsLib_GetLabelResourceObj(e_EditorResourceID id);
    COnOffButton* editorControlsLib_GetOnOffBitmapResourceObj(e_EditorResourceID id);
    CBitmapText* editorControlsLib_GetBitmapTextResourceObj(e_EditorResourceID id);

    // --- Containers (built at open) ---
    void editorControlsLib_AllocateAndInitContainers(CFrame* target);
    void editorControlsLib_DeallocateContainers();
    CViewContainer* editorControlsLib_GetContainerObj(e_EditorContainer id);
    void editorControlsLib_UpdateVisibleContainers();
    void editorControlsLib_ContainersForceVisible(e_EditorContainer id);
    void editorControlsLib_ContainersForceRemove(e_EditorContainer id);
    // The shown set (word 0, word 1 without bit 31).
    std::uint32_t visibleWord(int word) const { return visibleContainers[word]; }

    // --- Controls (built at open) ---
    void editorControlsLib_AllocateAndInitControls(CFrame* target);
    void editorControlsLib_AddControlsToFrame(CFrame* target);
    void editorControlsLib_FreeControls();
    void editorControlsLib_SetControlsTag();
    t_EditorControl* editorControlsLib_GetEditorControl(const CControl* control);
    // A row of the constant table (callers read its constant fields only), or null while closed.
    const t_EditorControl* editorControlsLib_GetFirstMatchingControl(e_EditorParameterID id);
    // The first run-time row of a parameter, with its views; user-interface thread only.
    t_EditorControl* firstControlRow(e_EditorParameterID id);
    void editorControlsLib_SetControlValue(e_EditorParameterID id, CControl* leaveAlone, std::uint32_t index);
    void editorControlsLib_SetAllControlValue(CControl* leaveAlone);
    void editorControlsLib_UpdateProgramName();
    void editorControlsLib_DisplayCurrentPatchPrefix();
    void editorControlsLib_SubMenusAddEntries(t_EditorParameter* e, t_Menu_TypeStruct* menu);
    void editorControlsLib_AllocateSubMenuObjs(t_EditorParameter* e, t_Menu_TypeStruct* menu,
                                               const CRect& rect, long tag);
    t_MenuItem editorControlsLib_GetMenuItemDisplayStr(t_EditorParameter* e, const t_Menu_TypeStruct* menu,
                                                       std::uint32_t index);
    // Where entry listIndex of a menu row's list stands: the menu or submenu, and its index there.
    bool menuPlaceOf(t_EditorParameter* e, const t_Menu_TypeStruct* menu, std::uint32_t listIndex,
                     COptionMenu** place, long* index);
    void selectMenuListEntry(t_EditorParameter* e, t_Menu_TypeStruct* menu, std::uint32_t listIndex);
    // The list index of the entry the user chose last, or -1.
    int menuListIndexOfChoice(t_EditorParameter* e, const t_Menu_TypeStruct* menu);

    // --- The info line and the device status ---
    void editorControlsLib_DisplayCurrentParameterInfo(float value, const t_EditorControl* control);
    void editorControlsLib_DisplayCurrentParameterInfo(const char* text);
    void editorControlsLib_ResetParameterInfo();
    // The shown parameter's information again, with its current value and name.
    void editorControlsLib_RefreshParameterInfo();
    bool editorControlsLib_NeedToUpdateCurrentParameterInfo(e_EditorParameterID id) const;
    void editorControlsLib_GetCurrentPartString(char* buffer, int size) const;
    void editorControlsLib_OnControlMouseMoved(CControl* control);
    void setDeviceStatus(const char* text);
    std::string infoLineText() const;
    std::string deviceStatusText() const;
    // Whether the user chose a Tether MIDI port in the interface menus.
    std::atomic<bool> outPortChosen{false};
    std::atomic<bool> inPortChosen{false};
    // The MIDI port lamps (RES_LAMP_OUT, RES_LAMP_IN).
    void setLamp(e_EditorResourceID lamp, bool on);
    bool lampLit(e_EditorResourceID lamp) const;
    // The port lists have been taken (on another thread): the interface menus are built anew
    // from them at the next idle.
    void portListsArrived() { portMenusPending = true; }

    // --- Commands ---
    void editorControlsLib_OnControlValueChanged(CControl* control);
    void editorControlsLib_OnControlValueChangedSpecific(e_EditorParameterID id, CControl* control);
    // After a mode or part change: every value, the tags, the info line and the visible set.
    void refreshAfterSelection();

    // --- Undo, redo and compare (src/commands/SynthEditor_history.cpp) ---
    // A command button's command, as one step of the history (undo and redo as themselves).
    void runCommand(e_EditorParameterID id, CControl* control);
    void undoOrRedo(e_HistoryDirection direction);
    // Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo.
    bool historyShortcut(const VstKeyCode& key);
    // What the info line says while the mouse is over undo, redo or compare; empty for others.
    std::string hoverText(e_EditorParameterID id);
    // What a step did, behind a prefix, as the info line shows it whole: "Undo: D1 Cutoff
    // 64 → 80", "Redo: Paste D7B".
    std::string historyStepText(const char* prefix, const t_HistoryStep& step);
    // Compare was asked for (on) or ended: the button and the info line say which is heard.
    void compareChanged(bool asked, bool started);

    // --- The pattern library (src/commands/SynthEditor_library.cpp) ---
    // The file of the Load menu's entry, as listed when the menu was last opened; null beyond.
    const std::string* libraryFile(std::uint32_t index) const;
    void loadFromLibrary(const std::string& file);

    // --- Questions: the panel opens with "Sync now ?" ---
    void editorControlsLib_AskQuestion(int type);
    void editorControlsLib_RemoveQuestion();
    std::string questionText() const;
    std::atomic<bool> questionPending{true};
    std::atomic<int> questionType{QUESTION_SYNC_NOW};

    // --- The syncing notification ---
    void syncingNotif(bool show, const char* text);
    void syncingNotifText(const char* text);
    bool syncingShown() const { return syncingFlag; }
    std::string syncingText() const;

    // --- Deferred actions ---
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

    // --- The MIDI test's result page ---
    void editorControlsLib_MidiTestResult();
    std::string midiTestResultLine(int line) const;

    // The editor parameter whose information the info line shows; EPARAM_END = none.
    std::atomic<e_EditorParameterID> infoLineParameter{EPARAM_END};

private:
    int zoomToOpenAt(void* parent) const;
    void applyPendingZoom();
    int firstFreeEntry() const;
    void freeEntriesOf(e_EditorPostProcessType action, int count);
    void makeRoomForEntry();
    void runAction(const t_PostProcessEntry& entry);
    template <typename Select> void runEntriesWhere(Select select);

    // Texts of label resources, kept here and written into the labels on the user-interface thread.
    void setResourceText(e_EditorResourceID id, const char* text);
    std::string resourceText(e_EditorResourceID id) const;
    void applyPendingResources();
    void applyPendingPushes();
    bool onPanelThread() const;
    void addToTarget(CView* view, e_EditorContainer container, CFrame* target);
    CViewContainer* targetOf(e_EditorContainer container, CFrame* target);
    void pushRow(t_EditorControl* row, CControl* leaveAlone, std::uint32_t index);
    void showInfoLine(const char* text, e_EditorParameterID shown);
    // History: the gesture a change belongs to, compare left before an edit, a change's text.
    void beginPanelTouch(const t_EditorControl* row, CControl* control);
    void leaveCompareToEdit(const t_EditorControl* row, CControl* control);
    std::string commandLabel(e_EditorParameterID id);
    std::string valueName(const t_ValueChange& change, const t_EditorParameter*& shown);
    std::string valueText(const t_EditorParameter* e, float value);
    // The first text that the info line shows whole, else the last one cut short.
    std::string fittingInfoLine(const std::vector<std::string>& forms);
    // Commands (src/commands).
    void copyPattern();
    void pastePattern();
    void copyPart();
    void pastePart();
    void askPartReset();
    void answerYes();
    void acceptReceivedPattern();
    void acceptReceivedBank();
    void resetPart(int question);
    void answerNo();
    void saveToLibrary();
    void openLibraryMenu();
    // The interface menus' entries from the last port listing, and their stored choices shown.
    void rebuildPortMenus();
    // The answer to "Load into bank X ?": yes fills it, no asks for the next bank.
    void answerBankQuestion(bool yes);

    SynthCommons* synth;

    t_EditorResource* resources = nullptr;
    // The panel's pictures, once decoded, stay while any instance's editor is there.
    gui::PictureKeeper pictureKeeper;
    t_EditorContainer* containers = nullptr;
    t_EditorControl* controls = nullptr;
    std::uint32_t visibleContainers[2] = {0, 0};
    std::atomic<bool> windowOpen{false};

    // Texts and lamps written from any thread; the lock is held only to copy them.
    struct PanelText
    {
        e_EditorResourceID resource;
        std::string text;
        bool pending;
    };
    static constexpr int kPanelTexts = 9;
    mutable std::mutex textLock;
    PanelText panelTexts[kPanelTexts];
    std::string programPrefix;
    std::atomic<bool> prefixPending{false};
    std::atomic<bool> outLampLit{false};
    std::atomic<bool> inLampLit{false};
    std::atomic<bool> lampsPending{false};
    std::atomic<bool> syncingFlag{false};

    // Grabs of controls: the history joins a drag's changes into one step.
    std::uint32_t gestures = 0;

    // Pushes and visibility updates asked for on other threads, done at the next idle.
    static constexpr int kPushWords = (EPARAM_END + 63) / 64;
    std::atomic<std::uint64_t> pushesPending[kPushWords]{};
    std::atomic<bool> allPushesPending{false};
    std::atomic<bool> visibilityPending{false};
    std::atomic<bool> portMenusPending{false};

    std::atomic<int> pendingZoom{0};  // a zoom step the user asked for, or 0
    std::atomic<int> zoomOverride{0}; // pavonis --zoom, or 0
    bool zoomChosen = false;          // the zoom to open at has been chosen (getRect or open)

    t_PostProcessEntry postProcessEntries[kPostProcessEntries]{};
    std::atomic<int> postProcessLockFlag{0};

    // The library's files listed for the Load menu, and the bank file waiting for its bank.
    std::vector<std::string> libraryFiles;
    std::string libraryBankFile;
};
