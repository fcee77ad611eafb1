#include "programfolder.h"

#include <QtTest>

#include <QStringDecoder>

namespace {

struct Group {
    const char *name;
    int size;
};

// Every group the UI reads at start, at the size of the page's own array.
constexpr Group kGroups[] = {
    {"main", 15},         {"keyMatrix", 5},    {"keyAssigment", 60},  {"dpiSetting", 5},
    {"lightControl", 20}, {"macroEditor", 20}, {"systemSetting", 15}, {"gunControl", 10},
    {"profile", 20},      {"keyCode", 133},    {"other", 8},        {"storage", 4},
    {"saves", 12},
    {"notice", 9},        {"hint", 19},
};

const QStringList kLanguages{"English", "ChineseSimplified"};

QString fileOf(const QString &language)
{
    return QStringLiteral("modules/i18n/%1.ini").arg(language);
}

// The codes of the key-name table, position by position.
QList<int> keyCodes()
{
    QList<int> codes;
    auto range = [&codes](int first, int last) {
        for (int code = first; code <= last; ++code)
            codes << code;
    };
    range(0x04, 0x73);
    range(0x85, 0x85);
    range(0x87, 0x8B);
    range(0x90, 0x91);
    range(0xE0, 0xE7);
    range(0xF0, 0xF4);
    return codes;
}

QStringList texts(const QSettings &settings, const QString &group)
{
    QStringList result;
    const int total = settings.value(group + "/total").toInt();
    for (int i = 0; i < total; ++i)
        result << settings.value(group + QLatin1Char('/') + QString::number(i)).toString();
    return result;
}

bool hasHan(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

} // namespace

class FactoryLanguagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

private slots:
    // The checks only read, so one copy of the tree serves them all.
    void initTestCase()
    {
        folder = std::make_unique<ProgramFolder>();
        QVERIFY(folder->isValid());
    }

    void cleanupTestCase() { folder.reset(); }

    void groupHoldsEveryText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("size");
        for (const QString &language : kLanguages) {
            for (const Group &group : kGroups) {
                QTest::addRow("%s %s", qPrintable(language), group.name)
                    << language << QString::fromLatin1(group.name) << group.size;
            }
        }
    }

    // Each entry inside the total is present and reads back as one text: a
    // bare comma in a value would turn it into a list.
    void groupHoldsEveryText()
    {
        QFETCH(QString, language);
        QFETCH(QString, group);
        QFETCH(int, size);
        const QSettings settings(fileOf(language), QSettings::IniFormat);
        QCOMPARE(settings.value(group + "/total").toString(), QString::number(size));
        for (int i = 0; i < size; ++i) {
            const QString key = group + QLatin1Char('/') + QString::number(i);
            QVERIFY2(settings.contains(key), qPrintable(key));
            QVERIFY2(settings.value(key).typeId() == QMetaType::QString, qPrintable(key));
        }
        QVERIFY(!settings.contains(group + QLatin1Char('/') + QString::number(size)));
    }

    // The translation leaves no text out and adds none where the English page
    // is empty; every text made of words (not "DPI+" or "OK") is translated.
    void translationCoversEveryEnglishText()
    {
        const QSettings english(fileOf("English"), QSettings::IniFormat);
        const QSettings chinese(fileOf("ChineseSimplified"), QSettings::IniFormat);
        const QRegularExpression word(QStringLiteral("[a-z]{2}"));
        for (const Group &group : kGroups) {
            const QStringList source = texts(english, group.name);
            const QStringList target = texts(chinese, group.name);
            QCOMPARE(target.size(), source.size());
            for (int i = 0; i < source.size(); ++i) {
                const QString where = QStringLiteral("%1/%2").arg(group.name).arg(i);
                QVERIFY2(source[i].isEmpty() == target[i].isEmpty(), qPrintable(where));
                if (qstrcmp(group.name, "keyCode") != 0 && source[i].contains(word))
                    QVERIFY2(hasHan(target[i]), qPrintable(where));
            }
        }
    }

    void chineseFileIsPlainUtf8()
    {
        const QByteArray bytes = folder->read(fileOf("ChineseSimplified"));
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(bytes);
        QVERIFY(!decoder.hasError());
        QVERIFY(!bytes.contains("\\x") && !bytes.contains("%U"));

        const QSettings settings(fileOf("ChineseSimplified"), QSettings::IniFormat);
        const QString title = settings.value("macroEditor/0").toString();
        QVERIFY(hasHan(title));
        QVERIFY(decoded.contains(QStringLiteral("0=") + title + QLatin1Char('\n')));
        QVERIFY(!title.contains(QChar::ReplacementCharacter));
    }

    // Macros store key names and the editor turns them back into codes by the
    // first matching name: every key must come back as itself. Only the two
    // backslash keys share a name, 0x32 reading back as 0x31.
    void keyNamesReadBackAsTheirOwnCode_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : kLanguages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void keyNamesReadBackAsTheirOwnCode()
    {
        QFETCH(QString, language);
        const QSettings settings(fileOf(language), QSettings::IniFormat);
        const QStringList names = texts(settings, "keyCode");
        const QList<int> codes = keyCodes();
        QCOMPARE(names.size(), codes.size());
        for (int i = 0; i < names.size(); ++i) {
            QVERIFY2(!names[i].isEmpty(), qPrintable(QString::number(codes[i], 16)));
            const int readBack = codes[names.indexOf(names[i])];
            const int expected = codes[i] == 0x32 ? 0x31 : codes[i];
            QVERIFY2(readBack == expected,
                     qPrintable(QStringLiteral("%1 reads back as %2").arg(codes[i], 0, 16).arg(readBack, 0, 16)));
        }
    }

    void keyCapNamesStayUntranslated()
    {
        const QSettings english(fileOf("English"), QSettings::IniFormat);
        const QSettings chinese(fileOf("ChineseSimplified"), QSettings::IniFormat);
        const QStringList source = texts(english, "keyCode");
        const QStringList target = texts(chinese, "keyCode");
        const QRegularExpression keyCap(QStringLiteral("^([A-Z0-9]|F[0-9]{1,2}|KP[0-9]|[LR](Ctrl|Shift|Alt|Win))$"));
        int checked = 0;
        for (int i = 0; i < source.size(); ++i) {
            if (!keyCap.match(source[i]).hasMatch())
                continue;
            QCOMPARE(target.value(i), source[i]);
            ++checked;
        }
        QCOMPARE(checked, 26 + 10 + 24 + 10 + 8);
    }

    void dpiNoticesNameTheirStage()
    {
        for (const QString &language : kLanguages) {
            const QSettings settings(fileOf(language), QSettings::IniFormat);
            const QStringList notices = texts(settings, "other");
            for (int stage = 1; stage <= notices.size(); ++stage)
                QVERIFY2(notices[stage - 1].contains(QString::number(stage)), qPrintable(language));
        }
    }
};

QTEST_GUILESS_MAIN(FactoryLanguagesTest)
#include "tst_factorylanguages.moc"
