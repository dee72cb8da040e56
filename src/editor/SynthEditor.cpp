// The editor object's life: construction with the plug-in, the window's open and close, the
// frame's idle, and the texts and pushes that other threads hand to the panel.
#include "SynthEditor.h"

#include "../core/SynthCommons.h"
#include "../gui/GuiToolkit.h"

namespace
{
constexpr int kShownAgainAtOnceMs = 0;
} // namespace

SynthEditor::SynthEditor(SynthCommons* owner)
    : AEffGUIEditor(owner), synth(owner), panelTexts{{RES_INFO_LINE, "", false},
                                                     {RES_QUESTION_TEXT, "", false},
                                                     {RES_DEVICE_STATUS, "", false},
                                                     {RES_SYNCING_TEXT, "", false},
                                                     {RES_MIDI_TEST_TITLE, "", false},
                                                     {RES_MIDI_TEST_LINE1, "", false},
                                                     {RES_MIDI_TEST_LINE2, "", false},
                                                     {RES_MIDI_TEST_LINE3, "", false},
                                                     {RES_END, "", false}}
{
    setKnobMode(kKnobModeCircular);
    postProcessInit();
    editorControlsLib_AllocateAndInitResources();
    int width = 0;
    int height = 0;
    if (CBitmap* panel = editorControlsLib_GetBitmapResourceObj(RES_MAIN_BACKGROUND);
        panel && panel->isLoaded())
    {
        width = static_cast<int>(panel->getWidth());
        height = static_cast<int>(panel->getHeight());
    }
    else
        editorTables_FrameSize(RES_MAIN_BACKGROUND, &width, &height);
    setPanelSize(width, height);
    setDeviceStatus("ESX not detected");
}

SynthEditor::~SynthEditor()
{
    SynthEditor::close();
    editorControlsLib_FreeResources();
}

bool SynthEditor::open(void* ptr)
{
    AEffGUIEditor::open(ptr);
    if (!zoomChosen)
        setZoom(zoomToOpenAt(ptr));
    zoomChosen = true;
    visibleContainers[0] = visibleContainers[1] = 0;
    frame = new CFrame(CRect(0, 0, getPanelWidth(), getPanelHeight()), "Pavonis", this);
    frame->setZoom(getZoom());
    frame->setBackground(editorControlsLib_GetBitmapResourceObj(RES_MAIN_BACKGROUND));
    editorControlsLib_AllocateAndInitContainers(frame);
    portMenusPending = false; // the menus are built from the last listing
    if (synth->midiMode == MIDI_MODE_TETHER)
        synth->TetherMidiListPortsForPanel();
    editorControlsLib_AllocateAndInitControls(frame);
    editorControlsLib_AddResourcesToFrame(frame);
    editorControlsLib_AddControlsToFrame(frame);
    editorControlsLib_UpdateVisibleContainers();
    if (questionPending)
        editorControlsLib_AskQuestion(questionType);
    if (syncingFlag)
        postProcessAdd(POSTPROCESS_SYNCING_NOTIFICATION, 1, 0, syncingText().c_str(), kShownAgainAtOnceMs);
    applyPendingResources();
    frame->open(ptr);
    windowOpen = true;
    return true;
}

void SynthEditor::close()
{
    if (windowOpen)
        synth->compare_End(true); // compare is a look at the panel: the edited program returns
    windowOpen = false;
    CFrame* closing = frame;
    if (closing)
    {
        frame = nullptr;
        closing->close();
        closing->removeAll(false);
        closing->setBackground(nullptr);
        editorControlsLib_DeallocateContainers();
        editorControlsLib_FreeControls();
        delete closing;
    }
    visibleContainers[0] = visibleContainers[1] = 0;
    AEffGUIEditor::close();
}

void SynthEditor::idleBeforeRedraw()
{
    applyPendingZoom();
    postProcessExecute();
    synth->history_TakeDeviceChanges();
    if (visibilityPending.exchange(false))
        editorControlsLib_UpdateVisibleContainers();
    if (portMenusPending.exchange(false))
        rebuildPortMenus();
    applyPendingPushes();
    applyPendingResources();
}

void SynthEditor::draw(const CRect& area)
{
    if (frame)
        frame->invalidRect(area);
}

bool SynthEditor::onShortcut(const VstKeyCode& key)
{
    return zoomShortcut(key) || historyShortcut(key);
}

bool SynthEditor::onPanelThread() const
{
    return onUserInterfaceThread() && frame;
}

// --- Texts and lamps -----------------------------------------------------------------------------

void SynthEditor::setResourceText(e_EditorResourceID id, const char* text)
{
    {
        std::lock_guard<std::mutex> lock(textLock);
        for (PanelText& entry : panelTexts)
            if (entry.resource == id)
            {
                entry.text = text ? text : "";
                entry.pending = true;
            }
    }
    if (onPanelThread())
        applyPendingResources();
}

std::string SynthEditor::resourceText(e_EditorResourceID id) const
{
    std::lock_guard<std::mutex> lock(textLock);
    for (const PanelText& entry : panelTexts)
        if (entry.resource == id)
            return entry.text;
    return {};
}

void SynthEditor::applyPendingResources()
{
    {
        std::lock_guard<std::mutex> lock(textLock);
        for (PanelText& entry : panelTexts)
        {
            if (!entry.pending)
                continue;
            entry.pending = false;
            if (CTextLabel* label = editorControlsLib_GetLabelResourceObj(entry.resource))
                label->setText(entry.text.c_str());
        }
        if (prefixPending.exchange(false))
            if (CBitmapText* prefix = editorControlsLib_GetBitmapTextResourceObj(RES_PROGRAM_PREFIX))
            {
                prefix->setText(programPrefix.c_str());
                prefix->setDirty();
            }
    }
    if (lampsPending.exchange(false))
        for (e_EditorResourceID lamp : {RES_LAMP_OUT, RES_LAMP_IN})
            if (COnOffButton* button = editorControlsLib_GetOnOffBitmapResourceObj(lamp))
            {
                button->setValue(lampLit(lamp) ? 1.0f : 0.0f);
                button->setDirty();
            }
}

void SynthEditor::setLamp(e_EditorResourceID lamp, bool on)
{
    (lamp == RES_LAMP_OUT ? outLampLit : inLampLit) = on;
    lampsPending = true;
    if (onPanelThread())
        applyPendingResources();
}

bool SynthEditor::lampLit(e_EditorResourceID lamp) const
{
    return lamp == RES_LAMP_OUT ? outLampLit : inLampLit;
}

void SynthEditor::setDeviceStatus(const char* text)
{
    setResourceText(RES_DEVICE_STATUS, text);
}

std::string SynthEditor::deviceStatusText() const
{
    return resourceText(RES_DEVICE_STATUS);
}

std::string SynthEditor::infoLineText() const
{
    return resourceText(RES_INFO_LINE);
}

std::string SynthEditor::syncingText() const
{
    return resourceText(RES_SYNCING_TEXT);
}

std::string SynthEditor::midiTestResultLine(int line) const
{
    return line >= 0 && line < kMidiTestResultLines ? resourceText(kMidiTestLines[line]) : std::string();
}

void SynthEditor::editorControlsLib_DisplayCurrentPatchPrefix()
{
    char prefix[kInfoTextLength];
    synth->addProgramNamePrefix(prefix, nullptr, synth->currentProgram, kInfoTextLength);
    {
        std::lock_guard<std::mutex> lock(textLock);
        programPrefix = prefix;
    }
    prefixPending = true;
    if (onPanelThread())
        applyPendingResources();
}
