#include "storage/languagestrings.h"

#include "storage/regularfile.h"

#include <QSettings>

#include <algorithm>

namespace languagestrings {
namespace {

// An unquoted text with commas reads back as a list; it is still one text.
QString textOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

QStringList readGroup(const QString &languageFile, const QString &group)
{
    QSettings file(regularfile::forSettings(languageFile), QSettings::IniFormat);
    bool ok = false;
    int total = file.value(group + QStringLiteral("/total")).toInt(&ok);
    if (!ok || total <= 0)
        return {};
    total = std::min(total, kMaxGroupTexts);

    QStringList texts;
    texts.reserve(total);
    for (int i = 0; i < total; ++i)
        texts.append(textOf(file.value(group + QLatin1Char('/') + QString::number(i))));
    return texts;
}

} // namespace languagestrings
