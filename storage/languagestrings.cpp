#include "storage/languagestrings.h"

#include <QSettings>

#include <algorithm>

namespace languagestrings {

QStringList readGroup(const QString &languageFile, const QString &group)
{
    QSettings file(languageFile, QSettings::IniFormat);
    bool ok = false;
    int total = file.value(group + QStringLiteral("/total")).toInt(&ok);
    if (!ok || total <= 0)
        return {};
    total = std::min(total, kMaxGroupTexts);

    QStringList texts;
    texts.reserve(total);
    for (int i = 0; i < total; ++i)
        texts.append(file.value(group + QLatin1Char('/') + QString::number(i)).toString());
    return texts;
}

} // namespace languagestrings
