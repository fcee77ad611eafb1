#include "storage/macrolibrary.h"
#include "storage/safename.h"
#include "storage/settingsstores.h"

#include "programfolder.h"
#include "specialfiles.h"

#include <QDirIterator>
#include <QSettings>
#include <QtTest>

#include <memory>

// Macro files and the profile entries that follow them, in a program folder
// whose slot 2 and slot 7 both play macro M1 on key 3.
class MacroLibraryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    static QString macroPath(const QString &name) { return "modules/macro/" + name + ".bin"; }
    bool hasMacro(const QString &name) const { return QFile::exists(folder->path(macroPath(name))); }

    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder->root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QDir(folder->root()).relativeFilePath(path),
                         folder->read(QDir(folder->root()).relativeFilePath(path)));
        }
        return files;
    }

    static QByteArray macroProfile(const QByteArray &macroName)
    {
        return "[mouseKeyMatrix]\n3=4, 0, 3, 0\n4=1, 240, 0, 0\n"
               "[mouseMacroKey]\n3="
               + macroName + "\n4=" + macroName + "\n";
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
        QVERIFY(QDir(folder->root()).mkpath("modules/macro"));
        QVERIFY(folder->write("modules/setting/apConfig.bin", "[mouse]\nicType=560\n"));
        QVERIFY(folder->write("modules/setting/pD.bin",
                              "[mouseKeyMatrix]\n3=1, 242, 0, 0\n5=1, 243, 0, 0\n6=1, 244, 0, 0\n"));
        QVERIFY(folder->write("modules/setting/p3.bin", macroProfile("M1")));
        QVERIFY(folder->write("modules/setting/p8.bin", macroProfile("M1")));
        QVERIFY(folder->write("modules/setting/p1.bin", "[mouseKeyMatrix]\n3=4, 0, 7, 0\n5=4\n6=4, 0\n7=4, 0, 99, 0\n"
                                                        "[mouseMacroKey]\n7=M1\n"));
        QVERIFY(folder->write(macroPath("M1"), "[config]\ntotal=1\nrepeat=2\n[macro]\n0=\"1,A\"\n"));
    }

    void cleanup() { folder.reset(); }

    void createWritesTheConfigGroup()
    {
        QVERIFY(macrolibrary::create("Macro_0", 0));
        QSettings file(folder->path(macroPath("Macro_0")), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList{"config"});
        QCOMPARE(file.value("config/index").toString(), QStringLiteral("0"));
        QCOMPARE(file.value("config/total").toString(), QStringLiteral("0"));
        QCOMPARE(file.value("config/repeat").toString(), QStringLiteral("1"));
        QCOMPARE(file.value("config/did").toString(), QStringLiteral("-1"));
        QCOMPARE(macrolibrary::load("Macro_0"), QStringList{"1"});
    }

    void createWithoutTheMacroFolderFails()
    {
        QVERIFY(QDir(folder->path("modules/macro")).removeRecursively());
        QVERIFY(!macrolibrary::create("Macro_0", 0));
        QVERIFY(!hasMacro("Macro_0"));
    }

    void savedEventsLoadBackWithTheRepeatCount()
    {
        QVERIFY(macrolibrary::create("M", 0));
        QVERIFY(macrolibrary::save("M", {"1,A", "0,50", "2,A"}, 3));
        QCOMPARE(macrolibrary::load("M"), (QStringList{"1,A", "0,50", "2,A", "3"}));

        // Fewer events than before leave none of the old ones behind.
        QVERIFY(macrolibrary::save("M", {"3,MS-L"}, 1));
        QCOMPARE(macrolibrary::load("M"), (QStringList{"3,MS-L", "1"}));
        QSettings file(folder->path(macroPath("M")), QSettings::IniFormat);
        QCOMPARE(file.childKeys().size(), 0);
        file.beginGroup("macro");
        QCOMPARE(file.childKeys(), QStringList{"0"});
        file.endGroup();
        QCOMPARE(file.value("config/did").toInt(), -1);
    }

    void awkwardEventTextsSurvive()
    {
        QVERIFY(macrolibrary::create("M", 0));
        const QStringList events{"1,,", "2,,", "1,\xc3\xa4", "0,50"};
        QVERIFY(macrolibrary::save("M", events, 9999));
        QCOMPARE(macrolibrary::load("M"), events + QStringList{"9999"});
    }

    void saveNeedsAnExistingMacro()
    {
        QVERIFY(!macrolibrary::save("Nobody", {"1,A"}, 1));
        QVERIFY(!hasMacro("Nobody"));
        QVERIFY(macrolibrary::load("Nobody").isEmpty());
    }

    void loadCopesWithDamagedCounts_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("size");
        QTest::newRow("missing events read as 0") << QByteArray("[config]\ntotal=3\nrepeat=2\n[macro]\n1=\"0,10\"\n")
                                                  << QStringList{"0", "0,10", "0", "2"} << 4;
        QTest::newRow("no config at all") << QByteArray("[macro]\n0=x\n") << QStringList{"0"} << 1;
        QTest::newRow("negative total") << QByteArray("[config]\ntotal=-5\nrepeat=1\n") << QStringList{"1"} << 1;
        QTest::newRow("total not a number") << QByteArray("[config]\ntotal=many\nrepeat=1\n") << QStringList{"1"} << 1;
        QTest::newRow("huge total is capped")
            << QByteArray("[config]\ntotal=2000000000\nrepeat=1\n") << QStringList{} << macrolibrary::kMaxEvents + 1;
        QTest::newRow("an unquoted comma and space")
            << QByteArray("[config]\ntotal=1\nrepeat=1\n[macro]\n0=1, A\n") << QStringList{"1, A", "1"} << 2;
    }

    void loadCopesWithDamagedCounts()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QFETCH(int, size);
        QVERIFY(folder->write(macroPath("Damaged"), content));
        const QStringList loaded = macrolibrary::load("Damaged");
        QCOMPARE(loaded.size(), size);
        if (!expected.isEmpty())
            QCOMPARE(loaded, expected);
    }

    void deleteRemovesOnlyAnExistingMacro()
    {
        QVERIFY(macrolibrary::remove("M1"));
        QVERIFY(!hasMacro("M1"));
        QVERIFY(!macrolibrary::remove("M1"));
    }

    void renameMovesTheFileAndThenTheProfiles()
    {
        {
            SettingsStores stores;
            QVERIFY(macrolibrary::rename(stores, "M1", "M2"));
            QCOMPARE(stores.profile(2)->value("mouseMacroKey/3").toString(), QStringLiteral("M2"));
            QCOMPARE(stores.profile(2)->value("mouseMacroKey/4").toString(), QStringLiteral("M2"));
            QCOMPARE(stores.profile(0)->value("mouseMacroKey/7").toString(), QStringLiteral("M2"));
        }
        QVERIFY(!hasMacro("M1"));
        QCOMPARE(macrolibrary::load("M2"), (QStringList{"1,A", "2"}));
        QCOMPARE(folder->read("modules/setting/p8.bin"), macroProfile("M1"));
        QVERIFY(folder->read("modules/setting/p3.bin").contains("3=M2"));
    }

    void renameOntoAnExistingMacroChangesNothing()
    {
        QVERIFY(folder->write(macroPath("M2"), "[config]\ntotal=0\nrepeat=5\n"));
        const auto before = snapshot();
        {
            SettingsStores stores;
            QVERIFY(!macrolibrary::rename(stores, "M1", "M2"));
            QCOMPARE(stores.profile(2)->value("mouseMacroKey/3").toString(), QStringLiteral("M1"));
        }
        QCOMPARE(snapshot(), before);
        QVERIFY(hasMacro("M1"));
        QCOMPARE(macrolibrary::load("M2"), QStringList{"5"});
    }

    void renameOfAMissingMacroChangesNothing()
    {
        const auto before = snapshot();
        {
            SettingsStores stores;
            QVERIFY(!macrolibrary::rename(stores, "Nobody", "M9"));
            QVERIFY(!macrolibrary::rename(stores, "M1", "M1"));
        }
        QCOMPARE(snapshot(), before);
    }

    void deleteGivesTheKeysTheirFactoryAssignment()
    {
        {
            SettingsStores stores;
            macrolibrary::takeOffKeys(stores, "M1");
            QCOMPARE(stores.profile(2)->value("mouseKeyMatrix/3").toStringList(), (QStringList{"1", "242", "0", "0"}));
            // Key 4 plays no macro, though its slot name says M1.
            QCOMPARE(stores.profile(2)->value("mouseKeyMatrix/4").toStringList(), (QStringList{"1", "240", "0", "0"}));
            QCOMPARE(stores.profile(2)->value("mouseMacroKey/3").toString(), QStringLiteral("M1"));
            // Slot 0: key 3 plays slot 7, which holds M1; short entries are skipped;
            // key 7 names a slot without a name.
            QCOMPARE(stores.profile(0)->value("mouseKeyMatrix/3").toStringList(), (QStringList{"1", "242", "0", "0"}));
            QCOMPARE(stores.profile(0)->value("mouseKeyMatrix/5").toString(), QStringLiteral("4"));
            QCOMPARE(stores.profile(0)->value("mouseKeyMatrix/6").toStringList(), (QStringList{"4", "0"}));
            QCOMPARE(stores.profile(0)->value("mouseKeyMatrix/7").toStringList(), (QStringList{"4", "0", "99", "0"}));
        }
        QCOMPARE(folder->read("modules/setting/p8.bin"), macroProfile("M1"));
        QVERIFY(folder->read("modules/setting/p3.bin").contains("3=1, 242, 0, 0"));
        QVERIFY(!QFile::exists(folder->path("modules/setting/p2.bin")));
    }

    void deleteOfAnotherMacroLeavesTheKeys()
    {
        const auto before = snapshot();
        {
            SettingsStores stores;
            macrolibrary::takeOffKeys(stores, "M2");
        }
        QCOMPARE(snapshot(), before);
    }

    void importKeepsAnExistingMacro()
    {
        QVERIFY(folder->write("picked.mc", "[config]\ntotal=0\nrepeat=7\n"));
        QVERIFY(macrolibrary::importFrom(folder->path("picked.mc"), "Macro_1"));
        QCOMPARE(folder->read(macroPath("Macro_1")), folder->read("picked.mc"));
        QCOMPARE(macrolibrary::load("Macro_1"), QStringList{"7"});

        const QByteArray old = folder->read(macroPath("M1"));
        QVERIFY(macrolibrary::importFrom(folder->path("picked.mc"), "M1"));
        QCOMPARE(folder->read(macroPath("M1")), old);
    }

    void importOfAnUnreadableFileFails()
    {
        QVERIFY(!macrolibrary::importFrom(folder->path("nothing.mc"), "Macro_1"));
        QVERIFY(!macrolibrary::importFrom(folder->path("modules"), "Macro_1"));
        QVERIFY(!hasMacro("Macro_1"));
        QCOMPARE(QDir(folder->path("modules/macro")).entryList(QDir::Files), QStringList{"M1.bin"});
    }

    void exportReplacesATargetOnlyWithACompleteCopy()
    {
        QVERIFY(folder->write("out.mc", "an older and longer export\n\n\n\n\n\n\n\n\n\n\n\n\n\n"));
        QVERIFY(macrolibrary::exportTo("M1", folder->path("out.mc")));
        QCOMPARE(folder->read("out.mc"), folder->read(macroPath("M1")));

        QVERIFY(folder->write("out.mc", "old\n"));
        QVERIFY(!macrolibrary::exportTo("Nobody", folder->path("out.mc")));
        QCOMPARE(folder->read("out.mc"), QByteArray("old\n"));
    }

    void namesThatAreNoPlainFileNameAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("into the settings") << "../setting/apConfig";
        QTest::newRow("slash") << "a/b";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("NUL") << QString::fromUtf16(u"M1\0x", 4);
        QTest::newRow("trailing slash") << "M1/";
    }

    void namesThatAreNoPlainFileNameAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(folder->write("modules/macro/sub/x.bin", "[config]\ntotal=0\n"));
        QVERIFY(folder->write("picked.mc", "[config]\ntotal=0\nrepeat=7\n"));
        const auto before = snapshot();
        {
            SettingsStores stores;
            QVERIFY(!macrolibrary::create(name, 0));
            QVERIFY(!macrolibrary::save(name, {"1,A"}, 1));
            QVERIFY(macrolibrary::load(name).isEmpty());
            QVERIFY(!macrolibrary::remove(name));
            QVERIFY(!macrolibrary::rename(stores, "M1", name));
            QVERIFY(!macrolibrary::rename(stores, name, "M9"));
            macrolibrary::takeOffKeys(stores, name);
            QVERIFY(!macrolibrary::importFrom(folder->path("picked.mc"), name));
            QVERIFY(!macrolibrary::exportTo(name, folder->path("out.mc")));
        }
        QCOMPARE(snapshot(), before);
    }

    void aNameTooLongToSaveIsRefusedWhereItEnters()
    {
        const QString longest(safename::kMaxNameBytes, QLatin1Char('m'));
        // Two bytes a character: short in characters, too long in bytes.
        const QString wide(safename::kMaxNameBytes / 2 + 1, QChar(0x00e4));
        QVERIFY(folder->write("picked.mc", "[config]\ntotal=0\nrepeat=7\n"));
        SettingsStores stores;
        const QStringList tooLong{longest + QLatin1Char('m'), wide};
        for (const QString &name : tooLong) {
            QVERIFY(!macrolibrary::create(name, 0));
            QVERIFY(!macrolibrary::importFrom(folder->path("picked.mc"), name));
            QVERIFY(!macrolibrary::rename(stores, "M1", name));
        }
        QCOMPARE(QDir(folder->path("modules/macro")).entryList(QDir::Files), QStringList{"M1.bin"});

        // The longest name that is taken can be saved and renamed again.
        QVERIFY(macrolibrary::create(longest, 0));
        QVERIFY(macrolibrary::save(longest, {"1,A", "2,A"}, 3));
        QCOMPARE(macrolibrary::load(longest), (QStringList{"1,A", "2,A", "3"}));
        QVERIFY(macrolibrary::rename(stores, longest, "M2"));
        QCOMPARE(macrolibrary::load("M2"), (QStringList{"1,A", "2,A", "3"}));
    }

    void aFailedSaveNeverReadsBackAsSaved()
    {
        // A macro file from before whose name leaves no room for the
        // settings writer's lock file: every save of it fails.
        const QString name(255 - 4, QLatin1Char('m'));
        QVERIFY(folder->write(macroPath(name), "[config]\ntotal=1\nrepeat=2\n[macro]\n0=\"1,A\"\n"));
        const QByteArray before = folder->read(macroPath(name));
        QVERIFY(!macrolibrary::save(name, {"1,B", "0,50", "2,B"}, 5));
        QCOMPARE(macrolibrary::load(name), (QStringList{"1,A", "2"}));
        QCOMPARE(folder->read(macroPath(name)), before);
    }

    void specialFilesAreNeitherImportedNorOpened()
    {
        const QString fifo = folder->path("picked.mc");
        const QString fifoMacro = folder->path(macroPath("F"));
        QVERIFY(specialfiles::makeFifo(fifo));
        QVERIFY(specialfiles::makeFifo(fifoMacro));
        bool imported = true;
        bool created = true;
        QVERIFY2(specialfiles::endsWithin(2000,
                                          [&] {
                                              imported = macrolibrary::importFrom(fifo, "Macro_1");
                                              created = macrolibrary::create("F", 0);
                                          },
                                          {fifo, fifoMacro}),
                 "blocked on a FIFO");
        QVERIFY(!imported);
        QVERIFY(!created);
        // A device reads as empty or without end; the macro must not appear.
        QVERIFY(!macrolibrary::importFrom("/dev/zero", "Macro_2"));
        QVERIFY(!hasMacro("Macro_1"));
        QVERIFY(!hasMacro("Macro_2"));
    }

    void aNameThatLooksOddButIsPlainWorks()
    {
        for (const QString &name :
             {QStringLiteral(" spaced "), QStringLiteral("..x"), QStringLiteral("Makro \u00e4")}) {
            QVERIFY(macrolibrary::create(name, 0));
            QVERIFY(macrolibrary::save(name, {"1,A"}, 2));
            QCOMPARE(macrolibrary::load(name), (QStringList{"1,A", "2"}));
            QVERIFY(macrolibrary::remove(name));
        }
    }
};

QTEST_GUILESS_MAIN(MacroLibraryTest)
#include "tst_macrolibrary.moc"
