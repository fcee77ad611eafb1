// DPI stages, lighting, report rate, keyboard option and the mouse's current
// profile.
#include "controller/myquickview.h"

#include "controller/encoding/deviceplan.h"
#include "controller/encoding/dpi.h"
#include "controller/encoding/lighting.h"
#include "controller/encoding/profileimage.h"
#include "controller/slotvalues.h"
#include "device/familycommands.h"
#include "device/hidthread.h"

#include <optional>

namespace {

// Profile 1, and with the gun profiles also 2 to 4, in that order.
void sendUserProfiles(myQQuickView &view)
{
    const int last = view.model.lastUserProfile();
    for (int block = profileimage::kFirstUserBlock; block <= last; ++block)
        view.hid->hid560_0CH_setProfile(view.hid->profileImages[block].data(), uint8_t(block));
}

template <typename Patch> void patchUserBlocks(myQQuickView &view, Patch patch)
{
    for (int block = profileimage::kFirstUserBlock; block <= devicemodel::kGunProfiles; ++block)
        patch(view.hid->profileImages[block]);
}

} // namespace

void myQQuickView::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    if (!hid)
        return;
    const dpi::Sensor sensor = dpi::sensorFromName(sensorType);
    const dpi::StageTable table = dpi::stageTable(sensor, slotvalues::intsOf(dpiValueArray));
    if (usesFamily560()) {
        const uint8_t mask = dpi::enableMask(dpiCount);
        const std::optional<uint8_t> highBits = deviceplan::imageHighBits(sensor, table);
        patchUserBlocks(
            *this, [&](profileimage::Block &block) { profileimage::patchDpi(block, table.codes, mask, highBits); });
        sendUserProfiles(*this);
        return;
    }
    dpi::StageCodes codes = dpi::codes553(table, dpiCount);
    hid->hid553_11H_SetDPISet(encoding::low8(dpiCount), codes.data());
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
    const deviceplan::EffectPlan plan = deviceplan::effectPlan(model, effect, option1, option2);
    if (plan.lastBlock == 0) {
        hid->hid553_0DH_SetRGBLedEffect(plan.triple.mode, plan.triple.value, plan.triple.option);
        return;
    }
    patchUserBlocks(*this, [&](profileimage::Block &b) { profileimage::patchEffect(b, plan.triple); });
    if (plan.block1Option)
        hid->profileImages[profileimage::kFirstUserBlock][profileimage::kEffectOption] = *plan.block1Option;
    for (int block = profileimage::kFirstUserBlock; block <= plan.lastBlock; ++block)
        hid->hid560_0CH_setProfile(hid->profileImages[block].data(), uint8_t(block));
}

void myQQuickView::mouseSetRGBColor(uchar type, QVariantList src24)
{
    if (!hid)
        return;
    lighting::ColourBuffer colours = lighting::colourBuffer(slotvalues::intsOf(src24));
    for (const deviceplan::ColourSend &send : deviceplan::colourSends(model, type, colours)) {
        switch (send.kind) {
        case deviceplan::ColourSend::StageColours:
            hid->hid553_10H_SetLED8StageColor(send.type, colours.data());
            break;
        case deviceplan::ColourSend::FixColour:
            hid->hid553_0CH_SetFixLEDColor(colours.data());
            break;
        case deviceplan::ColourSend::ColourfulBlock0:
            profileimage::patchColourfulColours(hid->profileImages[profileimage::kSharedBlock], colours);
            hid->hid560_0CH_setProfile(hid->profileImages[profileimage::kSharedBlock].data(),
                                       profileimage::kSharedBlock);
            break;
        case deviceplan::ColourSend::PlainBlock1: {
            profileimage::Block &block1 = hid->profileImages[profileimage::kFirstUserBlock];
            profileimage::patchPlainColours(block1, colours);
            hid->hid560_0CH_setProfile(block1.data(), profileimage::kFirstUserBlock);
            break;
        }
        }
    }
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
