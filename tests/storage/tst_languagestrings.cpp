#include "controller/myquickview.h"
#include "device/hidthread.h"

#include "programfolder.h"

#include <QtTest>

#include <memory>

class LanguageStringsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<Hid_Thread> hid;
    std::unique_ptr<myQQuickView> view;

    void writeLanguage(const QByteArray &content) { QVERIFY(folder->write("modules/i18n/Test.ini", content)); }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        hid = std::make_unique<Hid_Thread>();
        view = std::make_unique<myQQuickView>();
        view->hid = hid.get();
    }

    void cleanup()
    {
        view.reset();
        hid.reset();
        folder.reset();
    }

    void groupFollowsItsTotal_data()
    {
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing entry in the middle")
            << QByteArray("[g]\ntotal=3\n0=first\n2=third\n") << QStringList{"first", "", "third"};
        QTest::newRow("entries beyond the total") << QByteArray("[g]\ntotal=1\n0=a\n1=b\n") << QStringList{"a"};
        QTest::newRow("total zero") << QByteArray("[g]\ntotal=0\n0=a\n") << QStringList{};
        QTest::newRow("negative total") << QByteArray("[g]\ntotal=-4\n0=a\n") << QStringList{};
        QTest::newRow("total not a number") << QByteArray("[g]\ntotal=many\n0=a\n") << QStringList{};
        QTest::newRow("no total") << QByteArray("[g]\n0=a\n") << QStringList{};
        QTest::newRow("text with commas stays one text")
            << QByteArray("[g]\ntotal=1\n0=one, two\n") << QStringList{"one, two"};
        QTest::newRow("quoted blank kept") << QByteArray("[g]\ntotal=1\n0=\"Key \"\n") << QStringList{"Key "};
    }

    void groupFollowsItsTotal()
    {
        QFETCH(QByteArray, group);
        QFETCH(QStringList, expected);
        writeLanguage(group);
        QCOMPARE(view->getLangStrings("g", "Test"), expected);
    }

    void missingFileOrGroupGivesNothing()
    {
        writeLanguage("[g]\ntotal=2\n0=a\n1=b\n");
        QVERIFY(view->getLangStrings("g", "NoSuchLanguage").isEmpty());
        QVERIFY(view->getLangStrings("other", "NoSuchLanguage").isEmpty());
        QVERIFY(view->getLangStrings("nogroup", "Test").isEmpty());
        QCOMPARE(hid->dpiSwitchTexts.forStage(1), QStringLiteral("DPI Switch to"));
    }

    void utf8TextsComeBackUnchanged()
    {
        writeLanguage(QStringLiteral("[main]\ntotal=2\n0=编辑器\n1=宏编辑\n").toUtf8());
        QCOMPARE(view->getLangStrings("main", "Test"),
                 (QStringList{QStringLiteral("编辑器"), QStringLiteral("宏编辑")}));
    }

    void damagedTotalIsCapped()
    {
        writeLanguage("[g]\ntotal=2147483647\n0=a\n");
        const QStringList texts = view->getLangStrings("g", "Test");
        QCOMPARE(texts.size(), 4096);
        QCOMPARE(texts.first(), QStringLiteral("a"));
    }

    void otherGroupFillsTheDpiNotices()
    {
        QByteArray other = "[other]\ntotal=9\n";
        for (int i = 0; i < 9; ++i)
            other += QByteArray::number(i) + "=Stage " + QByteArray::number(i + 1) + "\n";
        other += "[main]\ntotal=1\n0=Editor\n";
        writeLanguage(other);

        view->getLangStrings("main", "Test");
        QCOMPARE(hid->dpiSwitchTexts.forStage(3), QStringLiteral("DPI Switch to"));

        QCOMPARE(view->getLangStrings("other", "Test").size(), 9);
        QCOMPARE(hid->dpiSwitchTexts.forStage(1), QStringLiteral("Stage 1"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(3), QStringLiteral("Stage 3"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(7), QStringLiteral("Stage 7"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(8), QStringLiteral("Stage 8"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(0), QStringLiteral("Stage 8"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(200), QStringLiteral("Stage 8"));
    }

    void shortOtherGroupKeepsTheRest()
    {
        writeLanguage("[other]\ntotal=2\n0=One\n1=Two\n");
        view->getLangStrings("other", "Test");
        QCOMPARE(hid->dpiSwitchTexts.forStage(2), QStringLiteral("Two"));
        QCOMPARE(hid->dpiSwitchTexts.forStage(3), QStringLiteral("DPI Switch to"));
    }
};

QTEST_MAIN(LanguageStringsTest)
#include "tst_languagestrings.moc"
