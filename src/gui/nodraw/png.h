// Picture decoding for a build without a drawing back end: no picture decodes (see cairo.h).
#pragma once

#include <cstddef>

#define PNG_IMAGE_VERSION 1
#define PNG_FORMAT_BGRA 0

struct png_image
{
    unsigned version, width, height, format;
};

inline int png_image_begin_read_from_memory(png_image*, const void*, std::size_t)
{
    return 0;
}
inline int png_image_finish_read(png_image*, const void*, void*, int, void*)
{
    return 0;
}
inline void png_image_free(png_image*) {}
