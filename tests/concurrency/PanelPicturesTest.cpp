// The panel's pictures are decoded when a panel first shows them, once for the whole process:
// making instances decodes none, and however many instances show every screen, one after the
// other or two at once on two threads, no picture is decoded twice while any instance is there.
// The same holds for the pictures of another zoom, which a panel at 100 % never makes and a
// panel at that zoom makes without the 100 % ones.
#include "editor/PanelPictures.h"
#include "core/SynthCommons.h"
#include "editor/EditorTables.h"
#include "editor/SynthEditor.h"
#include "gui/PictureCache.h"
#include "gui/Zoom.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <utility>
#include <vector>

namespace
{
constexpr int kInstances = 4;

// Every picture number of the panel's resources.
std::set<int> panelPictureNumbers()
{
    std::set<int> numbers;
    for (const t_EditorResource* r = c_EditorResources; r->id != RES_END; ++r)
        if (r->kind == RESKIND_BITMAP || r->kind == RESKIND_PICTURE)
            numbers.insert(r->picture);
    return numbers;
}

// By zoom step and picture number.
std::map<std::pair<int, int>, int> timesDecoded()
{
    std::map<std::pair<int, int>, int> times;
    for (int zoom : gui::kZoomSteps)
        for (int number : panelPictureNumbers())
            times[{zoom, number}] = gui::timesDecoded({number, zoom});
    return times;
}

struct Decodings
{
    int total = 0;
    int mostOfOnePicture = 0;
};

// The panel opened and drawn on every screen: the pages, a keyboard part, the MIDI test page.
void showEveryScreen(SynthCommons& synth)
{
    SynthEditor* editor = synth.getSynthEditor();
    const auto show = [&](int mode)
    {
        synth.pluginMode = mode;
        editor->open(nullptr);
        editor->idle();
        editor->close();
    };
    for (int mode :
         {PLUGIN_MODE_SETUP, PLUGIN_MODE_PART, PLUGIN_MODE_MIX, PLUGIN_MODE_GLOBAL, PLUGIN_MODE_MIDI_TEST})
        show(mode);
    synth.parameterLib_SetParameterValueFromEditor(EPARAM_PART_KEYBOARD1, 1.0f);
    show(PLUGIN_MODE_PART);
}

class PanelPictures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPanelPictures();
        for (int i = 0; i < kInstances; ++i)
            instances.push_back(std::make_unique<SynthCommons>(RecordingHost::callback));
    }

    // Decodings at a zoom since the test began (an earlier test's panels may have decoded and
    // given back).
    Decodings decodings(int zoom = gui::kNoZoom) const
    {
        Decodings counted;
        for (const auto& [key, times] : timesDecoded())
        {
            if (key.first != zoom)
                continue;
            const int since = times - before.at(key);
            counted.total += since;
            counted.mostOfOnePicture = std::max(counted.mostOfOnePicture, since);
        }
        return counted;
    }

    RecordingHost host;
    const std::map<std::pair<int, int>, int> before = timesDecoded();
    std::vector<std::unique_ptr<SynthCommons>> instances;
};

TEST_F(PanelPictures, AreDecodedOnceHoweverManyInstancesShowThem)
{
    EXPECT_EQ(decodings().total, 0) << "making an instance decodes no picture";

    for (int zoom : {200, 100})
    {
        for (const auto& instance : instances)
            instance->getSynthEditor()->overrideZoom(zoom);
        showEveryScreen(*instances[0]);
        const Decodings first = decodings(zoom);
        EXPECT_GE(first.total, 30) << "the screens show most of the panel's pictures at " << zoom << " %";
        EXPECT_EQ(first.mostOfOnePicture, 1) << zoom;
        if (zoom == 200)
        {
            EXPECT_EQ(decodings(100).total, 0) << "the panel at 200 % makes no picture of 100 %";
            EXPECT_EQ(decodings(150).total, 0);
        }

        for (int i = 1; i < kInstances; ++i)
            showEveryScreen(*instances[i]);
        EXPECT_EQ(decodings(zoom).total, first.total)
            << "the other panels decode nothing at " << zoom << " %";
    }
}

TEST_F(PanelPictures, StayWhileAnyInstanceIsThereAndGoWithTheLast)
{
    showEveryScreen(*instances[0]);
    const int once = decodings().total;
    instances[0].reset();
    showEveryScreen(*instances[1]);
    EXPECT_EQ(decodings().total, once) << "the instance that decoded them is gone, the others keep them";

    instances.clear();
    SynthCommons later(RecordingHost::callback);
    showEveryScreen(later);
    EXPECT_EQ(decodings().total, 2 * once) << "the last instance gave them back";
}

TEST_F(PanelPictures, TwoPanelsOpeningAtOnceDecodeEachPictureOnce)
{
    for (int zoom : {200, 100})
    {
        for (const auto& instance : instances)
            instance->getSynthEditor()->overrideZoom(zoom);
        std::thread other([&] { showEveryScreen(*instances[1]); });
        showEveryScreen(*instances[0]);
        other.join();
        EXPECT_EQ(decodings(zoom).mostOfOnePicture, 1) << zoom;
        EXPECT_GE(decodings(zoom).total, 30) << zoom;
    }
}
} // namespace
