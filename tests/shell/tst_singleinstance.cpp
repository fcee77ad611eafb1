#include "shell/runtimefolder.h"
#include "shell/singleapplication.h"

#include "programfolder.h"

#include <QLocalSocket>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

// Two real processes: the second start of the same program file hands over
// and ends with code 1; a copy in another folder is an instance of its own.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    static bool waitForLine(QProcess &process, const QByteArray &line)
    {
        QByteArray seen;
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            seen += process.readAllStandardOutput();
            if (seen.contains(line))
                return true;
            process.waitForReadyRead(100);
        }
        return false;
    }

    // A second start of the same file ends with 1 after the first got its message.
    static bool secondStartHandsOver(QProcess &first, const QString &probe, const QProcessEnvironment &environment)
    {
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(probe, {});
        return second.waitForFinished(10000) && second.exitCode() == 1 && waitForLine(first, "received:hello\n");
    }

    static QString copyProbe(const ProgramFolder &folder, const QString &subdir)
    {
        QDir(folder.root()).mkpath(subdir);
        const QString target = folder.path(subdir + "/probe");
        QFile::copy(QStringLiteral(PROBE_PATH), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return target;
    }

private slots:
    void secondStartHandsOverAndEndsWithOne()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");

        QProcess first;
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));

        QProcess second;
        second.start(probe, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(waitForLine(first, "received:hello\n"));

        // The same program in another folder runs beside it.
        QProcess elsewhere;
        elsewhere.start(copyProbe(folder, "b"), {});
        QVERIFY(waitForLine(elsewhere, "ready\n"));

        for (QProcess *p : {&first, &elsewhere}) {
            p->terminate();
            p->waitForFinished(5000);
        }
    }

    void staleLockOfAKilledInstanceIsTakenOver()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QProcess first;
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));
        first.kill();
        first.waitForFinished(5000);

        QProcess next;
        next.start(probe, {});
        QVERIFY(waitForLine(next, "ready\n"));
        next.terminate();
        next.waitForFinished(5000);
    }

    void aLockThatNoInstanceAnswersForIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbled") << QByteArray("\xff\xfe no lock at all\n\n\n\n");
        QTest::newRow("of another host") << QByteArray("4242\nprobe\nsome-other-host\n");
    }

    void aLockThatNoInstanceAnswersForIsTakenOver()
    {
        QFETCH(QByteArray, content);
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        const QString identity = SingleApplication::instanceIdentity(QFileInfo(probe).canonicalFilePath());
        QFile lock(runtime.filePath(identity + ".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));

        // It is the instance now: the next start hands over to it.
        QVERIFY(secondStartHandsOver(first, probe, environment));
        first.terminate();
        first.waitForFinished(5000);
    }

    // Without XDG_RUNTIME_DIR the lock and the socket go to a folder of the
    // user's own in the temporary folder, closed to others; nothing of the
    // program's lies in the shared folder itself.
    void withoutARuntimeFolderTheNamesLiveInAPrivateOne()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QTemporaryDir shared;
        QVERIFY(shared.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("TMPDIR", shared.path());

        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));

        const QString own = shared.filePath(QStringLiteral("orbex-mouse-%1").arg(getuid()));
        // (Qt makes a runtime-<user> folder there for itself.)
        QCOMPARE(QDir(shared.path()).entryList({"orbex*"}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList{QFileInfo(own).fileName()});
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(own).constData(), &info), 0);
        QVERIFY(S_ISDIR(info.st_mode));
        QCOMPARE(info.st_mode & 0777, mode_t(0700));
        const QString identity = SingleApplication::instanceIdentity(QFileInfo(probe).canonicalFilePath());
        QVERIFY(QFileInfo::exists(own + "/" + identity));
        QVERIFY(QFileInfo::exists(own + "/" + identity + ".lock"));

        QVERIFY(secondStartHandsOver(first, probe, environment));
        first.terminate();
        first.waitForFinished(5000);
    }

    void aFolderNotFitForTheSocketsIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("usable");
        QTest::newRow("own folder") << "folder" << true;
        QTest::newRow("own folder open to others is closed") << "open folder" << true;
        QTest::newRow("missing, made") << "missing" << true;
        QTest::newRow("a file") << "file" << false;
        QTest::newRow("a link to a folder") << "link" << false;
    }

    void aFolderNotFitForTheSocketsIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(bool, usable);
        QTemporaryDir base;
        const QString path = base.filePath("run");
        if (kind == "folder" || kind == "open folder")
            QVERIFY(QDir(base.path()).mkdir("run"));
        if (kind == "open folder")
            QVERIFY(::chmod(QFile::encodeName(path).constData(), 0777) == 0);
        if (kind == "file")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        if (kind == "link") {
            QVERIFY(QDir(base.path()).mkdir("elsewhere"));
            QVERIFY(QFile::link(base.filePath("elsewhere"), path));
        }
        const QString refused = runtimefolder::check(path, true, getuid());
        QVERIFY2(refused.isEmpty() == usable, qPrintable(refused));
        if (usable) {
            QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);
        }
        // A folder of another user is refused whatever its mode.
        if (kind == "folder")
            QVERIFY(!runtimefolder::check(path, false, getuid() + 1).isEmpty());
    }

    void aLockThatCannotBeTakenOverIsReported()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        // Something no lock can be made of, where the lock belongs.
        const QString identity = SingleApplication::instanceIdentity(QFileInfo(probe).canonicalFilePath());
        QVERIFY(QDir(runtime.path()).mkpath(identity + ".lock/inside"));

        QProcess start;
        start.setProcessEnvironment(environment);
        start.start(probe, {});
        QVERIFY(start.waitForFinished(10000));
        QCOMPARE(start.exitCode(), 1);
        const QByteArray said = start.readAllStandardError();
        QVERIFY2(said.contains(QFile::encodeName(runtime.filePath(identity + ".lock"))), said.constData());
    }

    void sendersBeyondTheCapAreRefused()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));

        const QString socketPath =
            runtime.filePath(SingleApplication::instanceIdentity(QFileInfo(probe).canonicalFilePath()));
        std::vector<std::unique_ptr<QLocalSocket>> idle;
        for (int i = 0; i <= SingleApplication::kMaxConnections; ++i) {
            idle.push_back(std::make_unique<QLocalSocket>());
            idle.back()->connectToServer(socketPath);
            QVERIFY(idle.back()->waitForConnected(2000));
        }
        QVERIFY(idle.back()->waitForDisconnected(3000));
        for (int i = 0; i < SingleApplication::kMaxConnections; ++i)
            QCOMPARE(idle[size_t(i)]->state(), QLocalSocket::ConnectedState);
        first.terminate();
        first.waitForFinished(5000);
    }

    void aMessageBeyondTheLimitIsRefused()
    {
        ProgramFolder folder(false);
        const QString probe = copyProbe(folder, "a");
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(probe, {});
        QVERIFY(waitForLine(first, "ready\n"));

        QLocalSocket socket;
        socket.connectToServer(
            runtime.filePath(SingleApplication::instanceIdentity(QFileInfo(probe).canonicalFilePath())));
        QVERIFY(socket.waitForConnected(2000));
        // A string header promising 64 MiB, then more than the limit of it.
        QByteArray block;
        QDataStream out(&block, QIODevice::WriteOnly);
        out << quint32(64u << 20);
        block.append(QByteArray(SingleApplication::kMaxMessageBytes + 4096, 'x'));
        socket.write(block);
        socket.waitForBytesWritten(2000);
        QVERIFY(socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(5000));
        first.terminate();
        first.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
