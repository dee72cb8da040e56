// Pavonis.lv2 in jalv (JACK), its MIDI ports wired to the simulated ESX, in Host mode as a new
// LV2 instance starts: the dumps and the pattern name travel through the host's MIDI. The panel
// is the one jalv shows (in a window of its own: jalv's console front end shows UIs through
// ui:showInterface), used with XTEST; what the plug-in holds is read from the pattern file its
// Save button writes, what the device holds from the simulator. And the panel embedded by
// jalv.gtk3, page by page, against the VST 2 panel's rendering: the pictures of each page go to
// build/screenshots/lv2-*.png.
#include "EsxSimulator.h"
#include "Lv2Reference.h"
#include "platform/Process.h"
#include "support/Polling.h"
#include "sysex/SysexFormat.h"

#include <jack/jack.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace guitest;

namespace
{
namespace fs = std::filesystem;
using namespace std::chrono_literals;
constexpr auto kPatience = 10s;

constexpr const char* kJalv = "/usr/bin/jalv";
constexpr const char* kPluginUri = "https://quillon.example/plugins/pavonis";
constexpr unsigned kDrum1CutoffByte = 24 + 5;

// A window below the given one (itself included) that matches; 0 for none.
template <typename Match> Window findWindow(Display* display, Window top, Match matches)
{
    if (matches(top))
        return top;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(display, top, &root, &parent, &children, &count);
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i)
        found = findWindow(display, children[i], matches);
    if (children)
        XFree(children);
    return found;
}

std::string classOf(Display* display, Window window)
{
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return "";
    std::string name = hint.res_name ? hint.res_name : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return name;
}

std::string nameOf(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return "";
    std::string text = name;
    XFree(name);
    return text;
}

// The top-level window that the panel shows itself in (class "pavonis"), or 0.
Window ownPanelWindow(Display* display)
{
    return findWindow(display, DefaultRootWindow(display),
                      [&](Window w) { return classOf(display, w) == "pavonis"; });
}

// The panel's window that a host embeds (named "Pavonis", with no class of its own), or 0.
Window embeddedPanelWindow(Display* display)
{
    return findWindow(display, DefaultRootWindow(display),
                      [&](Window w)
                      { return nameOf(display, w) == "Pavonis" && classOf(display, w).empty(); });
}

class JalvWithDevice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!host.display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
        jack = jack_client_open("pavonis-jalv-test", JackNoStartServer, nullptr);
        if (!jack)
            GTEST_SKIP() << "no JACK server (scripts/test starts one)";
        if (access(kJalv, X_OK) != 0)
            GTEST_SKIP() << "no jalv (scripts/install-deps installs it)";
        library = fs::temp_directory_path() / ("pavonis-jalv-" + std::to_string(getpid()));
        fs::create_directories(library);
        setenv("XDG_DATA_HOME", library.c_str(), 1);
        setenv("LV2_PATH", PAVONIS_LV2_DIR ":/usr/lib/lv2", 1);
        device = std::make_unique<esxsim::EsxSimulator>("esx-sim-jalv-" + std::to_string(getpid()));
        reference = std::make_unique<ReferencePanel>();
    }
    void TearDown() override
    {
        jalv.reset();
        device.reset();
        if (jack)
            jack_client_close(jack);
        if (!library.empty())
            fs::remove_all(library);
    }

    // jalv with the plug-in (and options), its ports wired to the device, the panel found.
    void start(std::vector<std::string> options = {})
    {
        const std::string client = "pavonis-jalv-" + std::to_string(getpid());
        std::vector<std::string> arguments = {kJalv, "-s", "-x", "-n", client};
        arguments.insert(arguments.end(), options.begin(), options.end());
        arguments.push_back(kPluginUri);
        jalv = std::make_unique<platform::ChildProcess>(arguments);
        ASSERT_TRUE(jalv->started());
        const std::string in = client + ":midi_in";
        const std::string out = client + ":midi_out";
        ASSERT_TRUE(waitUntil([&] { return jack_port_by_name(jack, out.c_str()) != nullptr; }, kPatience))
            << "jalv did not come up";
        // jalv registers its ports before it activates its client, which takes connections only then.
        ASSERT_TRUE(waitUntil([&] { return connected(device->outputPortName(), in); }, kPatience)) << in;
        ASSERT_TRUE(waitUntil([&] { return connected(out, device->inputPortName()); }, kPatience)) << out;
        ASSERT_TRUE(waitUntil([&] { return (panel = ownPanelWindow(host.display)) != 0; }, kPatience))
            << "no panel";
        XWindowAttributes attributes{};
        XGetWindowAttributes(host.display, panel, &attributes);
        Window child = 0;
        XTranslateCoordinates(host.display, panel, DefaultRootWindow(host.display), 0, 0, &origin.x,
                              &origin.y, &child);
        std::this_thread::sleep_for(300ms);
        click(centreOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6)); // "Sync now ?": no
    }

    bool connected(const std::string& from, const std::string& to)
    {
        const int result = jack_connect(jack, from.c_str(), to.c_str());
        return result == 0 || result == EEXIST;
    }

    void click(CPoint p)
    {
        host.moveTo(origin.x + p.x, origin.y + p.y);
        std::this_thread::sleep_for(60ms);
        host.button(true);
        std::this_thread::sleep_for(60ms);
        host.button(false);
        std::this_thread::sleep_for(150ms);
        host.moveTo(origin.x + kWidth + 40, origin.y + kHeight + 40);
    }

    Image shown() const { return windowImage(host.display, panel); }

    bool shows(const Image& expected, CRect area)
    {
        return waitUntil(
            [&]
            {
                const Image now = shown();
                for (int y = area.top; y < area.bottom; ++y)
                    for (int x = area.left; x < area.right; ++x)
                        if (now[y * kWidth + x] != expected[y * kWidth + x])
                            return false;
                return true;
            },
            kPatience);
    }

    bool questionShows(int type)
    {
        const Image expected = reference->render([&](SynthCommons&, SynthEditor& editor)
                                                 { editor.editorControlsLib_AskQuestion(type); });
        const t_EditorContainer* box = editorTables_FindContainer(c_EditorContainers, CONT_QUESTION);
        return shows(expected, CRect(box->x, box->y, box->x + box->width, box->y + box->height));
    }

    // Save on the setup page writes the current program into the library: its pattern image.
    std::vector<std::uint8_t> savedPattern()
    {
        const fs::path folder = library / "Pavonis" / "Library";
        if (fs::exists(folder))
            fs::remove_all(folder);
        click(centreOf(EPARAM_LIBRARY_SAVE, CTRL_COMMAND_BUTTON, 20, 10));
        fs::path file;
        waitUntil(
            [&]
            {
                if (!fs::exists(folder))
                    return false;
                for (const auto& entry : fs::directory_iterator(folder))
                    if (entry.path().extension() == ".syx" &&
                        fs::file_size(entry.path()) == kPatternDumpLength)
                        file = entry.path();
                return !file.empty();
            },
            kPatience);
        if (file.empty())
            return {};
        std::ifstream in(file, std::ios::binary);
        std::vector<unsigned char> dump((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
        std::vector<std::uint8_t> image(kPatternDataSize);
        if (!SynthCommons::sysex_MidiDataToData(
                image.data(), kPatternDataSize, dump.data() + kPatternDumpHeaderLength,
                static_cast<std::uint32_t>(dump.size() - kPatternDumpHeaderLength - 1)))
            return {};
        return image;
    }

    static bool sameImage(const std::vector<std::uint8_t>& saved, const esxsim::PatternImage& held)
    {
        return saved.size() == held.size() && std::equal(saved.begin(), saved.end(), held.begin());
    }

    // Does what a user does up to three times until it works: a JACK server in its asynchronous
    // mode drops what a client sends in a cycle that its receiver misses, which a busy machine
    // makes happen now and then.
    template <typename Attempt> static bool inThreeAttempts(Attempt attempt)
    {
        for (int i = 0; i < 3; ++i)
            if (attempt())
                return true;
        return false;
    }

    DisplayLock lock;
    Host host{1, 1};
    jack_client_t* jack = nullptr;
    fs::path library;
    std::unique_ptr<esxsim::EsxSimulator> device;
    std::unique_ptr<ReferencePanel> reference;
    std::unique_ptr<platform::ChildProcess> jalv;
    Window panel = 0;
    CPoint origin;
};

TEST_F(JalvWithDevice, APatternDumpRequestIsAnsweredAndApplied)
{
    esxsim::PatternImage mine = device->currentPattern();
    std::memcpy(mine.data(), "Answered", kPatternNameLength);
    mine[kDrum1CutoffByte] = 77;
    device->setPattern(0, mine);
    ASSERT_NO_FATAL_FAILURE(start());
    EXPECT_TRUE(inThreeAttempts(
        [&]
        {
            click(centreOf(EPARAM_DUMP_REQUEST_CURRENT, CTRL_COMMAND_BUTTON, 20, 10));
            std::this_thread::sleep_for(1s);
            return sameImage(savedPattern(), device->currentPattern());
        }));
}

// The bank goes to the plug-in in pieces, as interfaces carry it; its last pattern is the
// current program (-c program=63), applied once the bank is accepted.
TEST_F(JalvWithDevice, ABankDumpIsReceivedWhole)
{
    esxsim::PatternImage mine = device->currentPattern();
    for (unsigned memory = 0; memory < 64; ++memory)
    {
        char name[kPatternNameLength + 1];
        std::snprintf(name, sizeof name, "Bank%04u", memory);
        std::memcpy(mine.data(), name, kPatternNameLength);
        mine[kDrum1CutoffByte] = static_cast<std::uint8_t>(memory);
        device->setPattern(memory, mine);
    }
    ASSERT_NO_FATAL_FAILURE(start({"-c", "program=63"}));
    EXPECT_TRUE(inThreeAttempts(
        [&]
        {
            click(centreOf(EPARAM_DUMP_REQUEST_BANK_A, CTRL_COMMAND_BUTTON, 20, 10));
            if (!questionShows(QUESTION_ACCEPT_BANK_A_DUMP))
                return false;
            click(centreOf(EPARAM_QUESTION_YES, CTRL_COMMAND_BUTTON, 8, 6));
            return sameImage(savedPattern(), device->pattern(63));
        }));
}

TEST_F(JalvWithDevice, APatternNameTypedOnThePanelReachesTheDevice)
{
    ASSERT_NO_FATAL_FAILURE(start());
    click(centreOf(EPARAM_PATCH_NAME, CTRL_NAME_EDIT, 20, 12));
    for (int i = 0; i < 10; ++i)
        host.key(XK_BackSpace);
    for (KeySym key : {XK_t, XK_y, XK_p, XK_e, XK_d})
        host.key(key);
    host.key(XK_Return);
    EXPECT_TRUE(waitUntil([&] { return std::memcmp(device->currentPattern().data(), "typed\0\0\0", 8) == 0; },
                          kPatience))
        << "the pattern dump with the name did not arrive";
}

TEST_F(JalvWithDevice, AKnobTurnedOnTheDeviceMovesTheParameter)
{
    ASSERT_NO_FATAL_FAILURE(start());
    click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
    device->turnKnob(PARAM_PART_FILTER_CUTOFF, 0, 20);
    const Image expected = reference->render(
        [](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_PARTS);
            synth.setParameter(6, 20 / 127.0f);
        });
    const t_EditorContainer* filter = editorTables_FindContainer(c_EditorContainers, CONT_PART_FILTER);
    EXPECT_TRUE(
        shows(expected, CRect(filter->x, filter->y, filter->x + filter->width, filter->y + filter->height)))
        << "the panel shows the device's value";
    click(centreOf(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 16, 26));
    const std::vector<std::uint8_t> saved = savedPattern();
    ASSERT_EQ(saved.size(), kPatternDataSize);
    EXPECT_EQ(saved[kDrum1CutoffByte], 20) << "the plug-in's program holds it";
}

// jalv.gtk3 embeds the X11 UI in its window: each page as the VST 2 panel draws it, but for
// the Host-mode warning, which a host that carries SysEx does not show.
class JalvGtk : public JalvWithDevice
{
protected:
    void startGtk()
    {
        const std::string client = "pavonis-jalv-gtk-" + std::to_string(getpid());
        jalv = std::make_unique<platform::ChildProcess>(
            std::vector<std::string>{"/usr/bin/jalv.gtk3", "-x", "-n", client, kPluginUri});
        ASSERT_TRUE(jalv->started());
        ASSERT_TRUE(waitUntil([&] { return (panel = embeddedPanelWindow(host.display)) != 0; }, kPatience))
            << "jalv.gtk3 shows no panel";
        std::this_thread::sleep_for(500ms);
        Window child = 0;
        XTranslateCoordinates(host.display, panel, DefaultRootWindow(host.display), 0, 0, &origin.x,
                              &origin.y, &child);
        click(centreOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6)); // "Sync now ?": no
    }
};

TEST_F(JalvGtk, EmbedsThePanelAsTheVst2PanelDrawsIt)
{
    if (access("/usr/bin/jalv.gtk3", X_OK) != 0)
        GTEST_SKIP() << "no jalv.gtk3";
    startGtk();
    const t_EditorContainer* warning = editorTables_FindContainer(c_EditorContainers, CONT_HOST_MODE_WARNING);
    const CRect warningBox(warning->x, warning->y, warning->x + warning->width, warning->y + warning->height);
    for (const lv2test::Page& page : lv2test::kPages)
    {
        click(centreOf(page.button, CTRL_SELECTOR_BUTTON, 16, 26));
        const auto prepare = [&](SynthCommons& synth, SynthEditor& editor)
        { selectMode(synth, editor, page.button); };
        const Image lv2 = lv2test::renderPanel(false, prepare);
        EXPECT_TRUE(shows(lv2, CRect(0, 0, kWidth, kHeight))) << page.name;
        const Image screen = shown();
        writePng(screen, std::string(PAVONIS_SCREENSHOT_DIR) + "/lv2-" + page.name + ".png");
        const Image vst2 =
            lv2test::renderPanel(true,
                                 [&](SynthCommons& synth, SynthEditor& editor)
                                 {
                                     // a new LV2 instance's mode
                                     synth.parameterLib_SetParameterValueFromEditor(EPARAM_MIDI_MODE, 0.0f);
                                     prepare(synth, editor);
                                 });
        int differing = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                differing += screen[y * kWidth + x] != vst2[y * kWidth + x] ? 1 : 0;
        int outsideWarning = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                outsideWarning +=
                    screen[y * kWidth + x] != vst2[y * kWidth + x] && !warningBox.pointInside(CPoint(x, y));
        EXPECT_EQ(outsideWarning, 0) << page.name << ": the VST 2 panel's rendering";
        if (std::string(page.name) == "setup")
        {
            EXPECT_GT(differing, 0) << "the warning is not shown";
        }
    }
}
} // namespace
