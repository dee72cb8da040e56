// What a CDrawContext is on GDI+: a Graphics on a Bitmap that shares the target image's pixels.
#pragma once

#include "GdiplusSession.h"
#include "gui/CDrawContext.h"
#include "gui/Image.h"

#include <memory>
#include <vector>

struct CDrawContext::Native
{
    explicit Native(gui::Image& target);

    gui::GdiplusSession session;
    Gdiplus::Bitmap bitmap;
    Gdiplus::Graphics graphics;
    std::vector<Gdiplus::GraphicsState> saved;
    std::unique_ptr<Gdiplus::StringFormat> format;
    std::unique_ptr<Gdiplus::FontFamily> family;
    std::unique_ptr<Gdiplus::Font> font;
    double ascent = 0;  // pixels above the baseline, of the current font
    double descent = 0; // pixels below it
};
