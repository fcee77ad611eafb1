// The gun presets as the mouse receives them, on the virtual mouse of
// either family.
#include "mousebench.h"

#include "virtual_mouse.h"

#include <QtTest>

class GunSendTest : public QObject {
    Q_OBJECT

    static QList<int> gunBytes(const QList<int> &image) { return image.mid(78, 4); }

private slots:
    void family560PatchesTheSlotsProfile_data()
    {
        QTest::addColumn<int>("gunSlot");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QList<int>>("bytes78To81");
        QTest::newRow("slot 1, Y 10") << 1 << QVariantList{0, 0, 10} << QList<int>{0xF0, 0, 0, 10};
        QTest::newRow("slot 2, endless") << 2 << QVariantList{0, 0, 64} << QList<int>{0xF0, 0, 0, 64};
        QTest::newRow("slot 3, low bytes") << 3 << QVariantList{255, 256, -1} << QList<int>{0xF0, 255, 0, 255};
        QTest::newRow("short list") << 1 << QVariantList{7} << QList<int>{0xF0, 7, 0, 0};
        QTest::newRow("texts") << 2 << QVariantList{"3", "0", "20"} << QList<int>{0xF0, 3, 0, 20};
    }

    void family560PatchesTheSlotsProfile()
    {
        QFETCH(int, gunSlot);
        QFETCH(QVariantList, values);
        QFETCH(QList<int>, bytes78To81);
        MouseBench bench({.family560 = true, .isGun = true});
        QVERIFY(bench.isValid());
        bench.readProfileImages();
        const int block = gunSlot + 1;
        bench.hid().profileImages[block][65] = 0xFF;
        QList<QList<int>> before;
        for (int n = 0; n < 5; ++n)
            before.append(bench.row("profiles", n));

        bench.view().mouseSendGundata(gunSlot, values);

        // Written, then read back.
        const QString n = QString::number(block).rightJustified(2, QLatin1Char('0'));
        QCOMPARE(bench.codes(), (QStringList{QStringLiteral("0C:") + n, QStringLiteral("8C:") + n}));
        const QList<int> image = bench.row("profiles", block);
        QCOMPARE(gunBytes(image), bytes78To81);
        QCOMPARE(image[65], 0xFB);
        for (int i = 0; i < 128; ++i) {
            if (i != 65 && (i < 78 || i > 81))
                QCOMPARE(image[i], before[block][i]);
        }
        for (int other = 0; other < 5; ++other) {
            if (other != block)
                QCOMPARE(bench.row("profiles", other), before[other]);
        }
    }

    void nothingGoesOutWithoutGunPresets_data()
    {
        QTest::addColumn<bool>("family560");
        QTest::addColumn<bool>("isGun");
        QTest::addColumn<int>("gunSlot");
        QTest::newRow("560 without isGun") << true << false << 1;
        QTest::newRow("553 without isGun") << false << false << 1;
        QTest::newRow("560 slot 0") << true << true << 0;
        QTest::newRow("560 slot 4") << true << true << 4;
        QTest::newRow("553 slot 4") << false << true << 4;
        QTest::newRow("553 slot -1") << false << true << -1;
    }

    void nothingGoesOutWithoutGunPresets()
    {
        QFETCH(bool, family560);
        QFETCH(bool, isGun);
        QFETCH(int, gunSlot);
        MouseBench bench({.family560 = family560, .isGun = isGun});
        QVERIFY(bench.isValid());
        const auto images = bench.hid().profileImages;
        bench.clearTrace();
        bench.view().mouseSendGundata(gunSlot, {1, 2, 3});
        QVERIFY(bench.commands().isEmpty());
        QVERIFY(bench.hid().profileImages == images);
    }

    void withoutATransportNothingHappens()
    {
        MouseBench bench({.family560 = true, .isGun = true});
        bench.view().hid = nullptr;
        bench.view().mouseSendGundata(1, {1, 2, 3});
        QVERIFY(bench.commands().isEmpty());
    }

    void family553NegatesYOnTheOptionsWord_data()
    {
        QTest::addColumn<int>("option3");
        QTest::addColumn<bool>("noReply");
        QTest::addColumn<int>("gunSlot");
        QTest::addColumn<QList<int>>("stored");
        QTest::newRow("third option byte 1") << 1 << false << 1 << QList<int>{5, 0, 0xF6};
        QTest::newRow("third option byte 0") << 0 << false << 2 << QList<int>{5, 0, 10};
        QTest::newRow("no reply keeps Y") << 1 << true << 3 << QList<int>{5, 0, 10};
    }

    void family553NegatesYOnTheOptionsWord()
    {
        QFETCH(int, option3);
        QFETCH(bool, noReply);
        QFETCH(int, gunSlot);
        QFETCH(QList<int>, stored);
        MouseBench bench({.family560 = false, .isGun = true});
        QVERIFY(bench.isValid());
        bench.hid().hid553_03H_SetKeyboardoption(0, 0, uchar(option3), 0);
        if (noReply)
            QCOMPARE(vm_set_fault(0, VM_FAULT_NO_REPLY, 1), 0);
        bench.clearTrace();

        bench.view().mouseSendGundata(gunSlot, {5, 0, 10});

        QCOMPARE(bench.codes(false), (QStringList{"83", "04"}));
        // 04 00 repeat X Y slot
        QByteArray expected;
        for (int byte : {0x04, 0x00, 5, 0, stored[2], gunSlot - 1})
            expected.append(char(byte));
        QCOMPARE(bench.commands().last().left(6).toHex(' '), expected.toHex(' '));
        QCOMPARE(bench.row("gunData", gunSlot - 1), stored);
    }
};

QTEST_MAIN(GunSendTest)
#include "tst_gunsend.moc"
