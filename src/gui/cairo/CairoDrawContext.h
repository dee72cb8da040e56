// What a CDrawContext is on cairo, for Linux code that measures or draws beyond the toolkit's
// interface (the panel's picture generator).
#pragma once

#include "CairoImage.h"
#include "gui/CDrawContext.h"

struct CDrawContext::Native
{
    explicit Native(gui::Image& target) : surface(gui::cairoSurfaceOf(target)), cr(cairo_create(surface)) {}
    ~Native()
    {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    void useColor(const CColor& color)
    {
        cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                              color.alpha / 255.0);
    }

    cairo_surface_t* surface;
    cairo_t* cr;
};
