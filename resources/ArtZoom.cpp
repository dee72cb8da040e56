// The pictures at a zoom step: the same drawing at that scale. A strip's frames stand in cells
// of whole pixels (gui/Zoom.h): where a frame's height at the scale is not a whole number of
// pixels, each frame is drawn on its own, moved to its cell and clipped to it.
#include "ArtPictures.h"
#include "gui/Image.h"
#include "gui/Zoom.h"

#include <mutex>

namespace art
{
namespace
{
int framesOf(const t_EditorPicture& picture)
{
    return picture.frames > 0 ? picture.frames : 1;
}

bool drawFrameByFrame(cairo_t* cr, const t_EditorPicture& picture, int zoom)
{
    const double scale = zoom / 100.0;
    const int frameHeight = picture.height / framesOf(picture);
    const int cell = gui::toPixels(frameHeight, zoom);
    bool drawn = true;
    for (int frame = 0; frame < framesOf(picture) && drawn; ++frame)
    {
        cairo_save(cr);
        cairo_rectangle(cr, 0, frame * cell, gui::toPixels(picture.width, zoom), cell);
        cairo_clip(cr);
        cairo_translate(cr, 0, frame * cell);
        cairo_scale(cr, scale, scale);
        cairo_translate(cr, 0, -frame * frameHeight);
        drawn = drawPicture(cr, picture);
        cairo_restore(cr);
    }
    return drawn;
}
} // namespace

int zoomedWidth(const t_EditorPicture& picture, int zoom)
{
    return gui::toPixels(picture.width, zoom);
}

int zoomedHeight(const t_EditorPicture& picture, int zoom)
{
    return framesOf(picture) * gui::toPixels(picture.height / framesOf(picture), zoom);
}

bool drawPictureZoomed(cairo_t* cr, const t_EditorPicture& picture, int zoom)
{
    const int frameHeight = picture.height / framesOf(picture);
    if (frameHeight * zoom % 100 != 0)
        return drawFrameByFrame(cr, picture, zoom);
    cairo_save(cr);
    cairo_scale(cr, zoom / 100.0, zoom / 100.0);
    const bool drawn = drawPicture(cr, picture);
    cairo_restore(cr);
    return drawn;
}

bool makePictureImage(int number, int zoom, gui::Image& out)
{
    const t_EditorPicture* picture = editorTables_FindPicture(number);
    if (!picture || !gui::isZoomStep(zoom))
        return false;
    gui::Image image(zoomedWidth(*picture, zoom), zoomedHeight(*picture, zoom));
    if (image.isEmpty())
        return false;
    // The drawing measures texts on a context of its own: one picture at a time.
    static std::mutex drawing;
    std::lock_guard lock(drawing);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        image.data(), CAIRO_FORMAT_ARGB32, image.width(), image.height(), image.stride());
    cairo_t* cr = cairo_create(surface);
    const bool drawn = drawPictureZoomed(cr, *picture, zoom);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    if (drawn)
        out = std::move(image);
    return drawn;
}
} // namespace art
