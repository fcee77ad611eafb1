#include "shell/cli/climain.h"

#include "shell/cli/cliargs.h"
#include "shell/cli/commandserver.h"
#include "shell/cli/headless.h"
#include "shell/singleapplication.h"
#include "shell/userfolder.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace cli {

namespace {

// How long the running instance may take over a command: a whole profile
// on a slow link takes seconds.
constexpr int kAnswerMs = 120000;

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int finish(const Result &result)
{
    if (!result.out.isEmpty()) {
        QTextStream out(stdout);
        out << result.out;
    }
    if (!result.err.isEmpty()) {
        QTextStream err(stderr);
        err << result.err;
    }
    return result.exit;
}

Result failure(int exit, const QString &text)
{
    Result result;
    result.exit = exit;
    result.err = QStringLiteral("orbex-mouse: ") + text + QLatin1Char('\n');
    return result;
}

// The log is for the window's runs; a command says what it has to say in
// its own words and keeps warnings only.
void quietLog(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    std::fprintf(stderr, "orbex-mouse: %s\n", qPrintable(message));
}

} // namespace

bool wanted(int argc, char *argv[])
{
    return cliargs::isCommand(argumentsOf(argc, argv));
}

int run(int argc, char *argv[])
{
    const cliargs::Parsed parsed = cliargs::parse(argumentsOf(argc, argv), QDir::currentPath());
    if (!parsed.ok)
        return finish(failure(cliargs::kBadUsage, parsed.error));
    const cliargs::Request &request = parsed.request;
    if (request.kind == cliargs::Kind::Help || request.kind == cliargs::Kind::Version) {
        Target none;
        return finish(execute(request, none));
    }

    // Never a window: the controller is a widget, drawn nowhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietLog);
    SingleApplication app(argc, argv);
    if (!app.startError().isEmpty())
        return finish(failure(cliargs::kNotStored, app.startError()));
    if (app.isRunning()) {
        const std::optional<QString> reply = app.sendRequest(encodeRequest(cliargs::toArguments(request)), kAnswerMs);
        if (!reply)
            return finish(failure(cliargs::kNotTaken, QStringLiteral("the running program did not answer")));
        const QJsonObject o = QJsonDocument::fromJson(reply->toUtf8()).object();
        Result result;
        result.exit = o.value(QLatin1String("exit")).toInt(cliargs::kNotTaken);
        result.out = o.value(QLatin1String("out")).toString();
        result.err = o.value(QLatin1String("err")).toString();
        return finish(result);
    }

    // This process is the only user of the mouse until it ends; a command
    // started meanwhile is told to wait its turn.
    app.setRequestHandler([](const QString &, SingleApplication::Answer answer) {
        QJsonObject busy;
        busy.insert(QLatin1String("exit"), cliargs::kNotTaken);
        busy.insert(QLatin1String("err"), QStringLiteral("orbex-mouse: another command is using the mouse; try again\n"));
        answer(QString::fromUtf8(QJsonDocument(busy).toJson(QJsonDocument::Compact)));
    });
    const QString program = QCoreApplication::applicationFilePath();
    QDir::setCurrent(userfolder::workingFolder(program.left(program.lastIndexOf(QLatin1Char('/')))));
    return finish(runHeadless(request));
}

} // namespace cli
