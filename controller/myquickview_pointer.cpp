// The desktop's pointer settings; nothing here goes to the mouse.
#include "controller/myquickview.h"

#include "controller/pointer/desktopsettings.h"
#include "controller/pointer/pointervalues.h"
#include "controller/pointer/xpointercontrol.h"

#include <QDebug>

void myQQuickView::mouseSetCursorSpeed(uint cursorSpeed)
{
    if (!xpointercontrol::setSpeed(pointervalues::cursorSpeed(cursorSpeed)))
        qDebug() << "setCursorSpeed Failed";
}

void myQQuickView::mouseSetVerticalScrollLines(uint lines)
{
    if (!desktopsettings::setWheelScrollLines(pointervalues::wheelScrollLines(lines)))
        qDebug() << "setVerticalScrollLines Failed";
}

void myQQuickView::mouseSetDoubleClickSpeed(uint speed)
{
    if (!desktopsettings::setDoubleClickTime(pointervalues::doubleClickTimeMs(speed)))
        qDebug() << "setDoubleClickSpeed Failed";
}
