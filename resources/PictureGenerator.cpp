// Draws every picture of the panel's resource table as a PNG file, at its listed size and
// frame count, from the same tables the editor uses: section plates lie exactly where the
// container table puts the sub-panels, mix strips where the control table puts the sliders.
//
//     make_panel_pictures <output directory>
#include "editor/EditorTables.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace
{
struct Rgb
{
    double r, g, b;
};

constexpr Rgb rgb(unsigned hex)
{
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
}

constexpr Rgb kBody = rgb(0x1e2024);
constexpr Rgb kPlate = rgb(0x2a2e33);
constexpr Rgb kPlateHighlight = rgb(0x3a3f46);
constexpr Rgb kPlateShadow = rgb(0x141518);
constexpr Rgb kTitle = rgb(0xaeb4bc);
constexpr Rgb kText = rgb(0xd7dbe0);
constexpr Rgb kAccent = rgb(0x1fb5ad);
constexpr Rgb kLcdBack = rgb(0x071a1a);
constexpr Rgb kLcdGlyph = rgb(0x5ef2e6);
constexpr Rgb kButtonFace = rgb(0xc9ced4);
constexpr Rgb kButtonPressed = rgb(0x9aa1a9);

constexpr double kPi = 3.14159265358979;

void setColour(cairo_t* cr, const Rgb& c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void fillRect(cairo_t* cr, double x, double y, double w, double h, const Rgb& c)
{
    setColour(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void centredText(cairo_t* cr, const char* text, double cx, double cy, double size, const Rgb& c, bool bold)
{
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    setColour(cr, c);
    cairo_move_to(cr, std::round(cx - extents.width / 2 - extents.x_bearing),
                  std::round(cy - extents.height / 2 - extents.y_bearing));
    cairo_show_text(cr, text);
}

// A section plate with its engraved title.
void plate(cairo_t* cr, double x, double y, double w, double h, const char* title)
{
    roundedRect(cr, x + 1, y + 1, w - 2, h - 2, 4);
    setColour(cr, kPlate);
    cairo_fill(cr);
    fillRect(cr, x + 4, y + 1, w - 8, 1, kPlateHighlight);
    fillRect(cr, x + 4, y + h - 2, w - 8, 1, kPlateShadow);
    if (title)
        centredText(cr, title, x + w / 2, y + h - 7, 8, kTitle, true);
}

void bodyBackground(cairo_t* cr, int width, int height)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(gradient, 0, kBody.r * 1.04, kBody.g * 1.04, kBody.b * 1.04);
    cairo_pattern_add_color_stop_rgb(gradient, 1, kBody.r, kBody.g, kBody.b);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

const t_EditorContainer* containerOf(e_EditorContainer id)
{
    return editorTables_FindContainer(c_EditorContainers, id);
}

// The page container whose background is the picture, or null.
const t_EditorContainer* pageOfPicture(int number)
{
    for (const t_EditorContainer* c = c_EditorContainers; c->id != CONT_FRAME; ++c)
    {
        const t_EditorResource* r = editorTables_FindResource(c_EditorResources, c->background);
        if (r && r->picture == number && c->width == 797)
            return c;
    }
    return nullptr;
}

// A page: the body, a plate under every sub-panel that lies on it and, on the mix page, one
// plate per strip.
void drawPage(cairo_t* cr, const t_EditorPicture& picture)
{
    bodyBackground(cr, picture.width, picture.height);
    const t_EditorContainer* page = pageOfPicture(picture.number);
    if (!page)
        return;
    for (const t_EditorContainer* c = c_EditorContainers; c->id != CONT_FRAME; ++c)
        if (c->page == page->id)
            plate(cr, c->x - page->x, c->y - page->y, c->width, c->height, c->title);
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->container == page->id && row->kind == CTRL_VERTICAL_SLIDER)
            plate(cr, row->x - 4, 8, 52, picture.height - 10, nullptr);
}

// The frame: body, a top bar and the LCD window where the LCD container lies.
void drawMainPanel(cairo_t* cr, const t_EditorPicture& picture)
{
    bodyBackground(cr, picture.width, picture.height);
    fillRect(cr, 0, 0, picture.width, 54, kPlate);
    fillRect(cr, 0, 53, picture.width, 1, kPlateShadow);
    if (const t_EditorContainer* lcd = containerOf(CONT_LCD))
    {
        roundedRect(cr, lcd->x, lcd->y, lcd->width, lcd->height, 3);
        setColour(cr, kLcdBack);
        cairo_fill(cr);
    }
    if (const t_EditorContainer* info = containerOf(CONT_QUESTION))
        fillRect(cr, info->x, info->y, info->width, info->height - 1, kButtonFace);
}

void drawOverlay(cairo_t* cr, const t_EditorPicture& picture)
{
    setColour(cr, kBody, 0.85);
    cairo_paint(cr);
    plate(cr, picture.width / 2 - 160, 85, 320, 60, nullptr);
}

// Knob strips: frame n shows value n / 99 on 270 degrees from half past seven clockwise.
void drawKnobs(cairo_t* cr, const t_EditorPicture& picture, bool centred)
{
    const int frameHeight = picture.height / picture.frames;
    const double start = 0.75 * kPi; // half past seven, cairo angles run clockwise
    const double range = 1.5 * kPi;
    for (int n = 0; n < picture.frames; ++n)
    {
        const double cx = picture.width / 2.0;
        const double cy = n * frameHeight + frameHeight / 2.0;
        const double value = n / double(picture.frames - 1);
        const double angle = start + range * value;
        cairo_set_line_width(cr, 3);
        setColour(cr, kPlateShadow);
        cairo_arc(cr, cx, cy, 19, start, start + range);
        cairo_stroke(cr);
        setColour(cr, kAccent);
        const double from = centred ? start + range / 2 : start;
        if (angle >= from)
            cairo_arc(cr, cx, cy, 19, from, angle);
        else
            cairo_arc(cr, cx, cy, 19, angle, from);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, 14, 0, 2 * kPi);
        setColour(cr, kPlateHighlight);
        cairo_fill(cr);
        cairo_set_line_width(cr, 2);
        setColour(cr, kText);
        cairo_move_to(cr, cx + 5 * std::cos(angle), cy + 5 * std::sin(angle));
        cairo_line_to(cr, cx + 13 * std::cos(angle), cy + 13 * std::sin(angle));
        cairo_stroke(cr);
    }
}

// Two-frame buttons: up, then pressed (1 px lower, darker).
void drawButtons(cairo_t* cr, const t_EditorPicture& picture, const char* symbol)
{
    const int frameHeight = picture.height / picture.frames;
    for (int n = 0; n < picture.frames; ++n)
    {
        const double y = n * frameHeight + 1 + n;
        roundedRect(cr, 2, y, picture.width - 4, frameHeight - 3, 3);
        setColour(cr, n == 0 ? kButtonFace : kButtonPressed);
        cairo_fill(cr);
        if (n == 1)
        {
            roundedRect(cr, 2.5, y + 0.5, picture.width - 5, frameHeight - 4, 3);
            setColour(cr, kAccent);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        if (symbol)
            centredText(cr, symbol, picture.width / 2.0, y + (frameHeight - 3) / 2.0, 10, kPlateShadow, true);
    }
}

// LEDs and lamps: dark glass, then the accent with its glow.
void drawLeds(cairo_t* cr, const t_EditorPicture& picture)
{
    const int frameHeight = picture.height / picture.frames;
    for (int n = 0; n < picture.frames; ++n)
    {
        const double cx = picture.width / 2.0;
        const double cy = n * frameHeight + frameHeight / 2.0;
        const double radius = std::min(picture.width, frameHeight) / 2.0 - 1;
        if (n == 1)
        {
            cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
            setColour(cr, kAccent, 0.35);
            cairo_fill(cr);
        }
        cairo_arc(cr, cx, cy, radius - 2, 0, 2 * kPi);
        setColour(cr, n == 1 ? kAccent : kPlateShadow);
        cairo_fill(cr);
    }
}

void drawSteppers(cairo_t* cr, const t_EditorPicture& picture, const char* sign)
{
    drawButtons(cr, picture, sign);
}

// The FX chain buttons: boxes FX1, FX2, FX3 with the routing between the chained ones.
void drawFxChain(cairo_t* cr, const t_EditorPicture& picture, int first, int last)
{
    const int frameHeight = picture.height / picture.frames;
    for (int n = 0; n < picture.frames; ++n)
    {
        const double top = n * frameHeight;
        roundedRect(cr, 1, top + 1, picture.width - 2, frameHeight - 2, 3);
        setColour(cr, n == 0 ? kPlate : kPlateHighlight);
        cairo_fill(cr);
        const double cy = top + frameHeight / 2.0;
        for (int fx = 1; fx <= 3; ++fx)
        {
            const double x = 6 + (fx - 1) * 35;
            const bool chained = fx >= first && fx <= last;
            roundedRect(cr, x, cy - 7, 28, 14, 2);
            setColour(cr, chained ? kAccent : kTitle);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            char name[4];
            std::snprintf(name, sizeof name, "FX%d", fx);
            centredText(cr, name, x + 14, cy, 8, chained ? kAccent : kTitle, true);
            if (chained && fx < last)
            {
                setColour(cr, kAccent);
                cairo_move_to(cr, x + 28, cy);
                cairo_line_to(cr, x + 35, cy);
                cairo_stroke(cr);
            }
        }
    }
}

void drawSliderTrack(cairo_t* cr, const t_EditorPicture& picture)
{
    const bool vertical = picture.height > picture.width;
    if (vertical)
        fillRect(cr, picture.width / 2.0 - 2, 2, 4, picture.height - 4, kPlateShadow);
    else
        fillRect(cr, 2, picture.height / 2.0 - 2, picture.width - 4, 4, kPlateShadow);
}

void drawSliderHandle(cairo_t* cr, const t_EditorPicture& picture)
{
    roundedRect(cr, 0, 0, picture.width, picture.height, 2);
    setColour(cr, kButtonFace);
    cairo_fill(cr);
    const bool vertical = picture.width > picture.height;
    if (vertical)
        fillRect(cr, 2, picture.height / 2.0 - 0.5, picture.width - 4, 1, kAccent);
    else
        fillRect(cr, picture.width / 2.0 - 0.5, 2, 1, picture.height - 4, kAccent);
}

// The modulation types (saw, square, triangle, sample and hold, envelope) and the amp
// envelopes (gate, decay), one small line drawing per frame.
void drawShapes(cairo_t* cr, const t_EditorPicture& picture, const double (*shapes)[6])
{
    const int frameHeight = picture.height / picture.frames;
    cairo_set_line_width(cr, 1);
    setColour(cr, kText);
    for (int n = 0; n < picture.frames; ++n)
    {
        const double top = n * frameHeight + 1;
        const double h = frameHeight - 2;
        const double w = picture.width - 1;
        cairo_move_to(cr, 0.5, top + h * (1 - shapes[n][0]));
        for (int i = 1; i < 6; ++i)
            cairo_line_to(cr, 0.5 + w * i / 5, top + h * (1 - shapes[n][i]));
        cairo_stroke(cr);
    }
}

constexpr double kModShapes[][6] = {
    {0, 0.25, 0.5, 0.75, 1, 0},   {1, 1, 1, 0, 0, 0},       {0, 0.5, 1, 0.5, 0, 0.5},
    {0.2, 0.8, 0.8, 0.4, 0.4, 1}, {0, 1, 0.6, 0.4, 0.2, 0},
};
constexpr double kAmpShapes[][6] = {{0, 1, 1, 1, 1, 0}, {0, 1, 0.5, 0.25, 0.1, 0}};

void drawArrow(cairo_t* cr, const t_EditorPicture& picture, bool right)
{
    setColour(cr, kTitle);
    const double w = picture.width;
    const double h = picture.height;
    cairo_move_to(cr, right ? 1 : w - 1, 0);
    cairo_line_to(cr, right ? w - 1 : 1, h / 2);
    cairo_line_to(cr, right ? 1 : w - 1, h);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// The LCD font: glyph i of LCD_FONT_CHARS in cell i, its ink centred on its advance width.
void drawLcdFont(cairo_t* cr, const t_EditorPicture& picture)
{
    const int cell = picture.height / picture.frames;
    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 19);
    for (int i = 0; i < picture.frames; ++i)
    {
        const char glyph[2] = {LCD_FONT_CHARS[i], 0};
        cairo_text_extents_t extents;
        cairo_text_extents(cr, glyph, &extents);
        const double advance = LCD_FONT_CHARS_WIDTH[i];
        setColour(cr, kLcdGlyph);
        cairo_move_to(cr, std::round((advance - extents.width) / 2 - extents.x_bearing), i * cell + 19);
        cairo_show_text(cr, glyph);
    }
}

// The device: a groovebox of our own, body, display, knobs and pads.
void drawDevice(cairo_t* cr, const t_EditorPicture& picture)
{
    roundedRect(cr, 1, 3, picture.width - 2, picture.height - 6, 4);
    setColour(cr, kPlateHighlight);
    cairo_fill(cr);
    fillRect(cr, 8, 9, 34, 12, kLcdBack);
    for (int k = 0; k < 5; ++k)
    {
        cairo_arc(cr, 54 + k * 14, 15, 4, 0, 2 * kPi);
        setColour(cr, kText);
        cairo_fill(cr);
    }
    for (int p = 0; p < 8; ++p)
    {
        roundedRect(cr, 8 + p * 14, 28, 11, 11, 2);
        setColour(cr, p % 4 == 0 ? kAccent : kButtonPressed);
        cairo_fill(cr);
    }
}

void drawPicture(cairo_t* cr, const t_EditorPicture& picture)
{
    switch (picture.number)
    {
    case 125:
    case 126:
        return drawKnobs(cr, picture, picture.number == 125);
    case 128:
    case 129:
    case 181:
    case 182:
    case 199:
    case 213:
        return drawButtons(cr, picture, nullptr);
    case 204:
        return drawButtons(cr, picture, "Y");
    case 205:
        return drawButtons(cr, picture, "N");
    case 130:
    case 219:
        return drawLeds(cr, picture);
    case 132:
        return drawShapes(cr, picture, kModShapes);
    case 133:
        return drawShapes(cr, picture, kAmpShapes);
    case 190:
    case 222:
        return drawSliderTrack(cr, picture);
    case 191:
    case 223:
        return drawSliderHandle(cr, picture);
    case 193:
    case 215:
        return drawSteppers(cr, picture, "+");
    case 194:
    case 216:
        return drawSteppers(cr, picture, "-");
    case 195:
        return drawFxChain(cr, picture, 0, 0);
    case 196:
        return drawFxChain(cr, picture, 1, 2);
    case 197:
        return drawFxChain(cr, picture, 2, 3);
    case 198:
        return drawFxChain(cr, picture, 1, 3);
    case 200:
        return drawOverlay(cr, picture);
    case 206:
        return drawArrow(cr, picture, true);
    case 207:
        return drawArrow(cr, picture, false);
    case 208:
        return drawMainPanel(cr, picture);
    case 214:
        return drawLcdFont(cr, picture);
    case 218:
        return drawDevice(cr, picture);
    default:
        return drawPage(cr, picture);
    }
}

bool writePicture(const t_EditorPicture& picture, const std::string& directory)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height);
    cairo_t* cr = cairo_create(surface);
    drawPicture(cr, picture);
    cairo_destroy(cr);
    const std::string path = directory + "/" + std::to_string(picture.number) + ".png";
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!written)
        std::fprintf(stderr, "make_panel_pictures: cannot write %s\n", path.c_str());
    return written;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make_panel_pictures <output directory>\n");
        return 2;
    }
    for (const t_EditorPicture* picture = c_EditorPictures; picture->number != 0; ++picture)
        if (!writePicture(*picture, argv[1]))
            return 1;
    return 0;
}
