// The root container: the panel in its window. Its idle handles the window's events, runs the
// editor's deferred work and redraws the dirty views. Its size and every view's are panel
// units; the window shows them at the frame's zoom (gui/Zoom.h), and its input is turned back
// into units before the views hear it.
#pragma once

#include "Backend.h"
#include "CViewContainer.h"

#include <memory>
#include <string>
#include <vector>

class AEffGUIEditor;
class COptionMenu;

namespace gui
{
class MenuSession;
}

class CFrame : public CViewContainer, public gui::WindowEventSink
{
public:
    CFrame(const CRect& size, const char* title, AEffGUIEditor* editor);
    ~CFrame() override;

    // Opens the window: a child of parentWindow (the host's window), or an image in memory
    // when there is no parent or no window system. An open frame is closed first.
    bool open(void* parentWindow);
    void close();
    bool isOpen() const { return window != nullptr; }

    // Shows the panel at a zoom step: an open window takes the zoomed size and is drawn anew.
    void setZoom(int percent);
    int getZoom() const { return zoom; }
    // The window's size in pixels at the zoom.
    CRect pixelSize() const;

    // Events, the editor's deferred work, then the dirty views. A nested call only redraws.
    void idle();
    AEffGUIEditor* getEditor() const { return editor; }
    const char* getTitle() const { return title.c_str(); }

    // Marks an area (frame coordinates) to be redrawn.
    void invalidRect(const CRect& rect);
    // Draws every dirty view now; nothing when the window is closed.
    void redrawDirty();

    // The view that receives the keys, or null.
    void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }

    // Pops up a menu below its control; a menu already up is closed.
    void openMenu(COptionMenu* menu);
    void closeMenu();
    gui::MenuSession* getMenuSession() const { return menuSession.get(); }

    // A context on the window's image while open (listeners receive it), else null.
    CDrawContext* getDrawContext() const { return context.get(); }
    gui::FrameWindow* getPlatformWindow() const { return window.get(); }
    // Writes the window's image as a PNG file.
    bool saveImage(const char* path) const;

    CFrame* getFrame() const override { return const_cast<CFrame*>(this); }
    // Forgets a view that leaves the tree (capture, hover and focus).
    void viewLeaving(CView* view);

    // Input of the window, in the window's pixels.
    void windowMouseDown(CPoint where, long buttons) override;
    void windowMouseUp(CPoint where, long buttons) override;
    void windowMouseMoved(CPoint where, long buttons) override;
    void windowMouseExited() override;
    bool windowWheel(CPoint where, float distance, long buttons) override;
    bool onKeyDown(const VstKeyCode& key) override;
    bool onKeyUp(const VstKeyCode& key) override;

private:
    CPoint toParentCoordinates(const CView* view, const CPoint& where) const;
    // A point of the window (pixels) in frame coordinates, and on the screen.
    CPoint toPanel(const CPoint& pixel) const;
    CPoint toScreen(const CPoint& pixel) const;
    CRect toPixels(const CRect& rect) const;
    void setHoverView(CView* view);

    std::string title;
    AEffGUIEditor* editor;
    std::unique_ptr<gui::FrameWindow> window;
    std::unique_ptr<CDrawContext> context;
    std::unique_ptr<gui::MenuSession> menuSession;
    std::vector<CRect> invalidAreas;
    CView* mouseCapture = nullptr;
    CView* hoverView = nullptr;
    CView* focusView = nullptr;
    bool inIdle = false;
    int zoom = 100;
};
