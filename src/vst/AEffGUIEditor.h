// Editor base of a plug-in with a panel built from the GUI toolkit (src/gui). A subclass builds
// its CFrame in open and deletes it in close:
//
//     bool MyEditor::open(void* ptr)
//     {
//         AEffGUIEditor::open(ptr);              // closes an editor that is still open
//         frame = new CFrame(size, "Title", this);
//         ... add views ...
//         frame->open(ptr);
//         return true;
//     }
//     void MyEditor::close()
//     {
//         ... remove the views without releasing them, delete them ...
//         delete frame;
//         frame = nullptr;
//         AEffGUIEditor::close();
//     }
//
// The panel's size is given in panel units (setPanelSize); getRect answers it at the editor's
// zoom (gui/Zoom.h), and resizeToZoom shows it at another zoom step where the host lets the
// window grow or shrink.
//
// The host's idle runs the frame's idle: window events, then idleBeforeRedraw, then the dirty
// views are drawn. Everything runs on the thread that calls open and idle (the host never runs
// them at the same time).
#pragma once

#include "AEffEditor.h"

#include <atomic>
#include <cstdint>
#include <thread>

class CFrame;

class AEffGUIEditor : public AEffEditor
{
public:
    explicit AEffGUIEditor(AudioEffect* effect);
    // Deletes a frame that the subclass left behind.
    ~AEffGUIEditor() override;

    // The window's size: the panel at the zoom.
    bool getRect(ERect** rect) override;
    // Closes the editor first when it is still open; records the user-interface thread.
    bool open(void* ptr) override;
    void close() override;
    // Records the user-interface thread and runs doIdleStuff.
    void idle() override;
    // One step of the event loop on the user-interface thread: the frame's idle (only a redraw
    // when called from inside it). Nothing on other threads.
    virtual void doIdleStuff();
    // Run by the frame's idle after the window's events and before the redraw.
    virtual void idleBeforeRedraw() {}

    bool onKeyDown(VstKeyCode& keyCode) override;
    bool onKeyUp(VstKeyCode& keyCode) override;
    // A key that no view of the frame took (Ctrl+Z, Ctrl + plus and the like); true when used.
    virtual bool onShortcut(const VstKeyCode& /*keyCode*/) { return false; }

    // The panel's size in units, at 100 %.
    void setPanelSize(int width, int height);
    int getPanelWidth() const { return panelWidth; }
    int getPanelHeight() const { return panelHeight; }
    int getZoom() const { return zoom; }
    // Shows the panel at another zoom step. With the window open the host is asked for the new
    // size first (audioMasterSizeWindow); false when it refused: the panel keeps its size.
    bool resizeToZoom(int percent);
    // Knob mode for every editor: 0 circular, 1 relative circular, 2 linear.
    bool setKnobMode(vst::int32 mode) override;
    static int getKnobMode();

    // The plug-in tells its editor about parameter changes here.
    virtual void setParameter(int /*index*/, float /*value*/) {}
    // The user grabs and lets go of a host parameter.
    virtual void beginEdit(int index);
    virtual void endEdit(int index);

    // Milliseconds of a monotonic clock.
    std::uint32_t getTicks() const;
    // Waits; on the user-interface thread the window keeps working meanwhile. On any other
    // thread it only sleeps.
    void wait(std::uint32_t milliseconds);

    CFrame* getFrame() const { return frame; }

protected:
    bool onUserInterfaceThread() const;
    // The zoom, with the host's window not involved (the editor is closed or being opened).
    void setZoom(int percent);

    CFrame* frame = nullptr;
    ERect rect{};

private:
    void updateRect();

    std::atomic<std::thread::id> uiThread{};
    int panelWidth = 0;
    int panelHeight = 0;
    int zoom = 100;
};
