#include "CBitmap.h"

#include "CDrawContext.h"
#include "Pictures.h"

CBitmap::CBitmap(long resourceID) : resourceID(resourceID)
{
    if (const gui::EmbeddedPicture* picture = gui::findPicture(static_cast<int>(resourceID)))
        gui::decodePng(picture->data, picture->size, image);
}

CBitmap::CBitmap(const unsigned char* png, std::size_t size)
{
    gui::decodePng(png, size, image);
}

void CBitmap::draw(CDrawContext* context, const CRect& dest, const CPoint& offset) const
{
    if (!context || image.isEmpty() || dest.isEmpty())
        return;
    context->drawImage(image, dest, offset);
}
