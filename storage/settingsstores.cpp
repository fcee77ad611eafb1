#include "storage/settingsstores.h"

#include "storage/filereplace.h"
#include "storage/paths.h"

#include <QSettings>

namespace {

QSettings *openStore(const QString &path, QObject *parent)
{
    return new QSettings(path, QSettings::IniFormat, parent);
}

} // namespace

SettingsStores::SettingsStores(QObject *parent)
    : QObject(parent)
{
    m_global = openStore(paths::globalSettings(), this);
    m_defaults = openStore(paths::defaultProfile(), this);
    for (int slot = 0; slot < paths::kProfileSlots; ++slot)
        m_profiles[slot] = openStore(paths::profileSlot(slot), this);
}

SettingsStores::~SettingsStores() = default;

QSettings *SettingsStores::profile(int slot) const
{
    if (slot < 0 || slot >= paths::kProfileSlots)
        return nullptr;
    return m_profiles[slot];
}

bool SettingsStores::replaceProfile(int slot, const QString &source)
{
    if (slot < 0 || slot >= paths::kProfileSlots)
        return false;
    return replaceStore(m_profiles[slot], source);
}

bool SettingsStores::replaceGlobal(const QString &source)
{
    return replaceStore(m_global, source);
}

bool SettingsStores::replaceStore(QSettings *&store, const QString &source)
{
    const QString target = store->fileName();
    // Write what the old store still holds before its file goes, so that its
    // deferred destruction has nothing left to write over the new content.
    store->sync();
    if (!filereplace::copyOver(source, target))
        return false;
    store->deleteLater();
    store = openStore(target, this);
    return true;
}
