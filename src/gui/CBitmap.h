// A picture loaded by number from the embedded pictures (see Pictures.h), decoded from PNG.
// A number that is not registered, or bytes that do not decode, give a bitmap without image:
// it has size 0 x 0 and draws nothing.
#pragma once

#include "CReferenceCounter.h"
#include "GuiTypes.h"

#include <cstddef>

typedef struct _cairo_surface cairo_surface_t;
class CDrawContext;

class CBitmap : public CReferenceCounter
{
public:
    explicit CBitmap(long resourceID);
    // Decodes PNG bytes that are not registered (resource number -1).
    CBitmap(const unsigned char* png, std::size_t size);
    ~CBitmap() override;

    long getResourceID() const { return resourceID; }
    bool isLoaded() const { return surface != nullptr; }
    CCoord getWidth() const { return width; }
    CCoord getHeight() const { return height; }

    // Copies the part of the picture that starts at offset into dest, blending by the
    // picture's alpha.
    void draw(CDrawContext* context, const CRect& dest, const CPoint& offset = {}) const;

    // The decoded image (cairo ARGB32), or null.
    cairo_surface_t* getSurface() const { return surface; }

private:
    void decode(const unsigned char* png, std::size_t size);

    long resourceID = -1;
    cairo_surface_t* surface = nullptr;
    CCoord width = 0;
    CCoord height = 0;
};
