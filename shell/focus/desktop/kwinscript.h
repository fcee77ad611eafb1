#pragma once

#include "shell/focus/focussource.h"

#include <QDBusConnection>
#include <QString>
#include <QStringList>

namespace focus {

// Where the package may have put the KWin script's main file, in the order
// to try: the desktop's data folders, then the share/ folder of the prefix
// the program is installed under (lib/orbex-mouse/ -> share/).
QStringList kwinScriptCandidates(const QStringList &dataDirs, const QString &programDir, const QString &scriptId);

// The first candidate that exists, or empty.
QString findKWinScript(const QString &scriptId);

// Has KWin (org.kde.KWin on `bus`) load the script unless it holds it
// already, and start it. False, with the reason in `error`, where KWin does
// not answer or refuses.
bool loadKWinScript(const QDBusConnection &bus, const QString &scriptPath, const QString &scriptId,
                    QString *error);

} // namespace focus

// KWin's source: loads the package's KWin script at start, which then calls
// the program's D-Bus entry point; this object itself reports nothing.
class KWinScriptSource : public FocusSource {
    Q_OBJECT
public:
    // `scriptPath`: the script's main file; empty to look where the package
    // puts it.
    explicit KWinScriptSource(QObject *parent = nullptr, QString scriptPath = {},
                              QDBusConnection bus = QDBusConnection::sessionBus());

    QString name() const override { return QStringLiteral("kwin"); }
    bool start() override;

private:
    QString m_scriptPath;
    QDBusConnection m_bus;
};
