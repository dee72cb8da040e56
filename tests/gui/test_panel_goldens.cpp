// Every screen of the panel, drawn offscreen, against the golden pictures in tests/gui/golden
// that a person looked at: a wrong rectangle, label, font or picture anywhere shows as
// differing pixels. A picture that differs is kept, with a map of the differences, in the
// build's golden-differences folder; after a change to the panel that was meant,
// scripts/refresh-goldens draws them all anew.
#include "PanelScreens.h"
#include "support/PictureDifference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
namespace fs = std::filesystem;
using panelscreens::t_Screen;

class PanelGolden : public ::testing::TestWithParam<t_Screen>
{
};

TEST_P(PanelGolden, LooksAsTheGoldenPicture)
{
    const t_Screen& screen = GetParam();
    const fs::path golden = fs::path(PAVONIS_GOLDEN_DIR) / (std::string(screen.name) + ".png");
    gui::Image expected;
    ASSERT_TRUE(pictures::readPng(golden, expected))
        << golden << " cannot be read (scripts/refresh-goldens draws it)";
    const gui::Image drawn = panelscreens::render(screen);
    gui::Image differences;
    const int differing = pictures::differingPixels(drawn, expected, &differences);
    if (differing == 0)
        return;
    const fs::path kept = fs::path(PAVONIS_GOLDEN_DIFFERENCES);
    fs::create_directories(kept);
    gui::writePng(drawn, (kept / (std::string(screen.name) + ".png")).c_str());
    gui::writePng(differences, (kept / (std::string(screen.name) + "-differences.png")).c_str());
    ADD_FAILURE() << screen.name << ": " << differing << " of " << drawn.width() * drawn.height()
                  << " pixels differ from " << golden << " (drawn: " << drawn.width() << " x "
                  << drawn.height() << ", golden: " << expected.width() << " x " << expected.height()
                  << "); the picture and a map of "
                  << "the differences are in " << kept
                  << ". A change that was meant: scripts/refresh-goldens.";
}

INSTANTIATE_TEST_SUITE_P(Screens, PanelGolden,
                         ::testing::ValuesIn(panelscreens::c_Screens,
                                             panelscreens::c_Screens + panelscreens::kScreenCount),
                         [](const ::testing::TestParamInfo<t_Screen>& info)
                         {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });
} // namespace
