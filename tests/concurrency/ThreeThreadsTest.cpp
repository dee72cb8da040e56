// Host automation, processing calls and host MIDI input on three threads at once, as a host
// drives the plug-in in Host MIDI mode. Every event list the host receives is checked as it
// arrives; afterwards, the parts that only the device addressed must hold only what the
// device sent them.
#include "unit/model/ModelHarness.h"

#include "params/ParameterValues.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>

namespace
{
constexpr auto kMaxRunTime = std::chrono::seconds(3);
constexpr long kTargetSetParameters = 400000;
constexpr long kTargetBlocks = 40000;
constexpr long kTargetInputLists = 40000;

// A host that checks what the plug-in hands it, on whatever thread it is called from.
class CheckingHost
{
public:
    CheckingHost() { current = this; }
    ~CheckingHost() { current = nullptr; }

    static vst::intptr callback(AEffect*, vst::int32 opcode, vst::int32 index, vst::intptr, void* ptr,
                                float opt)
    {
        CheckingHost* host = current;
        return host ? host->answer(opcode, index, ptr, opt) : 0;
    }

    std::atomic<long> lists{0};
    std::atomic<long> events{0};
    std::atomic<long> automation{0};
    std::atomic<long> faults{0};

    std::string firstFault() const
    {
        std::lock_guard<std::mutex> guard(faultLock);
        return faultText;
    }

private:
    vst::intptr answer(vst::int32 opcode, vst::int32 index, void* ptr, float opt)
    {
        switch (opcode)
        {
        case audioMasterVersion:
            return 2400;
        case audioMasterGetProductString:
            std::strcpy(static_cast<char*>(ptr), "Checking Host");
            return 1;
        case audioMasterAutomate:
            ++automation;
            if (index < 0 || index >= kNumHostParameters || !(opt >= 0.0f && opt <= 1.0f))
                fault("automation of " + std::to_string(index) + " with " + std::to_string(opt));
            return 1;
        case audioMasterProcessEvents:
            check(*static_cast<VstEvents*>(ptr));
            return 1;
        default:
            return 0;
        }
    }

    void check(const VstEvents& list)
    {
        MessageList messages;
        for (int i = 0; i < list.numEvents; ++i)
        {
            const auto* e = reinterpret_cast<const VstMidiEvent*>(list.events[i]);
            if (e->type != kVstMidiType || e->byteSize != sizeof(VstMidiEvent))
                fault("an event that is not a MIDI event");
            messages.push_back({static_cast<std::uint8_t>(e->midiData[0]),
                                static_cast<std::uint8_t>(e->midiData[1]),
                                static_cast<std::uint8_t>(e->midiData[2])});
        }
        ++lists;
        events += list.numEvents;
        if (const auto result = wellFormed({messages}); !result)
            fault(result.message());
    }

    void fault(const std::string& text)
    {
        if (faults++ > 0)
            return;
        std::lock_guard<std::mutex> guard(faultLock);
        faultText = text;
    }

    static inline std::atomic<CheckingHost*> current{nullptr};
    mutable std::mutex faultLock;
    std::string faultText;
};

// Part p's NRPN for the parameter with LSB offset o: M(p) / L(p) + o on channel 10.
struct PartNumber
{
    std::uint8_t msb;
    std::uint8_t lsbBase;
};
constexpr PartNumber kDrumAndStretchParts[] = {{12, 32}, {12, 64}, {12, 96}, {13, 0}, {13, 32}, {13, 64},
                                               {13, 96}, {14, 0},  {14, 96}, {15, 0}, {15, 32}, {15, 64}};
constexpr std::uint8_t kPartOffsets = 24;

// The one value the device thread ever sends to a part's parameter.
std::uint8_t deviceValue(unsigned part, unsigned offset)
{
    return static_cast<std::uint8_t>((part * 7 + offset * 3 + 1) % 128);
}

// The part parameter with LSB offset o; PARAM_END for the offsets that no parameter uses.
e_ParameterID partParameterAt(unsigned offset)
{
    if (offset == 0)
        return PARAM_PART_WAVE;
    if (offset == 2)
        return PARAM_PART_SLICE;
    if (offset < 4)
        return PARAM_END;
    return static_cast<e_ParameterID>(PARAM_PART_PITCH + offset - 4);
}

bool isFourteenBit(unsigned offset)
{
    return offset < 4;
}

// The one value the device thread ever sends to a keyboard controller on channel 2.
std::uint8_t keyboard2Value(std::uint8_t controller)
{
    return static_cast<std::uint8_t>((controller * 5 + 2) % 128);
}

constexpr std::uint8_t kKeyboardControllers[] = {5,  83, 74, 71, 79, 18, 7,  10, 75, 86,
                                                 85, 19, 91, 81, 87, 90, 89, 88, 82, 80};
constexpr std::uint8_t kEffectControllers[] = {12, 92, 93, 20, 13, 94, 95, 21, 24, 25, 26, 22, 23};

// What the device sends: parts other than Drum1 with their fixed values, Keyboard2's
// controllers, effects, global settings and mutes with any value, and notes.
class DeviceTraffic
{
public:
    explicit DeviceTraffic(unsigned seed) : random(seed) {}

    MessageList next()
    {
        MessageList list;
        while (list.size() < 12)
        {
            const unsigned kind = pick(8);
            if (kind < 3)
                addPartNrpn(list);
            else if (kind < 5)
                addKeyboard2Controller(list);
            else if (kind == 5)
                addGlobalNrpn(list);
            else if (kind == 6)
                list.push_back({static_cast<std::uint8_t>(0xB0 | pick(16)),
                                kEffectControllers[pick(std::size(kEffectControllers))], byte()});
            else
                list.push_back(
                    {static_cast<std::uint8_t>((pick(2) ? 0x90 : 0x80) | pick(16)), byte(), byte()});
        }
        return list;
    }

private:
    unsigned pick(std::size_t n) { return static_cast<unsigned>(random() % n); }
    std::uint8_t byte() { return static_cast<std::uint8_t>(pick(128)); }

    void addPartNrpn(MessageList& list)
    {
        const unsigned part = pick(std::size(kDrumAndStretchParts));
        const unsigned offset = pick(kPartOffsets);
        const PartNumber& n = kDrumAndStretchParts[part];
        const std::uint8_t value = deviceValue(part + 1, offset);
        list.push_back({0xB9, 99, n.msb});
        list.push_back({0xB9, 98, static_cast<std::uint8_t>(n.lsbBase + offset)});
        if (isFourteenBit(offset))
        {
            list.push_back({0xB9, 6, 0});
            list.push_back({0xB9, 38, value});
        }
        else
            list.push_back({0xB9, 6, value});
    }

    void addKeyboard2Controller(MessageList& list)
    {
        const std::uint8_t controller = kKeyboardControllers[pick(std::size(kKeyboardControllers))];
        list.push_back({0xB1, controller, keyboard2Value(controller)});
    }

    void addGlobalNrpn(MessageList& list)
    {
        static const std::uint8_t numbers[][2] = {{11, 98},  {11, 99},  {11, 112},
                                                  {11, 113}, {15, 119}, {15, 120}};
        const auto& number = numbers[pick(std::size(numbers))];
        list.push_back({0xB0, 99, number[0]});
        list.push_back({0xB0, 98, number[1]});
        list.push_back({0xB0, 6, static_cast<std::uint8_t>(pick(4))});
        list.push_back({0xB0, 38, byte()});
    }

    std::mt19937 random;
};

TEST(ThreeThreads, AutomationProcessingAndDeviceInputAtOnce)
{
    CheckingHost host;
    SynthCommons synth(CheckingHost::callback);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
    synth.processReplacing(nullptr, nullptr, 0);

    // The values the device thread leaves alone unless it sends them.
    std::vector<std::vector<float>> before(kPartOffsets);
    for (unsigned o = 0; o < kPartOffsets; ++o)
        if (partParameterAt(o) != PARAM_END)
            for (unsigned p = 1; p < PART_KEYBOARD1; ++p)
                before[o].push_back(partValue(synth, partParameterAt(o), p));

    std::atomic<bool> stop{false};
    std::atomic<long> setParameters{0}, blocks{0}, inputLists{0};

    std::thread automation(
        [&]
        {
            std::mt19937 random(1);
            std::uniform_real_distribution<float> value(0.0f, 1.0f);
            while (!stop)
            {
                synth.setParameter(static_cast<vst::int32>(random() % kNumHostParameters), value(random));
                ++setParameters;
            }
        });
    std::thread processing(
        [&]
        {
            std::vector<float> left(kBlockFrames), right(kBlockFrames);
            float* outputs[2] = {left.data(), right.data()};
            while (!stop)
            {
                synth.processReplacing(nullptr, outputs, kBlockFrames);
                ++blocks;
                std::this_thread::yield(); // the host's other threads share the cores
            }
        });
    std::thread device(
        [&]
        {
            DeviceTraffic traffic(2);
            while (!stop)
            {
                HostEventList list(traffic.next());
                synth.processEvents(list.get());
                ++inputLists;
            }
        });

    const auto deadline = std::chrono::steady_clock::now() + kMaxRunTime;
    while (std::chrono::steady_clock::now() < deadline &&
           (setParameters < kTargetSetParameters || blocks < kTargetBlocks || inputLists < kTargetInputLists))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    stop = true;
    automation.join();
    processing.join();
    device.join();
    synth.processReplacing(nullptr, nullptr, 0);

    RecordProperty("setParameter", std::to_string(setParameters));
    RecordProperty("blocks", std::to_string(blocks));
    RecordProperty("inputLists", std::to_string(inputLists));
    EXPECT_GT(setParameters, 0);
    EXPECT_GT(blocks, 0);
    EXPECT_GT(inputLists, 0);
    EXPECT_GT(host.events, 0);
    EXPECT_GT(host.automation, 0);
    EXPECT_EQ(host.faults, 0) << host.firstFault();

    for (t_MidiEventQueue* queue : {&synth.hostQueueSingle, &synth.hostQueueSingleToHost,
                                    &synth.hostQueueShortNRPN, &synth.hostQueueLongNRPN})
        EXPECT_EQ(queue->numEvents, 0) << "the last block flushed every queue";
    for (int id = 0; id < kNumHostParameters; ++id)
    {
        const float value = synth.getParameter(id);
        EXPECT_TRUE(value >= 0.0f && value <= 1.0f) << id << ": " << value;
    }
    for (unsigned o = 0; o < kPartOffsets; ++o)
    {
        if (before[o].empty())
            continue;
        for (unsigned p = 1; p < PART_KEYBOARD1; ++p)
        {
            const float now = partValue(synth, partParameterAt(o), p);
            EXPECT_TRUE(now == before[o][p - 1] || now == IntToFloat(deviceValue(p, o)))
                << "offset " << o << " part " << p << " holds " << now * 127.0f;
        }
    }
    for (unsigned i = 0; i < std::size(kKeyboardControllers); ++i)
    {
        const auto id = static_cast<e_ParameterID>(PARAM_KEYBOARD_GLIDE + i);
        EXPECT_EQ(keyboardValue(synth, id, 1), IntToFloat(keyboard2Value(kKeyboardControllers[i]))) << id;
    }
}
} // namespace
