#include "shell/toolkittexts.h"

#include <QtTest>

// The file dialog's texts follow the program's language (Qt's own
// translations, installed by scripts/install-deps).
class TestToolkitTexts : public QObject {
    Q_OBJECT

    static QString openButton() { return QCoreApplication::translate("QFileDialog", "&Open"); }

private slots:
    void localeNames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::newRow("Chinese") << "ChineseSimplified" << "zh_CN";
        QTest::newRow("written otherwise") << "chinesesimplified" << "zh_CN";
        QTest::newRow("English") << "English" << "";
        QTest::newRow("unknown") << "Klingon" << "";
        QTest::newRow("none") << "" << "";
    }

    void localeNames()
    {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        QCOMPARE(toolkittexts::localeFor(language), locale);
    }

    void chineseThenEnglishAgain()
    {
        QVERIFY2(toolkittexts::use("ChineseSimplified"), "Qt's Chinese texts are missing (qt6-translations-l10n)");
        QVERIFY2(openButton() != "&Open", qPrintable(openButton()));
        QVERIFY(toolkittexts::use("ChineseSimplified"));
        QVERIFY(!toolkittexts::use("English"));
        QCOMPARE(openButton(), QString("&Open"));
    }
};

QTEST_GUILESS_MAIN(TestToolkitTexts)
#include "tst_toolkittexts.moc"
