// The drawing of every picture of the panel, one small function per kind of picture, found
// by picture number in c_PictureArt.
#pragma once

#include "ArtCanvas.h"
#include "editor/EditorTables.h"

namespace gui
{
class Image;
}

namespace art
{
using PictureDrawer = void (*)(cairo_t* cr, const t_EditorPicture& picture);

struct t_PictureArt
{
    int number; // 0 ends the table
    PictureDrawer draw;
};
extern const t_PictureArt c_PictureArt[];

// Draws the picture on a transparent surface of its size; false when no drawer knows it.
bool drawPicture(cairo_t* cr, const t_EditorPicture& picture);

// The picture at a zoom step (ArtZoom.cpp): its size in pixels, frames in cells of whole
// pixels, and its drawing on a transparent surface of that size.
int zoomedWidth(const t_EditorPicture& picture, int zoom);
int zoomedHeight(const t_EditorPicture& picture, int zoom);
bool drawPictureZoomed(cairo_t* cr, const t_EditorPicture& picture, int zoom);
// The picture of that number drawn at the zoom into out (premultiplied, as the toolkit draws
// it); false for a number the table does not list. Callable from any thread.
bool makePictureImage(int number, int zoom, gui::Image& out);

// Controls (ArtControls.cpp).
void drawKnobStrip(cairo_t* cr, const t_EditorPicture& picture);
void drawCentredKnobStrip(cairo_t* cr, const t_EditorPicture& picture);
// Buttons, steppers and the mute, yes and no buttons, by picture number.
void drawButton(cairo_t* cr, const t_EditorPicture& picture);
void drawLed(cairo_t* cr, const t_EditorPicture& picture);
void drawModTypePictures(cairo_t* cr, const t_EditorPicture& picture);
void drawAmpEgPictures(cairo_t* cr, const t_EditorPicture& picture);
void drawVerticalTrack(cairo_t* cr, const t_EditorPicture& picture);
void drawVerticalHandle(cairo_t* cr, const t_EditorPicture& picture);
void drawHorizontalTrack(cairo_t* cr, const t_EditorPicture& picture);
void drawHorizontalHandle(cairo_t* cr, const t_EditorPicture& picture);
void drawPlusMark(cairo_t* cr, const t_EditorPicture& picture);
void drawMinusMark(cairo_t* cr, const t_EditorPicture& picture);

// The FX chain (ArtFxChain.cpp).
void drawChainNone(cairo_t* cr, const t_EditorPicture& picture);
void drawChain12(cairo_t* cr, const t_EditorPicture& picture);
void drawChain23(cairo_t* cr, const t_EditorPicture& picture);
void drawChain123(cairo_t* cr, const t_EditorPicture& picture);

// The LCD font (ArtLcdFont.cpp).
void drawLcdFont(cairo_t* cr, const t_EditorPicture& picture);

// Pages, the overlay and the device (ArtPages.cpp, ArtDevice.cpp).
void drawMainPanel(cairo_t* cr, const t_EditorPicture& picture);
void drawPage(cairo_t* cr, const t_EditorPicture& picture);
void drawOverlay(cairo_t* cr, const t_EditorPicture& picture);
void drawDevice(cairo_t* cr, const t_EditorPicture& picture);

// The emblem and the program's icon (ArtIcon.cpp).
// The peacock's eye of the wordmark, centred on (cx, cy), 26 px high at scale 1.
void drawEmblem(cairo_t* cr, double cx, double cy, double scale);
// The icon of the standalone editor on a size × size surface: the emblem on the panel's body.
void drawAppIcon(cairo_t* cr, int size);
} // namespace art
