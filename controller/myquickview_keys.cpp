// Key assignment: the user's key matrix, the gun timing matrices and the
// device macro slots.
#include "controller/myquickview.h"

#include "controller/encoding/deviceplan.h"
#include "controller/encoding/keymatrix.h"
#include "controller/encoding/macro.h"
#include "controller/encoding/profileimage.h"
#include "controller/slotvalues.h"
#include "device/hidthread.h"

using encoding::Family;
using keymatrix::Matrix;

namespace {

const QString kKeyMatrixPrefix = QStringLiteral("mouseKeyMatrix/");
const QString kFactoryKeyMatrixPrefix = QStringLiteral("mouseFwKeyMatrix/");

void sendKeyMatrix(Hid_Thread &hid, Family family, Matrix matrix, uint8_t number)
{
    if (family == Family::F560)
        hid.hid560_0DH_SetKeyMatrix(matrix.data(), number);
    else
        hid.hid553_12H_SetKeyMatrix(matrix.data(), number);
}

Matrix factoryMatrix(myQQuickView &view)
{
    return keymatrix::fromDeviceValues(slotvalues::storedEntries(view, kFactoryKeyMatrixPrefix));
}

} // namespace

void myQQuickView::mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)
{
    const std::vector<int> values = slotvalues::intsOf(src64);
    for (int key = 0; key < keymatrix::kKeys; ++key) {
        QVariantList entry;
        for (int i = 0; i < keymatrix::kEntrySize; ++i)
            entry.append(encoding::valueAt(values, key * keymatrix::kEntrySize + i));
        setDataList(kKeyMatrixPrefix + QString::number(key), entry);
    }
    if (!isSendData || !hid)
        return;

    const Family family = slotvalues::familyOf(*this);
    const Matrix user = keymatrix::fromUiValues(values, family);
    const bool gunFunctions = keymatrix::hasGunFunction(user);
    keymatrix::GunMatrices gun{user, {}, std::nullopt};
    if (gunFunctions)
        gun = keymatrix::gunMatrices(user, factoryMatrix(*this), slotvalues::intsOf(otherParam), family);
    for (const deviceplan::KeySend &send : deviceplan::keyMatrixSends(family, gunFunctions)) {
        switch (send.kind) {
        case deviceplan::KeySend::ProfileBlock0:
            if (gun.gunLevel)
                profileimage::patchGunLevel(hid->profileImages[profileimage::kSharedBlock], *gun.gunLevel);
            hid->hid560_0CH_setProfile(hid->profileImages[profileimage::kSharedBlock].data(), profileimage::kSharedBlock);
            break;
        case deviceplan::KeySend::Matrix:
            sendKeyMatrix(*hid, family, send.number == 1 ? gun.user : gun.timing[send.number - 2],
                          send.number);
            break;
        case deviceplan::KeySend::CurrentMatrix:
            if (family == Family::F560)
                hid->hid560_02H_SetCurrentProfile(send.number);
            else
                hid->hid553_02H_SetCurrentKeyMatrix(send.number);
            break;
        }
    }
}

QVariantList myQQuickView::mouseGetKeydefine(QVariant index, bool isRecovery)
{
    return getDataList(kKeyMatrixPrefix + index.toString(), isRecovery);
}

void myQQuickView::mouseResetKeyMatrix()
{
    if (!hid)
        return;
    const Family family = slotvalues::familyOf(*this);
    const Matrix factory = factoryMatrix(*this);
    for (int m = 0; m < keymatrix::kTimingMatrices; ++m)
        sendKeyMatrix(*hid, family, factory, uint8_t(m + 2));
}

void myQQuickView::mouseSwitchKeyMatrix(int indexNo)
{
    if (!hid)
        return;
    if (usesFamily560())
        hid->hid560_02H_SetCurrentProfile(encoding::low8(indexNo));
    else
        hid->hid553_02H_SetCurrentKeyMatrix(encoding::low8(indexNo - 1));
}

QVariant myQQuickView::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    const std::optional<uint8_t> slot = macro::wireSlot(macroIndex.toUInt());
    if (!slot || !hid)
        return true;
    macro::Record record = macro::record(slotvalues::intsOf(macroData));
    if (usesFamily560())
        hid->hid560_0FH_SetMacroKey(*slot, record.data());
    else
        hid->hid553_13H_SetMacroKey(*slot, record.data());
    return true;
}
