#include "CBitmap.h"

#include "CDrawContext.h"
#include "Pictures.h"
#include "Zoom.h"

#include <algorithm>
#include <cstring>

namespace
{
// The nearest pixel of the 100 % picture for every pixel at the zoom, frame by frame.
gui::Image enlarged(const gui::Image& picture, int zoom, CCoord frameHeight)
{
    const int frames = std::max(1, picture.height() / frameHeight);
    const int cell = gui::toPixels(frameHeight, zoom);
    gui::Image out(gui::toPixels(picture.width(), zoom), frames * cell);
    for (int y = 0; y < out.height(); ++y)
    {
        const int sourceY =
            (y / cell) * frameHeight + std::min(gui::toUnits(y % cell, zoom), frameHeight - 1);
        for (int x = 0; x < out.width(); ++x)
        {
            const std::uint32_t pixel =
                picture.at(std::min(gui::toUnits(x, zoom), picture.width() - 1), sourceY);
            std::memcpy(out.data() + y * out.stride() + 4 * x, &pixel, sizeof pixel);
        }
    }
    return out;
}
} // namespace

CBitmap::CBitmap(long resourceID) : resourceID(resourceID)
{
    if (const gui::EmbeddedPicture* picture = gui::findPicture(static_cast<int>(resourceID)))
        gui::decodePng(picture->data, picture->size, image);
}

CBitmap::CBitmap(const unsigned char* png, std::size_t size)
{
    gui::decodePng(png, size, image);
}

const gui::Image* CBitmap::imageAt(int zoom, CCoord frameHeight) const
{
    if (image.isEmpty())
        return nullptr;
    if (zoom == gui::kNoZoom)
    {
        zoomed = gui::Image(); // back at 100 %: the larger picture is given back
        zoomedAt = 0;
        return &image;
    }
    if (zoom == zoomedAt && (zoomedFrameHeight == 0 || frameHeight == zoomedFrameHeight))
        return &zoomed;
    zoomed = gui::Image();
    zoomedFrameHeight = 0;
    if (resourceID < 0 || !gui::makePicture(static_cast<int>(resourceID), zoom, zoomed))
    {
        zoomed = enlarged(image, zoom, frameHeight);
        zoomedFrameHeight = frameHeight;
    }
    zoomedAt = zoom;
    return &zoomed;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset) const
{
    drawFrame(context, dest, 0, getHeight(), offset);
}

void CBitmap::drawFrame(CDrawContext* context, const CRect& dest, long index, CCoord frameHeight,
                        const CPoint& offset) const
{
    if (!context || dest.isEmpty() || frameHeight <= 0)
        return;
    const int zoom = context->getZoom();
    const gui::Image* pixels = imageAt(zoom, frameHeight);
    if (!pixels)
        return;
    const int cell = gui::toPixels(frameHeight, zoom);
    const auto top = static_cast<CCoord>(index) * cell;
    context->drawImage(*pixels, dest,
                       CPoint(gui::toPixels(offset.x, zoom), top + gui::toPixels(offset.y, zoom)),
                       CRect(0, top, pixels->width(), top + cell));
}
