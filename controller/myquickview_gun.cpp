// Gun records and the three gun presets of the mouse.
#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "device/familycommands.h"
#include "device/hidthread.h"
#include "encoding/gunpreset.h"
#include "storage/gundata.h"
#include "storage/paths.h"

namespace {

// The page passes repeat count, X and Y; a missing value counts as 0.
gunpreset::Values presetOf(const QVariantList &values)
{
    auto at = [&](qsizetype i) {
        return i < values.size() ? slotvalues::plain(values.at(i)).toInt() : 0;
    };
    return {at(0), at(1), at(2)};
}

} // namespace

void myQQuickView::mouseSaveGundata(QVariant index, QVariantList src6)
{
    gundata::saveRecord(paths::gunData(), slotvalues::plain(index), src6);
}

void myQQuickView::mouseSendGundata(int gunSlot, QVariantList values)
{
    if (hid)
        commands()->setGunPreset(gunSlot, presetOf(values));
}

void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    gundata::modify(paths::gunData(), slotvalues::plain(modifyType), src6);
}

QVariantList myQQuickView::getGunData(QVariant name)
{
    return gundata::record(paths::gunData(), slotvalues::plain(name));
}

QStringList myQQuickView::getGunDataKey()
{
    return gundata::names(paths::gunData());
}
