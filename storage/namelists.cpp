#include "storage/namelists.h"

#include "storage/regularfile.h"
#include "storage/storagefaults.h"
#include "storage/settingsvalues.h"
#include "storage/storagelog.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <array>
#include <cmath>

namespace namelists {

namespace {

const std::array<QString, kTypes> kKeys = {
    QStringLiteral("macro/macroName"),
    QStringLiteral("gun/gunName"),
    QStringLiteral("profile/profileName"),
    QStringLiteral("gun/selectGun"),
};

} // namespace

QString keyOf(const QVariant &type)
{
    // Judged on the value as given: a conversion to an unsigned number first
    // would wrap 2^32 to 0 and round -0.4 to 0, and so overwrite the macros.
    bool ok = false;
    const double number = type.toDouble(&ok);
    if (!ok || !(number >= 0 && number < double(kKeys.size())) || number != std::floor(number))
        return {};
    return kKeys[size_t(number)];
}

bool store(const QString &file, const QVariant &type, QStringList names)
{
    const QString key = keyOf(type);
    if (key.isEmpty())
        return true;
    // Qt's settings writer would make a missing folder; the program makes none.
    if (!QFileInfo(file).dir().exists()) {
        qCWarning(lcStorage) << "name lists not written, no folder for" << file;
        return false;
    }
    QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
    if (names.size() == 1)
        names.append(kSentinel);
    if (names.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, names);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qCWarning(lcStorage) << "name list" << key << "not written";
    storagefaults::report(storagefaults::Kind::NotSaved, regularfile::settingsFile(settings.fileName()));
    return false;
}

QVariantList read(const QString &file, const QVariant &type)
{
    const QString key = keyOf(type);
    if (key.isEmpty())
        return {};
    const QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
    return settingsvalues::toList(settings.value(key));
}

} // namespace namelists
