// The panel of the built plug-in at its zoom steps in a real X server, used with XTEST the way
// a user uses it: at 200 % a click where a control's table position says, times two, acts on
// that control; a knob dragged by the same panel distance gets the same value at every zoom;
// a popup menu opens under its control at twice the size; the host sees the new size after a
// zoom change, or keeps its own and the info line says so; and the 200 % panel is drawn anew,
// sharper than the 100 % one with every pixel doubled.
#include "PanelTestSupport.h"

#include "gui/Zoom.h"
#include "support/Environment.h"

#include <cmath>
#include <filesystem>
#include <fstream>

using namespace guitest;

namespace
{
constexpr int kCutoffD1 = 6; // host parameter
constexpr unsigned char kControlKey = 1 << 3;

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

CRect zoomed(const CRect& r, int zoom)
{
    return CRect(gui::toPixels(r.left, zoom), gui::toPixels(r.top, zoom), gui::toPixels(r.right, zoom),
                 gui::toPixels(r.bottom, zoom));
}

CPoint zoomed(CPoint p, int zoom)
{
    return CPoint(gui::toPixels(p.x, zoom), gui::toPixels(p.y, zoom));
}

CRect containerRect(e_EditorContainer id)
{
    const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, id);
    return CRect(c->x, c->y, c->x + c->width, c->y + c->height);
}

// The Tether MIDI panel's output menu: its row's place in its container, 18 units high.
CRect outputMenuRect()
{
    const CRect panel = containerRect(CONT_TETHER_PANEL);
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->id == EPARAM_MIDI_OUT_DEVICE)
            return CRect(panel.left + row->x, panel.top + row->y, panel.left + row->x + 1,
                         panel.top + row->y + 18);
    return CRect();
}

// One plug-in instance with its editor open at a zoom in a host window of the size it asks for.
class ZoomedEditor
{
public:
    ZoomedEditor(int zoom, const HostAnswers& answers = {}) : zoom(zoom), plugin(answers)
    {
        ERect* rect = nullptr;
        plugin.dispatch(effEditGetRect, 0, 0, &rect);
        width = rect ? rect->right : 0;
        height = rect ? rect->bottom : 0;
        host = std::make_unique<Host>(width, height);
        if (!host->display)
            return;
        plugin.dispatch(effEditOpen, 0, reinterpret_cast<vst::intptr>(host->display),
                        reinterpret_cast<void*>(static_cast<std::uintptr_t>(host->parent)));
        idleFor(100);
        click(centreOf(EPARAM_QUESTION_NO, CTRL_COMMAND_BUTTON, 8, 6)); // "Sync now ?": no
    }
    ~ZoomedEditor() { plugin.dispatch(effEditClose); }

    void idleFor(int milliseconds)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end)
        {
            plugin.dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // A point of the panel (units), where the window shows it at the zoom.
    void moveTo(CPoint units) { host->movePanel(zoomed(units, zoom)); }
    void click(CPoint units)
    {
        moveTo(units);
        idleFor(20);
        host->button(true);
        idleFor(30);
        host->button(false);
        idleFor(40);
    }
    void park() { host->moveTo(kParentX + width + 50, kParentY + height + 50); }
    void ctrlKey(char character)
    {
        plugin.dispatch(effEditKeyDown, character, 0, nullptr, kControlKey);
        plugin.dispatch(effEditKeyUp, character, 0, nullptr, kControlKey);
        idleFor(100);
    }
    Picture screen() const
    {
        Picture shot{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
        XImage* image = XGetImage(host->display, host->parent, 0, 0, width, height, AllPlanes, ZPixmap);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                shot.pixels[static_cast<std::size_t>(y) * width + x] = XGetPixel(image, x, y) & 0xFFFFFF;
        XDestroyImage(image);
        return shot;
    }
    // The editor's own window in the host's: its size.
    CRect editorWindow() const
    {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(host->display, host->parent, &root, &parent, &children, &count);
        CRect size;
        XWindowAttributes attributes{};
        if (count == 1 && XGetWindowAttributes(host->display, children[0], &attributes))
            size = CRect(0, 0, attributes.width, attributes.height);
        if (children)
            XFree(children);
        return size;
    }
    int zoom;
    PluginInstance plugin;
    int width = 0;
    int height = 0;
    std::unique_ptr<Host> host;
};

// The panel the core linked into the test draws offscreen at a zoom, in a state.
Picture reference(int zoom, const std::function<void(SynthCommons&, SynthEditor&)>& prepare)
{
    ReferencePanel panel;
    panel.editor->overrideZoom(zoom);
    panel.editor->open(nullptr);
    prepare(*panel.synth, *panel.editor);
    panel.editor->idle();
    const gui::Image& shown = panel.editor->getFrame()->getPlatformWindow()->image();
    Picture picture{shown.width(), shown.height(), {}};
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            picture.pixels.push_back(shown.at(x, y) & 0xFFFFFF);
    panel.editor->close();
    return picture;
}

int differences(const Picture& a, const Picture& b, const CRect& leftOut = CRect())
{
    if (a.width != b.width || a.height != b.height)
        return a.width * a.height;
    int count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            count += a.at(x, y) != b.at(x, y) && !leftOut.pointInside(CPoint(x, y)) ? 1 : 0;
    return count;
}

// The override-redirect windows on the screen: the popup menus.
std::vector<CRect> popups(Display* display)
{
    std::vector<CRect> found;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count; ++i)
    {
        XWindowAttributes a{};
        if (XGetWindowAttributes(display, children[i], &a) && a.override_redirect &&
            a.map_state == IsViewable)
            found.emplace_back(a.x, a.y, a.x + a.width, a.y + a.height);
    }
    if (children)
        XFree(children);
    return found;
}

double luminance(std::uint32_t rgb)
{
    return 0.299 * ((rgb >> 16) & 255) + 0.587 * ((rgb >> 8) & 255) + 0.114 * (rgb & 255);
}

// How sharp the edges are: at every edge along a row (a step between two pixels that is the
// largest around and part of a change of at least a quarter of the scale), the share of the
// whole change that the one step makes. A sharp edge changes in one step (1); an edge spread
// over two pixels, as a doubled antialiased pixel is, about half. The mean over all edges.
double edgeSharpness(const Picture& p, int* edges = nullptr)
{
    constexpr double kSmallestStep = 8;
    constexpr double kSmallestChange = 64;
    double sum = 0;
    int count = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 3; x + 4 < p.width; ++x)
        {
            const auto step = [&](int at)
            { return std::fabs(luminance(p.at(at + 1, y)) - luminance(p.at(at, y))); };
            const double here = step(x);
            if (here < kSmallestStep || here < step(x - 1) || here < step(x + 1))
                continue;
            double low = 255, high = 0;
            for (int i = x - 2; i <= x + 3; ++i)
            {
                low = std::min(low, luminance(p.at(i, y)));
                high = std::max(high, luminance(p.at(i, y)));
            }
            if (high - low < kSmallestChange)
                continue;
            sum += here / (high - low);
            ++count;
        }
    if (edges)
        *edges = count;
    return count ? sum / count : 0;
}

// Every step between pixels inside an aligned pair of columns: none in a doubled picture.
double stepsInsidePairs(const Picture& p)
{
    double sum = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x + 1 < p.width; x += 2)
            sum += std::fabs(luminance(p.at(x + 1, y)) - luminance(p.at(x, y)));
    return sum;
}

Picture doubled(const Picture& p)
{
    Picture out{2 * p.width, 2 * p.height, {}};
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.pixels.push_back(p.at(x / 2, y / 2));
    return out;
}

class PanelZoom : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Host().display)
            GTEST_SKIP() << "no X server (scripts/test starts Xvfb)";
        char pattern[] = "/tmp/pavonis-zoom-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        configHome = pattern;
        setUserConfigFolder(configHome);
        registerPanelPictures();
    }
    void TearDown() override
    {
        if (!configHome.empty())
            std::filesystem::remove_all(configHome);
    }
    void choose(int zoom) const
    {
        std::filesystem::create_directories(configHome + "/Pavonis");
        std::ofstream(configHome + "/Pavonis/settings.ini") << "zoom=" << zoom << "\n";
    }

    DisplayLock lock;
    std::string configHome;
};
} // namespace

TEST_F(PanelZoom, AtTwoHundredPercentAClickAtTwiceTheTablesPlaceActsOnThatControl)
{
    choose(200);
    ZoomedEditor editor(200);
    ASSERT_EQ(editor.width, 1594);
    ASSERT_EQ(editor.height, 406);
    editor.click(centreOf(EPARAM_MODE_GLOBAL, CTRL_SELECTOR_BUTTON, 16, 26));
    editor.click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
    editor.click(centreOf(EPARAM_PART_DRUM3, CTRL_SELECTOR_BUTTON, 16, 13));
    editor.park();
    editor.idleFor(100);
    const Picture expected = reference(200,
                                       [](SynthCommons& synth, SynthEditor& e)
                                       {
                                           selectMode(synth, e, EPARAM_MODE_PARTS);
                                           selectMode(synth, e, EPARAM_PART_DRUM3);
                                       });
    const CRect infoLine = zoomed(containerRect(CONT_INFO_LINE), 200);
    EXPECT_EQ(differences(editor.screen(), expected, infoLine), 0) << "the panel shows Drum3's part page";
}

TEST_F(PanelZoom, AKnobDraggedByTheSamePanelDistanceGetsTheSameValueAtEveryZoom)
{
    float values[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        const int zoom = i == 0 ? 100 : 200;
        choose(zoom);
        ZoomedEditor editor(zoom);
        editor.plugin.dispatch(effSetEditKnobMode, 0, 2); // linear: the value follows the distance
        editor.plugin.setParameter(kCutoffD1, 40.0f / 127.0f);
        editor.click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
        const CPoint knob = centreOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 26, 25);
        editor.moveTo(knob);
        editor.idleFor(30);
        editor.host->button(true);
        for (int up = 4; up <= 36; up += 4) // 36 units up, in steps
        {
            editor.moveTo(CPoint(knob.x, knob.y - up));
            editor.idleFor(20);
        }
        editor.host->button(false);
        editor.idleFor(40);
        values[i] = editor.plugin.getParameter(kCutoffD1);
    }
    EXPECT_GT(values[0], 40.5f / 127.0f) << "the drag moved the knob";
    EXPECT_NEAR(values[1], values[0], 0.5f / 127.0f);
}

TEST_F(PanelZoom, APopupMenuOpensUnderItsControlTwiceAsLarge)
{
    CRect popup[2];
    const CRect menu = outputMenuRect();
    for (int i = 0; i < 2; ++i)
    {
        const int zoom = i == 0 ? 100 : 200;
        choose(zoom);
        ZoomedEditor editor(zoom);
        editor.click(centreOf(EPARAM_MODE_SETUP, CTRL_SELECTOR_BUTTON, 16, 26));
        editor.click(CPoint(menu.left + 40, menu.top + 9));
        editor.idleFor(100);
        const std::vector<CRect> shown = popups(editor.host->display);
        ASSERT_EQ(shown.size(), 1u) << "at " << zoom << " %";
        popup[i] = shown[0];
        editor.host->key(XK_Escape);
        editor.idleFor(100);
        EXPECT_TRUE(popups(editor.host->display).empty());
    }
    EXPECT_EQ(popup[1].left, kParentX + 2 * menu.left) << "under its control";
    EXPECT_EQ(popup[1].top, kParentY + 2 * menu.bottom);
    EXPECT_EQ(popup[1].getHeight(), 2 * popup[0].getHeight());
    EXPECT_NEAR(popup[1].getWidth(), 2 * popup[0].getWidth(), 4);
}

TEST_F(PanelZoom, TheHostGivesTheWindowTheNewSizeOrTheInfoLineSaysItKeptItsOwn)
{
    choose(100);
    HostAnswers resizing;
    resizing.resizesEditor = true;
    {
        ZoomedEditor editor(100, resizing);
        editor.ctrlKey('+');
        EXPECT_EQ(editor.editorWindow(), CRect(0, 0, 1196, 305));
        ERect* rect = nullptr;
        editor.plugin.dispatch(effEditGetRect, 0, 0, &rect);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->right, 1196);
        EXPECT_EQ(rect->bottom, 305);
        EXPECT_EQ(pluginHost::logOf(editor.plugin.effect()).sizeRequests,
                  (std::vector<std::pair<int, int>>{{1196, 305}}));
    }
    choose(100);
    ZoomedEditor editor(100); // a host that keeps its size
    editor.park();
    editor.ctrlKey('+');
    EXPECT_EQ(editor.editorWindow(), CRect(0, 0, 797, 203));
    const Picture expected =
        reference(100,
                  [](SynthCommons&, SynthEditor& e)
                  {
                      e.editorControlsLib_RemoveQuestion();
                      e.editorControlsLib_DisplayCurrentParameterInfo("Host keeps size: 150 % next time");
                  });
    const CRect infoLine = containerRect(CONT_INFO_LINE);
    Picture shown = editor.screen();
    int differing = 0;
    for (int y = infoLine.top; y < infoLine.bottom; ++y)
        for (int x = infoLine.left; x < infoLine.right; ++x)
            differing += shown.at(x, y) != expected.at(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << "the info line tells why the panel kept its size";
}

TEST_F(PanelZoom, TheTwoHundredPercentPanelIsDrawnAnewNotDoubled)
{
    Picture shots[2];
    for (int i = 0; i < 2; ++i)
    {
        const int zoom = i == 0 ? 100 : 200;
        choose(zoom);
        ZoomedEditor editor(zoom);
        editor.click(centreOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 16, 26));
        editor.park();
        editor.idleFor(100);
        shots[i] = editor.screen();
    }
    const Picture twice = doubled(shots[0]);
    ASSERT_EQ(twice.width, shots[1].width);
    ASSERT_EQ(twice.height, shots[1].height);
    EXPECT_EQ(stepsInsidePairs(twice), 0.0);
    EXPECT_GT(stepsInsidePairs(shots[1]), 0.0) << "edges fall inside pixel pairs too: drawn at 200 %";
    EXPECT_GT(differences(shots[1], twice), shots[1].width * shots[1].height / 10);
    int edges[2] = {};
    const double drawn = edgeSharpness(shots[1], &edges[0]);
    const double copied = edgeSharpness(twice, &edges[1]);
    RecordProperty("edgeSharpnessDrawnPerMille", static_cast<int>(1000 * drawn));
    RecordProperty("edgeSharpnessDoubledPerMille", static_cast<int>(1000 * copied));
    std::printf(
        "edge sharpness at 200 %%: drawn %.3f over %d edges, doubled from 100 %% %.3f over %d edges\n", drawn,
        edges[0], copied, edges[1]);
    EXPECT_GT(drawn, 1.1 * copied) << "edges change in fewer pixels: sharper";
}
