#include "programfolder.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

// The real program ended by a signal, as log-out, systemctl or kill end it:
// it quits as its Quit does, with code 0, and leaves no socket behind.
class QuitSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void aSignalEndsTheProgramAsQuitDoes_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void aSignalEndsTheProgramAsQuitDoes()
    {
        QFETCH(int, signalNumber);
        ProgramFolder folder;
        const QString program = folder.path("orbex-mouse");
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        // No mouse: the program waits in the tray.
        environment.insert("VIRTUAL_MOUSE_CONFIG", "/nonexistent");

        QProcess running;
        running.setProcessEnvironment(environment);
        running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        running.start(program, {});
        QVERIFY(running.waitForStarted());
        const QDir folderOfSockets(runtime.path());
        auto sockets = [&] { return folderOfSockets.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot); };
        // The single-instance socket and the message socket.
        QTRY_VERIFY_WITH_TIMEOUT(sockets().filter(QRegularExpression("-message$")).size() == 1, 20000);

        ::kill(pid_t(running.processId()), signalNumber);
        QVERIFY(running.waitForFinished(10000));
        QCOMPARE(running.exitStatus(), QProcess::NormalExit);
        QCOMPARE(running.exitCode(), 0);
        QCOMPARE(sockets(), QStringList());
    }
};

QTEST_GUILESS_MAIN(QuitSignalsTest)
#include "tst_quitsignals.moc"
