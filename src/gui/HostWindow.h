// The top-level window of a program that hosts a plug-in's editor (tools/standalone), as a
// music host has one: the editor opens in it as a child window. Back end: X11 (x11/).
#pragma once

#include "vst/AEffEditor.h"

#include <memory>
#include <vector>

namespace gui
{
class HostWindow
{
public:
    virtual ~HostWindow() = default;
    // The window as effEditOpen takes it (an X11 Window).
    virtual void* handle() const = 0;
    // Maps the window on the screen.
    virtual void show() = 0;
    // Handles what arrived for the window; false once the user has closed it (the window
    // manager's close button) or it has been destroyed.
    virtual bool processEvents() = 0;
    // Gives the window another fixed size, as the editor asks (audioMasterSizeWindow).
    virtual void resize(int width, int height) = 0;
    // The keys pressed in the window since the last call (over the editor too, which leaves
    // them to its host), as a host hands them to the editor.
    virtual std::vector<VstKeyCode> takeKeys() = 0;
};

// A top-level window of a fixed size on a connection of its own; null when there is no X
// server to show it on.
std::unique_ptr<HostWindow> createHostWindow(const char* title, int width, int height);
} // namespace gui
