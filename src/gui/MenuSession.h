// A popped-up menu and its open submenus, one popup window per level, fitted on the screen.
// It answers the mouse (screen coordinates) and the keyboard until an entry is chosen or it is
// dismissed; the frame owns it and routes its input here while it is up.
#pragma once

#include "Backend.h"

#include <memory>
#include <vector>

class CFrame;
class COptionMenu;
class CView;

namespace gui
{
// Where the entries of one level stand: columns of rows, left to right. Sizes are panel units,
// shown at the panel's zoom; the popup window and the points are screen pixels.
struct MenuLayout
{
    long rows = 0;
    long columns = 0;
    CCoord columnWidth = 0;
    CCoord rowHeight = 0;
    int zoom = 100;
    CRect screenRect; // the popup window, border included

    // The popup's rectangle in units, border included, from its top left corner.
    CRect area() const;
    // The entry's rectangle in units from the popup's top left corner.
    CRect entryArea(long index) const;
    // The entry's rectangle in screen coordinates.
    CRect entryRect(long index) const;
    // The entry under a point, or -1.
    long entryAt(const CPoint& where) const;
};

// Columns and rows for count entries (perColumn < 1: one column), with as many more columns
// and as narrow ones as the screen needs; widestText in units.
MenuLayout layoutMenu(long count, long perColumn, CCoord widestText, const CRect& screen, int zoom = 100);
// Places a popup of layout's size at a wanted top left corner, moved so it stays on the screen.
CRect placeOnScreen(CCoord width, CCoord height, CPoint wanted, const CRect& screen);

class MenuSession : public WindowEventSink
{
public:
    MenuSession(CFrame& frame, FrameWindow& window);
    ~MenuSession() override;
    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    // Pops up root below anchor (screen coordinates), its current entry highlighted.
    void open(COptionMenu* root, const CRect& anchor);
    bool involves(const CView* view) const;
    // Closes every session that shows the menu (it is being deleted).
    static void menuDeleted(COptionMenu* menu);

    int levelCount() const { return static_cast<int>(levels.size()); }
    COptionMenu* levelMenu(int level) const;
    const MenuLayout* levelLayout(int level) const;
    long highlighted(int level) const;

    void windowMouseDown(CPoint where, long buttons) override;
    void windowMouseUp(CPoint where, long buttons) override;
    void windowMouseMoved(CPoint where, long buttons) override;
    bool onKeyDown(const VstKeyCode& key) override;
    bool onKeyUp(const VstKeyCode& key) override;

private:
    struct Level
    {
        COptionMenu* menu;
        MenuLayout layout;
        long highlight = -1;
        std::unique_ptr<Surface> popup;
    };

    void pushLevel(COptionMenu* menu, CPoint wanted, CCoord alternativeRight);
    void openSubmenu(int level, long index);
    void closeLevelsAbove(int level);
    void setHighlight(int level, long index);
    void drawLevel(const Level& level) const;
    // The deepest level whose popup holds the point, or -1.
    int levelAt(const CPoint& where) const;
    void moveHighlight(long direction);
    void chooseOrOpen(int level, long index);
    // Closes the session; after this call the object is gone.
    void dismiss();
    void choose(int level, long index);

    CFrame& frame;
    FrameWindow& window;
    std::vector<Level> levels;
    COptionMenu* root = nullptr;
};
} // namespace gui
