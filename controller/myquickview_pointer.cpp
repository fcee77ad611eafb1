// The desktop's pointer settings; nothing here goes to the mouse.
#include "controller/myquickview.h"

#include "controller/controllerlog.h"
#include "controller/pointer/desktopsettings.h"
#include "controller/pointer/pointervalues.h"
#include "controller/pointer/xpointercontrol.h"

namespace {
constexpr int kSpeed = 1;
constexpr int kDoubleClick = 2;
constexpr int kWheelLines = 3;
} // namespace

void myQQuickView::mouseSetCursorSpeed(uint cursorSpeed)
{
    m_pointerTaken[kSpeed - 1] = xpointercontrol::setSpeed(pointervalues::cursorSpeed(cursorSpeed));
    if (!m_pointerTaken[kSpeed - 1])
        qCDebug(lcControllerLines) << "setCursorSpeed Failed";
}

void myQQuickView::mouseSetVerticalScrollLines(uint lines)
{
    m_pointerTaken[kWheelLines - 1] = desktopsettings::setWheelScrollLines(pointervalues::wheelScrollLines(lines));
    if (!m_pointerTaken[kWheelLines - 1])
        qCDebug(lcControllerLines) << "setVerticalScrollLines Failed";
}

void myQQuickView::mouseSetDoubleClickSpeed(uint speed)
{
    m_pointerTaken[kDoubleClick - 1] = desktopsettings::setDoubleClickTime(pointervalues::doubleClickTimeMs(speed));
    if (!m_pointerTaken[kDoubleClick - 1])
        qCDebug(lcControllerLines) << "setDoubleClickSpeed Failed";
}

bool myQQuickView::pointerSettingTaken(int setting) const
{
    if (setting < kSpeed || setting > kWheelLines)
        return false;
    return m_pointerTaken[setting - 1];
}
