// PNG files on Windows, through GDI+: decoded from a memory stream over the bytes (the PNG
// decoder that Windows has anyway, so the DLL carries no libpng), written by GDI+'s PNG encoder.
#include "GdiplusSession.h"
#include "gui/Image.h"
#include "gui/win32/WideText.h"

#include <shlwapi.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace gui
{
namespace
{
constexpr unsigned char kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// GDI+ decodes other formats as well; pictures are PNG only, as on Linux.
bool isPng(const unsigned char* bytes, std::size_t size)
{
    return bytes && size > sizeof kPngSignature &&
           std::memcmp(bytes, kPngSignature, sizeof kPngSignature) == 0;
}

bool copyPixels(Gdiplus::Bitmap& bitmap, Image& out)
{
    Image decoded(static_cast<int>(bitmap.GetWidth()), static_cast<int>(bitmap.GetHeight()));
    if (decoded.isEmpty())
        return false;
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(decoded.width());
    data.Height = static_cast<UINT>(decoded.height());
    data.Stride = decoded.stride();
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = decoded.data();
    Gdiplus::Rect all(0, 0, decoded.width(), decoded.height());
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return false;
    bitmap.UnlockBits(&data);
    out = std::move(decoded);
    return true;
}

bool pngEncoder(CLSID& encoder)
{
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0)
        return false;
    std::vector<unsigned char> storage(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    if (Gdiplus::GetImageEncoders(count, bytes, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (codecs[i].MimeType && std::wcscmp(codecs[i].MimeType, L"image/png") == 0)
        {
            encoder = codecs[i].Clsid;
            return true;
        }
    return false;
}

} // namespace

bool decodePng(const unsigned char* png, std::size_t size, Image& out)
{
    if (!isPng(png, size) || size > UINT_MAX)
        return false;
    GdiplusSession session;
    if (!session.isRunning())
        return false;
    IStream* stream = SHCreateMemStream(png, static_cast<UINT>(size));
    if (!stream)
        return false;
    bool decoded = false;
    {
        Gdiplus::Bitmap bitmap(stream);
        decoded = bitmap.GetLastStatus() == Gdiplus::Ok && copyPixels(bitmap, out);
    }
    stream->Release();
    return decoded;
}

bool writePng(const Image& image, const char* path)
{
    if (image.isEmpty() || !path)
        return false;
    GdiplusSession session;
    CLSID encoder;
    if (!session.isRunning() || !pngEncoder(encoder))
        return false;
    Gdiplus::Bitmap bitmap(image.width(), image.height(), image.stride(), PixelFormat32bppPARGB,
                           const_cast<BYTE*>(image.data()));
    return bitmap.Save(wideText(path).c_str(), &encoder, nullptr) == Gdiplus::Ok;
}
} // namespace gui
