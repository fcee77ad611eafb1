#include "storage/macrolibrary.h"

#include "storage/filereplace.h"
#include "storage/paths.h"
#include "storage/regularfile.h"
#include "storage/safename.h"
#include "storage/settingsstores.h"
#include "storage/settingsvalues.h"
#include "storage/storagefaults.h"
#include "storage/storagelog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>

#include <algorithm>

namespace macrolibrary {

namespace {

constexpr int kMacroKeyType = 4;   // first value of a key entry that plays a macro
constexpr int kMacroSlotValue = 2; // its third value: the device macro slot
constexpr int kKeys = 16;

const QString kKeyMatrixPrefix = QStringLiteral("mouseKeyMatrix/");
const QString kMacroKeyGroup = QStringLiteral("mouseMacroKey");

bool macroExists(const QString &name)
{
    return safename::isSafe(name) && QFileInfo(paths::macroFile(name)).isFile();
}

// A macro file that may be opened: no link and not too large, else reported.
bool macroUsable(const QString &name)
{
    return macroExists(name) && regularfile::forSettings(paths::macroFile(name)) == paths::macroFile(name);
}

// Qt's settings writer would make missing folders; the program makes none.
bool folderExists(const QString &file)
{
    return QFileInfo(file).dir().exists();
}

using Content = QMap<QString, QVariant>;

Content contentOf(const QSettings &settings)
{
    Content content;
    for (const QString &key : settings.allKeys())
        content.insert(key, settings.value(key));
    return content;
}

// Qt keeps what could not be written in its cache of the file and hands it
// to every later reader in this run, as if it had been saved; so a failed
// write puts back what the file held before.
bool writtenOrUndone(QSettings &settings, const Content &before)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    storagefaults::report(storagefaults::Kind::NotSaved, regularfile::settingsFile(settings.fileName()));
    settings.clear();
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        settings.setValue(it.key(), it.value());
    return false;
}

// An event is one text; a line that the settings reader took for a list (an
// unquoted comma and space) is put back together.
QString eventText(const QVariant &stored)
{
    const int type = stored.typeId();
    if (type == QMetaType::QStringList || type == QMetaType::QVariantList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

} // namespace

bool create(const QString &name, const QVariant &macroIndex)
{
    const QString file = paths::macroFile(name);
    if (!safename::isStorable(name) || !folderExists(file))
        return false;
    if (regularfile::isSpecial(file)) {
        storagefaults::report(storagefaults::Kind::NotRegular, file);
        return false;
    }
    QSettings settings(file, QSettings::IniFormat);
    const Content before = contentOf(settings);
    settings.beginGroup(QStringLiteral("config"));
    settings.setValue(QStringLiteral("index"), macroIndex.toUInt());
    settings.setValue(QStringLiteral("total"), 0);
    settings.setValue(QStringLiteral("repeat"), 1);
    settings.setValue(QStringLiteral("did"), -1);
    settings.endGroup();
    return writtenOrUndone(settings, before);
}

bool save(const QString &name, const QStringList &events, const QVariant &repeat)
{
    if (!macroUsable(name))
        return false;
    QSettings settings(paths::macroFile(name), QSettings::IniFormat);
    const Content before = contentOf(settings);
    settings.remove(QStringLiteral("macro"));
    settings.setValue(QStringLiteral("config/total"), events.size());
    settings.setValue(QStringLiteral("config/repeat"), settingsvalues::toStorable(repeat));
    settings.beginGroup(QStringLiteral("macro"));
    for (int i = 0; i < events.size(); ++i)
        settings.setValue(QString::number(i), events.at(i));
    settings.endGroup();
    return writtenOrUndone(settings, before);
}

QStringList load(const QString &name)
{
    if (!macroUsable(name))
        return {};
    const QSettings settings(paths::macroFile(name), QSettings::IniFormat);
    const int total = std::clamp(settings.value(QStringLiteral("config/total"), 0).toInt(), 0, kMaxEvents);
    QStringList texts;
    texts.reserve(total + 1);
    for (int i = 0; i < total; ++i)
        texts.append(eventText(settings.value(QStringLiteral("macro/") + QString::number(i), 0)));
    texts.append(settings.value(QStringLiteral("config/repeat"), 0).toString());
    return texts;
}

bool remove(const QString &name)
{
    if (!macroExists(name))
        return false;
    if (QFile::remove(paths::macroFile(name)))
        return true;
    storagefaults::report(storagefaults::Kind::NotSaved, paths::macroFile(name));
    return false;
}

bool rename(SettingsStores &stores, const QString &oldName, const QString &newName)
{
    if (!macroExists(oldName) || !safename::isStorable(newName))
        return false;
    // QFile::rename never replaces an existing file.
    if (!QFile::rename(paths::macroFile(oldName), paths::macroFile(newName))) {
        qCInfo(lcStorage) << "macro" << oldName << "not renamed to" << newName;
        return false;
    }
    for (int slot = 0; slot < paths::kUiProfileSlots; ++slot) {
        QSettings *profile = stores.profile(slot);
        profile->beginGroup(kMacroKeyGroup);
        for (const QString &entry : profile->childKeys()) {
            if (profile->value(entry).toString() == oldName)
                profile->setValue(entry, newName);
        }
        profile->endGroup();
    }
    return true;
}

void takeOffKeys(SettingsStores &stores, const QString &name)
{
    if (!safename::isSafe(name))
        return;
    QSettings *factory = stores.defaults();
    for (int slot = 0; slot < paths::kUiProfileSlots; ++slot) {
        QSettings *profile = stores.profile(slot);
        for (int key = 0; key < kKeys; ++key) {
            const QString keyName = kKeyMatrixPrefix + QString::number(key);
            const QVariantList entry = settingsvalues::toList(profile->value(keyName));
            if (entry.size() <= kMacroSlotValue || entry.at(0).toInt() != kMacroKeyType)
                continue;
            const QString slotName =
                kMacroKeyGroup + QLatin1Char('/') + QString::number(entry.at(kMacroSlotValue).toInt());
            if (profile->value(slotName).toString() != name)
                continue;
            const QVariantList factoryEntry = settingsvalues::toList(factory->value(keyName));
            if (factoryEntry.isEmpty())
                profile->remove(keyName);
            else
                profile->setValue(keyName, settingsvalues::toStorable(factoryEntry));
        }
    }
}

bool importFrom(const QString &source, const QString &name)
{
    if (!safename::isStorable(name) || source.isEmpty())
        return false;
    const QString target = paths::macroFile(name);
    if (QFileInfo::exists(target))
        return true;
    if (filereplace::copyOver(source, target))
        return true;
    qCWarning(lcStorage) << "macro" << name << "not imported from" << source;
    return false;
}

bool exportTo(const QString &name, const QString &target)
{
    if (!macroExists(name) || target.isEmpty())
        return false;
    if (filereplace::copyOver(paths::macroFile(name), target))
        return true;
    qCWarning(lcStorage) << "macro" << name << "not exported to" << target;
    return false;
}

} // namespace macrolibrary
