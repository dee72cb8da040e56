// The toolkit's speed on the offscreen back end with a panel of about 100 controls:
// a full redraw, an idle with nothing to do, and building and opening the frame.

#include "TestPictures.h"
#include "gui/GuiToolkit.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
namespace tp = testpictures;

// The pictures live as long as the editor, as the panel's do; views live while it is open.
struct Pictures
{
    Pictures() { gui::registerPictures(testPictures, testPicturesCount); }
    ~Pictures()
    {
        for (CBitmap* bitmap : {background, knob, button, led, font})
            bitmap->forget();
    }
    CBitmap* background = new CBitmap(tp::kBackgroundPicture);
    CBitmap* knob = new CBitmap(tp::kKnobPicture);
    CBitmap* button = new CBitmap(tp::kButtonPicture);
    CBitmap* led = new CBitmap(tp::kLedPicture);
    CBitmap* font = new CBitmap(tp::kLcdFontPicture);
};

struct Panel
{
    static constexpr int kKnobs = 32;
    static constexpr int kButtons = 16;
    static constexpr int kLeds = 20;

    explicit Panel(Pictures& pictures)
        : frame(std::make_unique<CFrame>(CRect(0, 0, tp::kPanelWidth, tp::kPanelHeight), "bench", nullptr))
    {
        frame->setBackground(pictures.background);
        auto* page = add(new CViewContainer(CRect(0, 54, 797, 203), frame.get()));
        page->setTransparency(true);
        frame->addView(page);
        for (int i = 0; i < kKnobs; ++i)
        {
            const CCoord x = 4 + (i % 16) * 49, y = 2 + (i / 16) * 74;
            auto* knob = add(new CAnimKnob(CRect(x, y, x + 48, y + 48), nullptr, i, tp::kKnobFrames,
                                           tp::kKnobSize, pictures.knob));
            knob->setValue(static_cast<float>(i) / kKnobs);
            page->addView(knob);
            auto* name = add(new CTextLabel(CRect(x - 4, y + 48, x + 52, y + 60), "Cutoff"));
            name->setTransparency(true);
            name->setFont(kNormalFontVerySmall);
            page->addView(name);
        }
        for (int i = 0; i < kButtons; ++i)
            frame->addView(add(
                new COnOffButton(CRect(0, 0, 54, 21).offset(4 + i * 49, 30), nullptr, i, pictures.button)));
        for (int i = 0; i < kLeds; ++i)
            frame->addView(
                add(new COnOffButton(CRect(0, 0, 16, 16).offset(4 + i * 20, 4), nullptr, i, pictures.led)));
        frame->addView(add(new CBitmapText(CRect(600, 4, 700, 28), nullptr, -1, "A.01", tp::kLcdChars,
                                           tp::lcdWidths(), pictures.font, 2)));
        frame->open(nullptr);
    }
    ~Panel()
    {
        frame->close();
        frame->removeAll(false);
        for (CView* view : views) // containers let go of their views when they are deleted
            view->forget();
    }
    template <typename T> T* add(T* view)
    {
        views.push_back(view);
        return view;
    }
    int viewCount() const { return static_cast<int>(views.size()); }

    std::unique_ptr<CFrame> frame;
    std::vector<CView*> views;
};

void BM_FullRedraw(benchmark::State& state)
{
    Pictures pictures;
    Panel panel(pictures);
    for (auto _ : state)
    {
        panel.frame->setDirty();
        panel.frame->redrawDirty();
    }
    state.counters["views"] = panel.viewCount();
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirty(benchmark::State& state)
{
    Pictures pictures;
    Panel panel(pictures);
    panel.frame->idle();
    for (auto _ : state)
        panel.frame->idle();
}
BENCHMARK(BM_IdleNothingDirty)->Unit(benchmark::kMicrosecond);

void BM_IdleOneKnobTurned(benchmark::State& state)
{
    Pictures pictures;
    Panel panel(pictures);
    auto* knob = dynamic_cast<CControl*>(panel.views[1]);
    float value = 0.0f;
    for (auto _ : state)
    {
        value = value > 0.99f ? 0.0f : value + 0.01f;
        knob->setValue(value);
        panel.frame->idle();
    }
}
BENCHMARK(BM_IdleOneKnobTurned)->Unit(benchmark::kMicrosecond);

void BM_BuildAndOpen(benchmark::State& state)
{
    Pictures pictures;
    for (auto _ : state)
    {
        auto panel = std::make_unique<Panel>(pictures);
        benchmark::DoNotOptimize(panel.get());
        state.PauseTiming();
        panel.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildAndOpen)->Unit(benchmark::kMillisecond);

void BM_DecodePanelBackground(benchmark::State& state)
{
    gui::registerPictures(testPictures, testPicturesCount);
    for (auto _ : state)
    {
        CBitmap background(tp::kBackgroundPicture);
        benchmark::DoNotOptimize(background.getWidth());
    }
}
BENCHMARK(BM_DecodePanelBackground)->Unit(benchmark::kMillisecond);
} // namespace
