#include "MenuSession.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "COptionMenu.h"
#include "Zoom.h"

#include <algorithm>

namespace gui
{
namespace
{
constexpr long kMenuFont = kNormalFontSmall;
constexpr CCoord kRowHeight = 16;
constexpr CCoord kBorder = 1;
constexpr CCoord kCheckWidth = 14;
constexpr CCoord kArrowWidth = 12;
constexpr CCoord kTextPadding = 4;
constexpr CColor kMenuBack{42, 46, 51, 255};        // the panel's plates
constexpr CColor kMenuBorder{58, 63, 70, 255};      // their highlight
constexpr CColor kMenuText{215, 219, 224, 255};     // labels on dark
constexpr CColor kMenuDisabled{174, 180, 188, 255}; // engraved titles
constexpr CColor kHighlightBack{18, 128, 122, 255}; // the accent, deep enough for white text

std::vector<MenuSession*>& liveSessions()
{
    static std::vector<MenuSession*> sessions;
    return sessions;
}

const char* shownText(const COptionMenu& menu, long index)
{
    const char* text = menu.getEntryText(index);
    return menu.isTitle(index) ? text + 2 : text;
}

CCoord widestEntry(const COptionMenu& menu)
{
    Image scratch(1, 1);
    CDrawContext context(scratch);
    CCoord widest = 0;
    for (long i = 0; i < menu.getNbEntries(); ++i)
    {
        context.setFont(kMenuFont, 0, menu.isTitle(i) ? kBoldFace : kNormalFace);
        widest = std::max(widest, context.getStringWidth(shownText(menu, i)));
    }
    return widest;
}
} // namespace

CRect MenuLayout::area() const
{
    return CRect(0, 0, columnWidth * static_cast<CCoord>(columns) + 2 * kBorder,
                 rowHeight * static_cast<CCoord>(rows) + 2 * kBorder);
}

CRect MenuLayout::entryArea(long index) const
{
    if (rows <= 0 || index < 0 || index >= rows * columns)
        return CRect();
    const CCoord x = kBorder + static_cast<CCoord>(index / rows) * columnWidth;
    const CCoord y = kBorder + static_cast<CCoord>(index % rows) * rowHeight;
    return CRect(x, y, x + columnWidth, y + rowHeight);
}

CRect MenuLayout::entryRect(long index) const
{
    const CRect area = entryArea(index);
    if (area.isEmpty())
        return CRect();
    return CRect(toPixels(area.left, zoom), toPixels(area.top, zoom), toPixels(area.right, zoom),
                 toPixels(area.bottom, zoom))
        .offset(screenRect.left, screenRect.top);
}

long MenuLayout::entryAt(const CPoint& where) const
{
    if (rows <= 0 || columnWidth <= 0 || rowHeight <= 0)
        return -1;
    const CCoord dx = toUnits(where.x - screenRect.left, zoom) - kBorder;
    const CCoord dy = toUnits(where.y - screenRect.top, zoom) - kBorder;
    if (dx < 0 || dy < 0)
        return -1;
    const long column = dx / columnWidth;
    const long row = dy / rowHeight;
    if (column >= columns || row >= rows)
        return -1;
    return column * rows + row;
}

MenuLayout layoutMenu(long count, long perColumn, CCoord widestText, const CRect& screen, int zoom)
{
    const CCoord roomX = toUnits(screen.getWidth(), zoom) - 2 * kBorder;
    const CCoord roomY = toUnits(screen.getHeight(), zoom) - 2 * kBorder;
    MenuLayout layout;
    layout.zoom = zoom;
    layout.rowHeight = kRowHeight;
    layout.rows = std::max(1L, perColumn > 0 ? std::min(count, perColumn) : count);
    layout.rows = std::min(layout.rows, std::max(1L, static_cast<long>(roomY / kRowHeight))); // more columns
    layout.columns = std::max(1L, (count + layout.rows - 1) / layout.rows);
    layout.columnWidth = widestText + kCheckWidth + kArrowWidth + 2 * kTextPadding;
    if (layout.columnWidth * layout.columns > roomX)
        layout.columnWidth = std::max<CCoord>(1, roomX / static_cast<CCoord>(layout.columns));
    const CRect units = layout.area();
    layout.screenRect = CRect(0, 0, toPixels(units.right, zoom), toPixels(units.bottom, zoom));
    return layout;
}

CRect placeOnScreen(CCoord width, CCoord height, CPoint wanted, const CRect& screen)
{
    const CCoord x = std::max(screen.left, std::min(wanted.x, screen.right - width));
    const CCoord y = std::max(screen.top, std::min(wanted.y, screen.bottom - height));
    return CRect(x, y, x + width, y + height);
}

MenuSession::MenuSession(CFrame& frame, FrameWindow& window) : frame(frame), window(window)
{
    liveSessions().push_back(this);
}

MenuSession::~MenuSession()
{
    std::erase(liveSessions(), this);
    levels.clear();
    if (root)
        root->popupClosed();
}

void MenuSession::menuDeleted(COptionMenu* menu)
{
    const std::vector<MenuSession*> sessions = liveSessions();
    for (MenuSession* session : sessions)
        if (session->involves(menu))
        {
            if (session->root == menu)
                session->root = nullptr;
            session->frame.closeMenu();
        }
}

bool MenuSession::involves(const CView* view) const
{
    if (root && (root == view || root->isDescendantOf(view)))
        return true;
    return std::any_of(levels.begin(), levels.end(), [view](const Level& l) { return l.menu == view; });
}

COptionMenu* MenuSession::levelMenu(int level) const
{
    return level >= 0 && level < levelCount() ? levels[static_cast<size_t>(level)].menu : nullptr;
}

const MenuLayout* MenuSession::levelLayout(int level) const
{
    return level >= 0 && level < levelCount() ? &levels[static_cast<size_t>(level)].layout : nullptr;
}

long MenuSession::highlighted(int level) const
{
    return level >= 0 && level < levelCount() ? levels[static_cast<size_t>(level)].highlight : -1;
}

void MenuSession::open(COptionMenu* menu, const CRect& anchor)
{
    root = menu;
    pushLevel(menu, CPoint(anchor.left, anchor.bottom), anchor.top);
    setHighlight(0, menu->isSelectable(menu->getCurrent()) ? menu->getCurrent() : -1);
}

// wanted: the top left corner; when the popup does not fit there, it goes to the other side:
// above the anchor (alternative = the anchor's top) for the first level, left of the parent
// column (alternative = that column's left) for submenus.
void MenuSession::pushLevel(COptionMenu* menu, CPoint wanted, CCoord alternative)
{
    const CRect screen = window.screenBounds();
    Level level{menu,
                layoutMenu(menu->getNbEntries(), menu->getNbItemsPerColumn(), widestEntry(*menu), screen,
                           frame.getZoom()),
                -1, nullptr};
    const CCoord w = level.layout.screenRect.getWidth();
    const CCoord h = level.layout.screenRect.getHeight();
    if (levels.empty() && wanted.y + h > screen.bottom && alternative - h >= screen.top)
        wanted.y = alternative - h;
    else if (!levels.empty() && wanted.x + w > screen.right && alternative - w >= screen.left)
        wanted.x = alternative - w;
    level.layout.screenRect = placeOnScreen(w, h, wanted, screen);
    level.popup = window.createPopup(level.layout.screenRect, this);
    levels.push_back(std::move(level));
    drawLevel(levels.back());
}

void MenuSession::openSubmenu(int level, long index)
{
    COptionMenu* submenu = levelMenu(level)->getSubMenu(index);
    if (!submenu || submenu->getNbEntries() == 0 || levelCount() >= 8)
        return;
    const CRect entry = levels[static_cast<size_t>(level)].layout.entryRect(index);
    pushLevel(submenu, CPoint(entry.right, entry.top - toPixels(kBorder, frame.getZoom())), entry.left);
}

void MenuSession::closeLevelsAbove(int level)
{
    while (levelCount() > level + 1)
        levels.pop_back();
}

void MenuSession::drawLevel(const Level& level) const
{
    if (!level.popup)
        return;
    CDrawContext context(level.popup->image(), level.layout.zoom);
    const CRect& r = level.layout.screenRect;
    const CRect local = level.layout.area();
    context.setFillColor(kMenuBack);
    context.fillRect(local);
    context.setFrameColor(kMenuBorder);
    context.drawRect(local);
    const COptionMenu& menu = *level.menu;
    const bool checks = (levelMenu(0)->getStyle() & kCheckStyle) != 0;
    for (long i = 0; i < menu.getNbEntries(); ++i)
    {
        const CRect entry = level.layout.entryArea(i);
        if (menu.isSeparator(i))
        {
            context.setFrameColor(kMenuDisabled);
            const CCoord y = (entry.top + entry.bottom) / 2;
            context.drawLine(CPoint(entry.left + kTextPadding, y), CPoint(entry.right - kTextPadding, y));
            continue;
        }
        const bool lit = i == level.highlight;
        if (lit)
        {
            context.setFillColor(kHighlightBack);
            context.fillRect(entry);
        }
        context.setFont(kMenuFont, 0, menu.isTitle(i) ? kBoldFace : kNormalFace);
        context.setFontColor(lit ? kWhiteCColor : (menu.isTitle(i) ? kMenuDisabled : kMenuText));
        const CRect textArea(entry.left + kCheckWidth + kTextPadding, entry.top, entry.right - kArrowWidth,
                             entry.bottom);
        context.drawString(shownText(menu, i), textArea, kLeftText);
        if (checks && i == menu.getCurrent() && menu.isSelectable(i))
            context.drawString("\u2713",
                               CRect(entry.left, entry.top, entry.left + kCheckWidth, entry.bottom));
        if (menu.getSubMenu(i))
            context.drawString("\u25B8",
                               CRect(entry.right - kArrowWidth, entry.top, entry.right, entry.bottom));
    }
    context.flush();
    level.popup->present(CRect(0, 0, r.getWidth(), r.getHeight()));
}

void MenuSession::setHighlight(int level, long index)
{
    Level& l = levels[static_cast<size_t>(level)];
    if (l.highlight == index)
        return;
    l.highlight = index;
    drawLevel(l);
}

int MenuSession::levelAt(const CPoint& where) const
{
    for (int i = levelCount() - 1; i >= 0; --i)
        if (levels[static_cast<size_t>(i)].layout.screenRect.pointInside(where))
            return i;
    return -1;
}

void MenuSession::windowMouseMoved(CPoint where, long /*buttons*/)
{
    const int level = levelAt(where);
    if (level < 0)
        return;
    const long index = levels[static_cast<size_t>(level)].layout.entryAt(where);
    if (index == highlighted(level) && level + 1 < levelCount())
        return; // still on the entry whose submenu is open
    closeLevelsAbove(level);
    COptionMenu* menu = levelMenu(level);
    const bool usable = menu->isSelectable(index) || menu->getSubMenu(index);
    setHighlight(level, usable ? index : -1);
    if (menu->getSubMenu(index))
        openSubmenu(level, index);
}

void MenuSession::windowMouseDown(CPoint where, long buttons)
{
    if (levelAt(where) < 0)
    {
        dismiss();
        return;
    }
    windowMouseMoved(where, buttons);
}

void MenuSession::windowMouseUp(CPoint where, long /*buttons*/)
{
    const int level = levelAt(where);
    if (level < 0)
        return;
    const long index = levels[static_cast<size_t>(level)].layout.entryAt(where);
    if (levelMenu(level)->isSelectable(index))
        choose(level, index);
}

void MenuSession::moveHighlight(long direction)
{
    const int level = levelCount() - 1;
    const COptionMenu* menu = levelMenu(level);
    long index = highlighted(level);
    for (long tries = 0; tries < menu->getNbEntries(); ++tries)
    {
        index = index < 0 ? (direction > 0 ? 0 : menu->getNbEntries() - 1) : index + direction;
        if (index < 0 || index >= menu->getNbEntries())
            return;
        if (menu->isSelectable(index) || menu->getSubMenu(index))
        {
            setHighlight(level, index);
            return;
        }
    }
}

void MenuSession::chooseOrOpen(int level, long index)
{
    COptionMenu* menu = levelMenu(level);
    if (menu->getSubMenu(index))
    {
        closeLevelsAbove(level);
        openSubmenu(level, index);
        if (levelCount() > level + 1)
            moveHighlight(1);
    }
    else if (menu->isSelectable(index))
        choose(level, index);
}

bool MenuSession::onKeyDown(const VstKeyCode& key)
{
    const int level = levelCount() - 1;
    const long rows = levels.back().layout.rows;
    switch (key.virt)
    {
    case VKEY_UP:
        moveHighlight(-1);
        break;
    case VKEY_DOWN:
        moveHighlight(1);
        break;
    case VKEY_RIGHT:
        if (levelMenu(level)->getSubMenu(highlighted(level)))
            chooseOrOpen(level, highlighted(level));
        else
            moveHighlight(rows);
        break;
    case VKEY_LEFT:
        if (level > 0)
            closeLevelsAbove(level - 1);
        else
            moveHighlight(-rows);
        break;
    case VKEY_RETURN:
    case VKEY_ENTER:
    case VKEY_SPACE:
        chooseOrOpen(level, highlighted(level));
        break;
    case VKEY_ESCAPE:
        if (level > 0)
            closeLevelsAbove(level - 1);
        else
            dismiss();
        break;
    default:
        break;
    }
    return true;
}

bool MenuSession::onKeyUp(const VstKeyCode& /*key*/)
{
    return true;
}

void MenuSession::dismiss()
{
    frame.closeMenu();
}

void MenuSession::choose(int level, long index)
{
    COptionMenu* chosenIn = levelMenu(level);
    COptionMenu* owner = root;
    root = nullptr; // the edit ends after the listener has heard the choice
    frame.closeMenu();
    owner->chooseEntry(chosenIn, index);
    owner->popupClosed();
}
} // namespace gui
