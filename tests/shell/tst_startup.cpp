#include "programfolder.h"

#include <QProcess>
#include <QtTest>

// The real program under an X server: started from another working
// directory it reads the settings beside itself, and a second start of the
// same program file ends with code 1.
class StartupTest : public QObject {
    Q_OBJECT

    static bool windowTitled(const QString &title)
    {
        QProcess search;
        search.start("xdotool", {"search", "--name", "^" + title + "$"});
        search.waitForFinished(5000);
        return search.exitCode() == 0 && !search.readAllStandardOutput().trimmed().isEmpty();
    }

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (make test provides Xvfb)");
    }

    void readsTheSettingsBesideTheProgram()
    {
        ProgramFolder folder;
        QVERIFY(folder.write("modules/setting/apConfig.bin", "[common]\nname=Started Elsewhere\ndeviceCount=0\n"));
        const QString program = folder.path("orbex-mouse");
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess first;
        first.setWorkingDirectory(QDir::rootPath());
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(windowTitled("Started Elsewhere"), 15000);

        QProcess second;
        second.setWorkingDirectory(QDir::rootPath());
        second.start(program, {});
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
