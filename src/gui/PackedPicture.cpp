#include "PackedPicture.h"

#include <zlib.h>

#include <cstring>

namespace gui
{
namespace
{
constexpr unsigned char kMagic[4] = {'P', 'V', 'Z', '1'};
constexpr std::size_t kHeaderSize = 10;
constexpr int kMostSide = 0xFFFF;

void put16(std::vector<unsigned char>& out, int value)
{
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

int get16(const unsigned char* at)
{
    return at[0] | (at[1] << 8);
}

// Row r of the packed order is row (r % rowsPerFrame ... ) of frame r % frames: the rows of
// one height of every frame follow each other.
int imageRow(int packedRow, int frames, int rowsPerFrame)
{
    return (packedRow % frames) * rowsPerFrame + packedRow / frames;
}
} // namespace

std::vector<unsigned char> packPicture(const Image& image, int frames)
{
    if (image.isEmpty() || frames < 1 || image.height() % frames != 0 || image.width() > kMostSide ||
        image.height() > kMostSide || frames > kMostSide)
        return {};
    const int rowsPerFrame = image.height() / frames;
    std::vector<unsigned char> rows(static_cast<std::size_t>(image.stride()) * image.height());
    for (int r = 0; r < image.height(); ++r)
        std::memcpy(rows.data() + static_cast<std::size_t>(r) * image.stride(),
                    image.data() +
                        static_cast<std::size_t>(imageRow(r, frames, rowsPerFrame)) * image.stride(),
                    image.stride());
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<unsigned char> out(kMagic, kMagic + sizeof kMagic);
    put16(out, image.width());
    put16(out, image.height());
    put16(out, frames);
    out.resize(kHeaderSize + packedSize);
    if (compress2(out.data() + kHeaderSize, &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.resize(kHeaderSize + packedSize);
    return out;
}

bool unpackPicture(const unsigned char* bytes, std::size_t size, Image& out)
{
    if (!bytes || size <= kHeaderSize || std::memcmp(bytes, kMagic, sizeof kMagic) != 0)
        return false;
    const int width = get16(bytes + 4);
    const int height = get16(bytes + 6);
    const int frames = get16(bytes + 8);
    if (width == 0 || height == 0 || frames == 0 || height % frames != 0)
        return false;
    Image rows(width, height);
    uLongf unpacked = static_cast<uLongf>(rows.stride()) * static_cast<uLongf>(height);
    const uLongf expected = unpacked;
    if (uncompress(rows.data(), &unpacked, bytes + kHeaderSize, static_cast<uLong>(size - kHeaderSize)) !=
            Z_OK ||
        unpacked != expected)
        return false;
    Image image(width, height);
    const int rowsPerFrame = height / frames;
    for (int r = 0; r < height; ++r)
        std::memcpy(image.data() +
                        static_cast<std::size_t>(imageRow(r, frames, rowsPerFrame)) * image.stride(),
                    rows.data() + static_cast<std::size_t>(r) * rows.stride(), rows.stride());
    out = std::move(image);
    return true;
}
} // namespace gui
