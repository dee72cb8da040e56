// The screens put together from the pictures, as the editor stacks its views: plates that
// keep clear of each other, every control standing on a plate, and every text the editor
// writes standing out from what lies under it (within its rectangle) by at least 4.5 : 1.
#include "ArtScreens.h"
#include "ArtSections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

namespace
{
const art::PictureSet& pictures()
{
    static const art::PictureSet set(PANEL_PICTURES_DIR);
    return set;
}

struct Canvas
{
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, art::kFrameWidth, art::kFrameHeight);
    cairo_t* cr = cairo_create(surface);
    ~Canvas()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
};

// The page container a screen shows, the one that spans the frame's width.
e_EditorContainer pageOf(const art::Screen& screen)
{
    for (e_EditorContainer id : art::visibleContainers(screen))
        if (art::containerBox(id).w == art::kFrameWidth && art::containerBox(id).y > 0)
            return id;
    return CONT_FRAME;
}

bool inside(const art::Box& outer, int x, int y)
{
    return x >= outer.x && x < outer.right() && y >= outer.y && y < outer.bottom();
}

double luminance(double r, double g, double b)
{
    auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TEST(PanelLayout, PlatesOfAPageKeepClearOfEachOther)
{
    Canvas canvas;
    for (e_EditorContainer page :
         {CONT_PART_PAGE, CONT_MIX_PAGE, CONT_GLOBAL_PAGE, CONT_SETUP_PAGE, CONT_MIDI_TEST_PAGE})
    {
        const auto plates = art::pagePlates(canvas.cr, page);
        ASSERT_FALSE(plates.empty()) << std::hex << page;
        for (std::size_t i = 0; i < plates.size(); ++i)
            for (std::size_t j = i + 1; j < plates.size(); ++j)
            {
                const art::Box a = plates[i].box;
                const art::Box b = plates[j].box;
                const bool same =
                    a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; // alternate part forms
                EXPECT_TRUE(same || a.intersected(b).empty())
                    << std::hex << page << std::dec << ": " << a.x << "," << a.y << " " << a.w << "x" << a.h
                    << " and " << b.x << "," << b.y << " " << b.w << "x" << b.h;
            }
    }
}

TEST(PanelLayout, EveryControlOfAPageStandsOnOneOfItsPlates)
{
    Canvas canvas;
    for (const art::Screen& screen : art::panelScreens())
    {
        const e_EditorContainer page = pageOf(screen);
        const art::Box pageBox = art::containerBox(page);
        const auto plates = art::pagePlates(canvas.cr, page);
        for (e_EditorContainer id : art::visibleContainers(screen))
        {
            const art::Box box = art::containerBox(id);
            if (id == CONT_OVERLAY || !inside(pageBox, box.x, box.y))
                continue;
            for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
                for (const art::ControlPart& part : art::controlParts(*row))
                {
                    if (row->container != id || part.kind != art::ControlPart::Main)
                        continue;
                    const int cx = part.box.x + part.box.w / 2;
                    const int cy = part.box.y + part.box.h / 2;
                    bool onPlate = false;
                    for (const art::PagePlate& p : plates)
                        onPlate = onPlate || inside(p.box, cx, cy);
                    EXPECT_TRUE(onPlate)
                        << screen.name << ": editor parameter " << row->id << " at " << cx << "," << cy;
                }
        }
    }
}

TEST(PanelScreens, EveryTextStandsOutFromWhatLiesUnderIt)
{
    for (const art::Screen& screen : art::panelScreens())
    {
        if (screen.overlay)
            continue; // the overlay dims what lies under it on purpose
        Canvas canvas;
        std::vector<art::TextSpot> texts;
        art::composeScreen(canvas.cr, pictures(), screen, false, &texts);
        cairo_surface_flush(canvas.surface);
        const unsigned char* data = cairo_image_surface_get_data(canvas.surface);
        const int stride = cairo_image_surface_get_stride(canvas.surface);
        for (const art::TextSpot& text : texts)
        {
            // Letters beyond their own rectangle are the layout's fault, not the pictures'.
            const art::Box ink = art::inkBox(text).intersected(text.box);
            const double fore = luminance(text.colour.r, text.colour.g, text.colour.b);
            double worst = 21;
            for (int y = ink.y; y < ink.bottom(); ++y)
                for (int x = ink.x; x < ink.right(); ++x)
                {
                    std::uint32_t p;
                    std::memcpy(&p, data + y * stride + x * 4, 4);
                    const double back =
                        luminance(((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0);
                    worst = std::min(worst, contrast(fore, back));
                }
            EXPECT_GE(worst, 4.5) << screen.name << ": \"" << text.text << "\" at " << ink.x << "," << ink.y;
        }
    }
}
} // namespace
