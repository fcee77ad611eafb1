#include "storage/namelists.h"

#include "programfolder.h"

#include <QSettings>
#include <QtTest>

#include <memory>

class NameListsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    QString file() const { return folder->path("modules/setting/name.bin"); }
    QByteArray text() const { return folder->read("modules/setting/name.bin"); }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->isValid());
    }

    void cleanup() { folder.reset(); }

    void listsComeBackAsStored_data()
    {
        QTest::addColumn<QVariant>("type");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QVariantList>("stored");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("one macro gets the sentinel")
            << QVariant(0) << QStringList{"Macro_0"} << QVariantList{"Macro_0", "loaderzorvex"}
            << QByteArray("[macro]\nmacroName=Macro_0, loaderzorvex");
        QTest::newRow("profiles keep their order")
            << QVariant(2) << QStringList{"Game3", "Work0"} << QVariantList{"Game3", "Work0"}
            << QByteArray("[profile]\nprofileName=Game3, Work0");
        QTest::newRow("gun names") << QVariant(1) << QStringList{"AK", "M4", "UMP"} << QVariantList{"AK", "M4", "UMP"}
                                   << QByteArray("gunName=AK, M4, UMP");
        QTest::newRow("type as text") << QVariant("3") << QStringList{"x", "y"} << QVariantList{"x", "y"}
                                      << QByteArray("selectGun=x, y");
        QTest::newRow("type as a whole double")
            << QVariant(1.0) << QStringList{"x", "y"} << QVariantList{"x", "y"} << QByteArray("gunName=x, y");
        QTest::newRow("a name with a comma")
            << QVariant(0) << QStringList{"a, b", "c"} << QVariantList{"a, b", "c"} << QByteArray("macroName=");
    }

    void listsComeBackAsStored()
    {
        QFETCH(QVariant, type);
        QFETCH(QStringList, names);
        QFETCH(QVariantList, stored);
        QFETCH(QByteArray, line);

        QVERIFY(namelists::store(file(), type, names));
        QVERIFY2(text().contains(line), text().constData());
        QCOMPARE(namelists::read(file(), type), stored);
    }

    void aSingleNameReadsBackAsAListFromDisk()
    {
        QVERIFY(folder->write("modules/setting/name.bin", "[macro]\nmacroName=Macro_0, loaderzorvex\n"));
        QCOMPARE(namelists::read(file(), 0), (QVariantList{"Macro_0", "loaderzorvex"}));
        // A plain value is no list, whatever it holds.
        QVERIFY(folder->write("modules/setting/name.bin", "[macro]\nmacroName=Macro_0\n"));
        QVERIFY(namelists::read(file(), 0).isEmpty());
    }

    void anEmptyListRemovesTheKey()
    {
        QVERIFY(namelists::store(file(), 0, {"A", "B"}));
        QVERIFY(namelists::store(file(), 2, {"Standard0"}));
        QVERIFY(namelists::store(file(), 0, {}));
        QVERIFY(namelists::read(file(), 0).isEmpty());
        QVERIFY(!QSettings(file(), QSettings::IniFormat).contains("macro/macroName"));
        QCOMPARE(namelists::read(file(), 2), (QVariantList{"Standard0", "loaderzorvex"}));
    }

    void typesOutsideTheFourTouchNothing_data()
    {
        QTest::addColumn<QVariant>("type");
        QTest::newRow("7") << QVariant(7);
        QTest::newRow("4") << QVariant(4);
        QTest::newRow("-1") << QVariant(-1);
        QTest::newRow("not a number") << QVariant("macro");
        QTest::newRow("nothing") << QVariant();
        // Values that an unsigned conversion would wrap or round into 0.
        QTest::newRow("2^32") << QVariant(Q_INT64_C(4294967296));
        QTest::newRow("2^32 + 2") << QVariant(4294967298.0);
        QTest::newRow("-0.4") << QVariant(-0.4);
        QTest::newRow("0.5") << QVariant(0.5);
        QTest::newRow("1e30") << QVariant(1e30);
        QTest::newRow("NaN") << QVariant(qQNaN());
        QTest::newRow("text 2^32") << QVariant("4294967296");
    }

    void typesOutsideTheFourTouchNothing()
    {
        QFETCH(QVariant, type);
        QVERIFY(namelists::store(file(), 0, {"Keep", "These"}));
        const QByteArray before = text();
        QVERIFY(namelists::store(file(), type, {"X", "Y"}));
        QVERIFY(namelists::store(file(), type, {}));
        QCOMPARE(text(), before);
        QVERIFY(namelists::read(file(), type).isEmpty());
    }

    void aMissingFileReadsEmptyAndAnUnwritableOneSaysSo()
    {
        QVERIFY(namelists::read(file(), 0).isEmpty());
        QVERIFY(!QFile::exists(file()));
        QVERIFY(!namelists::store(folder->path("no/such/folder/name.bin"), 0, {"A", "B"}));
    }
};

QTEST_GUILESS_MAIN(NameListsTest)
#include "tst_namelists.moc"
