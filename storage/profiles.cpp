#include "storage/profiles.h"

#include "storage/filereplace.h"
#include "storage/paths.h"
#include "storage/settingsstores.h"
#include "storage/settingsvalues.h"
#include "storage/storagelog.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace profiles {

namespace {

constexpr int kDefaultSensitivity = 4;

QString keyOf(const char *group, const QVariant &index)
{
    return QLatin1String(group) + QLatin1Char('/') + index.toString();
}

bool replaced(SettingsStores &stores, int slot, const QString &source)
{
    if (!isSlot(slot))
        return false;
    if (!stores.replaceProfile(slot, source)) {
        qCWarning(lcStorage) << "profile slot" << slot << "kept: cannot copy" << source;
        return false;
    }
    return true;
}

} // namespace

bool isSlot(int slot)
{
    return paths::isProfileSlot(slot);
}

bool importFrom(SettingsStores &stores, int slot, const QString &source)
{
    return replaced(stores, slot, source);
}

bool resetToFactory(SettingsStores &stores, int slot)
{
    return replaced(stores, slot, paths::defaultProfile());
}

bool copySlot(SettingsStores &stores, int destSlot, int srcSlot)
{
    if (!isSlot(destSlot) || !isSlot(srcSlot) || destSlot == srcSlot)
        return false;
    // The copy comes from the file, so what the source store still holds in
    // memory goes to disk first.
    stores.profile(srcSlot)->sync();
    return replaced(stores, destSlot, paths::profileSlot(srcSlot));
}

bool exportTo(SettingsStores &stores, int slot, const QString &target)
{
    if (!isSlot(slot) || target.isEmpty())
        return false;
    stores.profile(slot)->sync();
    if (filereplace::copyOver(paths::profileSlot(slot), target))
        return true;
    qCWarning(lcStorage) << "profile slot" << slot << "not exported to" << target;
    return false;
}

QVariant xySensitive(const QSettings *store, const QVariant &index)
{
    if (!store)
        return kDefaultSensitivity;
    return store->value(keyOf("XYSensitive", index), kDefaultSensitivity);
}

void setXYSensitive(QSettings *store, const QVariant &index, const QVariant &value)
{
    if (store)
        store->setValue(keyOf("XYSensitive", index), settingsvalues::toStorable(value));
}

QVariant selectGun(const QSettings *store, const QVariant &index)
{
    if (!store)
        return QString();
    return store->value(keyOf("selectGun", index), QString());
}

void setSelectGun(QSettings *store, const QVariant &index, const QVariant &value)
{
    if (store)
        store->setValue(keyOf("selectGun", index), settingsvalues::toStorable(value));
}

} // namespace profiles
