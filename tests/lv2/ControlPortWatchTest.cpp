// Which control port values count as changes: the host re-sends every port at every block,
// and the panel writes values that the plug-in has already (or has moved past since).
#include "lv2/ControlPortWatch.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using lv2::ControlPortWatch;

struct Step
{
    enum Kind
    {
        PanelWrites, // the panel writes the value on the plug-in's behalf
        PortShows,   // the block sees the port at the value
        StateRestored,
    } kind;
    float value;
    bool counts; // for PortShows: a change to apply
};

struct Case
{
    const char* what;
    std::vector<Step> steps;
};

TEST(ControlPortWatch, CountsOnlyTheHostsOwnChanges)
{
    using S = Step;
    const Case cases[] = {
        {"a port that stays", {{S::PortShows, 0.5f, false}, {S::PortShows, 0.5f, false}}},
        {"the host moves it",
         {{S::PortShows, 0.7f, true}, {S::PortShows, 0.7f, false}, {S::PortShows, 0.2f, true}}},
        {"the panel's write comes back", {{S::PanelWrites, 0.7f, false}, {S::PortShows, 0.7f, false}}},
        {"writes the host passed over",
         {{S::PanelWrites, 0.6f, false},
          {S::PanelWrites, 0.7f, false},
          {S::PanelWrites, 0.8f, false},
          {S::PortShows, 0.8f, false},
          {S::PortShows, 0.7f, true}}}, // an older value again: the host's automation
        {"each write in turn",
         {{S::PanelWrites, 0.6f, false},
          {S::PanelWrites, 0.7f, false},
          {S::PortShows, 0.6f, false},
          {S::PortShows, 0.7f, false}}},
        {"the host moves it while the panel writes",
         {{S::PanelWrites, 0.7f, false}, {S::PortShows, 0.3f, true}, {S::PortShows, 0.7f, false}}},
        {"a restored state",
         {{S::StateRestored, 0.0f, false}, {S::PortShows, 0.9f, false}, {S::PortShows, 0.1f, true}}},
    };
    for (const Case& c : cases)
    {
        ControlPortWatch watch(3);
        watch.see(1, 0.5f);
        for (const Step& step : c.steps)
            switch (step.kind)
            {
            case Step::PanelWrites:
                watch.expectEcho(1, step.value);
                break;
            case Step::StateRestored:
                watch.seeAllAtNextLook();
                break;
            case Step::PortShows:
                if (watch.takeSeeAll())
                {
                    watch.see(1, step.value);
                    EXPECT_FALSE(step.counts) << c.what;
                    break;
                }
                EXPECT_EQ(watch.changed(1, step.value), step.counts) << c.what << ": " << step.value;
                break;
            }
    }
}
} // namespace
