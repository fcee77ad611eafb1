// Sends one tagged text to a running instance of the program and reports
// whether it was handled: exit code 0 handled, 2 taken but not handled,
// 1 not delivered.

#include "shell/input/messagechannel.h"
#include "shell/input/taggedmessage.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocalSocket>
#include <QTextStream>

namespace {

constexpr int kTimeoutMs = 5000;

int fail(const QString &why)
{
    QTextStream(stderr) << "orbex-send-message: " << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Sends a tagged text to the running program."));
    parser.addHelpOption();
    const QCommandLineOption program(QStringLiteral("program"),
                                     QStringLiteral("The program file whose running instance takes the text."),
                                     QStringLiteral("file"));
    const QCommandLineOption socketName(QStringLiteral("socket"), QStringLiteral("The socket name to send to."),
                                        QStringLiteral("name"));
    const QCommandLineOption count(QStringLiteral("count"),
                                   QStringLiteral("Send this many bytes of the zero-terminated text, "
                                                  "cut short or padded with zero bytes."),
                                   QStringLiteral("bytes"));
    parser.addOptions({program, socketName, count});
    parser.addPositionalArgument(QStringLiteral("tag"), QStringLiteral("The tag, a number."));
    parser.addPositionalArgument(QStringLiteral("text"), QStringLiteral("The text, sent as UTF-8."));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() != 2)
        return fail(QStringLiteral("expected a tag and a text"));
    bool ok = false;
    const quint64 tag = args.at(0).toULongLong(&ok, 0);
    if (!ok)
        return fail(QStringLiteral("the tag is not a number: ") + args.at(0));

    QByteArray bytes = args.at(1).toUtf8();
    if (parser.isSet(count)) {
        const qint64 n = parser.value(count).toLongLong(&ok);
        if (!ok || n < 0 || n > qint64(taggedmessage::kMaxBytes))
            return fail(QStringLiteral("the byte count must be 0 to %1").arg(taggedmessage::kMaxBytes));
        bytes.append('\0');
        bytes.resize(qsizetype(n), '\0');
    } else if (quint64(bytes.size()) > taggedmessage::kMaxBytes) {
        return fail(QStringLiteral("the text is longer than %1 bytes").arg(taggedmessage::kMaxBytes));
    }

    QString name = parser.value(socketName);
    if (name.isEmpty()) {
        if (!parser.isSet(program))
            return fail(QStringLiteral("name the program file (--program) or the socket (--socket)"));
        name = MessageChannel::nameFor(parser.value(program));
    }

    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kTimeoutMs))
        return fail(QStringLiteral("no running instance takes messages on ") + name);
    socket.write(taggedmessage::encode(tag, bytes));
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return fail(QStringLiteral("the text could not be sent"));
    // The box the text may open is modal: its answer comes when it closes.
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(-1))
            return fail(QStringLiteral("the running instance gave no answer"));
    }
    char reply = 0;
    socket.read(&reply, 1);
    return reply == taggedmessage::kHandled ? 0 : 2;
}
