#include "programfolder.h"
#include "shell/userfolder.h"

#include <QDirIterator>
#include <QtTest>

// The folder the program works in: a program folder the user may not write
// gives a per-user copy of its modules/ tree, made once and kept after.
// Whether the folder is writable is passed in, since these tests may run as
// root, who may write anywhere.
class UserFolderTest : public QObject {
    Q_OBJECT

    // Relative path -> content of every file under root.
    static QMap<QString, QByteArray> tree(const QString &root)
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            files.insert(QDir(root).relativeFilePath(file.fileName()), file.readAll());
        }
        return files;
    }

    static void makeReadOnly(const QString &root)
    {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

private slots:
    void dataHome_data()
    {
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << "/data/ann"
                             << "/home/ann"
                             << "/data/ann";
        QTest::newRow("unset") << ""
                               << "/home/ann"
                               << "/home/ann/.local/share";
        QTest::newRow("relative is ignored") << "data"
                                             << "/home/ann"
                                             << "/home/ann/.local/share";
        QTest::newRow("trailing slashes") << "/data/ann/"
                                          << "/home/ann/"
                                          << "/data/ann";
    }

    void dataHome()
    {
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        QCOMPARE(userfolder::dataHome(xdgDataHome, home), expected);
    }

    void readOnlyProgramFolderGivesAWritableUserCopy()
    {
        ProgramFolder program;
        makeReadOnly(program.path("modules"));
        QTemporaryDir home;
        const QString user = home.path() + "/orbex-mouse";

        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path()), user);

        const auto factory = tree(program.path("modules"));
        QVERIFY(factory.contains("setting/apConfig.bin"));
        QCOMPARE(tree(user + "/modules"), factory);
        QVERIFY(QDir(user + "/modules/macro").exists());
        QVERIFY(!QFileInfo::exists(user + "/modules.partial"));
        QVERIFY(QFile::permissions(user + "/modules/setting/p1.bin") & QFile::WriteOwner);
    }

    void secondStartKeepsTheUsersFiles()
    {
        ProgramFolder program;
        QTemporaryDir home;
        const QString user = userfolder::workingFolder(program.root(), false, home.path());
        const QString profile = user + "/modules/setting/p1.bin";
        QFile::remove(profile);
        QVERIFY(QFile(profile).open(QIODevice::WriteOnly)); // now empty
        QVERIFY(QFile::remove(user + "/modules/setting/name.bin"));
        QVERIFY(program.write("modules/i18n/English.ini", "[lang]\nnew=1\n"));

        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path()), user);
        QCOMPARE(QFileInfo(profile).size(), 0);
        QVERIFY(!QFileInfo::exists(user + "/modules/setting/name.bin"));
        QVERIFY(!tree(user + "/modules").value("i18n/English.ini").contains("new=1"));
    }

    void writableProgramFolderIsUsedAsItIs()
    {
        ProgramFolder program;
        QTemporaryDir home;
        QCOMPARE(userfolder::workingFolder(program.root(), true, home.path()), program.root());
        QVERIFY(!QFileInfo::exists(home.path() + "/orbex-mouse"));
    }

    void interruptedFirstCopyIsMadeAgain()
    {
        ProgramFolder program;
        QTemporaryDir home;
        const QString user = home.path() + "/orbex-mouse";
        QVERIFY(QDir().mkpath(user + "/modules.partial/setting"));
        QFile half(user + "/modules.partial/setting/p1.bin");
        QVERIFY(half.open(QIODevice::WriteOnly));
        half.close();

        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path()), user);
        QCOMPARE(tree(user + "/modules"), tree(program.path("modules")));
        QVERIFY(!QFileInfo::exists(user + "/modules.partial"));
    }

    // Where no per-user folder can be had, the program still starts in its
    // own folder, and whatever stands in the way stays as it was.
    // Where no per-user folder can be had, the program still starts in its
    // own folder, says why for the user to see, and whatever stands in the
    // way stays as it was, as does whatever a link there points to.
    void unusableUserFolderFallsBackToTheProgramFolder_data()
    {
        QTest::addColumn<QString>("blocker");
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder name taken by a file") << "orbex-mouse" << "file";
        QTest::newRow("modules name taken by a file") << "orbex-mouse/modules" << "file";
        QTest::newRow("folder name a dangling link") << "orbex-mouse" << "dangling link";
        QTest::newRow("modules a link to a folder") << "orbex-mouse/modules" << "link";
    }

    void unusableUserFolderFallsBackToTheProgramFolder()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, kind);
        ProgramFolder program;
        QTemporaryDir home;
        QTemporaryDir elsewhere;
        const QString blocked = home.path() + "/" + blocker;
        QVERIFY(QDir().mkpath(QFileInfo(blocked).path()));
        QFile file(kind == "file" ? blocked : elsewhere.path() + "/kept.bin");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
        file.close();
        if (kind == "dangling link")
            QVERIFY(QFile::link(elsewhere.path() + "/gone", blocked));
        else if (kind == "link")
            QVERIFY(QFile::link(elsewhere.path(), blocked));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("settings changes will not be kept"));
        QString unusable;
        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path(), &unusable), program.root());
        QCOMPARE(unusable, home.path() + "/orbex-mouse");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept"));
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
                 kind == "file" ? 0 : 1);
    }

    // A link left where the first copy is made is taken away itself; the
    // folder it points to keeps its files and never becomes the settings.
    void linkInPlaceOfTheInterruptedCopyRemovesNothingElsewhere()
    {
        ProgramFolder program;
        QTemporaryDir home;
        QTemporaryDir elsewhere;
        const QString user = home.path() + "/orbex-mouse";
        QVERIFY(QDir().mkpath(user));
        QFile precious(elsewhere.path() + "/precious.txt");
        QVERIFY(precious.open(QIODevice::WriteOnly));
        precious.write("mine");
        precious.close();
        QVERIFY(QFile::link(elsewhere.path(), user + "/modules.partial"));

        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path()), user);
        QCOMPARE(tree(elsewhere.path()), (QMap<QString, QByteArray>{{"precious.txt", "mine"}}));
        QVERIFY(!QFileInfo(user + "/modules").isSymLink());
        QCOMPARE(tree(user + "/modules"), tree(program.path("modules")));
    }

    void missingFactoryTreeIsCopiedOnceItIsThere()
    {
        ProgramFolder program(false);
        QVERIFY(QDir(program.path("modules")).removeRecursively());
        QTemporaryDir home;
        const QString user = home.path() + "/orbex-mouse";

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is missing"));
        QString unusable;
        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path(), &unusable), program.root());
        QCOMPARE(unusable, user);
        QVERIFY(!QFileInfo::exists(user + "/modules"));

        QVERIFY(program.write("modules/setting/apConfig.bin", "[common]\ndeviceCount=0\n"));
        QCOMPARE(userfolder::workingFolder(program.root(), false, home.path()), user);
        QCOMPARE(tree(user + "/modules"), tree(program.path("modules")));
    }
};

QTEST_GUILESS_MAIN(UserFolderTest)
#include "tst_userfolder.moc"
