// DPI stages, lighting, report rate, keyboard option and the mouse's current
// profile.
#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "device/familycommands.h"
#include "device/hidthread.h"
#include "encoding/dpi.h"
#include "encoding/lighting.h"

void myQQuickView::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    if (!hid)
        return;
    const dpi::Sensor sensor = dpi::sensorFromName(sensorType);
    commands()->setDpiTable(dpiCount, sensor, dpi::stageTable(sensor, slotvalues::intsOf(dpiValueArray)));
}

void myQQuickView::mouseSetCurrentDPI(uchar currentDPI)
{
    if (!hid)
        return;
    commands()->setCurrentDpi(currentDPI);
}

QVariant myQQuickView::mouseGetCurrentDPI()
{
    if (!hid)
        return 0;
    return commands()->currentDpi();
}

void myQQuickView::mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)
{
    if (!hid)
        return;
    commands()->setEffect(effect, option1, option2);
}

void myQQuickView::mouseSetRGBColor(uchar type, QVariantList src24)
{
    if (!hid)
        return;
    commands()->setColours(type, lighting::colourBuffer(slotvalues::intsOf(src24)));
}

void myQQuickView::mouseSetReportRate(uchar rate)
{
    if (!hid)
        return;
    commands()->setReportRate(rate);
}

void myQQuickView::mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (hid)
        hid->hid553_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

QVariantList myQQuickView::GetKeyboardoption()
{
    uchar bytes[4] = {0, 0, 0, 0};
    if (hid)
        hid->hid553_83H_GetKeyboardoption(bytes[0], bytes[1], bytes[2], bytes[3]);
    return {int(bytes[0]), int(bytes[1]), int(bytes[2]), int(bytes[3])};
}

QVariant myQQuickView::mouseReadCurrentProfile()
{
    uchar profile = 0;
    if (hid)
        hid->hid560_82H_GetCurrentProfile(profile);
    return int(profile);
}
