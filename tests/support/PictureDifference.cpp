#include "PictureDifference.h"

#include "FileBytes.h"

#include <algorithm>
#include <cstdlib>

namespace pictures
{
namespace
{
// A channel that differs by at most this much is anti-aliasing, not a different picture.
constexpr int kChannelTolerance = 32;
constexpr std::uint32_t kMarked = 0xFFFF0000u;

int channel(std::uint32_t pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

bool looksTheSame(std::uint32_t a, std::uint32_t b)
{
    for (int shift : {0, 8, 16})
        if (std::abs(channel(a, shift) - channel(b, shift)) > kChannelTolerance)
            return false;
    return true;
}

std::uint32_t dimmed(std::uint32_t pixel)
{
    return 0xFF000000u | ((pixel >> 2) & 0x3F3F3F);
}
} // namespace

bool readPng(const std::filesystem::path& path, gui::Image& picture)
{
    const std::vector<std::uint8_t> bytes = contentOf(path);
    return !bytes.empty() && gui::decodePng(bytes.data(), bytes.size(), picture);
}

int differingPixels(const gui::Image& a, const gui::Image& b, gui::Image* map)
{
    if (a.width() != b.width() || a.height() != b.height())
        return std::max(a.width() * a.height(), b.width() * b.height());
    if (map)
        *map = gui::Image(a.width(), a.height());
    auto* marks = map ? reinterpret_cast<std::uint32_t*>(map->data()) : nullptr;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
        {
            const bool same = looksTheSame(a.at(x, y), b.at(x, y));
            differing += same ? 0 : 1;
            if (marks)
                *marks++ = same ? dimmed(a.at(x, y)) : kMarked;
        }
    return differing;
}
} // namespace pictures
