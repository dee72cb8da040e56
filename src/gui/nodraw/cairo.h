// The drawing calls of the toolkit for a build without a drawing back end (the Windows build
// until its own lands): every surface fails to be made and every drawing call does nothing,
// so the panel cannot be opened or drawn while the rest of the plug-in works as ever.
#pragma once

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo_font_options cairo_font_options_t;

enum cairo_status_t
{
    CAIRO_STATUS_SUCCESS,
    CAIRO_STATUS_NO_MEMORY,
};
enum cairo_format_t
{
    CAIRO_FORMAT_ARGB32
};
enum cairo_antialias_t
{
    CAIRO_ANTIALIAS_GRAY
};
enum cairo_hint_style_t
{
    CAIRO_HINT_STYLE_SLIGHT
};
enum cairo_hint_metrics_t
{
    CAIRO_HINT_METRICS_ON
};
enum cairo_font_slant_t
{
    CAIRO_FONT_SLANT_NORMAL,
    CAIRO_FONT_SLANT_OBLIQUE,
};
enum cairo_font_weight_t
{
    CAIRO_FONT_WEIGHT_NORMAL,
    CAIRO_FONT_WEIGHT_BOLD,
};

struct cairo_text_extents_t
{
    double x_bearing, y_bearing, width, height, x_advance, y_advance;
};
struct cairo_font_extents_t
{
    double ascent, descent, height, max_x_advance, max_y_advance;
};

cairo_surface_t* cairo_image_surface_create(cairo_format_t format, int width, int height);
inline cairo_status_t cairo_surface_status(cairo_surface_t* surface)
{
    return surface ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_NO_MEMORY;
}
inline void cairo_surface_destroy(cairo_surface_t*) {}
inline void cairo_surface_flush(cairo_surface_t*) {}
inline void cairo_surface_mark_dirty(cairo_surface_t*) {}
inline int cairo_image_surface_get_stride(cairo_surface_t*)
{
    return 0;
}
inline unsigned char* cairo_image_surface_get_data(cairo_surface_t*)
{
    return nullptr;
}
inline cairo_status_t cairo_surface_write_to_png(cairo_surface_t*, const char*)
{
    return CAIRO_STATUS_NO_MEMORY;
}

inline cairo_font_options_t* cairo_font_options_create()
{
    return nullptr;
}
inline void cairo_font_options_set_antialias(cairo_font_options_t*, cairo_antialias_t) {}
inline void cairo_font_options_set_hint_style(cairo_font_options_t*, cairo_hint_style_t) {}
inline void cairo_font_options_set_hint_metrics(cairo_font_options_t*, cairo_hint_metrics_t) {}

inline cairo_t* cairo_create(cairo_surface_t*)
{
    return nullptr;
}
inline void cairo_destroy(cairo_t*) {}
inline void cairo_set_font_options(cairo_t*, const cairo_font_options_t*) {}
inline void cairo_save(cairo_t*) {}
inline void cairo_restore(cairo_t*) {}
inline void cairo_translate(cairo_t*, double, double) {}
inline void cairo_rectangle(cairo_t*, double, double, double, double) {}
inline void cairo_clip(cairo_t*) {}
inline void cairo_fill(cairo_t*) {}
inline void cairo_stroke(cairo_t*) {}
inline void cairo_move_to(cairo_t*, double, double) {}
inline void cairo_line_to(cairo_t*, double, double) {}
inline void cairo_set_line_width(cairo_t*, double) {}
inline void cairo_set_source_rgba(cairo_t*, double, double, double, double) {}
inline void cairo_set_source_surface(cairo_t*, cairo_surface_t*, double, double) {}
inline void cairo_select_font_face(cairo_t*, const char*, cairo_font_slant_t, cairo_font_weight_t) {}
inline void cairo_set_font_size(cairo_t*, double) {}
inline void cairo_show_text(cairo_t*, const char*) {}
inline void cairo_text_extents(cairo_t*, const char*, cairo_text_extents_t* extents)
{
    *extents = {};
}
inline void cairo_font_extents(cairo_t*, cairo_font_extents_t* extents)
{
    *extents = {};
}
