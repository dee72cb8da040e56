// A picture loaded by number from the embedded pictures (see Pictures.h), decoded from PNG.
// A number that is not registered, or bytes that do not decode, give a bitmap without image:
// it has size 0 x 0 and draws nothing.
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

private:
    long resourceID = -1;
    gui::Image image;
};
