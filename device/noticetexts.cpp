#include "device/noticetexts.h"

#include <array>

namespace noticetexts {
namespace {

using Texts = std::array<QString, Count>;

Texts builtIn()
{
    return {
        QStringLiteral("Info"),
        QStringLiteral("Mouse detected"),
        QStringLiteral("Show window"),
        QStringLiteral("Quit"),
        QStringLiteral("No mouse found"),
        QStringLiteral("Plug the mouse in. Right after installing the program, unplug it once and plug it in "
                       "again so that the program may use it. This message closes by itself when the mouse is "
                       "found."),
        QStringLiteral("DPI"),
        QStringLiteral("Profile: %1"),
        QStringLiteral("Automatic switching"),
    };
}

Texts &current()
{
    static Texts texts = builtIn();
    return texts;
}

} // namespace

QString text(Text which)
{
    return current().at(size_t(which));
}

void replace(const QStringList &texts)
{
    for (int i = 0; i < Count && i < texts.size(); ++i) {
        if (!texts.at(i).trimmed().isEmpty())
            current()[size_t(i)] = texts.at(i);
    }
}

void reset()
{
    current() = builtIn();
}

QString dpiNotice(const QString &stageText, int dpi)
{
    const QString stage = stageText.trimmed();
    if (dpi <= 0)
        return stage;
    return QStringLiteral("%1: %2 %3").arg(stage).arg(dpi).arg(text(DpiUnit));
}

QString profileNotice(const QString &name)
{
    QString format = text(ProfileNotice);
    // A language file's text without the place for the name still names it.
    if (!format.contains(QLatin1String("%1")))
        format += QLatin1String(" %1");
    return format.arg(name);
}

} // namespace noticetexts
