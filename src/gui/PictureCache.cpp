#include "PictureCache.h"

#include "Pictures.h"
#include "Zoom.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>

namespace gui
{
namespace
{
constexpr unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kHeaderEnd = 24; // signature, IHDR length and type, width, height
constexpr int kLargestSide = 1 << 15;

struct Entry
{
    std::mutex decoding; // held while this picture decodes; other pictures decode meanwhile
    std::weak_ptr<const Image> image;
    std::shared_ptr<const Image> kept; // while keepers live
    int decodings = 0;
};

struct Cache
{
    std::mutex lock; // guards the map; entries stay where they are once made
    std::map<std::pair<int, int>, Entry> entries;
    std::atomic<int> keepers{0};
};

Cache& cache()
{
    static Cache instance;
    return instance;
}

Entry& entryOf(const PictureKey& key)
{
    Cache& c = cache();
    std::lock_guard lock(c.lock);
    return c.entries[{key.number, key.scale}];
}

// The picture made anew: its PNG decoded at 100 %, drawn or unpacked at another zoom
// (Pictures.h).
bool makeImage(const PictureKey& key, Image& out)
{
    if (key.scale != kNoZoom)
        return makePicture(key.number, key.scale, out);
    const EmbeddedPicture* picture = findPicture(key.number);
    return picture && decodePng(picture->data, picture->size, out);
}

std::uint32_t bigEndian(const unsigned char* bytes)
{
    return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
           (std::uint32_t(bytes[2]) << 8) | std::uint32_t(bytes[3]);
}
} // namespace

bool pngSize(const unsigned char* png, std::size_t size, int& width, int& height)
{
    if (!png || size < kHeaderEnd || !std::equal(std::begin(kPngSignature), std::end(kPngSignature), png) ||
        !std::equal(png + 12, png + 16, "IHDR"))
        return false;
    const std::uint32_t w = bigEndian(png + 16);
    const std::uint32_t h = bigEndian(png + 20);
    if (w == 0 || h == 0 || w > kLargestSide || h > kLargestSide)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool pictureSize(const PictureKey& key, int& width, int& height)
{
    const EmbeddedPicture* picture = key.scale == kNoZoom ? findPicture(key.number) : nullptr;
    return picture && pngSize(picture->data, picture->size, width, height);
}

std::shared_ptr<const Image> sharedPicture(const PictureKey& key)
{
    if (!findPicture(key.number))
        return nullptr;
    Entry& entry = entryOf(key);
    std::lock_guard lock(entry.decoding);
    std::shared_ptr<const Image> image = entry.image.lock();
    if (!image)
    {
        auto made = std::make_shared<Image>();
        ++entry.decodings;
        if (!makeImage(key, *made))
            return nullptr;
        entry.image = image = std::move(made);
    }
    // Read under the entry's lock: the last keeper's release takes it after counting down.
    if (cache().keepers > 0)
        entry.kept = image;
    return image;
}

PictureKeeper::PictureKeeper()
{
    ++cache().keepers;
}

// The last keeper lets go of every picture; bitmaps that still hold one keep it until they go.
PictureKeeper::~PictureKeeper()
{
    Cache& c = cache();
    if (--c.keepers > 0)
        return;
    std::lock_guard lock(c.lock);
    for (auto& [key, entry] : c.entries)
    {
        std::lock_guard decoding(entry.decoding);
        entry.kept.reset();
    }
}

int timesDecoded(const PictureKey& key)
{
    Entry& entry = entryOf(key);
    std::lock_guard lock(entry.decoding);
    return entry.decodings;
}
} // namespace gui
