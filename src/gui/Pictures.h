// Pictures embedded in the binary: tables of (number, bytes) that the program registers once,
// PNG files for 100 % and packed pictures (PackedPicture.h) for the other zoom steps it embeds
// (gui/Zoom.h). A program that draws its pictures at other zooms itself registers a maker
// instead. CBitmap looks pictures up here by number and zoom.
#pragma once

#include <cstddef>

namespace gui
{
class Image;

struct EmbeddedPicture
{
    int number;
    const unsigned char* data;
    std::size_t size;
};

// Adds a table of pictures drawn for a zoom (which must outlive every bitmap); registering the
// same table again does nothing. A number that several tables of one zoom hold is found in the
// table registered first.
void registerPictures(const EmbeddedPicture* table, std::size_t count, int zoomPercent = 100);

// The picture of that number drawn for the zoom, or null.
const EmbeddedPicture* findPicture(int number, int zoomPercent = 100);

// Draws the picture of a number at a zoom into out; false when it has no such picture.
// Called from any thread.
using PictureMaker = bool (*)(int number, int zoomPercent, Image& out);
// Makers registered first are asked first; registering one again does nothing.
void registerPictureMaker(PictureMaker maker);

// The picture of a number at a zoom other than 100 %: from a maker, else unpacked from a table
// of that zoom. False, out untouched, when neither has it.
bool makePicture(int number, int zoomPercent, Image& out);
} // namespace gui
