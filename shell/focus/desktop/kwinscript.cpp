#include "shell/focus/desktop/kwinscript.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcKWin, "orbex.shell.focus.kwin", QtInfoMsg)

namespace focus {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
// KWin answers at once; a start is not held up for long by one that hangs.
constexpr int callTimeoutMs = 2000;

QDBusMessage callKWin(const QDBusConnection &bus, const QString &method, const QVariantList &args)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingInterface, method);
    call.setArguments(args);
    return bus.call(call, QDBus::Block, callTimeoutMs);
}

bool failed(const QDBusMessage &reply, const QString &what, QString *error)
{
    if (reply.type() != QDBusMessage::ErrorMessage)
        return false;
    if (error)
        *error = QStringLiteral("KWin %1: %2").arg(what, reply.errorMessage());
    return true;
}

} // namespace

QStringList kwinScriptCandidates(const QStringList &dataDirs, const QString &programDir, const QString &scriptId)
{
    const QString inPackage = QStringLiteral("kwin/scripts/%1/contents/code/main.js").arg(scriptId);
    QStringList candidates;
    for (const QString &dir : dataDirs)
        candidates << QDir::cleanPath(dir + '/' + inPackage);
    if (!programDir.isEmpty())
        candidates << QDir::cleanPath(programDir + QStringLiteral("/../../share/") + inPackage);
    candidates.removeDuplicates();
    return candidates;
}

QString findKWinScript(const QString &scriptId)
{
    const QStringList candidates = kwinScriptCandidates(
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation),
        QCoreApplication::applicationDirPath(), scriptId);
    for (const QString &path : candidates) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

bool loadKWinScript(const QDBusConnection &bus, const QString &scriptPath, const QString &scriptId, QString *error)
{
    const QDBusMessage loaded = callKWin(bus, QStringLiteral("isScriptLoaded"), {scriptId});
    if (failed(loaded, QStringLiteral("does not answer"), error))
        return false;
    const bool isLoaded = !loaded.arguments().isEmpty() && loaded.arguments().constFirst().toBool();
    if (!isLoaded) {
        const QDBusMessage id = callKWin(bus, QStringLiteral("loadScript"), {scriptPath, scriptId});
        if (failed(id, QStringLiteral("did not load %1").arg(scriptPath), error))
            return false;
        if (id.arguments().isEmpty() || id.arguments().constFirst().toInt() < 0) {
            if (error)
                *error = QStringLiteral("KWin refused to load %1").arg(scriptPath);
            return false;
        }
    }
    return !failed(callKWin(bus, QStringLiteral("start"), {}), QStringLiteral("did not start its scripts"), error);
}

} // namespace focus

KWinScriptSource::KWinScriptSource(QObject *parent, QString scriptPath, QDBusConnection bus)
    : FocusSource(parent), m_scriptPath(std::move(scriptPath)), m_bus(std::move(bus))
{ }

bool KWinScriptSource::start()
{
    const QString script = m_scriptPath.isEmpty() ? focus::findKWinScript(QStringLiteral(ORBEX_KWIN_SCRIPT_ID))
                                                  : m_scriptPath;
    if (script.isEmpty()) {
        qCWarning(lcKWin) << "kwin: the package's KWin script is not installed";
        return false;
    }
    QString error;
    if (!focus::loadKWinScript(m_bus, script, QStringLiteral(ORBEX_KWIN_SCRIPT_ID), &error)) {
        qCWarning(lcKWin).noquote() << "kwin:" << error;
        return false;
    }
    qCInfo(lcKWin).noquote() << "kwin: running" << script;
    return true;
}
