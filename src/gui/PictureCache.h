// The decoded pictures of the process, at every zoom used. A picture is decoded (at another
// zoom, made) when a bitmap is first drawn, once however many bitmaps (of however many panels)
// show it, and shared by all of them. It is kept while a PictureKeeper lives (one per plug-in
// instance), so that a panel opens without decoding as long as any instance is there, and given
// back once the last keeper and the last bitmap holding it are gone. Safe to call from several
// threads at once.
#pragma once

#include "Image.h"

#include <memory>

namespace gui
{
// A picture of the embedded tables (Pictures.h) at a zoom step of the panel, in percent.
struct PictureKey
{
    int number;
    int scale = 100;
};

// The picture's size at 100 % from its PNG header, without decoding it; false (sizes untouched)
// when it is not registered, its header does not read or the scale is not 100.
bool pictureSize(const PictureKey& key, int& width, int& height);

// The picture, decoded (or, at another zoom, drawn or unpacked) now unless some bitmap holds it
// already; null when its number is not registered or it cannot be made at that scale.
std::shared_ptr<const Image> sharedPicture(const PictureKey& key);

// Keeps every picture decoded while it lives.
class PictureKeeper
{
public:
    PictureKeeper();
    ~PictureKeeper();
    PictureKeeper(const PictureKeeper&) = delete;
    PictureKeeper& operator=(const PictureKeeper&) = delete;
};

// How many times the picture has been decoded (or made) in this process.
int timesDecoded(const PictureKey& key);

// A PNG file's size from its header; false when the bytes are not a PNG header.
bool pngSize(const unsigned char* png, std::size_t size, int& width, int& height);
} // namespace gui
