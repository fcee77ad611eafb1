#include "controller/pointer/desktopsettings.h"

#include "controller/pointer/kdeconfigtext.h"
#include "controller/pointer/pointerlog.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <limits>

namespace desktopsettings {

namespace {

constexpr int kGsettingsTimeoutMs = 5000;

// Both desktops keep these as 32-bit integers.
bool fitsSetting(int64_t value, int64_t lowest)
{
    return value >= lowest && value <= std::numeric_limits<int32_t>::max();
}

int gsettingsSet(const QString &schema, const QString &key, const QString &value)
{
    QProcess process;
    process.start(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, key, value});
    if (!process.waitForFinished(kGsettingsTimeoutMs)) {
        qCDebug(lcPointer) << "gsettings did not run:" << process.errorString();
        process.kill();
        process.waitForFinished();
        return 0;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qCDebug(lcPointer) << "gsettings refused" << key << value << ":" << process.readAllStandardError().trimmed();
        return 0;
    }
    return 1;
}

int kdeGlobalsSet(const QByteArray &key, int64_t value)
{
    const QString path = kdeGlobalsPath();
    QByteArray text;
    QFile current(path);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) {
            qCDebug(lcPointer) << "cannot read" << path << current.errorString();
            return 0;
        }
        text = current.readAll();
        current.close();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCDebug(lcPointer) << "cannot write" << path << file.errorString();
        return 0;
    }
    file.write(kdeconfigtext::withEntry(text, "KDE", key, QByteArray::number(value)));
    if (!file.commit()) {
        qCDebug(lcPointer) << "cannot write" << path << file.errorString();
        return 0;
    }
    return 1;
}

} // namespace

Desktop desktopFromName(const QString &currentDesktop)
{
    const QStringList names = currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (name.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0)
            return Desktop::Kde;
        if (name.compare(QLatin1String("GNOME"), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String("Unity"), Qt::CaseInsensitive) == 0)
            return Desktop::Gnome;
    }
    return Desktop::None;
}

Desktop currentDesktop()
{
    return desktopFromName(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

QString kdeGlobalsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals");
}

int setDoubleClickTime(int64_t milliseconds)
{
    if (!fitsSetting(milliseconds, 1))
        return 0;
    switch (currentDesktop()) {
    case Desktop::Gnome:
        return gsettingsSet(QStringLiteral("org.gnome.desktop.peripherals.mouse"), QStringLiteral("double-click"),
                            QString::number(milliseconds));
    case Desktop::Kde:
        return kdeGlobalsSet("DoubleClickInterval", milliseconds);
    case Desktop::None:
        break;
    }
    return 0;
}

int setWheelScrollLines(int64_t lines)
{
    if (!fitsSetting(lines, 0))
        return 0;
    if (currentDesktop() == Desktop::Kde)
        return kdeGlobalsSet("WheelScrollLines", lines);
    return 0;
}

} // namespace desktopsettings
