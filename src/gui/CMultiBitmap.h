// Several pictures of one strip drawn at their own points: picture i at point i.
#pragma once

#include "CParamDisplay.h"

class CMultiBitmap : public CParamDisplay
{
public:
    static constexpr int kMaxImages = 20;

    // points: in parent coordinates, like size; at most 20 are kept.
    CMultiBitmap(const CRect& size, CBitmap* picture, CCoord imageWidth, CCoord imageHeight,
                 const CPoint* points, int count);

    int getNbImages() const { return count; }
    CPoint getPoint(int index) const { return index >= 0 && index < count ? points[index] : CPoint(); }
    void draw(CDrawContext* context) override;

private:
    CCoord imageWidth;
    CCoord imageHeight;
    int count = 0;
    CPoint points[kMaxImages];
};
