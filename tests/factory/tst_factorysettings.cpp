#include "programfolder.h"
#include "settingshape.h"

#include <QImageReader>
#include <QtTest>

#include <array>

using namespace settingshape;

namespace {

const QString kGlobal = QStringLiteral("modules/setting/apConfig.bin");
const QString kGlobalFactory = QStringLiteral("modules/setting/apConfigD.bin");
const QString kDefaultProfile = QStringLiteral("modules/setting/pD.bin");
const QString kNames = QStringLiteral("modules/setting/name.bin");
const QString kGuns = QStringLiteral("modules/gun/gunData.bin");
constexpr int kKeys = 16;
constexpr int kGunRecords = 6;

QStringList profileFiles()
{
    QStringList files{kDefaultProfile};
    for (int slot = 1; slot <= 10; ++slot)
        files << QStringLiteral("modules/setting/p%1.bin").arg(slot);
    return files;
}

QList<KeyShape> globalShapes()
{
    return {
        text("common/name"),
        text("common/language"),
        text("common/url"),
        integer("common/deviceCount", 1, 16),
        flag("mouse/isColorful"),
        flag("mouse/isGun"),
        text("mouse/icType", {"553", "560"}),
        flag("mouse/is55328"),
        integer("mouse/keyCount", 1, kKeys),
        integer("mouse/profileNo", 0, 5),
        integer("mouse/minDPI", 1, 65535),
        integer("mouse/maxDPI", 1, 65535),
        text("mouse/sensorType", {"4090", "3360", "3050", "3389"}),
        integer("mouse/dpiBase", 1, 65535),
        integers("mouse/selectGun", 3, 0, kGunRecords - 1),
    };
}

QList<KeyShape> profileShapes()
{
    QList<KeyShape> shapes{
        integer("mouse/reportRate", 0, 3),       integer("mouse/dpiCount", 1, 8),
        integer("mouse/currentDpiCount", 1, 8),  integers("mouse/dpiValueArray", 8, 1, 65535),
        integers("mouse/lightValue", 3, 0, 255), integers("mouse/colorValue", 24, 0, 255),
        integer("mouse/mouseRate", 3, 337),      integer("mouse/doubleRate", 3, 337),
        integer("mouse/scrollRate", 1, 1000),    integer("XYSensitive/0", 0, 9),
        integer("XYSensitive/1", 0, 9),
    };
    for (int k = 0; k < kKeys; ++k) {
        shapes << integers(QStringLiteral("mouseKeyMatrix/%1").arg(k), 4, 0, 255)
               << integers(QStringLiteral("mouseFwKeyMatrix/%1").arg(k), 4, 0, 255)
               << optionalText(QStringLiteral("mouseMacroKey/%1").arg(k));
    }
    for (int slot = 0; slot < 3; ++slot)
        shapes << text(QStringLiteral("selectGun/%1").arg(slot));
    return shapes;
}

using Entry = std::array<int, 4>;

// The device's key entry for a UI entry, row by row of the translation the
// controller applies before it sends a key matrix.
Entry deviceForm(const Entry &ui, bool family560)
{
    Entry device = ui;
    const int type = ui[0];
    if (type == 0)
        device[0] = (ui[2] == 0x1E && ui[3] == 0x02) ? 0x0A : 0x01;
    else if (type == 1)
        device[0] = 0x0A;
    else if (type == 2 || type == 6 || type == 7)
        device[0] = 0x00;
    else if (type == 3)
        device[0] = 0x03;
    else if (type == 4)
        device = {0x09, ui[1], (ui[2] + 1) & 0xFF, ui[3]};
    else if (type == 5 && ui[2] == 4)
        device = family560 ? Entry{0x0B, 0, 1, 1} : Entry{0x07, 0, 4, 1};
    else if (type == 5)
        device[0] = 0x07;
    else if (type == 8)
        device[0] = 0x08;
    else if (type == 255)
        device[0] = 0x04;
    const std::pair<int, int> consumer{device[2], device[3]};
    if (consumer == std::pair{0x21, 0x02} || consumer == std::pair{0x23, 0x02} || consumer == std::pair{0x94, 0x01})
        device[0] = 0x03;
    return device;
}

Entry entryOf(const QSettings &settings, const QString &key)
{
    const QList<int> values = intList(settings, key);
    Entry entry{};
    for (int i = 0; i < 4 && i < values.size(); ++i)
        entry[i] = values[i];
    return entry;
}

bool isPlainAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte == '\n' || (byte >= 0x20 && byte < 0x7F);
    });
}

} // namespace

class FactorySettingsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;

    QSettings global() const { return QSettings(kGlobal, QSettings::IniFormat); }

private slots:
    // The checks only read, so one copy of the tree serves them all.
    void initTestCase()
    {
        folder = std::make_unique<ProgramFolder>();
        QVERIFY(folder->isValid());
    }

    void cleanupTestCase() { folder.reset(); }

    void globalFileHoldsEveryKey_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("apConfig.bin") << kGlobal;
        QTest::newRow("apConfigD.bin") << kGlobalFactory;
    }

    void globalFileHoldsEveryKey()
    {
        QFETCH(QString, file);
        QVERIFY(QFileInfo::exists(file));
        const QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        for (const KeyShape &shape : globalShapes()) {
            const QString fault = check(settings, shape);
            QVERIFY2(fault.isEmpty(), qPrintable(shape.key + ": " + fault));
        }
    }

    void factoryCopyEqualsGlobalFile()
    {
        QVERIFY(!folder->read(kGlobal).isEmpty());
        QCOMPARE(folder->read(kGlobalFactory), folder->read(kGlobal));
    }

    void globalValuesAgree()
    {
        const QSettings settings = global();
        QVERIFY(settings.value("mouse/minDPI").toInt() < settings.value("mouse/maxDPI").toInt());
        QVERIFY(QFileInfo::exists("modules/i18n/" + settings.value("common/language").toString() + ".ini"));
        const QUrl url(settings.value("common/url").toString(), QUrl::StrictMode);
        QVERIFY(url.isValid());
        QVERIFY(url.scheme() == "https" || url.scheme() == "http");
        QVERIFY(!url.host().isEmpty());
    }

    // Read as the detection pass reads it: hexadecimal text converted with base 16.
    void deviceTableParses()
    {
        const QSettings settings = global();
        const int count = settings.value("common/deviceCount").toInt();
        int mice = 0;
        for (int i = 0; i < count; ++i) {
            const QString entry = QString::number(i) + QLatin1Char('/');
            for (const char *field : {"vid", "pid", "usagePage", "usage", "usagePage2", "usage2"}) {
                const QVariant stored = settings.value(entry + field);
                QVERIFY2(stored.typeId() == QMetaType::QString, field);
                bool ok = false;
                const uint value = stored.toString().toUInt(&ok, 16);
                QVERIFY2(ok && value > 0 && value <= 0xFFFF, qPrintable(entry + field));
            }
            bool ok = false;
            const int type = settings.value(entry + "type").toString().toInt(&ok, 16);
            QVERIFY(ok && (type == 0 || type == 1));
            mice += type == 1;
            QVERIFY(check(settings, integer(entry + "reportLength", 8, 64)).isEmpty());
            QVERIFY(check(settings, flag(entry + "isEncode")).isEmpty());
            QCOMPARE(settings.value(entry + "sCode").toString().size(), 6);
        }
        QVERIFY(mice >= 1);
    }

    void profileFileHoldsEveryKey_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : profileFiles())
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void profileFileHoldsEveryKey()
    {
        QFETCH(QString, file);
        QVERIFY(QFileInfo::exists(file));
        const QSettings settings(file, QSettings::IniFormat);
        for (const KeyShape &shape : profileShapes()) {
            const QString fault = check(settings, shape);
            QVERIFY2(fault.isEmpty(), qPrintable(shape.key + ": " + fault));
        }
    }

    // A reset copies the default profile over a slot; every slot starts as it.
    void everySlotStartsAsTheDefaultProfile()
    {
        const QByteArray factory = folder->read(kDefaultProfile);
        QVERIFY(!factory.isEmpty());
        for (const QString &file : profileFiles())
            QVERIFY2(folder->read(file) == factory, qPrintable(file));
    }

    void profileValuesFitTheMouse()
    {
        const QSettings mouse = global();
        const QSettings profile(kDefaultProfile, QSettings::IniFormat);
        const int minDpi = mouse.value("mouse/minDPI").toInt();
        const int maxDpi = mouse.value("mouse/maxDPI").toInt();
        const int step = mouse.value("mouse/dpiBase").toInt();
        for (int dpi : intList(profile, "mouse/dpiValueArray")) {
            QVERIFY2(dpi >= minDpi && dpi <= maxDpi, qPrintable(QString::number(dpi)));
            QVERIFY2(dpi % step == 0, qPrintable(QString::number(dpi)));
        }
        QVERIFY(profile.value("mouse/currentDpiCount").toInt() <= profile.value("mouse/dpiCount").toInt());

        const QList<int> light = intList(profile, "mouse/lightValue");
        const bool colourful = mouse.value("mouse/isColorful").toBool();
        const int effects = colourful ? 11 : (mouse.value("mouse/is55328").toBool() ? 5 : 4);
        QVERIFY(light[0] < effects);
        QVERIFY(light[1] <= 4 && light[2] <= 4);

        const int scroll = profile.value("mouse/scrollRate").toInt();
        QVERIFY(scroll <= 100 || scroll == 1000);
        if (mouse.value("mouse/isGun").toBool())
            QVERIFY(QFileInfo::exists(kGuns));
    }

    void settingFilesAreAsciiWithListsOnOneLine_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : profileFiles() + QStringList{kGlobal, kNames, kGuns})
            QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
    }

    void settingFilesAreAsciiWithListsOnOneLine()
    {
        QFETCH(QString, file);
        const QByteArray bytes = folder->read(file);
        QVERIFY(isPlainAscii(bytes));
        QVERIFY(!bytes.contains("@Variant"));
        QVERIFY(!bytes.contains(",  ") && !bytes.contains(",\n"));
    }

    void factoryMatrixIsDeviceFormOfKeyAssignment_data() { profileFileHoldsEveryKey_data(); }

    void factoryMatrixIsDeviceFormOfKeyAssignment()
    {
        QFETCH(QString, file);
        const bool family560 = global().value("mouse/icType").toString() == QLatin1String("560");
        const QSettings profile(file, QSettings::IniFormat);
        for (int k = 0; k < kKeys; ++k) {
            const Entry ui = entryOf(profile, QStringLiteral("mouseKeyMatrix/%1").arg(k));
            const Entry device = entryOf(profile, QStringLiteral("mouseFwKeyMatrix/%1").arg(k));
            QVERIFY2(device == deviceForm(ui, family560), qPrintable(QStringLiteral("key %1").arg(k)));
        }
    }

    // The key page refuses to reassign the only left button, so the factory
    // profile must hold exactly one; it plays no macro, since none ships.
    void keyAssignmentKeepsALeftButton()
    {
        const QSettings profile(kDefaultProfile, QSettings::IniFormat);
        const QList<int> knownTypes{0, 1, 2, 3, 4, 5, 6, 7, 8, 255};
        int leftButtons = 0;
        for (int k = 0; k < kKeys; ++k) {
            const Entry ui = entryOf(profile, QStringLiteral("mouseKeyMatrix/%1").arg(k));
            QVERIFY2(knownTypes.contains(ui[0]), qPrintable(QStringLiteral("key %1").arg(k)));
            QVERIFY2(ui[0] != 4, "a factory profile plays no macro");
            leftButtons += ui == Entry{0, 0, 0xF0, 0};
            QVERIFY(profile.value(QStringLiteral("mouseMacroKey/%1").arg(k)).toString().isEmpty());
        }
        QCOMPARE(leftButtons, 1);
    }

    void nameListHoldsTheStandardProfileOnly()
    {
        const QSettings names(kNames, QSettings::IniFormat);
        const QVariant profiles = names.value("profile/profileName");
        QCOMPARE(profiles.typeId(), int(QMetaType::QStringList));
        QCOMPARE(profiles.toStringList(), (QStringList{"Standard0", "loaderzorvex"}));
        const QString slot = profiles.toStringList().first().right(1);
        QCOMPARE(slot, global().value("mouse/profileNo").toString());

        QVERIFY(!names.contains("macro/macroName"));
        QDir macros("modules/macro");
        QVERIFY(macros.exists());
        QVERIFY(macros.entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    }

    void gunRecordsFitTheGunPage()
    {
        QSettings guns(kGuns, QSettings::IniFormat);
        QStringList names;
        for (int i = 0; i < kGunRecords; ++i) {
            const QVariant stored = guns.value(QStringLiteral("gunData/%1").arg(i));
            QCOMPARE(stored.typeId(), int(QMetaType::QStringList));
            const QStringList record = stored.toStringList();
            QCOMPARE(record.size(), 6);
            QVERIFY(!record[0].isEmpty());
            names << record[0];
            QCOMPARE(record[1], QStringLiteral("L-Click"));
            // The rate chooser shows 5 to 91 ms, the target dot 0 to 64, the count a byte.
            const QList<KeyShape> values{integer("period", 5, 91), integer("x", 0, 0), integer("y", 0, 64),
                                         integer("count", 0, 255)};
            for (int v = 0; v < values.size(); ++v) {
                const QString fault = checkInteger(record[v + 2], values[v]);
                QVERIFY2(fault.isEmpty(), qPrintable(values[v].key + ": " + fault));
            }
        }
        guns.beginGroup("gunData");
        QCOMPARE(guns.childKeys().size(), kGunRecords);
        guns.endGroup();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), kGunRecords);

        const QSettings nameList(kNames, QSettings::IniFormat);
        if (nameList.contains("gun/gunName"))
            QCOMPARE(nameList.value("gun/gunName").toStringList(), names);
    }

    void trayIconHoldsSeveralSizes()
    {
        QImageReader reader("modules/img/logo.ico");
        QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
        QSet<int> sizes;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY(!image.isNull());
            QCOMPARE(image.width(), image.height());
            QVERIFY(image.hasAlphaChannel());
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QVERIFY(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) == 255);
            sizes << image.width();
        }
        QVERIFY(sizes.contains(16) && sizes.contains(32) && sizes.contains(48));
    }
};

QTEST_MAIN(FactorySettingsTest)
#include "tst_factorysettings.moc"
