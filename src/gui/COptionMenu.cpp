#include "COptionMenu.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "MenuSession.h"

#include <cstring>

namespace
{
constexpr CCoord kMenuTextInset = 3;
constexpr int kMostSubmenuDepth = 8;
} // namespace

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, long tag, CBitmap* background,
                         CBitmap* backgroundWhenClick, long style)
    : CParamDisplay(size, background, style), backgroundWhenClick(backgroundWhenClick)
{
    setListener(listener);
    setTag(tag);
    if (backgroundWhenClick)
        backgroundWhenClick->remember();
}

COptionMenu::~COptionMenu()
{
    gui::MenuSession::menuDeleted(this);
    if (backgroundWhenClick)
        backgroundWhenClick->forget();
}

const COptionMenu::Entry* COptionMenu::entry(long index) const
{
    return index >= 0 && index < getNbEntries() ? &entries[static_cast<size_t>(index)] : nullptr;
}

bool COptionMenu::addEntry(const char* text, long index)
{
    if (!text)
        return false;
    Entry added{text, nullptr};
    if (index >= 0 && index < getNbEntries())
        entries.insert(entries.begin() + index, std::move(added));
    else
        entries.push_back(std::move(added));
    setDirty();
    return true;
}

bool COptionMenu::addEntry(COptionMenu* submenu, const char* title)
{
    if (!submenu || submenu == this || !title)
        return false;
    entries.push_back({title, submenu});
    setDirty();
    return true;
}

bool COptionMenu::removeEntry(long index)
{
    if (!entry(index))
        return false;
    entries.erase(entries.begin() + index);
    setDirty();
    return true;
}

bool COptionMenu::removeAllEntry()
{
    entries.clear();
    lastMenu = nullptr;
    lastResult = -1;
    setDirty();
    return true;
}

const char* COptionMenu::getEntryText(long index) const
{
    const Entry* e = entry(index);
    return e ? e->text.c_str() : nullptr;
}

bool COptionMenu::getEntry(long index, char* text) const
{
    const char* found = getEntryText(index);
    if (!found || !text)
        return false;
    std::strncpy(text, found, 255);
    text[255] = 0;
    return true;
}

COptionMenu* COptionMenu::getSubMenu(long index) const
{
    const Entry* e = entry(index);
    return e ? e->submenu : nullptr;
}

bool COptionMenu::isSeparator(long index) const
{
    const Entry* e = entry(index);
    return e && !e->submenu && e->text == "-";
}

bool COptionMenu::isTitle(long index) const
{
    const Entry* e = entry(index);
    return e && !e->submenu && e->text.starts_with("-T");
}

bool COptionMenu::isSelectable(long index) const
{
    return entry(index) && !getSubMenu(index) && !isSeparator(index) && !isTitle(index);
}

bool COptionMenu::setCurrent(long index)
{
    if (!entry(index))
        return false;
    current = index;
    setValue(static_cast<float>(index));
    setDirty();
    return true;
}

COptionMenu* COptionMenu::getLastItemMenu(long& idxInMenu) const
{
    idxInMenu = lastMenu ? lastResult : -1;
    return lastMenu;
}

void COptionMenu::selectEntry(COptionMenu* menu, long index)
{
    if (!menu || !menu->setCurrent(index))
        return;
    lastMenu = menu;
    lastResult = index;
    for (long i = 0; i < getNbEntries() && menu != this; ++i)
        if (entries[static_cast<size_t>(i)].submenu == menu)
            setCurrent(i);
    setDirty();
}

void COptionMenu::chooseEntry(COptionMenu* menu, long index)
{
    selectEntry(menu, index);
    notifyValueChanged();
}

const char* COptionMenu::getDisplayText() const
{
    const COptionMenu* menu = this;
    for (int depth = 0; depth < kMostSubmenuDepth; ++depth)
    {
        const long shown = menu->getCurrent();
        const Entry* e = menu->entry(shown);
        if (!e)
            return "";
        if (!e->submenu)
            return menu->isSelectable(shown) ? e->text.c_str() : "";
        menu = e->submenu;
    }
    return "";
}

void COptionMenu::draw(CDrawContext* context)
{
    if (poppedUp && backgroundWhenClick)
        backgroundWhenClick->draw(context, size);
    else
        drawBackgroundAndFrame(context);
    applyTextSettings(context);
    const CRect inner(size.left + kMenuTextInset, size.top, size.right - kMenuTextInset, size.bottom);
    context->drawString(getDisplayText(), inner, static_cast<CHoriTxtAlign>(horiAlign));
}

bool COptionMenu::onMouseDown(CPoint& /*where*/, long buttons)
{
    if (!(buttons & kLButton) || modifierClickTaken(buttons))
        return false;
    CFrame* frame = getFrame();
    if (!frame || entries.empty())
        return false;
    beginEdit();
    poppedUp = true;
    setDirty();
    frame->openMenu(this);
    return false;
}

void COptionMenu::popupClosed()
{
    poppedUp = false;
    setDirty();
    endEdit();
}
