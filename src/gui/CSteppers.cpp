#include "CSteppers.h"

#include "COptionMenu.h"
#include "CTextEdit.h"

#include <algorithm>

CStepperKickButton::CStepperKickButton(const CRect& size, CControlListener* listener, long tag,
                                       CCoord heightOfOneImage, CBitmap* background, const CPoint& offset,
                                       int step)
    : CControl(size, listener, tag, background), step(step), heightOfOneImage(heightOfOneImage)
{
    setBackOffset(offset);
}

void CStepperKickButton::draw(CDrawContext* context)
{
    drawBackgroundFrame(context, getValue() != 0.0f ? 1 : 0, heightOfOneImage);
}

bool CStepperKickButton::onMouseDown(CPoint& /*where*/, long buttons)
{
    if (!(buttons & kLButton))
        return false;
    beginEdit();
    setValue(getValue() == 0.0f ? 1.0f : 0.0f);
    if (listener)
        if (CControl* target = stepTarget())
            listener->valueChanged(listenerContext(), target);
    return true;
}

bool CStepperKickButton::onMouseUp(CPoint& /*where*/, long /*buttons*/)
{
    setValue(0.0f);
    endEdit();
    return true;
}

CNumEditKickButton::CNumEditKickButton(const CRect& size, CControlListener* listener, long tag,
                                       CCoord heightOfOneImage, CBitmap* background, const CPoint& offset,
                                       CTextEdit* edit, int step)
    : CStepperKickButton(size, listener, tag, heightOfOneImage, background, offset, step), edit(edit)
{
}

CControl* CNumEditKickButton::stepTarget()
{
    if (edit)
        edit->setNumericalValue(edit->getNumericalValue() + step);
    return edit;
}

CMenuSelectorKickButton::CMenuSelectorKickButton(const CRect& size, CControlListener* listener, long tag,
                                                 CCoord heightOfOneImage, CBitmap* background,
                                                 const CPoint& offset, COptionMenu* menu, int step)
    : CStepperKickButton(size, listener, tag, heightOfOneImage, background, offset, step), menu(menu)
{
}

CControl* CMenuSelectorKickButton::stepTarget()
{
    if (!menu)
        return nullptr;
    long index = 0;
    COptionMenu* target = menu->getLastItemMenu(index);
    if (!target)
        target = menu;
    const long current = target->getCurrent();
    const long next = std::clamp(current + step, 0L, std::max(target->getNbEntries() - 1, 0L));
    if (next != current)
        menu->selectEntry(target, next);
    return menu;
}
