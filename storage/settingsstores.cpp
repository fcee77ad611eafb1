#include "storage/settingsstores.h"

#include "storage/filereplace.h"
#include "storage/paths.h"
#include "storage/regularfile.h"
#include "storage/storagefaults.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

QSettings *openStore(const QString &path, QObject *parent)
{
    return new QSettings(regularfile::forSettings(path), QSettings::IniFormat, parent);
}

// Qt's settings cache takes a file of unchanged size and time stamp for
// unchanged. A copy finished within the millisecond of the old file's last
// write would then show the old content to the new store (and its next
// write would put it back), so the copy is stamped later than the old file.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
};

FileStamp stampOf(const QString &path)
{
    const QFileInfo info(path);
    return {info.exists(), info.size(), info.lastModified()};
}

void stampLaterThan(const QString &path, const FileStamp &before)
{
    const FileStamp after = stampOf(path);
    if (!before.exists || after.size != before.size || after.modified > before.modified)
        return;
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(before.modified.addMSecs(1), QFileDevice::FileModificationTime);
}

} // namespace

SettingsStores::SettingsStores(QObject *parent) : QObject(parent)
{
    m_global = openStore(paths::globalSettings(), this);
    m_defaults = openStore(paths::defaultProfile(), this);
    for (int slot = 0; slot < paths::kProfileSlots; ++slot)
        m_profiles[slot] = openStore(paths::profileSlot(slot), this);
}

SettingsStores::~SettingsStores() = default;

QSettings *SettingsStores::profile(int slot) const
{
    if (!paths::isProfileSlot(slot))
        return nullptr;
    return m_profiles[slot];
}

bool SettingsStores::replaceProfile(int slot, const QString &source)
{
    if (!paths::isProfileSlot(slot))
        return false;
    return replaceStore(m_profiles[slot], source);
}

bool SettingsStores::replaceGlobal(const QString &source)
{
    return replaceStore(m_global, source);
}

bool SettingsStores::flush()
{
    return flushAll(true);
}

void SettingsStores::flushSoon()
{
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    QMetaObject::invokeMethod(this, [this] { flushAll(false); }, Qt::QueuedConnection);
}

bool SettingsStores::flushAll(bool asked)
{
    m_flushQueued = false;
    bool stored = flushStore(m_global, asked);
    for (QSettings *&store : m_profiles)
        stored = flushStore(store, asked) && stored;
    return stored;
}

bool SettingsStores::flushStore(QSettings *&store, bool asked)
{
    // A store keeps its first error for good. A fresh one on the same file
    // shares what is still unwritten and tries it again; the old one has
    // nothing left to write when it goes.
    if (store->status() != QSettings::NoError) {
        QSettings *fresh = new QSettings(store->fileName(), QSettings::IniFormat, this);
        store->deleteLater();
        store = fresh;
    }
    store->sync();
    const QString file = regularfile::settingsFile(store->fileName());
    if (store->status() == QSettings::NoError) {
        m_failing.remove(file);
        return true;
    }
    // Told every time a save asks, and once for the flushes in between.
    if (asked || !m_failing.contains(file))
        storagefaults::report(storagefaults::Kind::NotSaved, file);
    m_failing.insert(file);
    return false;
}

bool SettingsStores::replaceStore(QSettings *&store, const QString &source)
{
    const QString target = store->fileName();
    // Write what the old store still holds before its file goes, so that its
    // deferred destruction has nothing left to write over the new content.
    if (!flushStore(store, true))
        return false;
    const FileStamp before = stampOf(target);
    if (!filereplace::copyOver(source, target))
        return false;
    stampLaterThan(target, before);
    store->deleteLater();
    store = openStore(target, this);
    return true;
}
