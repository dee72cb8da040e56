// A picture loaded by number from the embedded pictures (see Pictures.h). Its size is read from
// the PNG header when the bitmap is made; the picture itself is decoded when the bitmap is first
// drawn and shared with every other bitmap of that number in the process (PictureCache.h). A
// number that is not registered gives a bitmap without image: size 0 x 0, drawing nothing.
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

private:
    const gui::Image* picture() const;

    long resourceID = -1;
    int width = 0;
    int height = 0;
    mutable std::once_flag fetched;
    mutable std::shared_ptr<const gui::Image> image;
};
