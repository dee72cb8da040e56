// A picture in memory that both drawing back ends draw into and read from: premultiplied ARGB32,
// one 32-bit word per pixel in the machine's byte order (blue, green, red, alpha in memory on
// x86), rows of stride() bytes from the top. cairo and GDI+ both take this layout as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace gui
{
class Image
{
public:
    Image() = default;
    // Transparent black; sizes below 1 give an empty image.
    Image(int width, int height)
        : w(width > 0 && height > 0 ? width : 0), h(w > 0 ? height : 0),
          owned(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)), pixels(owned.data())
    {
    }
    // An image on pixels of this layout that the caller owns and keeps while the image lives.
    Image(std::uint32_t* borrowed, int width, int height)
        : w(borrowed && width > 0 && height > 0 ? width : 0), h(w > 0 ? height : 0),
          pixels(w > 0 ? borrowed : nullptr)
    {
    }
    // A moved-from image is empty.
    Image(Image&& other) noexcept { *this = std::move(other); }
    Image& operator=(Image&& other) noexcept
    {
        w = std::exchange(other.w, 0);
        h = std::exchange(other.h, 0);
        owned = std::move(other.owned); // a moved vector keeps its buffer, so pixels stays valid
        pixels = std::exchange(other.pixels, nullptr);
        return *this;
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int width() const { return w; }
    int height() const { return h; }
    int stride() const { return w * 4; }
    bool isEmpty() const { return w == 0; }
    unsigned char* data() { return reinterpret_cast<unsigned char*>(pixels); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(pixels); }
    // The pixel as 0xAARRGGBB; the point must lie inside.
    std::uint32_t at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                      static_cast<std::size_t>(x)];
    }

private:
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> owned; // empty for borrowed pixels
    std::uint32_t* pixels = nullptr;
};

// PNG files, through the drawing back end's own codec. decodePng leaves out untouched when the
// bytes do not decode.
bool decodePng(const unsigned char* png, std::size_t size, Image& out);
bool writePng(const Image& image, const char* path);
} // namespace gui
