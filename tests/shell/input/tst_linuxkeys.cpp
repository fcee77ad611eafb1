#include "shell/input/keyprocedure.h"
#include "shell/input/keytables.h"
#include "shell/input/linuxkeys.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// The bridge from Linux input codes to PC set-1 positions, checked against
// the kernel's own list of key codes: every key of a US 105-key keyboard
// comes out at the position that keyboard sends, and on to a key code.
class LinuxKeysTest : public QObject {
    Q_OBJECT

    QHash<QString, int> kernelCodes;

    struct UsKey {
        const char *kernelName;
        int scan;
        bool ext;
    };

    // The 105 keys and what the keyboard (as the hooks see it) sends for them.
    static const std::vector<UsKey> &usKeyboard()
    {
        static const std::vector<UsKey> keys = {
            {"KEY_ESC", 0x01, false},        {"KEY_F1", 0x3B, false},         {"KEY_F2", 0x3C, false},
            {"KEY_F3", 0x3D, false},         {"KEY_F4", 0x3E, false},         {"KEY_F5", 0x3F, false},
            {"KEY_F6", 0x40, false},         {"KEY_F7", 0x41, false},         {"KEY_F8", 0x42, false},
            {"KEY_F9", 0x43, false},         {"KEY_F10", 0x44, false},        {"KEY_F11", 0x57, false},
            {"KEY_F12", 0x58, false},        {"KEY_SYSRQ", 0x37, true},       {"KEY_SCROLLLOCK", 0x46, false},
            {"KEY_PAUSE", 0x45, false},      {"KEY_GRAVE", 0x29, false},      {"KEY_1", 0x02, false},
            {"KEY_2", 0x03, false},          {"KEY_3", 0x04, false},          {"KEY_4", 0x05, false},
            {"KEY_5", 0x06, false},          {"KEY_6", 0x07, false},          {"KEY_7", 0x08, false},
            {"KEY_8", 0x09, false},          {"KEY_9", 0x0A, false},          {"KEY_0", 0x0B, false},
            {"KEY_MINUS", 0x0C, false},      {"KEY_EQUAL", 0x0D, false},      {"KEY_BACKSPACE", 0x0E, false},
            {"KEY_TAB", 0x0F, false},        {"KEY_Q", 0x10, false},          {"KEY_W", 0x11, false},
            {"KEY_E", 0x12, false},          {"KEY_R", 0x13, false},          {"KEY_T", 0x14, false},
            {"KEY_Y", 0x15, false},          {"KEY_U", 0x16, false},          {"KEY_I", 0x17, false},
            {"KEY_O", 0x18, false},          {"KEY_P", 0x19, false},          {"KEY_LEFTBRACE", 0x1A, false},
            {"KEY_RIGHTBRACE", 0x1B, false}, {"KEY_BACKSLASH", 0x2B, false},  {"KEY_CAPSLOCK", 0x3A, false},
            {"KEY_A", 0x1E, false},          {"KEY_S", 0x1F, false},          {"KEY_D", 0x20, false},
            {"KEY_F", 0x21, false},          {"KEY_G", 0x22, false},          {"KEY_H", 0x23, false},
            {"KEY_J", 0x24, false},          {"KEY_K", 0x25, false},          {"KEY_L", 0x26, false},
            {"KEY_SEMICOLON", 0x27, false},  {"KEY_APOSTROPHE", 0x28, false}, {"KEY_ENTER", 0x1C, false},
            {"KEY_LEFTSHIFT", 0x2A, false},  {"KEY_102ND", 0x56, false},      {"KEY_Z", 0x2C, false},
            {"KEY_X", 0x2D, false},          {"KEY_C", 0x2E, false},          {"KEY_V", 0x2F, false},
            {"KEY_B", 0x30, false},          {"KEY_N", 0x31, false},          {"KEY_M", 0x32, false},
            {"KEY_COMMA", 0x33, false},      {"KEY_DOT", 0x34, false},        {"KEY_SLASH", 0x35, false},
            {"KEY_RIGHTSHIFT", 0x36, true},  {"KEY_LEFTCTRL", 0x1D, false},   {"KEY_LEFTMETA", 0x5B, true},
            {"KEY_LEFTALT", 0x38, false},    {"KEY_SPACE", 0x39, false},      {"KEY_RIGHTALT", 0x38, true},
            {"KEY_RIGHTMETA", 0x5C, true},   {"KEY_COMPOSE", 0x5D, true},     {"KEY_RIGHTCTRL", 0x1D, true},
            {"KEY_INSERT", 0x52, true},      {"KEY_HOME", 0x47, true},        {"KEY_PAGEUP", 0x49, true},
            {"KEY_DELETE", 0x53, true},      {"KEY_END", 0x4F, true},         {"KEY_PAGEDOWN", 0x51, true},
            {"KEY_UP", 0x48, true},          {"KEY_LEFT", 0x4B, true},        {"KEY_DOWN", 0x50, true},
            {"KEY_RIGHT", 0x4D, true},       {"KEY_NUMLOCK", 0x45, true},     {"KEY_KPSLASH", 0x35, true},
            {"KEY_KPASTERISK", 0x37, false}, {"KEY_KPMINUS", 0x4A, false},    {"KEY_KP7", 0x47, false},
            {"KEY_KP8", 0x48, false},        {"KEY_KP9", 0x49, false},        {"KEY_KPPLUS", 0x4E, false},
            {"KEY_KP4", 0x4B, false},        {"KEY_KP5", 0x4C, false},        {"KEY_KP6", 0x4D, false},
            {"KEY_KP1", 0x4F, false},        {"KEY_KP2", 0x50, false},        {"KEY_KP3", 0x51, false},
            {"KEY_KPENTER", 0x1C, true},     {"KEY_KP0", 0x52, false},        {"KEY_KPDOT", 0x53, false},
        };
        return keys;
    }

private slots:
    void initTestCase()
    {
        QFile header(QStringLiteral(LINUX_INPUT_HEADER));
        QVERIFY2(header.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(header.fileName()));
        static const QRegularExpression define(
            QStringLiteral("^#define\\s+((?:KEY|BTN)_\\w+)\\s+(0x[0-9a-fA-F]+|\\d+)\\b"),
            QRegularExpression::MultilineOption);
        const QString text = QString::fromUtf8(header.readAll());
        for (auto it = define.globalMatch(text); it.hasNext();) {
            const auto match = it.next();
            bool ok = false;
            const int code = match.captured(2).toInt(&ok, 0);
            if (ok)
                kernelCodes.insert(match.captured(1), code);
        }
        QVERIFY(kernelCodes.size() > 200);
        QCOMPARE(usKeyboard().size(), size_t(105));
    }

    void usKeyboardKeysComeOutWhereTheKeyboardSendsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("scan");
        QTest::addColumn<bool>("ext");
        for (const UsKey &key : usKeyboard())
            QTest::newRow(key.kernelName) << QString::fromLatin1(key.kernelName) << key.scan << key.ext;
    }

    void usKeyboardKeysComeOutWhereTheKeyboardSendsThem()
    {
        QFETCH(QString, name);
        QFETCH(int, scan);
        QFETCH(bool, ext);
        QVERIFY2(kernelCodes.contains(name), qPrintable(name));
        const auto position = linuxkeys::scanCodeFor(quint32(kernelCodes.value(name)));
        QVERIFY(position);
        QCOMPARE(int(position->scanCode), scan);
        QCOMPARE(position->extended, ext);
    }

    // Through the translator and the keyboard procedure's tables: each key a
    // key code of its own, except the right Windows key, which gives none.
    void usKeyboardKeysGiveDistinctKeyCodes()
    {
        const auto scanCodes = keytables::buildScanCodeTable();
        const auto usages = keytables::buildUsageTable(false);
        QSet<int> seen;
        for (const UsKey &key : usKeyboard()) {
            linuxkeys::KeyTranslator translator;
            const auto hook = translator.translate(quint32(kernelCodes.value(key.kernelName)), true);
            QVERIFY2(hook, key.kernelName);
            const int keyCode = keyprocedure::keyCodeFor(hook->event, scanCodes, usages);
            if (QByteArrayView(key.kernelName) == "KEY_RIGHTMETA") {
                QCOMPARE(keyCode, 0);
                continue;
            }
            QVERIFY2(keyCode != 0, key.kernelName);
            QVERIFY2(!seen.contains(keyCode), key.kernelName);
            seen.insert(keyCode);
        }
        QCOMPARE(seen.size(), 104);
    }

    void everyRowIsAKernelKeyAtAPositionOfItsOwn()
    {
        QSet<int> kernelValues;
        for (int code : std::as_const(kernelCodes))
            kernelValues.insert(code);
        QSet<quint16> positions;
        for (const auto &row : linuxkeys::kLinuxKeyRows) {
            QVERIFY2(kernelValues.contains(row.linuxCode), qPrintable(QString::number(row.linuxCode)));
            const quint16 position = keytables::scanCodeKey(row.scan.scanCode, row.scan.extended);
            QVERIFY2(!positions.contains(position), qPrintable(QString::number(row.linuxCode)));
            positions.insert(position);
        }
    }

    void codesNoKeyboardSendsHaveNoPosition_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"KEY_RESERVED", "KEY_MACRO", "KEY_BRIGHTNESSUP", "KEY_MAX", "BTN_LEFT"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void codesNoKeyboardSendsHaveNoPosition()
    {
        QFETCH(QString, name);
        const int code = kernelCodes.value(name, -1);
        QVERIFY(code >= 0);
        QVERIFY(!linuxkeys::scanCodeFor(quint32(code)));
        linuxkeys::KeyTranslator translator;
        QVERIFY(!translator.translate(quint32(code), true));
    }

    void modifiersChangeWhatTheKeyboardSends_data()
    {
        QTest::addColumn<QStringList>("held");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("downMessage");

        const int ext = int(keytables::kFlagExtended);
        const int alt = int(keytables::kFlagAltDown);
        const int down = int(keytables::kKeyDown);
        const int sysDown = int(keytables::kSysKeyDown);
        QTest::newRow("Print Screen") << QStringList{} << "KEY_SYSRQ" << 0x37 << ext << down;
        QTest::newRow("left Alt+Print Screen") << QStringList{"KEY_LEFTALT"} << "KEY_SYSRQ" << 0x54 << alt << sysDown;
        QTest::newRow("right Alt+Print Screen") << QStringList{"KEY_RIGHTALT"} << "KEY_SYSRQ" << 0x54 << alt << sysDown;
        QTest::newRow("Pause") << QStringList{} << "KEY_PAUSE" << 0x45 << 0 << down;
        QTest::newRow("left Ctrl+Pause") << QStringList{"KEY_LEFTCTRL"} << "KEY_PAUSE" << 0x46 << ext << down;
        QTest::newRow("right Ctrl+Pause") << QStringList{"KEY_RIGHTCTRL"} << "KEY_PAUSE" << 0x46 << ext << down;
        QTest::newRow("Alt+A") << QStringList{"KEY_LEFTALT"} << "KEY_A" << 0x1E << alt << sysDown;
        QTest::newRow("Alt pressed and let go")
            << QStringList{"KEY_LEFTALT", "-KEY_LEFTALT"} << "KEY_SYSRQ" << 0x37 << ext << down;
        QTest::newRow("one Alt let go, the other held")
            << QStringList{"KEY_LEFTALT", "KEY_RIGHTALT", "-KEY_LEFTALT"} << "KEY_SYSRQ" << 0x54 << alt << sysDown;
    }

    void modifiersChangeWhatTheKeyboardSends()
    {
        QFETCH(QStringList, held);
        QFETCH(QString, key);
        QFETCH(int, scan);
        QFETCH(int, flags);
        QFETCH(int, downMessage);
        linuxkeys::KeyTranslator translator;
        for (const QString &step : held) {
            const bool released = step.startsWith(QLatin1Char('-'));
            translator.translate(quint32(kernelCodes.value(released ? step.mid(1) : step)), !released);
        }
        const auto hook = translator.translate(quint32(kernelCodes.value(key)), true);
        QVERIFY(hook);
        QCOMPARE(int(hook->event.scanCode), scan);
        QCOMPARE(int(hook->event.flags), flags);
        QCOMPARE(int(hook->message), downMessage);
        const auto up = translator.translate(quint32(kernelCodes.value(key)), false);
        QVERIFY(up);
        QVERIFY(!keyprocedure::isPress(keytables::kHookAction, up->message));
    }

    void rawButtonsBecomeMouseMessages_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<int>("buttonCode"); // -1: no notice
        QTest::addColumn<bool>("notedPressed");

        QTest::newRow("left press") << 1 << true << 0xF0 << true;
        QTest::newRow("left release") << 1 << false << 0xF0 << false;
        QTest::newRow("middle press") << 2 << true << 0xF2 << true;
        QTest::newRow("middle release") << 2 << false << 0xF2 << false;
        QTest::newRow("right press") << 3 << true << 0xF1 << true;
        QTest::newRow("right release") << 3 << false << 0xF1 << false;
        QTest::newRow("wheel up") << 4 << true << -1 << false;
        QTest::newRow("wheel down released") << 5 << false << -1 << false;
        QTest::newRow("wheel left") << 6 << true << -1 << false;
        QTest::newRow("back") << 8 << true << -1 << false;
        QTest::newRow("forward released") << 9 << false << -1 << false;
        QTest::newRow("button 12") << 12 << true << -1 << false;
    }

    void rawButtonsBecomeMouseMessages()
    {
        QFETCH(int, button);
        QFETCH(bool, pressed);
        QFETCH(int, buttonCode);
        QFETCH(bool, notedPressed);
        const auto message = linuxkeys::mouseMessageFor(quint32(button), pressed);
        const auto notice = message ? keytables::mouseButtonFor(*message) : std::nullopt;
        if (buttonCode < 0) {
            QVERIFY(!notice);
            return;
        }
        QVERIFY(notice);
        QCOMPARE(int(notice->buttonCode), buttonCode);
        QCOMPARE(notice->pressed, notedPressed);
    }

    void doubleClickMessagesGiveNoNotice()
    {
        QVERIFY(!keytables::mouseButtonFor(keytables::kLeftButtonDoubleClick));
        QVERIFY(!keytables::mouseButtonFor(keytables::kRightButtonDoubleClick));
        QVERIFY(!keytables::mouseButtonFor(keytables::kMouseMove));
    }
};

QTEST_GUILESS_MAIN(LinuxKeysTest)
#include "tst_linuxkeys.moc"
