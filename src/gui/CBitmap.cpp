#include "CBitmap.h"

#include "CDrawContext.h"
#include "PictureCache.h"

CBitmap::CBitmap(long resourceID) : resourceID(resourceID)
{
    gui::pictureSize({static_cast<int>(resourceID)}, width, height);
}

CBitmap::CBitmap(const unsigned char* png, std::size_t size)
{
    auto decoded = std::make_shared<gui::Image>();
    if (gui::decodePng(png, size, *decoded))
    {
        width = decoded->width();
        height = decoded->height();
        image = std::move(decoded);
    }
    std::call_once(fetched, [] {});
}

const gui::Image* CBitmap::picture() const
{
    std::call_once(fetched, [this] { image = gui::sharedPicture({static_cast<int>(resourceID)}); });
    return image.get();
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset) const
{
    if (!context || !isLoaded() || dest.isEmpty())
        return;
    if (const gui::Image* decoded = picture(); decoded && !decoded->isEmpty())
        context->drawImage(*decoded, dest, offset);
}
