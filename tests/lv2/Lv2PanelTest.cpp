// The panel as an LV2 UI in a real X server, embedded in a parent window as an X11 host embeds it,
// driven with XTEST; the host's side (port writes, touch, the idle interface, running blocks) is
// the test's. What the user does on the panel reaches the host's automation through port writes
// framed by touch; what the device does reaches it too; what the host does moves the panel; and
// no port write that only echoes the plug-in's own value comes back as a change. The screens are
// those of the VST 2 panel, without the Host-mode warning: this host carries SysEx. The panel
// opens at the user's zoom and asks a host that offers ui:resize for the size of a new one.
#include "Lv2Host.h"
#include "Lv2Reference.h"
#include "gui/Zoom.h"
#include "support/Environment.h"

#include <lv2/instance-access/instance-access.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

using namespace guitest;
using namespace lv2test;

namespace
{
constexpr int kD1FilterCutoff = 6;
constexpr std::uint32_t kD1FilterCutoffPort = kFirstParameter + kD1FilterCutoff;

struct PortWrite
{
    std::uint32_t port;
    float value;
    bool touched; // between the host's touch grab and release
};

class Lv2PanelInX : public ::testing::Test
{
protected:
    explicit Lv2PanelInX(int hostWidth = kWidth, int hostHeight = kHeight) : host{hostWidth, hostHeight} {}

    void SetUp() override
    {
        if (!host.display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
        lv2.run();
        touchFeature = {this, touch};
        const LV2_Feature access{LV2_INSTANCE_ACCESS_URI, lv2.handle()};
        const LV2_Feature parent{LV2_UI__parent,
                                 reinterpret_cast<void*>(static_cast<std::uintptr_t>(host.parent))};
        const LV2_Feature touching{LV2_UI__touch, &touchFeature};
        const LV2_Feature idling{LV2_UI__idleInterface, nullptr};
        const LV2_Feature resizing{LV2_UI__resize, &resizeFeature};
        const LV2_Feature* features[] = {
            &access, &parent, &touching, &idling, resizeFeature.ui_resize ? &resizing : nullptr, nullptr};
        ui = World::get().uiDescriptor();
        ASSERT_TRUE(ui);
        handle =
            ui->instantiate(ui, kPluginUri, PAVONIS_LV2_DIR "/Pavonis.lv2/", write, this, &widget, features);
        ASSERT_TRUE(handle);
        idleInterface = static_cast<const LV2UI_Idle_Interface*>(ui->extension_data(LV2_UI__idleInterface));
        for (std::uint32_t port = kFirstParameter; port <= kProgram; ++port)
            ui->port_event(handle, port, sizeof(float), 0, &lv2.control(port));
        idleFor(100);
        click(centreOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6)); // "Sync now ?": no
        writes.clear();
        touches.clear();
    }
    void TearDown() override
    {
        if (handle)
            ui->cleanup(handle);
    }

    static void write(LV2UI_Controller controller, std::uint32_t port, std::uint32_t size,
                      std::uint32_t protocol, const void* buffer)
    {
        auto* self = static_cast<Lv2PanelInX*>(controller);
        if (protocol != 0 || size != sizeof(float))
            return;
        float value = 0.0f;
        std::memcpy(&value, buffer, sizeof value);
        self->writes.push_back({port, value, self->touched[port]});
        if (self->writesLate)
            self->lateWrites.push_back({port, value, false});
        else
            self->lv2.control(port) = value; // the host takes the value for the next block
    }
    void applyLateWrites()
    {
        for (const PortWrite& w : lateWrites)
            lv2.control(w.port) = w.value;
        lateWrites.clear();
    }
    static void touch(LV2UI_Feature_Handle handle, std::uint32_t port, bool grabbed)
    {
        auto* self = static_cast<Lv2PanelInX*>(handle);
        self->touched[port] = grabbed;
        self->touches.push_back({port, grabbed ? 1.0f : 0.0f, grabbed});
    }

    // The host's loop: UI idles and processing blocks; what the plug-in sent.
    std::vector<Message> idleFor(int milliseconds)
    {
        std::vector<Message> sent;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end)
        {
            EXPECT_EQ(idleInterface->idle(handle), 0);
            for (Message& m : lv2.run())
                sent.push_back(std::move(m));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return sent;
    }
    // A point of the panel (units), where the window shows it at the panel's zoom.
    void click(CPoint p)
    {
        const CPoint pixels(gui::toPixels(p.x, zoom), gui::toPixels(p.y, zoom));
        clickPanel(host, pixels, [this](int milliseconds) { idleFor(milliseconds); });
    }
    Image screen() const { return windowImage(host.display, host.parent); }
    static Image expected(const std::function<void(SynthCommons&, SynthEditor&)>& prepare)
    {
        return renderPanel(false, prepare);
    }
    // Differing pixels after idling a while; both pictures beside the test when some remain. The
    // info line is left out: it shows what the pointer passed over.
    int differencesFrom(const Image& wanted, const std::string& name)
    {
        host.moveTo(kParentX + kWidth + 50, kParentY + kHeight + 50);
        const t_EditorContainer* info = editorTables_FindContainer(c_EditorContainers, CONT_INFO_LINE);
        const CRect infoLine(info->x, info->y, info->x + info->width, info->y + info->height);
        int differing = 0;
        Image shown;
        for (int attempt = 0; attempt < 40; ++attempt)
        {
            idleFor(50);
            shown = screen();
            differing = 0;
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    differing += shown[y * kWidth + x] != wanted[y * kWidth + x] &&
                                 !infoLine.pointInside(CPoint(x, y));
            if (differing == 0)
                return 0;
        }
        writePng(shown, "lv2-panel-shown-" + name + ".png");
        writePng(wanted, "lv2-panel-expected-" + name + ".png");
        return differing;
    }
    void showPartPage()
    {
        click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
        writes.clear();
        touches.clear();
    }

    DisplayLock lock;
    Host host;
    int zoom = gui::kNoZoom;
    LV2UI_Resize resizeFeature{}; // offered when a derived fixture sets ui_resize
    Instance lv2;
    const LV2UI_Descriptor* ui = nullptr;
    LV2UI_Handle handle = nullptr;
    LV2UI_Widget widget = nullptr;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
    LV2UI_Touch touchFeature{};
    bool touched[kPortCount] = {};
    std::vector<PortWrite> writes;
    std::vector<PortWrite> touches;
    bool writesLate = false; // a host that hands the panel's writes to the plug-in later
    std::vector<PortWrite> lateWrites;
};

TEST_F(Lv2PanelInX, IsTheVst2PanelEmbeddedInTheHostsWindow)
{
    Window root = 0, parentOfWidget = 0;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(host.display, static_cast<Window>(reinterpret_cast<std::uintptr_t>(widget)), &root,
               &parentOfWidget, &children, &count);
    if (children)
        XFree(children);
    EXPECT_EQ(parentOfWidget, host.parent) << "the widget is the panel's window, a child of ui:parent";
    for (const lv2test::Page& page : lv2test::kPages)
    {
        click(centreOf(page.button, CTRL_SELECTOR_BUTTON, 16, 26));
        const Image wanted = expected([&](SynthCommons& synth, SynthEditor& editor)
                                      { selectMode(synth, editor, page.button); });
        EXPECT_EQ(differencesFrom(wanted, page.name), 0) << page.name;
    }
}

// The host gives the panel a larger area, and a smaller one: it keeps its size, in the middle.
TEST_F(Lv2PanelInX, KeepsItsSizeInTheMiddleOfTheAreaTheHostGives)
{
    const auto* resize = static_cast<const LV2UI_Resize*>(ui->extension_data(LV2_UI__resize));
    ASSERT_TRUE(resize);
    const auto window = static_cast<Window>(reinterpret_cast<std::uintptr_t>(widget));
    struct Case
    {
        int width, height, x, y;
    };
    for (const Case& c : {Case{1001, 403, 102, 100}, Case{400, 100, 0, 0}, Case{kWidth, kHeight, 0, 0}})
    {
        EXPECT_EQ(resize->ui_resize(handle, c.width, c.height), 0);
        idleFor(50);
        Window root = 0;
        int x = -1, y = -1;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(host.display, window, &root, &x, &y, &width, &height, &border, &depth);
        EXPECT_EQ(x, c.x) << c.width << "x" << c.height;
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(int(width), kWidth);
        EXPECT_EQ(int(height), kHeight);
    }
}

TEST_F(Lv2PanelInX, AKnobTurnedOnThePanelIsWrittenToItsPortBetweenTouches)
{
    showPartPage();
    const CPoint centre = centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 26, 25);
    host.movePanel(CPoint(centre.x - 15, centre.y + 15));
    idleFor(30);
    host.button(true);
    for (int step = 0; step <= 10; ++step)
    {
        host.movePanel(CPoint(centre.x - 15 + 3 * step, centre.y + 15 - 3 * step));
        idleFor(20);
    }
    host.button(false);
    idleFor(100);
    ASSERT_FALSE(writes.empty());
    ASSERT_GE(touches.size(), 2u);
    EXPECT_TRUE(touches.front().touched && touches.front().port == kD1FilterCutoffPort);
    EXPECT_TRUE(!touches.back().touched && touches.back().port == kD1FilterCutoffPort);
    for (const PortWrite& w : writes)
    {
        EXPECT_EQ(w.port, kD1FilterCutoffPort);
        EXPECT_TRUE(w.touched) << "written between grab and release";
    }
    EXPECT_TRUE(idleFor(500).empty()) << "the port's echo of the panel's value sends nothing again";
    const float last = writes.back().value;
    PluginInstance vst2;
    Bytes chunk = lv2.chunk();
    vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data());
    EXPECT_EQ(vst2.getParameter(kD1FilterCutoff), last) << "the host has the plug-in's value";
}

// The device's knob moves on while the host still holds the panel's write of a value before:
// when the write arrives it is no change of the host's, and the device keeps its value.
TEST_F(Lv2PanelInX, ADeviceKnobReachesTheHostThroughThePanelAndStaysThere)
{
    writesLate = true;
    lv2.run({{0xB9, 99, 12}, {0xB9, 98, 6}, {0xB9, 6, 100}});
    EXPECT_TRUE(idleFor(300).empty()) << "nothing goes back to the device";
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].port, kD1FilterCutoffPort);
    EXPECT_FLOAT_EQ(writes[0].value, 100 / 127.0f);
    EXPECT_FALSE(writes[0].touched) << "no gesture of the user";
    lv2.run({{0xB9, 99, 12}, {0xB9, 98, 6}, {0xB9, 6, 110}});
    applyLateWrites();
    EXPECT_TRUE(idleFor(300).empty()) << "the late write of 100 is no change";
    applyLateWrites();
    EXPECT_TRUE(idleFor(300).empty());
    EXPECT_FLOAT_EQ(lv2.control(kD1FilterCutoffPort), 110 / 127.0f);
    PluginInstance vst2;
    Bytes chunk = lv2.chunk();
    vst2.dispatch(effSetChunk, 0, static_cast<vst::intptr>(chunk.size()), chunk.data());
    EXPECT_FLOAT_EQ(vst2.getParameter(kD1FilterCutoff), 110 / 127.0f);
}

TEST_F(Lv2PanelInX, HostAutomationMovesThePanelAndProgramsReachTheProgramPort)
{
    showPartPage();
    lv2.control(kD1FilterCutoffPort) = 20 / 127.0f;
    const Image wanted = expected(
        [](SynthCommons& synth, SynthEditor& editor)
        {
            selectMode(synth, editor, EPARAM_MODE_PARTS);
            synth.setParameter(kD1FilterCutoff, 20 / 127.0f);
        });
    EXPECT_EQ(differencesFrom(wanted, "host-automation"), 0);
    EXPECT_TRUE(writes.empty()) << "the host's own change is not written back";

    PluginInstance vst2;
    vst2.selectProgram(7);
    void* data = nullptr;
    const auto size = vst2.dispatch(effGetChunk, 0, 0, &data);
    ASSERT_EQ(
        lv2.restoreChunk(Bytes(static_cast<std::uint8_t*>(data), static_cast<std::uint8_t*>(data) + size)),
        LV2_STATE_SUCCESS);
    idleFor(200);
    ASSERT_FALSE(writes.empty());
    EXPECT_EQ(writes.back().port, kProgram);
    EXPECT_EQ(writes.back().value, 7.0f) << "the restored current program";
}

// A host that offers ui:resize, and the user's zoom kept at 150 % in a settings folder of the
// test's own. The host's window holds the panel at 200 %.
class Lv2PanelZoomed : public Lv2PanelInX
{
protected:
    Lv2PanelZoomed() : Lv2PanelInX(gui::toPixels(kWidth, 200), gui::toPixels(kHeight, 200)) {}

    void SetUp() override
    {
        std::filesystem::create_directories(folder / "Pavonis");
        std::ofstream(folder / "Pavonis" / "settings.ini") << "zoom=150\n";
        setUserConfigFolder(folder.string());
        resizeFeature = {this, askedToResize};
        zoom = 150;
        Lv2PanelInX::SetUp();
    }
    void TearDown() override
    {
        Lv2PanelInX::TearDown();
        std::filesystem::remove_all(folder);
    }

    static int askedToResize(LV2UI_Feature_Handle handle, int width, int height)
    {
        auto* self = static_cast<Lv2PanelZoomed*>(handle);
        self->requests.push_back({width, height});
        return self->refuses ? 1 : 0;
    }
    CPoint widgetSize() const
    {
        Window root = 0;
        int x = 0, y = 0;
        unsigned width = 0, height = 0, border = 0, depth = 0;
        XGetGeometry(host.display, static_cast<Window>(reinterpret_cast<std::uintptr_t>(widget)), &root, &x,
                     &y, &width, &height, &border, &depth);
        return CPoint(static_cast<int>(width), static_cast<int>(height));
    }
    std::string savedSettings() const
    {
        std::ifstream in(folder / "Pavonis" / "settings.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("pavonis-lv2-zoom-" + std::to_string(getpid()));
    std::vector<CPoint> requests;
    bool refuses = false;
};

// The Zoom group's LEDs on the setup page, where the 100 % panel shows them.
constexpr CPoint kZoomLed150{655, 103};
constexpr CPoint kZoomLed200{655, 122};

// Opens at the kept 150 % and tells the host that size; a zoom chosen on the setup page is
// asked for, and the panel takes it where the host agrees and keeps its size where it refuses.
TEST_F(Lv2PanelZoomed, OpensAtTheUsersZoomAndAsksTheHostForTheSizeOfAnother)
{
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front(), CPoint(1196, 305)) << "the size reported at instantiation";
    EXPECT_EQ(widgetSize(), CPoint(1196, 305));

    click(centreOf(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 16, 26));
    requests.clear();
    click(kZoomLed200);
    idleFor(100);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], CPoint(1594, 406));
    EXPECT_EQ(widgetSize(), CPoint(1594, 406));
    EXPECT_NE(savedSettings().find("zoom=200"), std::string::npos) << savedSettings();

    zoom = 200;
    refuses = true;
    requests.clear();
    click(kZoomLed150);
    idleFor(100);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], CPoint(1196, 305));
    EXPECT_EQ(widgetSize(), CPoint(1594, 406)) << "the host keeps the size";
    EXPECT_NE(savedSettings().find("zoom=150"), std::string::npos) << "kept for the next opening";
}
} // namespace
