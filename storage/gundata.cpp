#include "storage/gundata.h"

#include "storage/regularfile.h"
#include "storage/settingsvalues.h"
#include "storage/storagefaults.h"

#include <QFileInfo>
#include <QSettings>

namespace gundata {

namespace {

constexpr int kModifyRemove = 0;
constexpr int kModifyRename = 1;
constexpr int kRenameValues = 7; // new name, five values, old name

const QString kGroup = QStringLiteral("gunData");

QString keyOf(const QString &name)
{
    return kGroup + QLatin1Char('/') + name;
}

QStringList textsOf(const QVariantList &values, qsizetype from, qsizetype count)
{
    QStringList texts;
    for (qsizetype i = from; i < from + count; ++i)
        texts.append(i < values.size() ? values.at(i).toString() : QString());
    return texts;
}

void finish(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        storagefaults::report(storagefaults::Kind::NotSaved, regularfile::settingsFile(settings.fileName()));
}

} // namespace

bool isRecordName(const QString &name)
{
    for (const QChar c : name) {
        if (c != QLatin1Char('/'))
            return true;
    }
    return false;
}

void saveRecord(const QString &file, const QVariant &index, const QVariantList &src6)
{
    const QString name = index.toString();
    if (!QFileInfo(file).isFile() || !isRecordName(name) || src6.isEmpty())
        return;
    QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
    if (settingsvalues::store(settings, keyOf(name), textsOf(src6, 0, kRecordValues)))
        finish(settings);
}

void modify(const QString &file, const QVariant &modifyType, const QVariantList &src6)
{
    if (!QFileInfo(file).isFile() || src6.isEmpty())
        return;
    bool ok = false;
    const int type = modifyType.toInt(&ok);
    const QString name = src6.at(0).toString();
    if (!ok || !isRecordName(name))
        return;

    if (type == kModifyRemove) {
        QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
        settings.remove(keyOf(name));
        finish(settings);
    } else if (type == kModifyRename && src6.size() >= kRenameValues) {
        const QString oldName = src6.at(kRenameValues - 1).toString();
        if (!isRecordName(oldName))
            return;
        QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
        settings.remove(keyOf(oldName));
        settings.setValue(keyOf(name), textsOf(src6, 1, kRecordValues - 1));
        finish(settings);
    }
}

QVariantList record(const QString &file, const QVariant &name)
{
    const QString text = name.toString();
    if (!QFileInfo(file).isFile() || !isRecordName(text))
        return {};
    const QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
    return settingsvalues::toList(settings.value(keyOf(text), 0));
}

QStringList names(const QString &file)
{
    if (!QFileInfo(file).isFile())
        return {};
    QSettings settings(regularfile::forSettings(file), QSettings::IniFormat);
    settings.beginGroup(kGroup);
    const QStringList keys = settings.allKeys();
    settings.endGroup();
    return keys;
}

} // namespace gundata
