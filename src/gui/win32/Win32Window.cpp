// The Win32 back end: a child window of the host's HWND, made and used on the thread that
// opens the frame. The host's message loop brings our messages on that thread; the window
// procedure only queues the input (and repaints from the image), and the frame's idle, driven
// by effEditIdle, hands the queue to the toolkit: no thread and no timer of our own. Drawing
// goes to an image that is copied to the window where it changed or was uncovered.

#include "WideText.h"
#include "Win32Keys.h"
#include "gui/Backend.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace gui
{
namespace
{
constexpr wchar_t kFrameClass[] = L"PavonisFrame";
constexpr wchar_t kPopupClass[] = L"PavonisPopup";
constexpr std::size_t kMostQueued = 256;
// Where a lost capture "clicks": outside every popup, so the menu closes.
constexpr CPoint kNowhere{-1000000, -1000000};

HINSTANCE thisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

// Copies part of the image onto a device context at the same place.
void blit(HDC dc, const Image& image, const CRect& area)
{
    const CRect part = area.intersection(CRect(0, 0, image.width(), image.height()));
    if (!dc || part.isEmpty())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -part.getHeight(); // top-down: just the rows of the part
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const unsigned char* rows = image.data() + static_cast<std::ptrdiff_t>(part.top) * image.stride();
    StretchDIBits(dc, part.left, part.top, part.getWidth(), part.getHeight(), part.left, 0, part.getWidth(),
                  part.getHeight(), rows, &info, DIB_RGB_COLORS, SRCCOPY);
}

// Painting, the same for every window of ours: from the image, never erasing first.
bool paintMessage(HWND window, UINT message, const Image& image, LRESULT& result)
{
    if (message == WM_ERASEBKGND)
    {
        result = 1;
        return true;
    }
    if (message != WM_PAINT)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    blit(dc, image, CRect(paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom));
    EndPaint(window, &paint);
    result = 0;
    return true;
}

void present(HWND window, const Image& image, const CRect& area)
{
    if (!window || area.isEmpty())
        return;
    HDC dc = GetDC(window);
    blit(dc, image, area);
    ReleaseDC(window, dc);
}

CPoint pointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// One input event as the sink will get it; point in the coordinates that sink expects.
struct InputEvent
{
    enum Kind
    {
        MouseDown,
        MouseUp,
        MouseMoved,
        MouseExited,
        Wheel,
        KeyDown,
        KeyUp,
    };
    HWND target;
    Kind kind;
    CPoint point;
    long buttons = 0;
    float distance = 0;
    VstKeyCode key{0, 0, 0};
};

struct MouseMessage
{
    UINT message;
    InputEvent::Kind kind;
    long button; // the button that went down or up (an up message no longer lists it)
};

constexpr MouseMessage kMouseMessages[] = {
    {WM_LBUTTONDOWN, InputEvent::MouseDown, kLButton}, {WM_LBUTTONUP, InputEvent::MouseUp, kLButton},
    {WM_MBUTTONDOWN, InputEvent::MouseDown, kMButton}, {WM_MBUTTONUP, InputEvent::MouseUp, kMButton},
    {WM_RBUTTONDOWN, InputEvent::MouseDown, kRButton}, {WM_RBUTTONUP, InputEvent::MouseUp, kRButton},
    {WM_MOUSEMOVE, InputEvent::MouseMoved, 0},
};

const MouseMessage* mouseMessage(UINT message)
{
    for (const MouseMessage& m : kMouseMessages)
        if (m.message == message)
            return &m;
    return nullptr;
}

void deliver(WindowEventSink* sink, const InputEvent& event)
{
    switch (event.kind)
    {
    case InputEvent::MouseDown:
        sink->windowMouseDown(event.point, event.buttons);
        break;
    case InputEvent::MouseUp:
        sink->windowMouseUp(event.point, event.buttons);
        break;
    case InputEvent::MouseMoved:
        sink->windowMouseMoved(event.point, event.buttons);
        break;
    case InputEvent::MouseExited:
        sink->windowMouseExited();
        break;
    case InputEvent::Wheel:
        sink->windowWheel(event.point, event.distance, event.buttons);
        break;
    case InputEvent::KeyDown:
        sink->onKeyDown(event.key);
        break;
    case InputEvent::KeyUp:
        sink->onKeyUp(event.key);
        break;
    }
}

// Our window classes, registered while a frame window lives: a DLL that is unloaded must not
// leave a class behind that points into it.
struct WindowClasses
{
    std::mutex mutex;
    int users = 0;
};

WindowClasses& windowClasses()
{
    static WindowClasses classes;
    return classes;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void registerClass(const wchar_t* name, UINT style)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

void useWindowClasses()
{
    WindowClasses& classes = windowClasses();
    std::lock_guard lock(classes.mutex);
    if (classes.users++ == 0)
    {
        registerClass(kFrameClass, 0);
        registerClass(kPopupClass, CS_SAVEBITS | CS_DROPSHADOW);
    }
}

void releaseWindowClasses()
{
    WindowClasses& classes = windowClasses();
    std::lock_guard lock(classes.mutex);
    if (--classes.users == 0)
    {
        UnregisterClassW(kFrameClass, thisModule());
        UnregisterClassW(kPopupClass, thisModule());
    }
}

// What a window of ours answers to its messages.
class MessageTarget
{
public:
    virtual ~MessageTarget() = default;
    virtual LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual void destroyed() = 0;
};

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
    {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* target = reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!target)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        target->destroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return target->handle(window, message, wParam, lParam);
}

// Forgets a window before destroying it, so that its last messages reach nobody.
void destroyWindow(HWND window)
{
    if (!window)
        return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

class Win32FrameWindow;

class Win32Popup : public Surface, public MessageTarget
{
public:
    Win32Popup(Win32FrameWindow& owner, const CRect& rect, WindowEventSink* sink);
    ~Win32Popup() override;

    Image& image() override { return pixels; }
    void present(const CRect& area) override { gui::present(window, pixels, area); }
    CRect screenRect() override { return rect; }
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void destroyed() override { window = nullptr; }

    HWND handle() const { return window; }
    WindowEventSink* eventSink() const { return sink; }

private:
    Win32FrameWindow& owner;
    CRect rect;
    WindowEventSink* sink;
    Image pixels;
    HWND window = nullptr;
};

class Win32FrameWindow : public FrameWindow, public MessageTarget
{
public:
    Win32FrameWindow(const CRect& size, WindowEventSink* sink);
    ~Win32FrameWindow() override;
    bool create(HWND parent, const char* title);

    Image& image() override { return pixels; }
    void present(const CRect& area) override { gui::present(window, pixels, area); }
    CRect screenRect() override;
    void processEvents() override;
    bool isVisible() override { return window && IsWindowVisible(window); }
    CRect screenBounds() override;
    std::unique_ptr<Surface> createPopup(const CRect& screenRect, WindowEventSink* sink) override;
    void takeKeyboardFocus() override;
    void releaseKeyboardFocus() override;
    void resize(const CRect& newSize) override;
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void destroyed() override { window = nullptr; }

    HWND handle() const { return window; }
    void queue(const InputEvent& event);
    void popupOpened(Win32Popup* popup);
    void popupClosed(Win32Popup* popup);

private:
    WindowEventSink* sinkOf(HWND target) const;
    bool queueMouse(UINT message, WPARAM wParam, LPARAM lParam);
    bool queueKey(UINT message, WPARAM wParam);
    void trackLeaving();
    void giveFocusBack(HWND& previous);

    CRect size;
    WindowEventSink* sink;
    Image pixels;
    HWND window = nullptr;
    std::deque<InputEvent> events;
    std::vector<Win32Popup*> popups;
    bool trackingLeave = false;
    bool keyboardTaken = false;
    HWND focusBeforeEdit = nullptr;
    HWND focusBeforeMenu = nullptr;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

Win32Popup::Win32Popup(Win32FrameWindow& owner, const CRect& rect, WindowEventSink* sink)
    : owner(owner), rect(rect), sink(sink),
      pixels(std::max(rect.getWidth(), 1), std::max(rect.getHeight(), 1))
{
    window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kPopupClass, L"", WS_POPUP,
                             rect.left, rect.top, pixels.width(), pixels.height(),
                             GetAncestor(owner.handle(), GA_ROOT), nullptr, thisModule(),
                             static_cast<MessageTarget*>(this));
    if (window)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    owner.popupOpened(this);
}

Win32Popup::~Win32Popup()
{
    owner.popupClosed(this);
    destroyWindow(window);
}

LRESULT Win32Popup::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const MouseMessage* mouse = mouseMessage(message))
    {
        // Captured: points come relative to this popup from anywhere on the screen.
        const CPoint local = pointOf(lParam);
        owner.queue({hwnd, mouse->kind, local.offsetBy(rect.left, rect.top),
                     buttonsFromMouseFlags(static_cast<unsigned>(wParam)) | mouse->button});
        return 0;
    }
    LRESULT result = 0;
    if (paintMessage(hwnd, message, pixels, result))
        return result;
    switch (message)
    {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) // taken by another program or window
            owner.queue({hwnd, InputEvent::MouseDown, kNowhere, 0});
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

Win32FrameWindow::Win32FrameWindow(const CRect& size, WindowEventSink* sink)
    : size(size), sink(sink), pixels(std::max(size.getWidth(), 1), std::max(size.getHeight(), 1))
{
    useWindowClasses();
}

Win32FrameWindow::~Win32FrameWindow()
{
    *alive = false;
    destroyWindow(window);
    releaseWindowClasses();
}

bool Win32FrameWindow::create(HWND parent, const char* title)
{
    if (!parent || !IsWindow(parent))
        return false;
    window = CreateWindowExW(0, kFrameClass, wideText(title).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                             0, 0, pixels.width(), pixels.height(), parent, nullptr, thisModule(),
                             static_cast<MessageTarget*>(this));
    return window != nullptr;
}

CRect Win32FrameWindow::screenRect()
{
    POINT origin{0, 0};
    if (window)
        ClientToScreen(window, &origin);
    return CRect(origin.x, origin.y, origin.x + size.getWidth(), origin.y + size.getHeight());
}

CRect Win32FrameWindow::screenBounds()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return CRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT& r = monitor.rcWork;
    return CRect(r.left, r.top, r.right, r.bottom);
}

std::unique_ptr<Surface> Win32FrameWindow::createPopup(const CRect& screenRect, WindowEventSink* popupSink)
{
    return std::make_unique<Win32Popup>(*this, screenRect, popupSink);
}

void Win32FrameWindow::takeKeyboardFocus()
{
    if (!isVisible())
        return;
    keyboardTaken = true;
    const HWND focus = GetFocus();
    if (focus != window)
        focusBeforeEdit = focus;
    SetFocus(window);
}

void Win32FrameWindow::releaseKeyboardFocus()
{
    keyboardTaken = false;
    giveFocusBack(focusBeforeEdit);
}

void Win32FrameWindow::resize(const CRect& newSize)
{
    size = CRect(0, 0, std::max(newSize.getWidth(), 1), std::max(newSize.getHeight(), 1));
    pixels = Image(size.getWidth(), size.getHeight());
    if (window)
        SetWindowPos(window, nullptr, 0, 0, size.getWidth(), size.getHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32FrameWindow::giveFocusBack(HWND& previous)
{
    if (window && GetFocus() == window && previous && previous != window && IsWindow(previous))
        SetFocus(previous);
    previous = nullptr;
}

// The first popup of a menu takes the mouse (every click, also outside, comes to the menu) and
// the frame takes the keys, which the frame passes to the menu while it is up.
void Win32FrameWindow::popupOpened(Win32Popup* popup)
{
    popups.push_back(popup);
    if (popups.size() > 1 || !popup->handle())
        return;
    SetCapture(popup->handle());
    if (window && GetFocus() != window)
    {
        focusBeforeMenu = GetFocus();
        SetFocus(window);
    }
}

void Win32FrameWindow::popupClosed(Win32Popup* popup)
{
    const bool first = !popups.empty() && popups.front() == popup;
    std::erase(popups, popup);
    if (!first)
        return;
    if (popup->handle() && GetCapture() == popup->handle())
    {
        SetWindowLongPtrW(popup->handle(), GWLP_USERDATA, 0); // its capture ends by our own doing
        ReleaseCapture();
    }
    if (!keyboardTaken)
        giveFocusBack(focusBeforeMenu);
}

void Win32FrameWindow::queue(const InputEvent& event)
{
    if (event.kind == InputEvent::MouseMoved && !events.empty() &&
        events.back().kind == InputEvent::MouseMoved && events.back().target == event.target)
    {
        events.back() = event; // a later position overtakes the last one
        return;
    }
    if (events.size() < kMostQueued)
        events.push_back(event);
}

WindowEventSink* Win32FrameWindow::sinkOf(HWND target) const
{
    if (target && target == window)
        return sink;
    for (Win32Popup* popup : popups)
        if (popup->handle() == target)
            return popup->eventSink();
    return nullptr;
}

void Win32FrameWindow::processEvents()
{
    const std::shared_ptr<bool> stillAlive = alive;
    while (*stillAlive && !events.empty())
    {
        const InputEvent event = events.front();
        events.pop_front();
        if (WindowEventSink* target = sinkOf(event.target))
            deliver(target, event);
    }
}

void Win32FrameWindow::trackLeaving()
{
    if (trackingLeave)
        return;
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    trackingLeave = TrackMouseEvent(&track) != FALSE;
}

bool Win32FrameWindow::queueMouse(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MouseMessage* mouse = mouseMessage(message);
    if (!mouse)
        return false;
    const long buttons = buttonsFromMouseFlags(static_cast<unsigned>(wParam));
    queue({window, mouse->kind, pointOf(lParam), buttons | mouse->button});
    if (mouse->kind == InputEvent::MouseDown)
        SetCapture(window); // the drag goes on outside the window
    else if (mouse->kind == InputEvent::MouseUp && !(buttons & (kLButton | kMButton | kRButton)) &&
             GetCapture() == window)
        ReleaseCapture();
    else if (mouse->kind == InputEvent::MouseMoved)
        trackLeaving();
    return true;
}

bool Win32FrameWindow::queueKey(UINT message, WPARAM wParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
    case WM_KEYUP:
    {
        const VstKeyCode key = vstKeyFromVirtualKey(static_cast<unsigned>(wParam));
        if (key.virt == 0 && key.character == 0) // its character follows as WM_CHAR
            return false;
        queue({window, message == WM_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp, CPoint(), 0, 0, key});
        return true;
    }
    case WM_CHAR:
    {
        const VstKeyCode key = vstKeyFromCharacter(static_cast<unsigned>(wParam));
        if (key.character != 0)
            queue({window, InputEvent::KeyDown, CPoint(), 0, 0, key});
        return true;
    }
    default:
        return false;
    }
}

LRESULT Win32FrameWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (queueMouse(message, wParam, lParam) || queueKey(message, wParam))
        return 0;
    LRESULT result = 0;
    if (paintMessage(hwnd, message, pixels, result))
        return result;
    switch (message)
    {
    case WM_MOUSELEAVE:
        trackingLeave = false;
        queue({hwnd, InputEvent::MouseExited, CPoint()});
        return 0;
    case WM_MOUSEWHEEL:
    {
        POINT where{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(hwnd, &where);
        const float notches = static_cast<float>(GET_WHEEL_DELTA_WPARAM(wParam)) / WHEEL_DELTA;
        queue({hwnd, InputEvent::Wheel, CPoint(where.x, where.y),
               buttonsFromMouseFlags(GET_KEYSTATE_WPARAM(wParam)), notches});
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTCHARS; // a host's dialog keeps no key from the text edit
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
} // namespace

std::unique_ptr<FrameWindow> createSystemWindow(void* parent, const CRect& size, const char* title,
                                                WindowEventSink* sink)
{
    auto window = std::make_unique<Win32FrameWindow>(size, sink);
    if (!window->create(static_cast<HWND>(parent), title))
        return nullptr;
    return window;
}
} // namespace gui
