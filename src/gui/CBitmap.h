// A picture loaded by number from the embedded pictures (see Pictures.h). Its size, in panel
// units, is read from the PNG header when the bitmap is made; the picture itself is decoded
// when the bitmap is first drawn and shared with every other bitmap of that number in the
// process (PictureCache.h). At another zoom it draws the picture made for that zoom, made once
// per process too; a picture that has none (one not registered) is enlarged from the 100 % one
// instead. A number that is not registered gives a bitmap without image: size 0 x 0, drawing
// nothing.
#pragma once

#include "CReferenceCounter.h"
#include "GuiTypes.h"
#include "Image.h"

#include <cstddef>
#include <memory>
#include <mutex>

class CDrawContext;

class CBitmap : public CReferenceCounter
{
public:
    explicit CBitmap(long resourceID);
    // Decodes PNG bytes that are not registered (resource number -1) at once.
    CBitmap(const unsigned char* png, std::size_t size);

    long getResourceID() const { return resourceID; }
    // The picture exists; one whose data turn out not to decode still draws nothing.
    bool isLoaded() const { return width > 0; }
    CCoord getWidth() const { return width; }
    CCoord getHeight() const { return height; }

    // Copies the part of the picture that starts at offset into dest, blending by the
    // picture's alpha.
    void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = {}) const;
    // The same for picture index of a vertical strip of pictures frameHeight tall: only that
    // picture's part is drawn.
    void drawFrame(CDrawContext* context, const CRect& dest, long index, CCoord frameHeight,
                   const CPoint& offset = {}) const;

private:
    // The picture's pixels at the zoom, frames in cells of whole pixels; null when there are none.
    std::shared_ptr<const gui::Image> imageAt(int zoom, CCoord frameHeight) const;
    // The picture at 100 %, fetched at the first call; with the lock held.
    const std::shared_ptr<const gui::Image>& original() const;

    long resourceID = -1;
    int width = 0;
    int height = 0;
    mutable std::mutex lock; // the pictures below, fetched when first drawn at their zoom
    mutable bool fetched = false;
    mutable std::shared_ptr<const gui::Image> image;  // at 100 %
    mutable std::shared_ptr<const gui::Image> zoomed; // the last zoom drawn at other than 100 %
    mutable int zoomedAt = 0;
    mutable CCoord zoomedFrameHeight = 0; // of an enlarged picture; 0 for a made one
};
