#include "shell/input/inputhook.h"
#include "shell/input/messagechannel.h"
#include "shell/input/taggedmessage.h"
#include "shell/runtimefolder.h"
#include "shell/singleapplication.h"

#include "programfolder.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#include <vector>

namespace {

struct Received {
    quint64 tag;
    quint32 count;
    QByteArray bytesAndOneMore; // cbData + 1 bytes from lpData
};

Received receive(const CopyDataMessage &message)
{
    return {message.dwData, message.cbData,
            QByteArray(static_cast<const char *>(message.lpData), qsizetype(message.cbData) + 1)};
}

std::vector<Received> hookMessages;

void recordMessage(const CopyDataMessage *message, void *context)
{
    QVERIFY(context == &hookMessages);
    hookMessages.push_back(receive(*message));
}

// A header that may promise more than follows it.
QByteArray header(quint64 tag, quint32 count)
{
    QByteArray bytes = taggedmessage::encode(tag, QByteArray());
    qToLittleEndian<quint32>(count, bytes.data() + taggedmessage::kCountOffset);
    return bytes;
}

} // namespace

// The channel on which other processes hand tagged texts to the running
// instance: every message reaches the handler whole and bounded, a broken
// or oversized one reaches it not at all, and the sender learns whether it
// was handled.
class MessageChannelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    static int send(const QStringList &arguments)
    {
        QProcess sender;
        sender.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sender.start(QStringLiteral(SENDER_PATH), arguments);
        if (!sender.waitForStarted(5000))
            return -1;
        // The channel answers from this process's event loop.
        QDeadlineTimer deadline(10000);
        while (sender.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        if (sender.state() != QProcess::NotRunning)
            return -1;
        return sender.exitStatus() == QProcess::NormalExit ? sender.exitCode() : -1;
    }

    static QStringList toThisProgram(const QStringList &arguments)
    {
        return QStringList{QStringLiteral("--program"), QCoreApplication::applicationFilePath()} + arguments;
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        hookMessages.clear();
    }

    void readerTakesMessagesHoweverTheStreamIsCut_data()
    {
        QTest::addColumn<int>("chunkSize");
        QTest::newRow("all at once") << 0;
        QTest::newRow("byte by byte") << 1;
        QTest::newRow("in threes") << 3;
        QTest::newRow("across a header") << 10;
    }

    void readerTakesMessagesHoweverTheStreamIsCut()
    {
        QFETCH(int, chunkSize);
        const QByteArray stream = taggedmessage::encode(9487, "first") + taggedmessage::encode(0, QByteArray())
                                  + taggedmessage::encode(0xFFFFFFFFFFull, QByteArray("a\0b", 3));
        const qsizetype step = chunkSize == 0 ? stream.size() : chunkSize;

        taggedmessage::Reader reader;
        std::vector<taggedmessage::Message> messages;
        for (qsizetype at = 0; at < stream.size();) {
            at += reader.append(QByteArrayView(stream).sliced(at, std::min(step, stream.size() - at)));
            taggedmessage::Message message;
            while (reader.take(message) == taggedmessage::Reader::Status::Complete)
                messages.push_back(message);
        }
        QCOMPARE(messages.size(), size_t(3));
        QCOMPARE(messages[0].tag, quint64(9487));
        QCOMPARE(messages[0].bytes, QByteArray("first"));
        QCOMPARE(messages[1].tag, quint64(0));
        QVERIFY(messages[1].bytes.isEmpty());
        QCOMPARE(messages[2].tag, quint64(0xFFFFFFFFFFull));
        QCOMPARE(messages[2].bytes, QByteArray("a\0b", 3));
        QVERIFY(reader.idle());
    }

    void readerNeverTakesMoreThanOneMessage()
    {
        const QByteArray first = taggedmessage::encode(1, "one");
        taggedmessage::Reader reader;
        QCOMPARE(reader.append(first + taggedmessage::encode(2, "two")), first.size());
        QCOMPARE(reader.wanted(), 0);
    }

    void readerRefusesAnOversizedCountBeforeReadingIt()
    {
        taggedmessage::Reader reader;
        reader.append(header(9487, taggedmessage::kMaxBytes));
        QCOMPARE(reader.wanted(), qsizetype(taggedmessage::kMaxBytes));

        taggedmessage::Reader oversized;
        const QByteArray stream = header(9487, taggedmessage::kMaxBytes + 1) + "more";
        QCOMPARE(oversized.append(stream), taggedmessage::kHeaderSize);
        taggedmessage::Message message;
        QCOMPARE(oversized.take(message), taggedmessage::Reader::Status::Oversized);
        QCOMPARE(oversized.wanted(), 0);
    }

    void messagesArriveWholeWithAZeroBehindAndAreAnswered()
    {
        std::vector<Received> received;
        MessageChannel channel([&](const CopyDataMessage &m) {
            received.push_back(receive(m));
            return m.dwData != 13;
        });
        QVERIFY(channel.listen(QStringLiteral("orbex-input-test-%1").arg(QCoreApplication::applicationPid())));

        QLocalSocket client;
        client.connectToServer(channel.serverName());
        QVERIFY(client.waitForConnected(5000));
        const QByteArray text = QStringLiteral("Gerät gefunden").toUtf8();
        client.write(taggedmessage::encode(9487, text) + taggedmessage::encode(13, QByteArray("x\0y", 3)));
        QTRY_COMPARE(client.bytesAvailable(), 2);
        QCOMPARE(client.readAll(), QByteArray("\1\0", 2));

        QCOMPARE(received.size(), size_t(2));
        QCOMPARE(received[0].tag, quint64(9487));
        QCOMPARE(received[0].count, quint32(text.size()));
        QCOMPARE(received[0].bytesAndOneMore, text + '\0');
        QCOMPARE(received[1].tag, quint64(13));
        QCOMPARE(received[1].count, quint32(3));
        QCOMPARE(received[1].bytesAndOneMore, QByteArray("x\0y\0", 4));
    }

    void brokenMessagesReachNobody_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::newRow("text ends early") << header(9487, 10) + "short";
        QTest::newRow("header ends early") << header(9487, 4).left(7);
        QTest::newRow("oversized count") << header(9487, taggedmessage::kMaxBytes + 1) + "text";
        QTest::newRow("count of four gigabytes") << header(9487, 0xFFFFFFFFu);
    }

    void brokenMessagesReachNobody()
    {
        QFETCH(QByteArray, stream);
        int calls = 0;
        MessageChannel channel([&](const CopyDataMessage &) { return ++calls, true; });
        QVERIFY(channel.listen(QStringLiteral("orbex-input-test-%1").arg(QCoreApplication::applicationPid())));

        if (QByteArrayView(QTest::currentDataTag()).contains("count"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped a tagged message larger than"));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped a tagged message that ended early"));
        auto *server = channel.findChild<QLocalServer *>();
        QVERIFY(server);
        QSignalSpy accepted(server, &QLocalServer::newConnection);
        {
            QLocalSocket client;
            client.connectToServer(channel.serverName());
            QVERIFY(client.waitForConnected(5000));
            client.write(stream);
            client.flush();
            client.disconnectFromServer();
        }
        QTRY_COMPARE(accepted.size(), 1);
        QTRY_VERIFY(channel.findChildren<QLocalSocket *>().isEmpty());
        QCOMPARE(calls, 0);
    }

    // The warning box is modal: while it is open the event loop runs on, and
    // the sender may send more or go away.
    void aHandlerRunningAnEventLoopIsNotEnteredTwice()
    {
        int depth = 0;
        int deepest = 0;
        QList<QByteArray> texts;
        QLocalSocket client;
        MessageChannel channel([&](const CopyDataMessage &m) {
            ++depth;
            deepest = std::max(deepest, depth);
            texts.append(QByteArray(static_cast<const char *>(m.lpData), m.cbData));
            if (texts.size() == 1) {
                // More arrives and the sender leaves while the box is open.
                QTimer::singleShot(50, &client, [&client] {
                    client.write(taggedmessage::encode(9487, "two") + taggedmessage::encode(9487, "three"));
                    client.flush();
                    client.disconnectFromServer();
                });
            }
            QEventLoop modal;
            QTimer::singleShot(300, &modal, &QEventLoop::quit);
            modal.exec();
            --depth;
            return true;
        });
        QVERIFY(channel.listen(QStringLiteral("orbex-input-test-%1").arg(QCoreApplication::applicationPid())));

        client.connectToServer(channel.serverName());
        QVERIFY(client.waitForConnected(5000));
        client.write(taggedmessage::encode(9487, "one"));
        client.flush();

        QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 3, 5000);
        QTRY_VERIFY(channel.findChildren<QLocalSocket *>().isEmpty());
        QCOMPARE(texts, (QList<QByteArray>{"one", "two", "three"}));
        QCOMPARE(deepest, 1);
    }

    void sendersBeyondTheCapAreRefused()
    {
        // Idle connections must not exhaust the instance's files.
        MessageChannel channel([](const CopyDataMessage &) { return true; });
        QVERIFY(channel.listen(QStringLiteral("orbex-input-cap-%1").arg(QCoreApplication::applicationPid())));
        std::vector<std::unique_ptr<QLocalSocket>> clients;
        for (int i = 0; i <= MessageChannel::kMaxConnections; ++i) {
            clients.push_back(std::make_unique<QLocalSocket>());
            clients.back()->connectToServer(channel.serverName());
            QVERIFY(clients.back()->waitForConnected(2000));
        }
        QTRY_COMPARE_WITH_TIMEOUT(clients.back()->state(), QLocalSocket::UnconnectedState, 3000);
        QTest::qWait(100);
        for (int i = 0; i < MessageChannel::kMaxConnections; ++i)
            QCOMPARE(clients[size_t(i)]->state(), QLocalSocket::ConnectedState);
        // A place that frees up takes a new sender again.
        clients.front()->disconnectFromServer();
        QTest::qWait(200);
        QLocalSocket late;
        late.connectToServer(channel.serverName());
        QVERIFY(late.waitForConnected(2000));
        QTest::qWait(200);
        QCOMPARE(late.state(), QLocalSocket::ConnectedState);
    }

    void theChannelSharesTheSingleInstanceIdentity()
    {
        const QString program = folder->path("orbex-mouse");
        QCOMPARE(QFileInfo(MessageChannel::nameFor(program)).fileName(), SingleApplication::instanceIdentity(program) + "-message");
        // Beside the lock, in the user's private folder.
        QCOMPARE(QFileInfo(MessageChannel::nameFor(program)).path(), runtimefolder::locate().path);
        QVERIFY(MessageChannel::nameFor(program) != MessageChannel::nameFor(folder->path("other/orbex-mouse")));
    }

    void anotherProcessReachesTheMessageCallback_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<quint64>("tag");
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray text = QStringLiteral("Überhitzt: 温度").toUtf8();
        QTest::newRow("tag 9487, right count") << QStringList{"9487", QString::fromUtf8(text)} << quint64(9487) << text;
        QTest::newRow("count with the terminator")
            << QStringList{"--count", QString::number(text.size() + 1), "9487", QString::fromUtf8(text)}
            << quint64(9487) << text + '\0';
        QTest::newRow("count short of the text")
            << QStringList{"--count", "4", "9487", QString::fromUtf8(text)} << quint64(9487) << text.left(4);
        QTest::newRow("count padded with zeros")
            << QStringList{"--count", "6", "9487", "ab"} << quint64(9487) << QByteArray("ab\0\0\0\0", 6);
        QTest::newRow("another tag") << QStringList{"0x2510", "text"} << quint64(0x2510) << QByteArray("text");
        QTest::newRow("empty text") << QStringList{"9487", ""} << quint64(9487) << QByteArray();
    }

    void anotherProcessReachesTheMessageCallback()
    {
        QFETCH(QStringList, arguments);
        QFETCH(quint64, tag);
        QFETCH(QByteArray, bytes);
        InputHook hook(false);
        InputHook::setMessageFilter(recordMessage, qApp, &hookMessages);
        QCOMPARE(InputHook::messageChannelName(), MessageChannel::nameFor(QCoreApplication::applicationFilePath()));

        QCOMPARE(send(toThisProgram(arguments)), 0);
        QCOMPARE(hookMessages.size(), size_t(1));
        QCOMPARE(hookMessages[0].tag, tag);
        QCOMPARE(hookMessages[0].count, quint32(bytes.size()));
        QCOMPARE(hookMessages[0].bytesAndOneMore, bytes + '\0');
    }

    void senderLearnsWhenNobodyTookTheMessage()
    {
        {
            InputHook hook(false);
            InputHook::setMessageFilter(nullptr, qApp, nullptr);
            QCOMPARE(send(toThisProgram({"9487", "text"})), 2);
        }
        // The channel goes with the hooks.
        QVERIFY(InputHook::messageChannelName().isEmpty());
        QCOMPARE(send(toThisProgram({"9487", "text"})), 1);
        QCOMPARE(send({"--program", folder->path("orbex-mouse"), "9487", "text"}), 1);
    }

    void senderRefusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no text") << toThisProgram({"9487"});
        QTest::newRow("tag not a number") << toThisProgram({"warn", "text"});
        QTest::newRow("negative count") << toThisProgram({"--count", "-1", "9487", "text"});
        QTest::newRow("count too large") << toThisProgram({"--count", "99999999999", "9487", "text"});
        QTest::newRow("no receiver named") << QStringList{"9487", "text"};
    }

    void senderRefusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        InputHook hook(false);
        InputHook::setMessageFilter(recordMessage, qApp, &hookMessages);
        QCOMPARE(send(arguments), 1);
        QVERIFY(hookMessages.empty());
    }
};

QTEST_GUILESS_MAIN(MessageChannelTest)
#include "tst_messagechannel.moc"
