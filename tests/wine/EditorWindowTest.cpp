// The panel of the built Pavonis.dll in a Win32 window under wine (in an X server): a top-level
// window of ours is the host's window, the editor opens in it through effEditOpen and lives on
// effEditIdle and our message loop. Each page button is clicked with mouse messages and the
// window is read back from the screen. Every page must look most like the Linux rendering of
// the same page (fonts differ, the pictures do not); the pictures are kept for people to see.
// Then the input: a menu pops up as a topmost window and Escape closes it; the wheel turns a
// knob, and turning it back gives the same picture again; a fader dragged with the system's
// own mouse input follows the pointer out of the window, and the drag ends with the button; a
// click on the pattern name takes the keyboard, typed keys (virtual keys and characters) edit
// the program's name, Return gives the keyboard back. Last the panel at 150 and 200 %: every
// page and the fifteen parts, clicked at their zoomed places, each most like the Linux
// rendering of the same screen at that zoom (kept in <output directory>/zoom-150 and -200).
//
//     editor_window_test <Pavonis.dll> <Linux screenshots directory> <output directory>
#include "core/VendorCalls.h"
#include "editor/EditorTables.h"
#include "gui/Zoom.h"
#include "vst/VstInterface.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <objidl.h>

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
struct Page
{
    const char* name;
    e_EditorParameterID button;
    const char* linuxPicture; // in panel_screenshots' directory
};

constexpr Page kPages[] = {
    {"part", EPARAM_MODE_PARTS, "part-01-drum1.png"},
    {"mix", EPARAM_MODE_MIX, "mix.png"},
    {"global", EPARAM_MODE_GLOBAL, "global.png"},
    {"setup", EPARAM_MODE_SETUP, "setup-tether.png"},
};
constexpr int kCount = static_cast<int>(sizeof kPages / sizeof kPages[0]);

// The screens of the zoom steps: a mode button and, on the part page, a part button; named as
// panel_screenshots names them.
struct Screen
{
    const char* name;
    e_EditorParameterID mode;
    e_EditorParameterID part; // EPARAM_END: none
};

constexpr Screen kScreens[] = {
    {"mix", EPARAM_MODE_MIX, EPARAM_END},
    {"global", EPARAM_MODE_GLOBAL, EPARAM_END},
    {"setup-tether", EPARAM_MODE_SETUP, EPARAM_END},
    {"part-01-drum1", EPARAM_MODE_PARTS, EPARAM_PART_DRUM1},
    {"part-02-drum2", EPARAM_MODE_PARTS, EPARAM_PART_DRUM2},
    {"part-03-drum3", EPARAM_MODE_PARTS, EPARAM_PART_DRUM3},
    {"part-04-drum4", EPARAM_MODE_PARTS, EPARAM_PART_DRUM4},
    {"part-05-drum5", EPARAM_MODE_PARTS, EPARAM_PART_DRUM5},
    {"part-06-drum6a", EPARAM_MODE_PARTS, EPARAM_PART_DRUM6A},
    {"part-07-drum6b", EPARAM_MODE_PARTS, EPARAM_PART_DRUM6B},
    {"part-08-drum7a", EPARAM_MODE_PARTS, EPARAM_PART_DRUM7A},
    {"part-09-drum7b", EPARAM_MODE_PARTS, EPARAM_PART_DRUM7B},
    {"part-10-stretch1", EPARAM_MODE_PARTS, EPARAM_PART_STRETCH1},
    {"part-11-stretch2", EPARAM_MODE_PARTS, EPARAM_PART_STRETCH2},
    {"part-12-slice", EPARAM_MODE_PARTS, EPARAM_PART_SLICE_SELECT},
    {"part-13-audioin", EPARAM_MODE_PARTS, EPARAM_PART_AUDIOIN},
    {"part-14-keyboard1", EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD1},
    {"part-15-keyboard2", EPARAM_MODE_PARTS, EPARAM_PART_KEYBOARD2},
};
constexpr DWORD kIdleMilliseconds = 20;
constexpr DWORD kSettleMilliseconds = 600;
// A channel that differs by more than this is a different pixel (antialiasing differs a little).
constexpr int kChannelTolerance = 40;

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB
};

// The host's window, which takes the size the editor asks for.
HWND hostWindow = nullptr;

vst::intptr hostCallback(AEffect*, vst::int32 opcode, vst::int32 index, vst::intptr value, void*, float)
{
    if (opcode == audioMasterSizeWindow && hostWindow)
        return SetWindowPos(hostWindow, nullptr, 0, 0, index, static_cast<int>(value),
                            SWP_NOMOVE | SWP_NOZORDER)
                   ? 1
                   : 0;
    return opcode == audioMasterVersion ? 2400 : 0;
}

std::wstring wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

bool fail(const std::string& message)
{
    std::fprintf(stderr, "editor_window_test: %s\n", message.c_str());
    return false;
}

// Runs our message loop and the editor's idle for a while, as a host does.
void runFor(AEffect* effect, DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end)
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0);
        Sleep(kIdleMilliseconds);
    }
}

// The window's client area as the screen shows it.
Picture readBack(HWND window, int width, int height)
{
    Picture picture;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits)
    {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        picture.width = width;
        picture.height = height;
        const auto* p = static_cast<const std::uint32_t*>(bits);
        picture.pixels.assign(p, p + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (std::uint32_t& pixel : picture.pixels)
            pixel &= 0xFFFFFF;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return picture;
}

Picture readPng(const std::string& path)
{
    Picture picture;
    Gdiplus::Bitmap bitmap(wide(path).c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok)
        return picture;
    picture.width = static_cast<int>(bitmap.GetWidth());
    picture.height = static_cast<int>(bitmap.GetHeight());
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
        {
            Gdiplus::Color c;
            bitmap.GetPixel(x, y, &c);
            picture.pixels.push_back(c.GetValue() & 0xFFFFFF);
        }
    return picture;
}

bool writePng(const Picture& picture, const std::string& path)
{
    Gdiplus::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppRGB,
                           reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(picture.pixels.data())));
    UINT count = 0;
    UINT bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    std::vector<unsigned char> storage(bytes);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(storage.data());
    Gdiplus::GetImageEncoders(count, bytes, codecs);
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == L"image/png")
            return bitmap.Save(wide(path).c_str(), &codecs[i].Clsid, nullptr) == Gdiplus::Ok;
    return false;
}

// Share of pixels that differ beyond the tolerance; 1 when the sizes differ.
double difference(const Picture& a, const Picture& b)
{
    if (a.width != b.width || a.height != b.height || a.pixels.empty())
        return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        for (int shift = 0; shift < 24; shift += 8)
            if (std::abs(static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                         static_cast<int>((b.pixels[i] >> shift) & 0xFF)) > kChannelTolerance)
            {
                ++differing;
                break;
            }
    return static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

// A point inside a control of the table: its container's origin, its place, and (dx, dy).
POINT placeOf(e_EditorParameterID id, e_EditorControlKind kind, int dx, int dy)
{
    for (const t_EditorControl* row = c_EditorControls; row->id != EPARAM_END; ++row)
        if (row->id == id && row->kind == kind)
        {
            const t_EditorContainer* c = editorTables_FindContainer(c_EditorContainers, row->container);
            return POINT{(c ? c->x : 0) + row->x + dx, (c ? c->y : 0) + row->y + dy};
        }
    return POINT{-1, -1};
}

Picture part(const Picture& picture, const RECT& area)
{
    Picture cut;
    cut.width = area.right - area.left;
    cut.height = area.bottom - area.top;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            cut.pixels.push_back(picture.pixels[static_cast<std::size_t>(y * picture.width + x)]);
    return cut;
}

// The window's point of a panel point at a zoom.
POINT zoomed(POINT units, int zoom)
{
    return POINT{gui::toPixels(units.x, zoom), gui::toPixels(units.y, zoom)};
}

void click(HWND frame, POINT where)
{
    const LPARAM at = MAKELPARAM(where.x, where.y);
    PostMessageW(frame, WM_MOUSEMOVE, 0, at);
    PostMessageW(frame, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(frame, WM_LBUTTONUP, 0, at);
}

// On the setup page: the MIDI output menu pops up below its control, on top of everything.
bool checkMenu(AEffect* effect, HWND frame)
{
    const POINT menu = placeOf(EPARAM_MIDI_OUT_DEVICE, CTRL_MENU, 60, 8);
    click(frame, menu);
    runFor(effect, kSettleMilliseconds);
    HWND popup = FindWindowW(L"PavonisPopup", nullptr);
    if (!popup || !IsWindowVisible(popup))
        return fail("a click on the MIDI output menu shows no popup");
    RECT where{};
    GetWindowRect(popup, &where);
    if (!(GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST) || where.top < menu.y)
        return fail("the popup menu is not a topmost window below its control");
    PostMessageW(frame, WM_KEYDOWN, VK_ESCAPE, 0);
    runFor(effect, kSettleMilliseconds);
    if (FindWindowW(L"PavonisPopup", nullptr))
        return fail("Escape leaves the popup menu up");
    return true;
}

// On the part page: five wheel notches down turn the cutoff knob (it starts fully open), five
// up turn it back.
bool checkWheel(AEffect* effect, HWND host, HWND frame, int width, int height)
{
    click(frame, placeOf(EPARAM_MODE_PARTS, CTRL_SELECTOR_BUTTON, 8, 6));
    runFor(effect, kSettleMilliseconds);
    const POINT knob = placeOf(EPARAM_PART_FILTER_CUTOFF, CTRL_KNOB, 0, 0);
    const RECT area{knob.x, knob.y, knob.x + 40, knob.y + 40};
    const Picture before = part(readBack(host, width, height), area);
    const LPARAM at = MAKELPARAM(knob.x + 20, knob.y + 20); // the host's window is at the screen's corner
    PostMessageW(frame, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-5 * WHEEL_DELTA)), at);
    runFor(effect, kSettleMilliseconds);
    const Picture turned = part(readBack(host, width, height), area);
    PostMessageW(frame, WM_MOUSEWHEEL, MAKEWPARAM(0, 5 * WHEEL_DELTA), at);
    runFor(effect, kSettleMilliseconds);
    const Picture back = part(readBack(host, width, height), area);
    if (difference(before, turned) == 0)
        return fail("the wheel does not turn the cutoff knob");
    if (difference(before, back) != 0)
        return fail("turning the cutoff knob back does not give its picture back");
    return true;
}

// The system's own mouse input (not messages posted to a window): capture and all.
void sendMouse(DWORD flags, int x = 0, int y = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE)
    {
        input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &input, sizeof input);
}

// On the mix page: the first fader dragged from its middle to below the window, where the
// button is let go; moving over it afterwards changes nothing.
bool checkDrag(AEffect* effect, HWND host, HWND frame, int width, int height)
{
    click(frame, placeOf(EPARAM_MODE_MIX, CTRL_SELECTOR_BUTTON, 8, 6));
    runFor(effect, kSettleMilliseconds);
    const POINT fader = placeOf(EPARAM_MIX_LEVEL_DRUM1, CTRL_VERTICAL_SLIDER, 9, 30);
    const RECT area{fader.x - 9, fader.y - 30, fader.x + 9, height};
    const Picture before = part(readBack(host, width, height), area);
    sendMouse(MOUSEEVENTF_MOVE, fader.x, fader.y);
    runFor(effect, 100);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    runFor(effect, 100);
    for (int y = fader.y + 10; y <= height + 40; y += 10)
    {
        sendMouse(MOUSEEVENTF_MOVE, fader.x, y);
        runFor(effect, 60);
    }
    sendMouse(MOUSEEVENTF_LEFTUP);
    runFor(effect, kSettleMilliseconds);
    const Picture dragged = part(readBack(host, width, height), area);
    sendMouse(MOUSEEVENTF_MOVE, fader.x, fader.y - 20);
    runFor(effect, kSettleMilliseconds);
    const Picture after = part(readBack(host, width, height), area);
    if (difference(before, dragged) == 0)
        return fail("dragging the fader out of the window does not move it");
    if (GetCapture() != nullptr)
        return fail("the mouse stays captured after the drag");
    if (difference(dragged, after) != 0)
        return fail("the fader follows the pointer after the button went up");
    return true;
}

void sendKey(WORD virtualKey)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = virtualKey;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

std::string programName(AEffect* effect)
{
    char name[64] = {};
    effect->dispatcher(effect, effGetProgramName, 0, 0, name, 0);
    return name;
}

bool checkTyping(AEffect* effect, HWND host, HWND frame)
{
    SetForegroundWindow(host);
    SetFocus(host);
    const std::string before = programName(effect);
    click(frame, placeOf(EPARAM_PATCH_NAME, CTRL_NAME_EDIT, 20, 8));
    runFor(effect, kSettleMilliseconds);
    if (GetFocus() != frame)
        return fail("a click on the pattern name does not take the keyboard");
    for (WORD key : {WORD(VK_BACK), WORD('Q'), WORD(VK_RETURN)})
    {
        sendKey(key);
        runFor(effect, 100);
    }
    runFor(effect, kSettleMilliseconds);
    const std::string expected = before.substr(0, before.size() - 1) + "q";
    if (programName(effect) != expected)
        return fail("Backspace, Q and Return on the pattern name '" + before + "' give '" +
                    programName(effect) + "', not '" + expected + "'");
    if (GetFocus() != host)
        return fail("Return does not give the keyboard back to the host's window");
    return true;
}

// Ctrl + plus, handed on by the host as hosts do: the host's window and the panel's grow to 150 %
// while the panel is open. The setting it keeps is the test's own (APPDATA of the test).
bool checkLiveZoom(AEffect* effect, HWND frame)
{
    constexpr unsigned char kControl = 1 << 3;
    effect->dispatcher(effect, effEditKeyDown, '+', 0, nullptr, kControl);
    effect->dispatcher(effect, effEditKeyUp, '+', 0, nullptr, kControl);
    runFor(effect, kSettleMilliseconds);
    RECT panel{};
    GetClientRect(frame, &panel);
    RECT host{};
    GetClientRect(hostWindow, &host);
    if (panel.right != 1196 || panel.bottom != 305 || host.right != 1196 || host.bottom != 305)
        return fail("Ctrl + plus gives a panel of " + std::to_string(panel.right) + " x " +
                    std::to_string(panel.bottom) + " in a window of " + std::to_string(host.right) + " x " +
                    std::to_string(host.bottom) + ", not 1196 x 305");
    return true;
}

// The panel reopened at a zoom step in the host's window of the new size; every screen clicked
// to, read back, kept, and compared: more like Linux's same screen at that zoom than like
// Linux's mix page (global for the mix page itself).
bool checkZoom(AEffect* effect, HWND host, int zoom, const std::string& linuxDirectory,
               const std::string& outDirectory)
{
    effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0);
    const std::string percent = std::to_string(zoom);
    effect->dispatcher(effect, effVendorSpecific, kVendorCallTag, VENDOR_CALL_ZOOM,
                       const_cast<char*>(percent.c_str()), 0);
    ERect* rect = nullptr;
    effect->dispatcher(effect, effEditGetRect, 0, 0, &rect, 0);
    const int width = rect ? rect->right - rect->left : 0;
    const int height = rect ? rect->bottom - rect->top : 0;
    if (width != gui::toPixels(797, zoom) || height != gui::toPixels(203, zoom))
        return fail("effEditGetRect at " + percent + " % gives " + std::to_string(width) + " x " +
                    std::to_string(height));
    SetWindowPos(host, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    effect->dispatcher(effect, effEditOpen, 0, 0, host, 0);
    HWND frame = FindWindowExW(host, nullptr, L"PavonisFrame", nullptr);
    runFor(effect, kSettleMilliseconds);
    RECT client{};
    GetClientRect(frame, &client);
    if (client.right != width || client.bottom != height)
        return fail("the panel's window at " + percent + " % is not of the editor's size");
    const std::string folder = "/zoom-" + percent;
    CreateDirectoryW(wide(outDirectory + folder).c_str(), nullptr);
    bool passed = true;
    const Picture mix = readPng(linuxDirectory + folder + "/mix.png");
    const Picture global = readPng(linuxDirectory + folder + "/global.png");
    for (const Screen& screen : kScreens)
    {
        click(frame, zoomed(placeOf(screen.mode, CTRL_SELECTOR_BUTTON, 8, 6), zoom));
        runFor(effect, kSettleMilliseconds / 2);
        if (screen.part != EPARAM_END)
        {
            click(frame, zoomed(placeOf(screen.part, CTRL_SELECTOR_BUTTON, 8, 6), zoom));
            runFor(effect, kSettleMilliseconds / 2);
        }
        const Picture shown = readBack(host, width, height);
        writePng(shown, outDirectory + folder + "/" + screen.name + ".png");
        const Picture twin = readPng(linuxDirectory + folder + "/" + screen.name + ".png");
        const double own = difference(shown, twin);
        const double other = difference(shown, screen.mode == EPARAM_MODE_MIX ? global : mix);
        std::printf(
            "%s %% %-18s differs from Linux's in %5.1f %% of the pixels, from another page in %5.1f %%\n",
            percent.c_str(), screen.name, 100 * own, 100 * other);
        if (own >= other)
            passed = fail(std::string(screen.name) + " at " + percent + " % does not look like Linux's");
    }
    return passed;
}

bool run(const std::string& dll, const std::string& linuxDirectory, const std::string& outDirectory)
{
    HMODULE module = LoadLibraryW(wide(dll).c_str());
    if (!module)
        return fail("cannot load " + dll);
    auto entry = reinterpret_cast<AEffect* (*)(audioMasterCallback)>(
        reinterpret_cast<void*>(GetProcAddress(module, "VSTPluginMain")));
    AEffect* effect = entry ? entry(hostCallback) : nullptr;
    if (!effect)
        return fail("no effect from VSTPluginMain");
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0);
    ERect* rect = nullptr;
    effect->dispatcher(effect, effEditGetRect, 0, 0, &rect, 0);
    if (!rect)
        return fail("effEditGetRect gives no size");
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;

    WNDCLASSW hostClass{};
    hostClass.lpfnWndProc = DefWindowProcW;
    hostClass.hInstance = GetModuleHandleW(nullptr);
    hostClass.lpszClassName = L"EditorWindowTestHost";
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(0, hostClass.lpszClassName, L"Pavonis under wine", WS_POPUP | WS_VISIBLE, 0,
                                0, width, height, nullptr, nullptr, hostClass.hInstance, nullptr);
    hostWindow = host;
    const ULONGLONG opening = GetTickCount64();
    effect->dispatcher(effect, effEditOpen, 0, 0, host, 0);
    std::printf("effEditOpen took %llu ms\n", GetTickCount64() - opening);
    HWND frame = FindWindowExW(host, nullptr, L"PavonisFrame", nullptr);
    if (!frame)
        return fail("effEditOpen made no child window in the host's window");
    runFor(effect, kSettleMilliseconds);

    CreateDirectoryW(wide(outDirectory).c_str(), nullptr);
    std::vector<Picture> windows;
    std::vector<Picture> linux;
    for (const Page& page : kPages)
    {
        click(frame, placeOf(page.button, CTRL_SELECTOR_BUTTON, 8, 6));
        runFor(effect, kSettleMilliseconds);
        windows.push_back(readBack(host, width, height));
        writePng(windows.back(), outDirectory + "/" + page.name + ".png");
        linux.push_back(readPng(linuxDirectory + "/" + page.linuxPicture));
        if (linux.back().pixels.empty())
            return fail("cannot read " + linuxDirectory + "/" + page.linuxPicture);
    }
    bool passed = true;
    for (int i = 0; i < kCount; ++i)
    {
        const double own =
            difference(windows[static_cast<std::size_t>(i)], linux[static_cast<std::size_t>(i)]);
        std::printf("%-6s differs from Linux's %-6s in %5.1f %% of the pixels;", kPages[i].name,
                    kPages[i].name, 100 * own);
        for (int j = 0; j < kCount; ++j)
            if (j != i)
            {
                const double other =
                    difference(windows[static_cast<std::size_t>(i)], linux[static_cast<std::size_t>(j)]);
                std::printf(" %s %.1f %%", kPages[j].name, 100 * other);
                if (other <= own)
                    passed = fail(std::string(kPages[i].name) + " looks more like Linux's " + kPages[j].name);
            }
        std::printf("\n");
    }
    passed = checkMenu(effect, frame) && passed;
    passed = checkWheel(effect, host, frame, width, height) && passed;
    passed = checkDrag(effect, host, frame, width, height) && passed;
    passed = checkTyping(effect, host, frame) && passed;
    passed = checkLiveZoom(effect, frame) && passed;
    for (int zoom : {150, 200})
        passed = checkZoom(effect, host, zoom, linuxDirectory, outDirectory) && passed;
    effect->dispatcher(effect, effEditClose, 0, 0, nullptr, 0);
    if (FindWindowExW(host, nullptr, L"PavonisFrame", nullptr))
        passed = fail("effEditClose left the panel's window behind");
    effect->dispatcher(effect, effClose, 0, 0, nullptr, 0);
    DestroyWindow(host);
    FreeLibrary(module);
    return passed;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr,
                     "usage: editor_window_test <Pavonis.dll> <Linux screenshots> <output directory>\n");
        return 2;
    }
    // The user's settings of this run: a folder of its own, the panel at 100 % to begin with.
    wchar_t temporary[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporary);
    const std::wstring settings = std::wstring(temporary) + L"pavonis-window-test";
    CreateDirectoryW(settings.c_str(), nullptr);
    CreateDirectoryW((settings + L"\\Pavonis").c_str(), nullptr);
    if (FILE* file = _wfopen((settings + L"\\Pavonis\\settings.ini").c_str(), L"wb"))
    {
        std::fputs("zoom=100\n", file);
        std::fclose(file);
    }
    _wputenv_s(L"APPDATA", settings.c_str());
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const bool passed = run(argv[1], argv[2], argv[3]);
    Gdiplus::GdiplusShutdown(token);
    return passed ? 0 : 1;
}
