// A picture loaded by number from the embedded pictures (see Pictures.h), decoded from PNG.
// Its size is in panel units: the size of the picture at 100 %. At another zoom it draws the
// picture made for that zoom (Pictures.h), made at its first use there and kept while the
// bitmap is drawn at that zoom; a picture that has none (one not embedded) is enlarged from the
// 100 % one instead. A number that is not registered, or
// bytes that do not decode, give a bitmap without image: it has size 0 x 0 and draws nothing.
#pragma once

#include "CReferenceCounter.h"
#include "GuiTypes.h"
#include "Image.h"

#include <cstddef>

class CDrawContext;

class CBitmap : public CReferenceCounter
{
public:
    explicit CBitmap(long resourceID);
    // Decodes PNG bytes that are not registered (resource number -1).
    CBitmap(const unsigned char* png, std::size_t size);

    long getResourceID() const { return resourceID; }
    bool isLoaded() const { return !image.isEmpty(); }
    CCoord getWidth() const { return image.width(); }
    CCoord getHeight() const { return image.height(); }

    // Copies the part of the picture that starts at offset into dest, blending by the
    // picture's alpha.
    void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = {}) const;
    // The same for picture index of a vertical strip of pictures frameHeight tall: only that
    // picture's part is drawn.
    void drawFrame(CDrawContext* context, const CRect& dest, long index, CCoord frameHeight,
                   const CPoint& offset = {}) const;

private:
    // The picture's pixels at the zoom, frames in cells of whole pixels; null when not loaded.
    const gui::Image* imageAt(int zoom, CCoord frameHeight) const;

    long resourceID = -1;
    gui::Image image;
    mutable gui::Image zoomed; // the last zoom drawn at other than 100 %
    mutable int zoomedAt = 0;
    mutable CCoord zoomedFrameHeight = 0; // of an enlarged picture; 0 for a drawn one
};
