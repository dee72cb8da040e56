// A picture packed for embedding where PNG packs badly: strips of many similar frames (the
// knobs at 200 % are 40 KB a frame, beyond the reach of PNG's compression). The rows are
// stored frame-interleaved (row 0 of every frame, then row 1 ...) and deflated, so that each
// row finds its twin of the previous frame close by.
//
//   "PVZ1", width, height, frames (16 bits each, least significant byte first), then the zlib
//   stream of the image's pixels (premultiplied ARGB32, as gui::Image holds them).
#pragma once

#include "Image.h"

#include <cstddef>
#include <vector>

namespace gui
{
std::vector<unsigned char> packPicture(const Image& image, int frames);
// False, out untouched, for bytes that are not a whole packed picture.
bool unpackPicture(const unsigned char* bytes, std::size_t size, Image& out);
} // namespace gui
