// The desktop's scale on Windows: the DPI of the monitor that shows the host's window
// (GetDpiForWindow, Windows 10 1607 on), else the system's.
#include "gui/Backend.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace gui
{
namespace
{
constexpr int kStandardDpi = 96;

UINT windowDpi(HWND window)
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    HMODULE user = GetModuleHandleW(L"user32.dll");
    const auto dpiForWindow =
        user
            ? reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
            : nullptr;
    return dpiForWindow && window && IsWindow(window) ? dpiForWindow(window) : 0;
}

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 0;
}
} // namespace

int desktopScale(void* parent)
{
    UINT dpi = windowDpi(static_cast<HWND>(parent));
    if (dpi == 0)
        dpi = systemDpi();
    return dpi > 0 ? static_cast<int>((dpi * 100 + kStandardDpi / 2) / kStandardDpi) : 100;
}
} // namespace gui
