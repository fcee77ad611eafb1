#include "shell/cli/commandserver.h"

#include "controller/myquickview.h"
#include "shell/cli/executor.h"
#include "shell/widget.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>

namespace cli {

QString encodeRequest(const QStringList &arguments)
{
    QJsonObject o;
    o.insert(QLatin1String("arguments"), QJsonArray::fromStringList(arguments));
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

QStringList decodeRequest(const QString &request)
{
    QStringList arguments;
    const QJsonArray array = QJsonDocument::fromJson(request.toUtf8()).object().value(QLatin1String("arguments")).toArray();
    for (const QJsonValue &v : array)
        arguments << v.toString();
    return arguments;
}

CommandServer::CommandServer(Widget &window, QObject *parent) : QObject(parent), m_window(window) { }

void CommandServer::take(const QString &request, SingleApplication::Answer answer)
{
    m_waiting.enqueue({request, std::move(answer)});
    // A command's device exchanges keep the event loop running; one that
    // arrives meanwhile waits for the one running.
    if (!m_running)
        runNext();
}

void CommandServer::runNext()
{
    m_running = true;
    while (!m_waiting.isEmpty()) {
        auto [request, answer] = m_waiting.dequeue();
        Result result;
        // Only the documented commands: a request is parsed like the
        // command line itself; its files are absolute already.
        const cliargs::Parsed parsed = cliargs::parse(decodeRequest(request), QStringLiteral("/"));
        if (!parsed.ok) {
            result.exit = cliargs::kBadUsage;
            result.err = QStringLiteral("orbex-mouse: ") + parsed.error + QLatin1Char('\n');
        } else {
            myQQuickView *view = m_window.view();
            Target target;
            target.view = view;
            target.hid = &m_window.hidThread;
            target.connected = m_window.deviceConnected();
            auto callUi = [view](const char *function, const QVariantList &arguments) {
                QQuickItem *root = view ? view->rootObject() : nullptr;
                if (!root)
                    return;
                if (arguments.isEmpty())
                    QMetaObject::invokeMethod(root, function);
                else
                    QMetaObject::invokeMethod(root, function, Q_ARG(QVariant, arguments.first()));
            };
            target.storedChanged = [callUi] { callUi("storedSettingsChanged", {}); };
            target.activeStageChanged = [callUi](int stage) { callUi("setCurrentDPI", {stage}); };
            target.profileChosen = [callUi](int slot) { callUi("useProfile", {slot}); };
            result = execute(parsed.request, target);
        }
        QJsonObject reply;
        reply.insert(QLatin1String("exit"), result.exit);
        reply.insert(QLatin1String("out"), result.out);
        reply.insert(QLatin1String("err"), result.err);
        answer(QString::fromUtf8(QJsonDocument(reply).toJson(QJsonDocument::Compact)));
    }
    m_running = false;
}

} // namespace cli
