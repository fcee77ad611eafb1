#include "controller/myquickview.h"
#include "storage/gundata.h"
#include "storage/languagestrings.h"
#include "storage/macrolibrary.h"
#include "storage/namelists.h"
#include "storage/paths.h"
#include "storage/profiles.h"
#include "storage/regularfile.h"
#include "storage/settingsstores.h"
#include "storage/storagefaults.h"

#include "programfolder.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using storagefaults::Kind;

// Settings files the program must not use as they are: links where a file or
// folder should be, files past the size limit, writes that do not reach the
// disk. None is written through, none is read whole, and the user hears of
// each (storageFailed), as the log does.
class StorageFaultsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<QTemporaryDir> elsewhere;

    QString outside(const QString &name) const { return elsewhere->path() + QLatin1Char('/') + name; }

    static QByteArray fileText(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
    }

    // A settings text past the limit that still parses.
    static QByteArray oversized()
    {
        return "[mouse]\nreportRate=2\n;" + QByteArray(regularfile::kMaxBytes, 'x') + "\n";
    }

    // Kinds reported to the view so far, once the queued signals are in.
    static QList<int> kinds(QSignalSpy &spy)
    {
        QCoreApplication::processEvents();
        QList<int> out;
        for (const QList<QVariant> &call : spy)
            out << call.at(0).toInt();
        return out;
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>();
        elsewhere = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid() && elsewhere->isValid());
    }

    void cleanup()
    {
        folder.reset();
        elsewhere.reset();
    }

    // A link in place of a profile file or of the settings folder: the data
    // store neither reads nor writes through it.
    void linkedProfileIsNeitherReadNorWritten_data()
    {
        QTest::addColumn<QString>("linked");
        QTest::newRow("profile file") << "modules/setting/p1.bin";
        QTest::newRow("settings folder") << "modules/setting";
    }

    void linkedProfileIsNeitherReadNorWritten()
    {
        QFETCH(QString, linked);
        const QString target = outside(QFileInfo(linked).fileName());
        QVERIFY(QDir().rename(folder->path(linked), target));
        QVERIFY(QFile::link(target, folder->path(linked)));
        const QString outsideProfile = QFileInfo(target).isDir() ? target + "/p1.bin" : target;
        QVERIFY(writeFile(outsideProfile, "[mouse]\nreportRate=2\n"));

        myQQuickView view;
        QSignalSpy failed(&view, &myQQuickView::storageFailed);
        QVERIFY(!view.getData("mouse/reportRate", false).isValid());
        view.setData("mouse/reportRate", 3);
        QVERIFY(!view.flushSettings());
        QCOMPARE(fileText(outsideProfile), QByteArray("[mouse]\nreportRate=2\n"));
        QVERIFY(kinds(failed).contains(int(Kind::NotRegular)));
        QVERIFY(kinds(failed).contains(int(Kind::NotSaved)));
    }

    // The files opened for one call, and a whole-slot replacement.
    void linkedFileIsNotWrittenThrough_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("gun records") << "modules/gun/gunData.bin";
        QTest::newRow("macro") << "modules/macro/M.bin";
        QTest::newRow("name lists") << "modules/setting/name.bin";
        QTest::newRow("profile replaced by the factory one") << "modules/setting/p2.bin";
    }

    void linkedFileIsNotWrittenThrough()
    {
        QFETCH(QString, file);
        const QByteArray kept = "[config]\nindex=1\ntotal=0\n[gunData]\nA=1, 2, 3, 4, 5, 6\n";
        QVERIFY(writeFile(outside("target.bin"), kept));
        folder->remove(file);
        QVERIFY(QFile::link(outside("target.bin"), folder->path(file)));

        QList<Kind> faults;
        storagefaults::install([&faults](Kind kind, const QString &) { faults << kind; });
        SettingsStores stores;
        gundata::saveRecord(paths::gunData(), "B", {"B", 1, 2, 3, 4, 5});
        macrolibrary::save("M", {"1,2,3"}, 1);
        namelists::store(paths::nameLists(), 0, {"A", "B"});
        profiles::resetToFactory(stores, 1);
        storagefaults::install({});

        QCOMPARE(fileText(outside("target.bin")), kept);
        QVERIFY(QFileInfo(folder->path(file)).isSymLink());
        QVERIFY(faults.contains(Kind::NotRegular));
    }

    // Past the size limit a file is refused whole, with a report naming it.
    void fileTooLargeIsRefused_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("profile slot") << "slot";
        QTest::newRow("language") << "language";
        QTest::newRow("profile import") << "import";
        QTest::newRow("macro import") << "macro import";
    }

    void fileTooLargeIsRefused()
    {
        QFETCH(QString, what);
        QList<std::pair<Kind, QString>> faults;
        storagefaults::install([&faults](Kind kind, const QString &path) { faults << std::pair{kind, path}; });
        QString refused;
        if (what == "slot") {
            refused = folder->path("modules/setting/p1.bin");
            QVERIFY(writeFile(refused, oversized()));
            SettingsStores stores;
            QVERIFY(!stores.profile(0)->value("mouse/reportRate").isValid());
            stores.profile(0)->setValue("mouse/reportRate", 1);
            QVERIFY(!stores.flush());
            QCOMPARE(fileText(refused), oversized());
        } else if (what == "language") {
            refused = folder->path("modules/i18n/English.ini");
            QVERIFY(writeFile(refused, "[main]\ntotal=1\n0=Editor\n;" + QByteArray(regularfile::kMaxBytes, 'x')));
            QVERIFY(languagestrings::readGroup(paths::languageFile("English"), "main").isEmpty());
        } else if (what == "import") {
            refused = outside("big.pf");
            QVERIFY(writeFile(refused, oversized()));
            const QByteArray before = folder->read("modules/setting/p3.bin");
            SettingsStores stores;
            QVERIFY(!profiles::importFrom(stores, 2, refused));
            QCOMPARE(folder->read("modules/setting/p3.bin"), before);
        } else {
            refused = outside("big.mc");
            QVERIFY(writeFile(refused, oversized()));
            QVERIFY(!macrolibrary::importFrom(refused, "Big"));
            QVERIFY(!QFileInfo::exists(folder->path("modules/macro/Big.bin")));
        }
        storagefaults::install({});
        QVERIFY(!faults.isEmpty());
        QCOMPARE(faults.first().first, Kind::TooLarge);
        QCOMPARE(QFileInfo(faults.first().second).canonicalFilePath(), QFileInfo(refused).canonicalFilePath());
    }

    // A write that does not reach the disk is reported, is not taken for
    // done, and is tried again: once the folder is back, the next flush
    // stores what the user had set.
    void failedWriteIsReportedAndTriedAgain()
    {
        myQQuickView view;
        QSignalSpy failed(&view, &myQQuickView::storageFailed);
        const int rate = (view.getData("mouse/reportRate", false).toInt() + 1) % 4;
        view.setData("mouse/reportRate", rate);
        const QString setting = folder->path("modules/setting");
        QVERIFY(QDir().rename(setting, setting + ".away"));
        QVERIFY(writeFile(setting, "no folder"));

        QVERIFY(!view.flushSettings());
        QCOMPARE(kinds(failed), QList<int>{int(Kind::NotSaved)});
        QVERIFY(failed.first().at(1).toString().endsWith("modules/setting/p1.bin"));
        QCOMPARE(view.getData("mouse/reportRate", false).toInt(), rate);

        QVERIFY(QFile::remove(setting));
        QVERIFY(QDir().rename(setting + ".away", setting));
        QVERIFY(view.flushSettings());
        QVERIFY(folder->read("modules/setting/p1.bin").contains("reportRate=" + QByteArray::number(rate)));
        QCOMPARE(kinds(failed).size(), 1);
    }

    // The writes of one turn of the event loop reach the disk together,
    // without a flush being asked for.
    void writesReachTheDiskFromTheEventLoop()
    {
        myQQuickView view;
        view.setData("mouse/reportRate", 1);
        view.setDataList("mouse/lightValue", {4, 5, 6});
        QTRY_VERIFY(folder->read("modules/setting/p1.bin").contains("lightValue=4, 5, 6"));
        QVERIFY(folder->read("modules/setting/p1.bin").contains("reportRate=1"));
    }
};

QTEST_MAIN(StorageFaultsTest)
#include "tst_storagefaults.moc"
