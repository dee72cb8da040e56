#include "CBitmap.h"

#include "CDrawContext.h"
#include "PictureCache.h"
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
    gui::pictureSize({static_cast<int>(resourceID)}, width, height);
}

CBitmap::CBitmap(const unsigned char* png, std::size_t size) : fetched(true)
{
    auto decoded = std::make_shared<gui::Image>();
    if (gui::decodePng(png, size, *decoded))
    {
        width = decoded->width();
        height = decoded->height();
        image = std::move(decoded);
    }
}

const std::shared_ptr<const gui::Image>& CBitmap::original() const
{
    if (!fetched)
    {
        image = gui::sharedPicture({static_cast<int>(resourceID)});
        fetched = true;
    }
    return image;
}

std::shared_ptr<const gui::Image> CBitmap::imageAt(int zoom, CCoord frameHeight) const
{
    std::lock_guard guard(lock);
    if (zoom == gui::kNoZoom)
    {
        zoomed.reset(); // back at 100 %: this bitmap holds the larger picture no longer
        zoomedAt = 0;
        return original();
    }
    if (zoom == zoomedAt && (zoomedFrameHeight == 0 || frameHeight == zoomedFrameHeight))
        return zoomed;
    zoomedAt = zoom;
    zoomedFrameHeight = 0;
    zoomed = resourceID < 0 ? nullptr : gui::sharedPicture({static_cast<int>(resourceID), zoom});
    if (!zoomed && original())
    {
        zoomed = std::make_shared<const gui::Image>(enlarged(*original(), zoom, frameHeight));
        zoomedFrameHeight = frameHeight;
    }
    return zoomed;
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset) const
{
    drawFrame(context, dest, 0, getHeight(), offset);
}

void CBitmap::drawFrame(CDrawContext* context, const CRect& dest, long index, CCoord frameHeight,
                        const CPoint& offset) const
{
    if (!context || !isLoaded() || dest.isEmpty() || frameHeight <= 0)
        return;
    const int zoom = context->getZoom();
    const std::shared_ptr<const gui::Image> pixels = imageAt(zoom, frameHeight);
    if (!pixels)
        return;
    const int cell = gui::toPixels(frameHeight, zoom);
    const auto top = static_cast<CCoord>(index) * cell;
    context->drawImage(*pixels, dest,
                       CPoint(gui::toPixels(offset.x, zoom), top + gui::toPixels(offset.y, zoom)),
                       CRect(0, top, pixels->width(), top + cell));
}
