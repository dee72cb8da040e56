// The frame, the pages and the syncing overlay. Everything is drawn in frame coordinates: a
// page picture is the frame's scene seen through the page's rectangle, so that the body's
// gradient runs on across pages and whatever of the top bar reaches below it is continued.
#include "ArtPictures.h"
#include "ArtSections.h"
#include "PavonisVersion.h"
#include "core/ProductNames.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <vector>

namespace art
{
namespace
{
constexpr double kPi = 3.14159265358979;
constexpr int kPlateGap = 1;     // plates keep clear of their neighbours by this much a side
constexpr int kTitleDescent = 2; // a title's baseline lies this far above its plate

// --- The top bar --------------------------------------------------------------------------------

Box displayBezel()
{
    return containerBox(CONT_LCD).united(containerBox(CONT_QUESTION)).inflated(2, 2);
}

// The LCD with the info strip under it: the strip carries the info line, the question and,
// for Audio Unit hosts, the program menu, all in dark letters.
void display(cairo_t* cr)
{
    const Box bezel = displayBezel();
    roundedRect(cr, bezel.x, bezel.y, bezel.w, bezel.h, 4);
    setColour(cr, kOutline);
    cairo_fill(cr);
    hLine(cr, bezel.x + 3, bezel.bottom(), bezel.w - 6, kPlateHighlight, 0.8);
    const Box lcd = containerBox(CONT_LCD);
    fillBox(cr, lcd, kLcdBack);
    hLine(cr, lcd.x, lcd.y, lcd.w, kOutline, 0.6);
    const Box strip = containerBox(CONT_QUESTION);
    cairo_rectangle(cr, strip.x, strip.y, strip.w, strip.h);
    fillVertical(cr, strip.y, strip.bottom(), kInfoStrip, kInfoStripBottom);
    hLine(cr, strip.x, strip.y, strip.w, kOutline);
}

// Light tags under the dark labels of the top bar ("Pattern", "Part"): one width for all,
// ending just short of the buttons their labels lead to.
std::vector<Box> labelTags()
{
    std::vector<Box> tags;
    int left = kFrameWidth;
    int right = 0;
    for (const t_EditorResource* r = c_EditorResources; r->id != RES_END; ++r)
    {
        const TextSpot text = resourceText(*r);
        if (r->container == CONT_FRAME && !text.text.empty() && text.colour.r == 0)
        {
            const Box ink = inkBox(text);
            tags.push_back(ink.inflated(0, 3));
            left = std::min(left, ink.x - 5);
            right = std::max(right, ink.right() + 2);
        }
    }
    for (Box& tag : tags)
        tag = {left, tag.y, right - left, tag.h};
    return tags;
}

// The top bar's plates of buttons: the pattern and part commands (with their tags, on the
// frame), and undo, redo and compare.
constexpr e_EditorContainer kTopBarButtonGroups[] = {CONT_FRAME, CONT_HISTORY};

bool isButton(e_EditorControlKind kind)
{
    return kind == CTRL_COMMAND_BUTTON || kind == CTRL_TOGGLE_BUTTON;
}

Box buttonPlate(e_EditorContainer group)
{
    Box bounds;
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->container == group && isButton(row->kind))
            bounds = bounds.united(controlBounds(*row));
    if (group == CONT_FRAME)
        for (const Box& tag : labelTags())
            bounds = bounds.united(tag);
    return bounds.inflated(3, 3);
}

void wordmark(cairo_t* cr, int left, int right)
{
    const Font name{18, true};
    const Font line{7.5, true};
    const double nameWidth = textWidth(cr, "PAVONIS", name, 4);
    const double lineWidth = textWidth(cr, "REMOTE EDITOR", line, 2.2);
    const double width = 30 + std::max(nameWidth, lineWidth);
    const double x = std::round((left + right - width) / 2);
    drawEmblem(cr, x + 11, 27, 1.0);
    drawText(cr, "PAVONIS", x + 30, 30, name, kTextOnDark, 4);
    drawText(cr, "REMOTE EDITOR", x + 31, 42, line, kTitle, 2.2);
}

void topBar(cairo_t* cr)
{
    display(cr);
    int platesLeft = kFrameWidth;
    for (e_EditorContainer group : kTopBarButtonGroups)
    {
        const Box buttons = buttonPlate(group);
        plate(cr, buttons);
        platesLeft = std::min(platesLeft, buttons.x);
    }
    for (const Box& tag : labelTags())
    {
        roundedRect(cr, tag.x, tag.y, tag.w, tag.h, 2);
        fillVertical(cr, tag.y, tag.bottom(), kFaceTop, kFaceBottom);
    }
    wordmark(cr, displayBezel().right(), platesLeft);
}

// --- Which rows a page shows -----------------------------------------------------------------------

bool inSection(e_EditorParameterID id, e_EditorContainer page)
{
    for (const t_ArtSection* s = c_ArtSections; s->page != CONT_FRAME; ++s)
        for (const e_EditorParameterID* member = s->parameters; s->page == page && *member != EPARAM_END;
             ++member)
            if (*member == id)
                return true;
    return false;
}

// Whether the page shows the row whenever it shows at all.
bool onPage(const t_EditorControl& row, e_EditorContainer page)
{
    if (row.container == page || inSection(row.id, page))
        return true;
    const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row.container);
    return c && c->page == page;
}

int titleBandBottom(e_EditorContainer page)
{
    return containerBox(page).y + 14;
}

// --- Plates ---------------------------------------------------------------------------------------

// The mix strips: one plate per level slider, over every control in its column, all strips
// of the same height.
std::vector<PagePlate> sliderStrips(cairo_t*, e_EditorContainer page)
{
    std::vector<PagePlate> strips;
    for (const t_EditorControl* slider = c_EditorControls; slider->id != EPARAM_END; ++slider)
    {
        if (slider->container != page || slider->kind != CTRL_VERTICAL_SLIDER)
            continue;
        Box strip;
        for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        {
            const Box box = inkBounds(*row);
            const int centre = box.x + box.w / 2;
            if (row->container == page && centre >= slider->x - 5 && centre < slider->x + 48)
                strip = strip.united(box);
        }
        strips.push_back({strip, nullptr, PagePlate::NoTitle});
    }
    const int top = titleBandBottom(page) - 1;
    int bottom = 0;
    for (const PagePlate& s : strips)
        bottom = std::max(bottom, s.box.bottom() + 2);
    for (PagePlate& s : strips)
        s.box = {s.box.x, top, s.box.w, bottom - top};
    return strips;
}

// The MIDI test: one plate under its texts and answer buttons.
std::vector<PagePlate> testPlate(cairo_t*, e_EditorContainer page)
{
    Box texts;
    for (const t_EditorResource* r = c_EditorResources; r->id != RES_END; ++r)
        if (r->container == page)
            texts = texts.united(resourceBox(*r));
    texts =
        texts.united(containerBox(CONT_MIDI_TEST_ANSWERS_1)).united(containerBox(CONT_MIDI_TEST_ANSWERS_2));
    return {
        {texts.inflated(12, 4).intersected(containerBox(page).inflated(0, -1)), nullptr, PagePlate::NoTitle}};
}

void sectionPlate(cairo_t* cr, const t_ArtSection& s, std::vector<PagePlate>& plates)
{
    const Box members = sectionBounds(s);
    if (members.empty())
        return;
    if (s.style == SectionStyle::PlateTitleAbove)
    {
        const int top = titleBandBottom(s.page);
        plates.push_back(
            {{members.x - 5, top, members.w + 10, members.bottom() + 5 - top}, s.title, PagePlate::Above});
    }
    else if (s.style == SectionStyle::PlateTitleLeft)
    {
        const int left = members.x - int(textWidth(cr, s.title, kTitleFont, kTitleSpacing)) - 24;
        plates.push_back(
            {{left, members.y - 4, members.right() + 6 - left, members.h + 8}, s.title, PagePlate::Left});
    }
}

// Neighbours whose margins would overlap meet half-way, a gap of kPlateGap a side between them.
void shareBoundary(Box& left, Box& right)
{
    if (left.intersected(right).empty())
        return;
    const int middle = (right.x + left.right()) / 2;
    left.w = middle - kPlateGap - left.x;
    right.w -= middle + kPlateGap - right.x;
    right.x = middle + kPlateGap;
}

void drawPlate(cairo_t* cr, const PagePlate& p)
{
    plate(cr, p.box);
    if (p.title && p.place == PagePlate::Above)
        engravedTitle(cr, p.title, p.box.x + p.box.w / 2.0, p.box.y - kTitleDescent);
    if (p.title && p.place == PagePlate::Left)
    {
        const double width = textWidth(cr, p.title, kTitleFont, kTitleSpacing);
        engravedTitle(cr, p.title, p.box.x + 6 + width / 2, p.box.y + p.box.h / 2.0 + 3);
    }
}

// --- Marks beside the plates ---------------------------------------------------------------------

// A title over a span of strips, with a line across the span when there is room for one.
void bracket(cairo_t* cr, const Box& span, const char* title)
{
    const int y = span.y - 6;
    const int cx = span.x + span.w / 2;
    const double width = textWidth(cr, title, kTitleFont, kTitleSpacing);
    if (width + 24 > span.w)
        return engravedTitle(cr, title, cx, y + 3, 0);
    const int gapLeft = int(cx - width / 2) - 5;
    const int gapRight = int(cx + width / 2) + 5;
    hLine(cr, span.x + 2, y, gapLeft - span.x - 2, kTick);
    hLine(cr, gapRight, y, span.right() - 2 - gapRight, kTick);
    vLine(cr, span.x + 2, y, 3, kTick);
    vLine(cr, span.right() - 3, y, 3, kTick);
    engravedTitle(cr, title, cx, y + 3);
}

Box plateAround(const std::vector<PagePlate>& plates, const Box& member)
{
    for (const PagePlate& p : plates)
        if (member.x >= p.box.x && member.x < p.box.right())
            return p.box;
    return member;
}

void sectionMark(cairo_t* cr, const t_ArtSection& s, const std::vector<PagePlate>& plates)
{
    if (s.style == SectionStyle::Bracket)
    {
        Box span;
        for (const e_EditorParameterID* id = s.parameters; *id != EPARAM_END; ++id)
            for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
                if (row->id == *id)
                    span = span.united(plateAround(plates, controlBounds(*row)));
        bracket(cr, span, s.title);
    }
}

// Menus and number editors draw no ground of their own: a dark well lies under each.
void wells(cairo_t* cr, e_EditorContainer page)
{
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
    {
        const bool text =
            row->kind == CTRL_MENU || row->kind == CTRL_FX_TYPE_MENU || row->kind == CTRL_NUMBER_EDIT;
        if (!text || !onPage(*row, page))
            continue;
        for (const ControlPart& part : controlParts(*row))
            if (part.kind == ControlPart::Main)
                well(cr, part.box, kWell);
    }
}

// Sockets under the port lamps, and where the device picture stands a hint that shows only
// while the ports are hidden (Host mode): the picture covers it in Tether MIDI mode.
void portMarks(cairo_t* cr, e_EditorContainer)
{
    for (const t_EditorResource* r = c_EditorResources; r->id != RES_END; ++r)
    {
        const Box box = resourceBox(*r);
        if (r->kind == RESKIND_ON_OFF)
        {
            cairo_arc(cr, box.x + box.w / 2.0, box.y + box.h / 2.0, 6.5, 0, 2 * kPi);
            setColour(cr, kOutline);
            cairo_fill(cr);
        }
        if (r->kind == RESKIND_PICTURE)
        {
            const double cx = box.x + box.w / 2.0;
            engravedTitle(cr, "Tether MIDI mode", cx, box.y + box.h / 2.0 - 2);
            engravedTitle(cr, "chooses the ports", cx, box.y + box.h / 2.0 + 10);
        }
    }
}

// The maker's name, engraved, with the version small beside it, in the page's bottom right
// corner as on a device's back panel.
void makerBadge(cairo_t* cr, e_EditorContainer page)
{
    constexpr int kMargin = 7;
    constexpr Font kVersionFont{7.5, false};
    const Box area = containerBox(page);
    const std::string version = std::string("v") + kPavonisVersion;
    const double versionLeft = area.right() - kMargin - std::ceil(textWidth(cr, version, kVersionFont));
    const double baseline = area.bottom() - kMargin;
    std::string vendor = kVendorName;
    for (char& c : vendor)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const double vendorWidth = textWidth(cr, vendor, kTitleFont, kTitleSpacing);
    engravedTitle(cr, vendor, versionLeft - 6 - vendorWidth / 2, baseline);
    drawText(cr, version, versionLeft, baseline, kVersionFont, kTitle);
}

void setupMarks(cairo_t* cr, e_EditorContainer page)
{
    portMarks(cr, page);
    makerBadge(cr, page);
}

// A five-pin round socket, the sign of MIDI, at the top left of the test's plate.
void midiSocket(cairo_t* cr, e_EditorContainer page)
{
    const Box area = testPlate(cr, page).front().box;
    const double cx = area.x + 26;
    const double cy = area.y + 24;
    cairo_arc(cr, cx, cy, 17, 0, 2 * kPi);
    setColour(cr, kOutline);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 14, 0, 2 * kPi);
    setColour(cr, kPlateHighlight);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    fillBox(cr, {int(cx) - 2, int(cy) - 15, 5, 3}, kPlateHighlight);
    for (int pin = 0; pin < 5; ++pin)
    {
        const double a = kPi + pin * kPi / 4;
        cairo_arc(cr, cx + 8.5 * std::cos(a), cy - 8.5 * std::sin(a) + 2, 1.8, 0, 2 * kPi);
        setColour(cr, kAccent);
        cairo_fill(cr);
    }
}

struct t_PageArt
{
    int picture;
    e_EditorContainer page;
    bool wells;
    std::vector<PagePlate> (*plates)(cairo_t* cr, e_EditorContainer page);
    void (*marks)(cairo_t* cr, e_EditorContainer page);
};

const t_PageArt c_PageArt[] = {
    {209, CONT_PART_PAGE, false, nullptr, nullptr},
    {210, CONT_MIX_PAGE, true, sliderStrips, nullptr},
    {211, CONT_GLOBAL_PAGE, true, nullptr, nullptr},
    {220, CONT_SETUP_PAGE, true, nullptr, setupMarks},
    {224, CONT_MIDI_TEST_PAGE, false, testPlate, midiSocket},
    {0, CONT_FRAME, false, nullptr, nullptr},
};

const t_PageArt* pageArt(e_EditorContainer page)
{
    for (const t_PageArt* a = c_PageArt; a->picture != 0; ++a)
        if (a->page == page)
            return a;
    return nullptr;
}
} // namespace

void drawMainPanel(cairo_t* cr, const t_EditorPicture&)
{
    body(cr, kFrameWidth, kFrameHeight);
    topBar(cr);
}

std::vector<PagePlate> pagePlates(cairo_t* cr, e_EditorContainer page)
{
    std::vector<PagePlate> plates;
    for (const t_EditorContainer* c = c_EditorContainers; c->id != CONT_FRAME; ++c)
        if (c->page == page)
            plates.push_back(
                {Box{c->x, c->y, c->width, c->height}.inflated(-kPlateGap, 0), c->title, PagePlate::Above});
    for (const t_ArtSection* s = c_ArtSections; s->page != CONT_FRAME; ++s)
        if (s->page == page)
            sectionPlate(cr, *s, plates);
    const t_PageArt* art = pageArt(page);
    if (art && art->plates)
        for (const PagePlate& p : art->plates(cr, page))
            plates.push_back(p);
    for (PagePlate& a : plates)
        for (PagePlate& b : plates)
            if (a.box.x < b.box.x)
                shareBoundary(a.box, b.box);
    return plates;
}

void drawPage(cairo_t* cr, const t_EditorPicture& picture)
{
    const t_PageArt* art = nullptr;
    for (const t_PageArt* a = c_PageArt; a->picture != 0; ++a)
        if (a->picture == picture.number)
            art = a;
    if (!art)
        return;
    const Box page = containerBox(art->page);
    cairo_translate(cr, -page.x, -page.y);
    body(cr, kFrameWidth, kFrameHeight);
    topBar(cr);
    const std::vector<PagePlate> plates = pagePlates(cr, art->page);
    for (const PagePlate& p : plates)
        drawPlate(cr, p);
    for (const t_ArtSection* s = c_ArtSections; s->page != CONT_FRAME; ++s)
        if (s->page == art->page)
            sectionMark(cr, *s, plates);
    if (art->marks)
        art->marks(cr, art->page);
    if (art->wells)
        wells(cr, art->page);
}

void drawOverlay(cairo_t* cr, const t_EditorPicture& picture)
{
    setColour(cr, kBody, 0.86);
    cairo_paint(cr);
    const t_EditorResource* text = editorTables_FindResource(c_EditorResources, RES_SYNCING_TEXT);
    const Box line = text ? resourceBox(*text) : Box{0, picture.height / 2 - 20, picture.width, 40};
    const Box box{picture.width / 2 - 180, line.y - 12, 360, line.h + 26};
    plate(cr, box);
    constexpr int kSegments = 7;
    const int left = box.x + box.w / 2 - kSegments * 7;
    for (int i = 0; i < kSegments; ++i)
        fillBox(cr, {left + i * 14, box.bottom() - 10, 10, 3}, kAccent, 0.35 + 0.65 * i / (kSegments - 1));
}
} // namespace art
