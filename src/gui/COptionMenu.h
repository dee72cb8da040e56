// A menu button: shows its current entry and pops up its entries (in columns) when clicked.
// Entry texts "-" are separators and "-T<title>" titles; neither can be chosen. An entry may
// hold a submenu, which the menu does not own.
#pragma once

#include "CParamDisplay.h"

#include <string>
#include <vector>

class COptionMenu : public CParamDisplay
{
public:
    COptionMenu(const CRect& size, CControlListener* listener, long tag, CBitmap* background = nullptr,
                CBitmap* backgroundWhenClick = nullptr, long style = 0);
    ~COptionMenu() override;

    // Inserts at index, or appends when index is out of range.
    bool addEntry(const char* text, long index = -1);
    bool addEntry(COptionMenu* submenu, const char* title);
    bool removeEntry(long index);
    bool removeAllEntry();
    long getNbEntries() const { return static_cast<long>(entries.size()); }
    // The entry's text as given (null for no such entry); getEntry copies it (256 bytes at most).
    const char* getEntryText(long index) const;
    bool getEntry(long index, char* text) const;
    COptionMenu* getSubMenu(long index) const;
    bool isSeparator(long index) const;
    bool isTitle(long index) const;
    // An entry the user can choose: neither separator, title nor submenu.
    bool isSelectable(long index) const;

    long getCurrent() const { return current.load(std::memory_order_relaxed); }
    // Makes the entry current (the value becomes its index); false for no such entry.
    bool setCurrent(long index);
    // The (sub)menu in which an entry was chosen last, and the entry; null before any choice.
    COptionMenu* getLastItemMenu(long& idxInMenu) const;
    // Makes an entry of this menu or of one of its submenus current and records it as the
    // last choice, without telling the listener.
    void selectEntry(COptionMenu* menu, long index);
    // As selectEntry, then tells the listener (the user chose it).
    void chooseEntry(COptionMenu* menu, long index);

    void setNbItemsPerColumn(long count) { itemsPerColumn = count; }
    long getNbItemsPerColumn() const { return itemsPerColumn; }
    // The text shown on the button: the current entry, or the current entry of its submenu.
    const char* getDisplayText() const;

    void draw(CDrawContext* context) override;
    bool onMouseDown(CPoint& where, long buttons) override;
    // Ends the popup session (called by it) and the edit begun by the click.
    void popupClosed();

private:
    struct Entry
    {
        std::string text;
        COptionMenu* submenu = nullptr;
    };
    const Entry* entry(long index) const;

    std::vector<Entry> entries;
    CBitmap* backgroundWhenClick;
    std::atomic<long> current{0};
    long itemsPerColumn = -1;
    COptionMenu* lastMenu = nullptr;
    long lastResult = -1;
    bool poppedUp = false;
};
