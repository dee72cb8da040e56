// The plug-in object: one per plug-in instance. It answers the host, owns the parameter
// tables, the programs, the MIDI queues, the Tether MIDI layer and the SysEx state, and
// creates the editor.
#pragma once

#include "../midi/HostMidiPacer.h"
#include "../midi/HostSysexQueue.h"
#include "../midi/MidiBackend.h"
#include "../midi/MidiEventQueue.h"
#include "../params/ParameterTypes.h"
#include "../platform/Platform.h"
#include "../vst/AudioEffectX.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class SynthEditor;
struct t_ChunkState;
struct t_HistoryState;
struct t_HistoryStep;
enum e_HistoryDirection : std::uint8_t;

constexpr int kNumPrograms = 256;
constexpr int kNumHostParameters = 67;
constexpr int kPatchNameLength = 24;
constexpr int kPatternNameLength = 8;
constexpr int kPatternDataSize = 4280;
constexpr int kPatternsPerBank = 64;
constexpr int kBankDataSize = kPatternDataSize * kPatternsPerBank;
constexpr int kProgramMenuTextLength = 40;

// One program: its name and the device's pattern image.
struct t_Patch
{
    char name[kPatchNameLength];
    std::uint8_t data[kPatternDataSize];
};

enum e_PluginMode : int
{
    PLUGIN_MODE_PART = 0,
    PLUGIN_MODE_MIX = 1,
    PLUGIN_MODE_GLOBAL = 2,
    PLUGIN_MODE_SETUP = 5,
    PLUGIN_MODE_MIDI_TEST = 6,
};

enum e_MidiMode : int
{
    MIDI_MODE_HOST = 0,
    MIDI_MODE_TETHER = 1,
};

enum e_HostKind : int
{
    HOST_OTHER = 0,
    HOST_LIVE = 1,
    HOST_CAKEWALK = 2,
    HOST_AUDIO_UNIT = 3,
};

// Current channel values: keyboard channel index 0 or 1, or every other part.
constexpr int kChannelKeyboard1 = 0;
constexpr int kChannelKeyboard2 = 1;
constexpr int kChannelOtherParts = 9;

// Update flags of the central setter.
enum e_UpdateFlags : char
{
    UPDATE_HOST = 2,
    UPDATE_MIDI = 4,
    UPDATE_EDITOR = 8,
};

constexpr int kNoDumpType = 255;
constexpr int kHeldNoteSlots = 8;
constexpr int kTetherMaxPorts = 20;
constexpr int kTetherPortNameLength = 128;
// What the Tether open calls answer when no port could be opened.
constexpr std::uint32_t kNoTetherPort = static_cast<std::uint32_t>(-1);

struct t_HeldNote
{
    std::uint8_t note; // 0 = free slot
    std::uint8_t channel;
};

class SynthCommons : public AudioEffectX
{
public:
    explicit SynthCommons(audioMasterCallback audioMaster);
    ~SynthCommons() override;

    // Host boundary.
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    vst::int32 getVendorVersion() override;
    vst::int32 canDo(char* text) override;
    vst::int32 getNumMidiInputChannels() override;
    vst::int32 getNumMidiOutputChannels() override;
    bool getOutputProperties(vst::int32 index, VstPinProperties* properties) override;
    void processReplacing(float** inputs, float** outputs, vst::int32 frames) override;
    vst::int32 processEvents(VstEvents* events) override;
    float getParameter(vst::int32 index) override;
    void setParameter(vst::int32 index, float value) override;
    // Reports a host parameter's value to the host's automation only.
    void setParameterAutomated(vst::int32 index, float value) override;
    void getParameterName(vst::int32 index, char* text) override;
    void getParameterDisplay(vst::int32 index, char* text) override;
    void getParameterLabel(vst::int32 index, char* label) override;
    vst::int32 getProgram() override;
    void setProgram(vst::int32 program) override;
    void getProgramName(char* name) override;
    void setProgramName(char* name) override;
    bool getProgramNameIndexed(vst::int32 category, vst::int32 index, char* text) override;
    vst::int32 getChunk(void** data, bool isPreset) override;
    vst::int32 setChunk(void* data, vst::int32 byteSize, bool isPreset) override;
    bool beginSetProgram() override { return true; }
    bool endSetProgram() override { return true; }
    vst::int32 beginLoadBank(void*) override { return 1; }
    vst::int32 beginLoadProgram(void*) override { return 1; }
    vst::int32 getMidiProgramName(vst::int32, void*) override { return 0; }
    vst::int32 getCurrentMidiProgram(vst::int32, void*) override { return 0; }
    vst::int32 getMidiProgramCategory(vst::int32, void*) override { return 0; }
    bool hasMidiProgramsChanged(vst::int32) override { return false; }
    bool getMidiKeyName(vst::int32, void*) override { return false; }
    // The plug-in's own calls for a host made for it (VendorCalls.h).
    vst::intptr vendorSpecific(vst::int32 index, vst::intptr value, void* ptr, float opt) override;

    void detectHost();
    int getHostKind() const { return hostKind; }
    SynthEditor* getSynthEditor() const { return synthEditor; }
    bool editorWindowOpen() const;

    // Parameter tables.
    void parameterLib_AllocateAndInitParameters();
    void parameterLib_DeallocateParameters();
    t_Parameter* parameterLib_GetParameter(e_ParameterID id);
    static unsigned parameterLib_GetNumberOfNRPN(const t_TypeStruct_MidiNRPN* list);
    static bool parameterLib_NrpnIsMatching(const t_MidiNRPNData* message,
                                            const t_TypeStruct_MidiNRPN* entry);
    static unsigned parameterLib_GetNrpnData(const t_MidiNRPNData* message,
                                             const t_TypeStruct_MidiNRPN* entry);
    t_TypeStruct_MidiNRPN* parameterLib_GetNRPNBitMaskGlobalData(unsigned index);

    // Editor and host views.
    t_EditorParameter* parameterLib_GetEditorParameter(e_EditorParameterID id);
    t_EditorParameter* parameterLib_GetEditorParameter(unsigned* cursor, e_ParameterID id, unsigned index);
    const t_HostParameter* parameterLib_GetHostParameter(e_HostParameterID id);
    unsigned parameterLib_GetHostParameter(e_ParameterID id, unsigned index, const t_HostParameter** out);
    unsigned parameterLib_GetHostParameter(t_EditorParameter* e, const t_HostParameter** out);
    const char* parameterLib_GetParameterNameStringFromEditor(e_EditorParameterID id);
    const char* parameterLib_GetParameterNameStringFromHost(e_HostParameterID id);
    // The low half of a sample or slice number that the host wrote while the number was "Off".
    unsigned& hostLowHalfKept(e_ParameterID real, unsigned index);

    // Value routing.
    void parameterLib_SetParameterValue(e_ParameterID id, float value, char flags);
    float parameterLib_GetParameterValue(e_ParameterID id);
    float parameterLib_GetParameterValueFromHW(e_ParameterID id)
    {
        return parameterLib_GetParameterValue(id);
    }
    void parameterLib_SetParameterValueFromEditor(e_EditorParameterID id, float value);
    void parameterLib_SetParameterValueFromEditor(t_EditorParameter* e, t_Parameter* p, float value);
    void parameterLib_SetParameterValueFromEditorCustomUpdate(e_EditorParameterID id, float value,
                                                              char flags);
    void parameterLib_SetParameterValueFromEditorCustomUpdate(t_EditorParameter* e, t_Parameter* p,
                                                              float value, char flags);
    float parameterLib_GetParameterValueFromEditor(e_EditorParameterID id);
    float parameterLib_GetParameterValueFromEditor(t_EditorParameter* e, t_Parameter* p);
    void parameterLib_SetParameterValueFromHost(e_HostParameterID id, float value);
    void parameterLib_SetParameterValueFromHost(const t_HostParameter* h, t_Parameter* p, float value);
    float parameterLib_GetParameterValueFromHost(e_HostParameterID id);
    float parameterLib_GetParameterValueFromHost(const t_HostParameter* h, t_Parameter* p);
    bool parameterLib_SetParameterValueFromHW(VstMidiEvent* event);
    void parameterLib_SetParameterValueFromHW(t_MidiNRPNData* message);
    void parameterLib_SetParameterValueFromHW(VstMidiSysexEvent* event);
    void parameterLib_SetParameterValueFromPatch(t_Parameter* p, bool send);
    void parameterLib_SetAllParametersValueFromPatch(bool send);
    int parameterLib_GetParameterMatchingValueListIndex(const t_EditorParameter* e, float value);
    int parameterLib_GetParameterMatchingValueListIndex(e_EditorParameterID id);
    float parameterLib_GetParameterNextValueFromEditor(e_EditorParameterID id);

    // Pattern image mapping.
    void parameterLib_InitRawDataEntriesForParameters();
    float parameterLib_RetreiveParameterRawDataValue(t_Parameter* p, unsigned index);
    void parameterLib_FlushParametersToRawData();
    // Writes the name and every parameter value into a copy of the working program.
    void parameterLib_FlushParametersToRawData(t_Patch& copy);
    static unsigned parameterLib_ConvertRawDataToParameterValue(const t_RawDataValueConversionSruct* table,
                                                                unsigned raw);
    static unsigned parameterLib_ConvertParameterValueToRawData(const t_RawDataValueConversionSruct* table,
                                                                unsigned value);

    // Programs.
    void setProgramProcess(vst::int32 index);
    static void addProgramNamePrefix(char* text, const char* name, int index, int maxLength);
    void patchLib_InitPatches();
    void patchLib_SetPatchFromParameters(t_Patch* target);
    void patchLib_SetParametersFromPatch(t_Patch* patch, bool send);
    void patchLib_InitPatchesMenuItems();
    // Makes a bank slot the current program and applies it.
    void patchLib_ShowProgram(int index, bool send);
    // A pattern image and its name (its first 8 bytes) into a program.
    static void patchLib_StorePattern(t_Patch& program, const std::uint8_t* image);
    // A pattern from elsewhere (a file) becomes the working program and goes to the device.
    void patchLib_LoadPattern(const std::uint8_t* image);
    // 64 pattern images become the programs of bank 0 to 3 (A to D); the current program,
    // if it lies in that bank, is applied (and sent to the device when asked).
    void patchLib_FillBank(int bank, const std::uint8_t* images, bool send);
    // A pattern received into a bank slot is applied (sent to the device only when asked: it
    // usually holds it already) and becomes the stored program that compare plays against.
    void patchLib_ApplyReceived(int index, bool send);
    // After the working program's name changed: the panel, the host and, in Tether MIDI mode
    // with a device, the device (the name travels only in a dump) learn it.
    void patchLib_ProgramRenamed();
    // The program at an index as it stands now: the working program for the current one.
    const t_Patch& programOf(int index) const;

    // Outgoing MIDI.
    void SendMidiNRPNEvent(char nrpnMSB, char nrpnLSB, char dataMSB, char dataLSB, char channel,
                           bool longForm);
    void SendMidiLongNRPNEvent(char nrpnMSB, char nrpnLSB, char dataMSB, char dataLSB, char channel);
    void SendMidiShortNRPNEvent(char nrpnMSB, char nrpnLSB, char data, char channel);
    bool SendMidiSize3Event(char status, char data1, char data2, bool applyNoteFilter, bool towardHost);
    bool SendMidiCCEvent(int controller, char value, char channel);
    void midiQueue_InitQueue();
    void midiQueue_SendVstEvents(VstEvents* events, bool towardHost);
    void midiQueue_ProcessVstEvents();
    // SysEx toward the device by the MIDI mode's road: possible in Tether MIDI mode with the
    // device detected, and in Host mode when the host's MIDI carries SysEx.
    bool SendMidiSysexPossible();
    void SendMidiSysex(const unsigned char* message, std::uint32_t length);

    // The host's MIDI link (midi/HostMidiLink.h): asked at construction; where the host carries
    // SysEx, Host mode can do everything and is where a new instance starts.
    void hostLink_Ask();
    bool hostLink_CarriesSysex() const { return hostLink->carriesSysex; }

    // Incoming host MIDI.
    void processEvents_NotesModifier(VstEvents* events);
    void processEvents_NoteOffDuplicates(VstMidiEvent* event);
    void processEvents_NoteOffDuplicatesInit();
    bool processEvent_CheckForNRPN(VstMidiEvent* event);
    bool processEvent_CheckForProgramChange(VstMidiEvent* event);

    // Tether MIDI layer.
    void TetherMidiInitialize();
    void TetherMidiDeInitialize();
    void TetherMidiQueue_InitQueue();
    std::uint32_t TetherMidiOutGetNbDevices();
    std::uint32_t TetherMidiInGetNbDevices();
    const char* TetherMidiOutGetDeviceName(std::uint32_t index);
    const char* TetherMidiInGetDeviceName(std::uint32_t index);
    std::uint32_t TetherMidiOutOpen(std::uint32_t index);
    std::uint32_t TetherMidiInOpen(std::uint32_t index);
    // Open a port by its full name as the list shows it; the index now open, or -1.
    std::uint32_t TetherMidiOutOpenByName(const char* name);
    std::uint32_t TetherMidiInOpenByName(const char* name);
    // The open port's name; null when none is open.
    const char* TetherMidiOutGetOpenName();
    const char* TetherMidiInGetOpenName();
    void TetherMidiOutClose();
    void TetherMidiInClose();
    bool TetherMidiHardwareAttached();
    bool TetherMidiHostAvailable();
    void TetherMidiSend(const unsigned char* bytes, std::uint32_t length);
    void TetherMidiSend(VstEvents* events);
    void TetherMidiSendQueue(VstEvents* events);
    void TetherMidiSendQueue(const VstMidiEvent& event);
    static void TetherMidiFilterRealTime(std::vector<unsigned char>* message);
    void TetherMidi_SendInquirySysex();
    // The names of the open ports ("" for none), and opening ports by name.
    void TetherMidiChosenPortNames(char* outName, char* inName);
    void TetherMidiReopenPortsByName(const char* outName, const char* inName);
    // Tether MIDI mode, and the first listed output and input whose names contain the text
    // (letter case ignored) opened; false when a side has no such port or it did not open.
    bool TetherMidiConnectByName(const char* text);
    // Everything that arrives from the input port: SysEx pieces, control changes, notes.
    void TetherMidiReceive(std::vector<unsigned char> message, bool snapshot);
    // The MIDI system went away (a JACK server that stopped): both ports are closed.
    void TetherMidiSystemGone();
    // Tells the panel which ports are open.
    void TetherMidiShowPortState();
    // Bodies of the send thread and the clock thread.
    void TetherMidiSendCycles();
    void TetherMidiClockCycles();

    // SysEx codec.
    static std::uint32_t sysex_DataLenToMidiDataLen(std::uint32_t length);
    static void sysex_DataToMidiData(const unsigned char* data, std::uint32_t length,
                                     unsigned char* destination);
    static bool sysex_MidiDataToData(unsigned char* destination, std::uint32_t expectedLength,
                                     const unsigned char* packed, std::uint32_t packedLength);
    static unsigned char* sysex_ConstructSysexFromData(const unsigned char* header,
                                                       std::uint32_t headerLength, const unsigned char* data,
                                                       std::uint32_t length, std::uint32_t* totalLength);
    static bool sysex_IsValidSysexMessage(const unsigned char* message, std::uint32_t length);
    static int sysex_GetDumpType(const unsigned char* message, std::uint32_t length);
    static int sysex_GetBankNumber(const VstMidiSysexEvent* event);
    static unsigned char* sysex_GetMidiData(const VstMidiSysexEvent* event);
    static std::uint32_t sysex_GetMidiDataLen(const VstMidiSysexEvent* event);

    // SysEx reception and dumps.
    bool processEvent_CheckForSysex(const std::vector<unsigned char>& message, bool snapshot);
    bool processEvent_CheckForSysex(const unsigned char* message, std::uint32_t size, bool snapshot);
    void sysex_IncompleteDumpCheck();

    // Edit history and compare (src/commands/SynthCommons_history.cpp). Steps are recorded where
    // values enter (the panel's and the device's changes) and around commands; undo and redo
    // restore the current program's values on the panel, at the host and on the device.
    // The panel gesture that the editor's next changes belong to; row EPARAM_END: none.
    void history_SetPanelTouch(e_EditorParameterID row, std::uint32_t gesture, bool continuous);
    // A command that may change programs: the outermost one makes one step of what it changed in
    // the current program (and in others, e.g. a bank), named by its label. Holds the program lock.
    class HistoryCommand
    {
    public:
        HistoryCommand(SynthCommons& synth, const char* label);
        ~HistoryCommand();
        HistoryCommand(const HistoryCommand&) = delete;
        HistoryCommand& operator=(const HistoryCommand&) = delete;
        void setLabel(const std::string& text) { label = text; }

    private:
        SynthCommons& synth;
        std::unique_lock<std::recursive_mutex> lock;
        std::string label;
    };
    // A program that a command changed while it is not the current one.
    void history_RecordProgram(int program, const t_Patch& before, const t_Patch& after, const char* label);
    // Moves the device's waiting changes into the history; never on the processing thread.
    // While comparing they are edits that end compare, which only the panel's thread may do:
    // elsewhere they wait.
    void history_TakeDeviceChanges(bool mayEndCompare = true);
    // Undoes or redoes the current program's step; false when there is none. The step applied
    // is copied into applied.
    bool history_Apply(e_HistoryDirection direction, t_HistoryStep& applied);
    bool history_Peek(e_HistoryDirection direction, t_HistoryStep& step) const;
    std::size_t history_Count(e_HistoryDirection direction) const;
    std::size_t history_Memory() const;
    // The current program as it now stands becomes the one that compare plays against.
    void history_MarkStored();
    // Every history and the compared program forgotten (a restored state).
    void history_Forget();
    // Compare: the program as last stored goes to the panel, the host and the device, the
    // edited one waits; false when they do not differ. Ending brings the edited one back.
    bool compare_Start();
    void compare_End(bool send);
    bool compare_Active() const;
    // The edited program while comparing (what is kept and saved), else null.
    const t_Patch* compare_EditedProgram() const;

    // MIDI interface test.
    void midiTest_Start();
    void midiTest_OnNrpn(const t_MidiNRPNData* message);
    void midiTest_OnControlChange(const unsigned char* bytes);
    void midiTest_OnSysex(const unsigned char* message, std::uint32_t length);
    // Opens the test report's address on the maker's contact page in the user's browser.
    void midiTest_SendReport();

    // Plug-in state; see the accessors' users for what each means.
    bool constructed = false;
    std::atomic<int> currentChannel{kChannelOtherParts};
    std::atomic<int> currentPart{0};
    std::atomic<int> pluginMode{PLUGIN_MODE_SETUP};
    std::atomic<int> midiMode{MIDI_MODE_TETHER};
    bool programReload = true;

    // Parameter tables.
    t_Parameter* parameters = nullptr;
    t_EditorParameter* editorParameters = nullptr;
    const t_HostParameter* hostParameters = nullptr;
    struct t_KeptLowHalf
    {
        e_ParameterID parameter;
        unsigned index;
        unsigned low;
    };
    // One for each sample and slice number that the host reaches (Drum1 and Keyboard1).
    t_KeptLowHalf hostLowHalves[4]{};
    unsigned hostLowHalvesUsed = 0;

    // Programs.
    t_Patch workingProgram{};
    t_Patch resetTemplate{};
    vst::int32 currentProgram = 0;
    t_Patch programBank[kNumPrograms]{};
    // Held while the working program, the bank and the current program change together or are
    // copied for the host: a program switch on the host's thread, a received pattern on the MIDI
    // thread, the panel's deferred apply, a restored state. The processing call never takes it.
    std::recursive_mutex programLock;
    char programMenuTexts[kNumPrograms][kProgramMenuTextLength]{};

    std::atomic<bool> audioRunning{false};

    // Received dump state.
    int lastDumpType = kNoDumpType;
    int expectedDumpType = kNoDumpType;
    int dumpBankNumber = 0;
    // kBankDataSize bytes: zeros shared by every instance until the first dump is unpacked.
    std::uint8_t* dumpReceiveData;
    std::unique_ptr<std::uint8_t[]> dumpReceiveStore;

    // Clipboards.
    int patternClipboardFull = 0;
    t_Patch patternClipboard{};
    int partClipboardKind = 0;
    std::uint8_t partClipboard[sizeof(t_Patch)]{};

    // Host event queues.
    MidiQueueLock hostQueueBusy;
    t_MidiEventQueue hostQueueSingle;
    t_MidiEventQueue hostQueueSingleToHost;
    t_MidiEventQueue hostQueueShortNRPN;
    t_MidiEventQueue hostQueueLongNRPN;
    HostSysexQueue hostSysexQueue;
    HostMidiPacer hostPacer;
    const t_HostMidiLink* hostLink;
    std::int32_t processingFrames = 0; // of the processing call under way

    // Incoming host MIDI.
    t_MidiNRPNData nrpnReceive{};
    bool bankSelectFlag = false;
    t_HeldNote heldNotes[kHeldNoteSlots]{};

    // Tether MIDI layer.
    std::atomic<bool> tetherMidiInitialized{false};
    std::atomic<std::int32_t> tetherMidiOutPort{-1};
    std::uint32_t tetherMidiOutCount = 0;
    char tetherMidiOutNames[kTetherMaxPorts][kTetherPortNameLength]{};
    std::atomic<std::int32_t> tetherMidiInPort{-1};
    std::uint32_t tetherMidiInCount = 0;
    char tetherMidiInNames[kTetherMaxPorts][kTetherPortNameLength]{};
    char tetherMidiOutOpenName[kTetherPortNameLength]{};
    char tetherMidiInOpenName[kTetherPortNameLength]{};
    std::unique_ptr<midi::Receiver> tetherMidiReceiver;
    std::unique_ptr<midi::Backend> tetherMidiBackend;
    std::atomic<bool> tetherMidiDeviceAttached{false};
    std::unique_ptr<platform::Thread> tetherMidiOutThread;
    std::unique_ptr<platform::Thread> tetherMidiClockThread;
    std::atomic<bool> tetherMidiThreadsRunning{false};
    std::mutex tetherOutPortLock; // serialises sends with opening and closing the output
    std::mutex tetherInPortLock;
    std::mutex tetherWakeLock; // wakes the send thread when something is queued
    std::condition_variable tetherWake;
    std::condition_variable tetherClockWake; // the clock thread's own: an enqueue must wake the sender
    bool tetherWakePending = false;
    int tetherInquiryRepeats = 0; // identity requests still to repeat; under tetherWakeLock
    std::chrono::steady_clock::time_point tetherNextInquiry;
    MidiQueueLock tetherQueueBusy;
    t_MidiEventQueue tetherQueueSingle;
    t_MidiEventQueue tetherQueueShortNRPN;
    t_MidiEventQueue tetherQueueLongNRPN;

    // SysEx receive state.
    std::mutex sysexReceiveLock;
    bool sysexReceiving = false;
    unsigned char* sysexReceiveBuffer = nullptr;
    std::uint32_t sysexReceiveCapacity = 0;
    std::uint32_t sysexReceiveLength = 0;
    std::uint32_t sysexSnapshotLength = 0;
    std::uint32_t sysexLastPercent = 0;
    int sysexReceiveDumpType = 0;
    bool sysexReceivingForTest = false; // begun while the MIDI test ran: never a dump

    // MIDI interface test.
    std::atomic<bool> midiTestRunning{false};
    std::atomic<std::uint32_t> midiTestStep{0};

protected:
    int hostKind = HOST_OTHER;
    SynthEditor* synthEditor = nullptr;

private:
    void setParameterValueAt(t_Parameter* p, unsigned index, float value, char flags);
    void setParameterValueFromDevice(t_Parameter* p, unsigned index, float value);
    void history_NoteEditorChange(t_Parameter* p, unsigned index, float before);
    void history_NoteDeviceChange(const t_Parameter* p, unsigned index, float before, float after);
    void history_BeginCommand();
    void history_EndCommand(const std::string& label);
    void history_ApplyValues(const t_HistoryStep& step, e_HistoryDirection direction);
    void history_ApplyImage(t_HistoryStep& step);
    void history_Snapshot(t_Patch& copy);
    // The value stored for an index (part, keyboard channel, mask bit; kNoIndex = whole mask).
    float getParameterValueAt(t_Parameter* p, unsigned index);
    void notifyHostOfChange(e_ParameterID id, unsigned index);
    void sendParameterToDevice(t_Parameter* p, unsigned index);
    void sendNrpnEntry(const t_TypeStruct_MidiNRPN& entry);
    void refreshEditorForChange(e_ParameterID id, unsigned index, float value);
    bool dropsMessagesNow() const;
    void routeBuiltMessage(VstEvents* events, bool towardHost);
    void flushHostQueue(t_MidiEventQueue& queue, int groupSize);
    void flushHostSysex();
    bool sendWorkingPatternAsDump();
    int takeTetherCycle(VstMidiEvent* taken);
    void stopTetherThreads();
    struct t_TetherSide;
    t_TetherSide tetherSide(midi::Direction direction);
    bool ensureTetherMidi();
    std::uint32_t listTetherPorts(const t_TetherSide& side);
    std::uint32_t openListedTetherPort(const t_TetherSide& side, std::uint32_t index);
    std::uint32_t openNamedTetherPort(const t_TetherSide& side, const char* name);
    std::uint32_t openTetherPort(const t_TetherSide& side, const char* name, std::uint32_t index);
    void closeTetherPort(const t_TetherSide& side);
    void repeatInquiryUntilAnswered();
    std::size_t sysexCutPoint(const std::vector<unsigned char>& message);
    void endSysexReceptionEarly(bool cut);
    void dispatchIdentityReply(const unsigned char* reply, std::uint32_t length);
    void dispatchPatternDump(VstMidiSysexEvent* event);
    void dispatchBankDump(VstMidiSysexEvent* event);
    bool unpackDump(VstMidiSysexEvent* event, std::uint32_t length);
    void abandonSysexReception();
    void showReceiveProgress(std::uint32_t count);
    bool makeRoomForSysexPiece(std::uint32_t size);
    void finishSysexReception();
    void showInfo(const char* text);
    void postToEditor(int action, std::intptr_t first, const char* text, unsigned delayMs);
    void sendHeldNoteOff(const t_HeldNote& slot);
    void receiveHostSysex(const VstMidiSysexEvent& event);
    void takeChunkState(t_ChunkState& state, int kind);
    void restoreChunkState(const t_ChunkState& state);

    std::unique_ptr<t_HistoryState> historyState;

    // The last two chunks handed to the host.
    std::mutex chunkLock;
    std::vector<std::uint8_t> chunkBuffers[2];
    int nextChunkBuffer = 0;
};

// The MIDI test report's address: the maker's contact page with the enquiry (product, verdict
// of the step reached, the interfaces' names) percent-encoded as the value of "enquiry".
std::string midiTest_ReportAddress(const char* product, std::uint32_t step, const char* midiIn,
                                   const char* midiOut);

// Creates one plug-in object for the host.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster);
