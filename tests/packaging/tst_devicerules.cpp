#include "packaging/devicerules.h"

#include <QtTest>

// The udev rule and the modaliases follow the device table: each mouse once,
// in table order, damaged entries left out.
class DeviceRulesTest : public QObject {
    Q_OBJECT

    static DeviceEntry entry(uint16_t vid, uint16_t pid, uint16_t usagePage = 0xff00)
    {
        DeviceEntry e;
        e.vid = vid;
        e.pid = pid;
        e.usagePage = usagePage;
        return e;
    }

private slots:
    void rulesAndModaliases_data()
    {
        QTest::addColumn<DeviceTable>("table");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QStringList>("modaliases");

        const QString factoryRule = R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="04d9", )"
                                    R"(ATTRS{idProduct}=="a1ee", TAG+="uaccess")";
        QTest::newRow("factory mouse") << DeviceTable{entry(0x04d9, 0xa1ee)} << QStringList{factoryRule}
                                       << QStringList{"usb:v04D9pA1EE*"};
        QTest::newRow("one mouse, two entries") << DeviceTable{entry(0x04d9, 0xa1ee), entry(0x04d9, 0xa1ee, 0xff01)}
                                                << QStringList{factoryRule} << QStringList{"usb:v04D9pA1EE*"};
        QTest::newRow("two mice, table order, short ids padded")
            << DeviceTable{entry(0x258a, 0x0012), entry(0x04d9, 0xa1ee)}
            << QStringList{R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="258a", )"
                           R"(ATTRS{idProduct}=="0012", TAG+="uaccess")",
                           factoryRule}
            << QStringList{"usb:v258Ap0012*", "usb:v04D9pA1EE*"};
        QTest::newRow("entries without vendor or product")
            << DeviceTable{entry(0, 0xa1ee), entry(0x04d9, 0), entry(0x04d9, 0xa1ee)} << QStringList{factoryRule}
            << QStringList{"usb:v04D9pA1EE*"};
        QTest::newRow("empty table") << DeviceTable{} << QStringList{} << QStringList{};
    }

    void rulesAndModaliases()
    {
        QFETCH(DeviceTable, table);
        QFETCH(QStringList, rules);
        QFETCH(QStringList, modaliases);
        QCOMPARE(devicerules::udevRules(table), rules);
        QCOMPARE(devicerules::modaliases(table), modaliases);
    }

    void fillMetainfo_data()
    {
        QTest::addColumn<QString>("metainfo");
        QTest::addColumn<QStringList>("modaliases");
        QTest::addColumn<QString>("expected");
        const QString provides = "<provides>\n  <modalias>@MODALIASES@</modalias>\n</provides>\n";
        QTest::newRow("one line per device") << provides << QStringList{"usb:v04D9pA1EE*", "usb:v258Ap0012*"}
                                             << "<provides>\n  <modalias>usb:v04D9pA1EE*</modalias>\n"
                                                "  <modalias>usb:v258Ap0012*</modalias>\n</provides>\n";
        QTest::newRow("no placeholder") << "<id>x</id>\n" << QStringList{"usb:v04D9pA1EE*"} << "<id>x</id>\n";
    }

    void fillMetainfo()
    {
        QFETCH(QString, metainfo);
        QFETCH(QStringList, modaliases);
        QFETCH(QString, expected);
        QCOMPARE(devicerules::fillMetainfo(metainfo, modaliases), expected);
    }
};

QTEST_GUILESS_MAIN(DeviceRulesTest)
#include "tst_devicerules.moc"
