// Gun records and the three gun presets of the mouse.
#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "device/hidthread.h"
#include "storage/gundata.h"
#include "storage/gunpreset.h"
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
    // Slots 1 to 3 only: another number would address a profile image that
    // holds no gun preset, or none at all.
    if (!model.gun || !hid || !gunpreset::isSlot(gunSlot))
        return;
    const gunpreset::Values preset = presetOf(values);
    if (usesFamily560()) {
        profileimage::Block &block = hid->profileImages[gunpreset::blockOf(gunSlot)];
        gunpreset::patchBlock(block, preset);
        hid->hid560_0CH_setProfile(block.data(), static_cast<uchar>(gunpreset::blockOf(gunSlot)));
        return;
    }
    // Without a reply the option bytes stay 0 and Y goes out as it is.
    uchar option1 = 0, option2 = 0, option3 = 0, option4 = 0;
    hid->hid553_83H_GetKeyboardoption(option1, option2, option3, option4);
    const gunpreset::Command553 command = gunpreset::command553(preset, gunSlot, option3 != 0);
    hid->hid553_04H_SetGunData(command.repeat, command.x, command.y, command.slot);
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
