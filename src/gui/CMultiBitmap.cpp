#include "CMultiBitmap.h"

#include "CBitmap.h"

#include <algorithm>

CMultiBitmap::CMultiBitmap(const CRect& size, CBitmap* picture, CCoord imageWidth, CCoord imageHeight,
                           const CPoint* points, int count)
    : CParamDisplay(size, picture), imageWidth(imageWidth), imageHeight(imageHeight)
{
    if (points)
        this->count = std::clamp(count, 0, kMaxImages);
    std::copy(points, points + this->count, this->points);
}

void CMultiBitmap::draw(CDrawContext* context)
{
    if (!background)
        return;
    for (int i = 0; i < count; ++i)
    {
        const CRect place = CRect(0, 0, imageWidth, imageHeight).offset(points[i].x, points[i].y);
        background->drawFrame(context, place, i, imageHeight);
    }
}
