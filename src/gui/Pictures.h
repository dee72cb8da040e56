// Pictures embedded in the binary: tables of (number, PNG bytes) that the program registers
// once; CBitmap looks pictures up here by number.
#pragma once

#include <cstddef>

namespace gui
{
struct EmbeddedPicture
{
    int number;
    const unsigned char* data;
    std::size_t size;
};

// Adds a table (which must outlive every bitmap); registering the same table again does nothing.
// A number that several tables hold is found in the table registered first.
void registerPictures(const EmbeddedPicture* table, std::size_t count);

// The picture of that number, or null.
const EmbeddedPicture* findPicture(int number);
} // namespace gui
