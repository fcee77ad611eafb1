#include "storage/gundata.h"
#include "encoding/gunpreset.h"

#include "programfolder.h"

#include <QSettings>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(gunpreset::Values)

class GunDataTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    QString file() const { return folder->path("modules/gun/gunData.bin"); }

    static QVariantList record(const QString &name, int y) { return {name, "L-Click", 10, 0, y, 0}; }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
        QVERIFY(folder->write("modules/gun/gunData.bin", "[gunData]\nAK=L-Click, 10, 0, 5, 0\n"));
    }

    void cleanup() { folder.reset(); }

    void recordsByIndexComeBackAsTexts()
    {
        gundata::saveRecord(file(), 2, record("M4", 20));
        QCOMPARE(gundata::record(file(), 2), (QVariantList{"M4", "L-Click", "10", "0", "20", "0"}));
        QVERIFY(folder->read("modules/gun/gunData.bin").contains("2=M4, L-Click, 10, 0, 20, 0"));
        QCOMPARE(gundata::record(file(), "AK"), (QVariantList{"L-Click", "10", "0", "5", "0"}));
    }

    void onlySixValuesAreKeptAndShortRecordsAreFilledUp()
    {
        gundata::saveRecord(file(), 0, {"A", "L-Click", 10, 0, 20, 0, "extra", 99});
        QCOMPARE(gundata::record(file(), 0).size(), 6);
        gundata::saveRecord(file(), 1, {"B"});
        QCOMPARE(gundata::record(file(), 1), (QVariantList{"B", "", "", "", "", ""}));
        gundata::saveRecord(file(), 3, {});
        QVERIFY(!QSettings(file(), QSettings::IniFormat).contains("gunData/3"));
    }

    void keysAfterSixSavesAreTheSixIndexes()
    {
        folder->write("modules/gun/gunData.bin", "");
        for (int i = 0; i < 6; ++i)
            gundata::saveRecord(file(), i, record(QString("G%1").arg(i), i));
        QCOMPARE(gundata::names(file()), (QStringList{"0", "1", "2", "3", "4", "5"}));
    }

    void renameMovesOnlyTheNamedRecord()
    {
        gundata::saveRecord(file(), 0, record("AK", 5));
        gundata::modify(file(), 1, {"AK-47", "L-Click", 10, 0, 20, 0, "AK"});
        QVERIFY(gundata::record(file(), "AK").isEmpty());
        QCOMPARE(gundata::record(file(), "AK-47"), (QVariantList{"L-Click", "10", "0", "20", "0"}));
        QCOMPARE(gundata::record(file(), 0), (QVariantList{"AK", "L-Click", "10", "0", "5", "0"}));
    }

    void removeTakesOneRecord()
    {
        gundata::saveRecord(file(), 0, record("A", 1));
        gundata::modify(file(), 0, {"AK"});
        QCOMPARE(gundata::names(file()), QStringList{"0"});
    }

    void modificationsThatNameNoRecordDoNothing_data()
    {
        QTest::addColumn<QVariant>("type");
        QTest::addColumn<QVariantList>("src");
        QTest::newRow("unknown type") << QVariant(2) << QVariantList{"AK"};
        QTest::newRow("type not a number") << QVariant("x") << QVariantList{"AK"};
        QTest::newRow("empty list") << QVariant(0) << QVariantList{};
        QTest::newRow("remove of an empty name") << QVariant(0) << QVariantList{""};
        QTest::newRow("remove of a bare slash") << QVariant(0) << QVariantList{"//"};
        QTest::newRow("rename without old name") << QVariant(1) << QVariantList{"New", "L-Click", 10, 0, 20, 0};
        QTest::newRow("rename from an empty name") << QVariant(1) << QVariantList{"New", "L-Click", 10, 0, 20, 0, ""};
        QTest::newRow("rename to an empty name") << QVariant(1) << QVariantList{"", "L-Click", 10, 0, 20, 0, "AK"};
    }

    void modificationsThatNameNoRecordDoNothing()
    {
        QFETCH(QVariant, type);
        QFETCH(QVariantList, src);
        gundata::saveRecord(file(), 0, record("A", 1));
        const QByteArray before = folder->read("modules/gun/gunData.bin");
        gundata::modify(file(), type, src);
        gundata::saveRecord(file(), "/", record("B", 2));
        QCOMPARE(folder->read("modules/gun/gunData.bin"), before);
        QVERIFY(gundata::record(file(), "").isEmpty());
    }

    void aMissingFileIsNeverCreated()
    {
        folder->remove("modules/gun/gunData.bin");
        gundata::saveRecord(file(), 0, record("A", 1));
        gundata::modify(file(), 1, {"B", "L-Click", 10, 0, 20, 0, "A"});
        gundata::modify(file(), 0, {"A"});
        QVERIFY(gundata::record(file(), 0).isEmpty());
        QVERIFY(gundata::names(file()).isEmpty());
        QVERIFY(!QFile::exists(file()));
    }

    void presetBytes560_data()
    {
        QTest::addColumn<gunpreset::Values>("values");
        QTest::addColumn<uint8_t>("flagsBefore");
        QTest::addColumn<QByteArray>("bytes65And78To81");
        QTest::newRow("Y of 10") << gunpreset::Values{0, 0, 10} << uint8_t(0xFF)
                                 << QByteArray("\xFB\xF0\x00\x00\x0A", 5);
        QTest::newRow("values in their low byte")
            << gunpreset::Values{255, -1, 300} << uint8_t(0x04) << QByteArray("\x00\xF0\xFF\xFF\x2C", 5);
    }

    void presetBytes560()
    {
        QFETCH(gunpreset::Values, values);
        QFETCH(uint8_t, flagsBefore);
        QFETCH(QByteArray, bytes65And78To81);
        gunpreset::Block block;
        block.fill(0x5A);
        block[profileimage::kGunFlags] = flagsBefore;
        gunpreset::patchBlock(block, values);
        QByteArray got;
        for (int i : {65, 78, 79, 80, 81})
            got.append(char(block[i]));
        QCOMPARE(got.toHex(' '), bytes65And78To81.toHex(' '));
        for (int i = 0; i < gunpreset::kBlockSize; ++i) {
            if (i != 65 && (i < 78 || i > 81))
                QCOMPARE(int(block[i]), 0x5A);
        }
    }

    void presetCommand553_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("negate");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("wireY");
        QTest::newRow("Y negated") << 10 << true << 1 << 0xF6;
        QTest::newRow("Y as it is") << 10 << false << 2 << 0x0A;
        QTest::newRow("zero stays zero") << 0 << true << 3 << 0x00;
        QTest::newRow("largest Y negated") << 64 << true << 3 << 0xC0;
    }

    void presetCommand553()
    {
        QFETCH(int, y);
        QFETCH(bool, negate);
        QFETCH(int, slot);
        QFETCH(int, wireY);
        const auto command = gunpreset::command553({7, 1, y}, slot, negate);
        QCOMPARE(int(command.repeat), 7);
        QCOMPARE(int(command.x), 1);
        QCOMPARE(int(command.y), wireY);
        QCOMPARE(int(command.slot), slot - 1);
        QCOMPARE(gunpreset::blockOf(slot), slot + 1);
    }
};

QTEST_GUILESS_MAIN(GunDataTest)
#include "tst_gundata.moc"
