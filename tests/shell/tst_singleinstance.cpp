#include "shell/singleapplication.h"

#include "programfolder.h"

#include <QProcess>
#include <QtTest>

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
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(probe, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(waitForLine(first, "received:hello\n"));
        first.terminate();
        first.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
