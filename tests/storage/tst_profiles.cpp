#include "storage/languagestrings.h"
#include "storage/namelists.h"
#include "storage/paths.h"
#include "storage/profiles.h"
#include "storage/settingsstores.h"

#include "programfolder.h"
#include "specialfiles.h"

#include <QSettings>
#include <QtTest>

#include <array>
#include <memory>

// Whole-slot operations over the held stores of a program folder whose ten
// slots each say which slot they are.
class ProfilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    static QString slotFile(int slot) { return QStringLiteral("modules/setting/p%1.bin").arg(slot + 1); }
    // Each slot's file has a length of its own: the settings cache takes a
    // file of equal size and time stamp for unchanged.
    static QByteArray slotText(int slot)
    {
        return "[mouse]\nreportRate=" + QByteArray::number(slot % 4) + "\nwhich=" + QByteArray::number(slot)
               + "\npad=" + QByteArray(40 + slot, 'x') + "\n";
    }

    QByteArray fileOf(int slot) const { return folder->read(slotFile(slot)); }

    void verifyOtherSlotsUntouched(SettingsStores &stores, int changed, const std::array<QSettings *, 10> &before)
    {
        for (int slot = 0; slot < paths::kProfileSlots; ++slot) {
            if (slot == changed)
                continue;
            QCOMPARE(stores.profile(slot), before[slot]);
            QCOMPARE(fileOf(slot), slotText(slot));
            QCOMPARE(stores.profile(slot)->value("mouse/which").toInt(), slot);
        }
    }

    static std::array<QSettings *, 10> storesOf(const SettingsStores &stores)
    {
        std::array<QSettings *, 10> all{};
        for (int slot = 0; slot < paths::kProfileSlots; ++slot)
            all[slot] = stores.profile(slot);
        return all;
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
        for (int slot = 0; slot < paths::kProfileSlots; ++slot)
            QVERIFY(folder->write(slotFile(slot), slotText(slot)));
        QVERIFY(folder->write("modules/setting/pD.bin", "[mouse]\nreportRate=3\nwhich=factory\n"));
        QVERIFY(folder->write("import.pf", "[mouse]\nreportRate=1\nwhich=imported\n"));
    }

    void cleanup() { folder.reset(); }

    void replacementPutsTheSourceIntoTheSlot_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("which");
        const QByteArray factory("[mouse]\nreportRate=3\nwhich=factory\n");
        QTest::newRow("import into slot 2")
            << "import" << 2 << QByteArray("[mouse]\nreportRate=1\nwhich=imported\n") << "imported";
        QTest::newRow("reset slot 4") << "reset" << 4 << factory << "factory";
        QTest::newRow("copy slot 3 onto 1") << "copy3" << 1 << slotText(3) << "3";
        QTest::newRow("copy slot 1 onto 3") << "copy1" << 3 << slotText(1) << "1";
        QTest::newRow("reset the last slot") << "reset" << 9 << factory << "factory";
    }

    void replacementPutsTheSourceIntoTheSlot()
    {
        QFETCH(QString, operation);
        QFETCH(int, slot);
        QFETCH(QByteArray, expected);
        QFETCH(QString, which);

        SettingsStores stores;
        stores.setCurrentProfile(slot);
        QCOMPARE(stores.current()->value("mouse/which").toInt(), slot);
        const auto before = storesOf(stores);

        bool done = false;
        if (operation == "import")
            done = profiles::importFrom(stores, slot, folder->path("import.pf"));
        else if (operation == "reset")
            done = profiles::resetToFactory(stores, slot);
        else
            done = profiles::copySlot(stores, slot, operation.right(1).toInt());
        QVERIFY(done);

        QCOMPARE(fileOf(slot), expected);
        QCOMPARE(stores.currentProfile(), slot);
        QVERIFY(stores.current() != before[slot]);
        QCOMPARE(stores.current()->value("mouse/which").toString(), which);
        verifyOtherSlotsUntouched(stores, slot, before);
    }

    void failedCopyKeepsTheSlot_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("import of a missing file") << "missing";
        QTest::newRow("import of a folder") << "folder";
        QTest::newRow("import of a device") << "device";
        QTest::newRow("reset without factory profile") << "reset";
        QTest::newRow("copy of a slot that has no file") << "copy";
    }

    void failedCopyKeepsTheSlot()
    {
        QFETCH(QString, operation);
        folder->remove("modules/setting/pD.bin");
        folder->remove(slotFile(7));

        SettingsStores stores;
        stores.setCurrentProfile(2);
        stores.current()->setValue("mouse/unsaved", 5);
        QSettings *before = stores.current();

        bool done = true;
        if (operation == "missing")
            done = profiles::importFrom(stores, 2, folder->path("nothing.pf"));
        else if (operation == "folder")
            done = profiles::importFrom(stores, 2, folder->path("modules"));
        else if (operation == "device")
            done = profiles::importFrom(stores, 2, QStringLiteral("/dev/zero"));
        else if (operation == "reset")
            done = profiles::resetToFactory(stores, 2);
        else
            done = profiles::copySlot(stores, 2, 7);
        QVERIFY(!done);

        QCOMPARE(stores.current(), before);
        QCOMPARE(stores.current()->value("mouse/which").toInt(), 2);
        QCOMPARE(stores.current()->value("mouse/unsaved").toInt(), 5);
        QVERIFY(fileOf(2).contains("which=2"));
        QVERIFY(!QFile::exists(folder->path(slotFile(7))));
    }

    // A copy that ends up with the old file's size and time stamp must still
    // be read: here the old file carries a stamp later than the copy's own.
    void replacedFileNeverLooksUnchanged()
    {
        QVERIFY(folder->write("import.pf", slotText(2).replace("which=2", "which=9")));
        const QDateTime later = QDateTime::currentDateTime().addSecs(3600);
        {
            QFile old(folder->path(slotFile(2)));
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(later, QFileDevice::FileModificationTime));
        }
        SettingsStores stores;
        QCOMPARE(stores.profile(2)->value("mouse/which").toInt(), 2);
        QVERIFY(profiles::importFrom(stores, 2, folder->path("import.pf")));
        QVERIFY(QFileInfo(folder->path(slotFile(2))).lastModified() > later);
        QCOMPARE(stores.profile(2)->value("mouse/which").toInt(), 9);
        stores.profile(2)->setValue("mouse/reportRate", 0);
        stores.profile(2)->sync();
        QVERIFY(fileOf(2).contains("which=9"));
    }

    // A factory reset of a slot that holds the factory profile already
    // writes nothing: each write waits for the disk, the window with it.
    void replacementWithTheSameBytesWritesNothing()
    {
        QVERIFY(folder->write(slotFile(3), folder->read("modules/setting/pD.bin")));
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        {
            QFile file(folder->path(slotFile(3)));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        SettingsStores stores;
        QVERIFY(profiles::resetToFactory(stores, 3));
        // Stamped a millisecond later for the settings cache, not written.
        QVERIFY(QFileInfo(folder->path(slotFile(3))).lastModified() < old.addSecs(1));
        QCOMPARE(fileOf(3), folder->read("modules/setting/pD.bin"));
    }

    void copyOntoItselfChangesNothing()
    {
        SettingsStores stores;
        const auto before = storesOf(stores);
        QVERIFY(!profiles::copySlot(stores, 4, 4));
        QCOMPARE(fileOf(4), slotText(4));
        verifyOtherSlotsUntouched(stores, -1, before);
    }

    void copyTakesWhatTheSourceStoreStillHolds()
    {
        SettingsStores stores;
        stores.profile(3)->setValue("mouse/reportRate", 2);
        QVERIFY(profiles::copySlot(stores, 5, 3));
        QCOMPARE(stores.profile(5)->value("mouse/reportRate").toInt(), 2);
        QCOMPARE(stores.profile(5)->value("mouse/which").toInt(), 3);
    }

    void slotNumbersOutsideTheTenChangeNothing_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("-1") << -1;
        QTest::newRow("10") << 10;
        QTest::newRow("large") << 1000;
    }

    void slotNumbersOutsideTheTenChangeNothing()
    {
        QFETCH(int, slot);
        SettingsStores stores;
        const auto before = storesOf(stores);
        QVERIFY(!profiles::importFrom(stores, slot, folder->path("import.pf")));
        QVERIFY(!profiles::resetToFactory(stores, slot));
        QVERIFY(!profiles::copySlot(stores, slot, 0));
        QVERIFY(!profiles::copySlot(stores, 0, slot));
        QVERIFY(!profiles::exportTo(stores, slot, folder->path("out.pf")));
        QVERIFY(!QFile::exists(folder->path("out.pf")));
        verifyOtherSlotsUntouched(stores, -1, before);
    }

    void exportReplacesAnExistingFile()
    {
        QVERIFY(folder->write("out.pf", "an older export that is longer than the new one\n\n\n\n\n\n\n"));
        SettingsStores stores;
        QVERIFY(profiles::exportTo(stores, 0, folder->path("out.pf")));
        QCOMPARE(folder->read("out.pf"), slotText(0));
    }

    void exportCarriesAValueJustWritten()
    {
        SettingsStores stores;
        stores.profile(1)->setValue("mouse/reportRate", 3);
        QVERIFY(profiles::exportTo(stores, 1, folder->path("out.pf")));
        QSettings exported(folder->path("out.pf"), QSettings::IniFormat);
        QCOMPARE(exported.value("mouse/reportRate").toInt(), 3);
    }

    void failedExportKeepsTheOldFile()
    {
        QVERIFY(folder->write("out.pf", "old\n"));
        folder->remove(slotFile(6));
        SettingsStores stores;
        QVERIFY(!profiles::exportTo(stores, 6, folder->path("out.pf")));
        QCOMPARE(folder->read("out.pf"), QByteArray("old\n"));
        QVERIFY(!profiles::exportTo(stores, 0, folder->path("no/such/folder/out.pf")));
    }

    void settingsFilesThatAreFifosReadAsEmptyWithoutWaiting()
    {
        folder->remove(slotFile(0));
        const QStringList fifos = {folder->path("modules/setting/apConfig.bin"), folder->path(slotFile(0)),
                                   folder->path("modules/setting/name.bin"), folder->path("modules/i18n/English.ini")};
        QVERIFY(QDir(folder->root()).mkpath("modules/i18n"));
        for (const QString &fifo : fifos)
            QVERIFY(specialfiles::makeFifo(fifo));

        QVariant icType = 1, slot0 = 1;
        int slot1 = -1;
        bool namesStored = true;
        QVariantList names{1};
        QStringList texts{"x"};
        QVERIFY2(specialfiles::endsWithin(
                     3000,
                     [&] {
                         SettingsStores stores;
                         icType = stores.global()->value("mouse/icType");
                         slot0 = stores.profile(0)->value("mouse/which");
                         slot1 = stores.profile(1)->value("mouse/which").toInt();
                         stores.profile(0)->setValue("mouse/which", 9);
                         stores.profile(0)->sync();
                         namesStored = namelists::store(fifos[2], 0, {"A", "B"});
                         names = namelists::read(fifos[2], 0);
                         texts = languagestrings::readGroup(fifos[3], "keyCode");
                     },
                     fifos),
                 "blocked on a FIFO");
        QVERIFY(!icType.isValid());
        QVERIFY(!slot0.isValid());
        QCOMPARE(slot1, 1);
        QVERIFY(!namesStored);
        QVERIFY(names.isEmpty());
        QVERIFY(texts.isEmpty());
        for (const QString &fifo : fifos)
            QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
    }

    void sensitivityAndGunSelectionLiveInTheProfile()
    {
        SettingsStores stores;
        stores.setCurrentProfile(1);
        QCOMPARE(profiles::xySensitive(stores.current(), 1), QVariant(4));
        QCOMPARE(profiles::selectGun(stores.current(), 0), QVariant(QString()));

        profiles::setXYSensitive(stores.current(), 0, 7);
        profiles::setSelectGun(stores.current(), 2, "AK");
        QCOMPARE(profiles::xySensitive(stores.current(), 0).toInt(), 7);
        QCOMPARE(profiles::selectGun(stores.current(), 2).toString(), QStringLiteral("AK"));
        QCOMPARE(stores.current()->value("XYSensitive/0").toInt(), 7);
        QVERIFY(!stores.defaults()->contains("XYSensitive/0"));
        QVERIFY(!stores.profile(0)->contains("selectGun/2"));

        QCOMPARE(profiles::xySensitive(nullptr, 0), QVariant(4));
        QCOMPARE(profiles::selectGun(nullptr, 0), QVariant(QString()));
        profiles::setXYSensitive(nullptr, 0, 1);
    }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
