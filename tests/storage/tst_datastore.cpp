#include "controller/myquickview.h"
#include "storage/settingsstores.h"

#include "programfolder.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// The data store as the UI sees it: the view's slots over the twelve files of
// a program folder.
class DataStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    QByteArray fileText(const QString &relative) const { return folder->read(relative); }

    // Destroying the view flushes its stores, as the end of a run does. Qt
    // keeps parsed settings files in a process-wide cache; a new time stamp
    // makes the next run's stores read the files again as a new process would.
    std::unique_ptr<myQQuickView> restart(std::unique_ptr<myQQuickView> view)
    {
        view.reset();
        const QDir settings(folder->path("modules/setting"));
        for (const QString &name : settings.entryList(QDir::Files)) {
            QFile file(settings.filePath(name));
            if (file.open(QIODevice::ReadWrite))
                file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
        }
        return std::make_unique<myQQuickView>();
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
        folder->write("modules/setting/apConfig.bin",
                      "[mouse]\nisColorful=true\nisGun=true\nicType=560\nis55328=false\nprofileNo=0\n");
        folder->write("modules/setting/apConfigD.bin",
                      "[mouse]\nisColorful=false\nisGun=false\nicType=553\nprofileNo=4\n");
        folder->write("modules/setting/pD.bin", "[mouse]\nreportRate=1\ncolorValue=1, 2, 3\n");
    }

    void cleanup() { folder.reset(); }

    void flagsAreReadAtConstruction()
    {
        myQQuickView view;
        QVERIFY(view.model.colourful);
        QVERIFY(view.model.gun);
        QCOMPARE(view.model.family, devicemodel::Family::F560);
        QVERIFY(!view.model.is55328);
    }

    void missingGlobalFileGivesDefaults()
    {
        folder->remove("modules/setting/apConfig.bin");
        myQQuickView view;
        QVERIFY(!view.model.gun);
        QVERIFY(!view.usesFamily560());
        QVERIFY(!QFile::exists(folder->path("modules/setting/apConfig.bin")));
    }

    void setDataWritesTheEntryOfTheCurrentSlot()
    {
        auto view = std::make_unique<myQQuickView>();
        view->setCurrentProfile(3);
        view->setData("mouse/reportRate", 2);
        QCOMPARE(view->getData("mouse/reportRate", false).toInt(), 2);
        view = restart(std::move(view));

        QSettings p4(folder->path("modules/setting/p4.bin"), QSettings::IniFormat);
        QCOMPARE(p4.childGroups(), QStringList{"mouse"});
        QCOMPARE(p4.value("mouse/reportRate").toString(), QStringLiteral("2"));
        QVERIFY(!QFile::exists(folder->path("modules/setting/p1.bin")));
    }

    void missingKeysReadAsNothing()
    {
        myQQuickView view;
        QVERIFY(!view.getData("mouse/noSuchKey", false).isValid());
        QVERIFY(view.getDataList("mouse/noSuchKey", false).isEmpty());
        QVERIFY(!view.getGlobalData("common/noSuchKey").isValid());
    }

    void recoveryReadsTheFactoryProfile()
    {
        myQQuickView view;
        view.setCurrentProfile(5);
        view.setDataList("mouse/colorValue", {9, 9, 9});
        QCOMPARE(view.getData("mouse/reportRate", true).toInt(), 1);
        QCOMPARE(view.getDataList("mouse/colorValue", true), (QVariantList{"1", "2", "3"}));
        QCOMPARE(view.getDataList("mouse/colorValue", false).size(), 3);
    }

    void listsKeepTheirFileShape()
    {
        auto view = std::make_unique<myQQuickView>();
        view->setDataList("mouse/lightValue", {1, 2, 3});
        view->setDataList("mouse/single", {7});
        view->setData("mouse/viaSetData", QVariantList{4, 5});
        view = restart(std::move(view));

        const QByteArray text = fileText("modules/setting/p1.bin");
        QVERIFY2(text.contains("lightValue=1, 2, 3"), text.constData());
        QVERIFY2(text.contains("single=7\n"), text.constData());
        QVERIFY2(text.contains("viaSetData=4, 5"), text.constData());
        QVERIFY(!text.contains("@Variant"));

        QCOMPARE(view->getDataList("mouse/lightValue", false), (QVariantList{"1", "2", "3"}));
        // One value is stored like a plain value and is no list any more.
        QVERIFY(view->getDataList("mouse/single", false).isEmpty());
        QCOMPARE(view->getData("mouse/single", false).toString(), QStringLiteral("7"));
    }

    void plainTextIsNeverTakenForAList()
    {
        folder->write("modules/setting/p1.bin", "[mouse]\nname=Standard\n");
        myQQuickView view;
        QVERIFY(view.getDataList("mouse/name", false).isEmpty());
    }

    void globalDataIsWrittenToTheGlobalFile()
    {
        auto view = std::make_unique<myQQuickView>();
        view->setGlobalData("mouse/profileNo", 3);
        view->setGlobalData("mouse/selectGun", QVariantList{0, 2, 2});
        view = restart(std::move(view));
        QCOMPARE(view->getGlobalData("mouse/profileNo").toInt(), 3);
        QVERIFY(fileText("modules/setting/apConfig.bin").contains("selectGun=0, 2, 2"));
    }

    void resetPutsTheFactoryCopyInPlaceAndKeepsTheFlags()
    {
        myQQuickView view;
        view.resetApconfig();
        QCOMPARE(view.getGlobalData("mouse/profileNo").toInt(), 4);
        QCOMPARE(view.model.family, devicemodel::Family::F560);
        QVERIFY(view.model.gun);
        QCOMPARE(fileText("modules/setting/apConfig.bin"), fileText("modules/setting/apConfigD.bin"));
    }

    void resetWithoutFactoryCopyKeepsTheGlobalFile()
    {
        folder->remove("modules/setting/apConfigD.bin");
        const QByteArray before = fileText("modules/setting/apConfig.bin");
        myQQuickView view;
        view.resetApconfig();
        QCOMPARE(fileText("modules/setting/apConfig.bin"), before);
        QCOMPARE(view.getGlobalData("mouse/icType").toString(), QStringLiteral("560"));
    }

    void resetDropsNoPendingWrite()
    {
        myQQuickView view;
        view.setGlobalData("mouse/profileNo", 2);
        view.resetApconfig();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(view.getGlobalData("mouse/profileNo").toInt(), 4);
        QCOMPARE(fileText("modules/setting/apConfig.bin"), fileText("modules/setting/apConfigD.bin"));
    }

    // Every write of a settings file waits for the disk; a value the file
    // holds already, read from it or written before, writes nothing.
    void valuesAlreadyStoredAreNotWrittenAgain()
    {
        folder->write("modules/setting/p1.bin", "[mouse]\nreportRate=3\nlightValue=1, 2, 3\n");
        myQQuickView view;
        const QString file = folder->path("modules/setting/p1.bin");
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        auto age = [&] {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(old, QFileDevice::FileModificationTime));
        };
        age();
        view.setData("mouse/reportRate", 3);
        view.setDataList("mouse/lightValue", {1, 2, 3});
        view.setGlobalData("mouse/profileNo", 0);
        QVERIFY(view.flushSettings());
        QCOMPARE(QFileInfo(file).lastModified(), old);

        view.setData("mouse/reportRate", 2);
        QVERIFY(view.flushSettings());
        QVERIFY(fileText("modules/setting/p1.bin").contains("reportRate=2"));
        age();
        view.setData("mouse/reportRate", "2");
        QVERIFY(view.flushSettings());
        QCOMPARE(QFileInfo(file).lastModified(), old);
    }

    void slotOutsideTheTenTouchesNoFile_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("negative") << -1;
        QTest::newRow("eleventh") << 10;
        QTest::newRow("far") << 1000;
    }

    void slotOutsideTheTenTouchesNoFile()
    {
        QFETCH(int, slot);
        auto view = std::make_unique<myQQuickView>();
        view->setCurrentProfile(slot);
        view->setData("mouse/reportRate", 3);
        view->setDataList("mouse/lightValue", {1, 2});
        QVERIFY(!view->getData("mouse/reportRate", false).isValid());
        QVERIFY(view->getDataList("mouse/lightValue", false).isEmpty());
        QCOMPARE(view->getData("mouse/reportRate", true).toInt(), 1);
        view = restart(std::move(view));
        const QStringList files = QDir(folder->path("modules/setting")).entryList(QDir::Files);
        QCOMPARE(files, (QStringList{"apConfig.bin", "apConfigD.bin", "pD.bin"}));
    }
};

QTEST_MAIN(DataStoreTest)
#include "tst_datastore.moc"
