// Key assignment: the user's key matrix, the gun timing matrices and the
// device macro slots.
#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "device/familycommands.h"
#include "device/hidthread.h"
#include "encoding/keymatrix.h"
#include "encoding/macro.h"

using encoding::Family;
using keymatrix::Matrix;

namespace {

const QString kKeyMatrixPrefix = QStringLiteral("mouseKeyMatrix/");
const QString kFactoryKeyMatrixPrefix = QStringLiteral("mouseFwKeyMatrix/");

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
    commands()->setKeyMatrices(gun, gunFunctions);
}

QVariantList myQQuickView::mouseGetKeydefine(QVariant index, bool isRecovery)
{
    return getDataList(kKeyMatrixPrefix + index.toString(), isRecovery);
}

void myQQuickView::mouseResetKeyMatrix()
{
    if (!hid)
        return;
    Matrix factory = factoryMatrix(*this);
    const std::unique_ptr<FamilyCommands> family = commands();
    for (int m = 0; m < keymatrix::kTimingMatrices; ++m)
        family->setKeyMatrix(factory.data(), uint8_t(m + 2));
}

void myQQuickView::mouseSwitchKeyMatrix(int indexNo)
{
    if (!hid)
        return;
    commands()->switchKeyMatrix(indexNo);
}

QVariant myQQuickView::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    const std::optional<uint8_t> slot = macro::wireSlot(macroIndex.toUInt());
    if (!slot || !hid)
        return true;
    macro::Record record = macro::record(slotvalues::intsOf(macroData));
    commands()->setMacro(*slot, record.data());
    return true;
}
