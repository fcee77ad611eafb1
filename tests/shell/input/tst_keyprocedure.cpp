#include "shell/input/inputhook.h"
#include "shell/input/keytables.h"

#include "programfolder.h"

#include "keynotices.h"

#include <QtTest>

#include <vector>

namespace {

void recordKey(int keyCode, bool pressed, void *context)
{
    QVERIFY(context == &notices);
    notices.push_back({keyCode, pressed});
}

constexpr quint32 kExt = keytables::kFlagExtended;
constexpr quint32 kAlt = keytables::kFlagAltDown;

void press(quint32 scanCode, quint32 flags = 0, quint32 message = keytables::kKeyDown, int code = 0)
{
    KeyboardEvent event;
    event.scanCode = scanCode;
    event.flags = flags;
    InputHook::keyboardProc(code, message, event);
}

void release(quint32 scanCode, quint32 flags = 0, quint32 message = keytables::kKeyUp)
{
    press(scanCode, flags, message);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Notice>)

// The keyboard procedure from hook event to notice: every key of the
// scan-code table, the two key combinations the table does not hold, and
// the key state that keeps a held key to one notice.
class KeyProcedureTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<InputHook> hook;

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        hook = std::make_unique<InputHook>(false);
        notices.clear();
        InputHook::setKeyCallback(recordKey, &notices);
    }

    void cleanup()
    {
        InputHook::setKeyCallback(nullptr, nullptr);
        hook.reset();
    }

    void withoutX11NoHooksAreInstalled()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
        QVERIFY(!InputHook::installHooks());
        QVERIFY(!InputHook::hooksInstalled());
        QCOMPARE(InputHook::instance(), hook.get());
    }

    void everyKeyGivesItsUsage_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("keyCode");

        struct Key {
            const char *name;
            int scan;
            bool ext;
            int usage;
        };
        // PC set-1 positions of a US keyboard and the usage IDs of the
        // Keyboard/Keypad page those keys carry.
        // clang-format off
        static const Key keys[] = {
            {"Escape", 0x01, false, 0x29}, {"1", 0x02, false, 0x1E}, {"2", 0x03, false, 0x1F},
            {"3", 0x04, false, 0x20}, {"4", 0x05, false, 0x21}, {"5", 0x06, false, 0x22},
            {"6", 0x07, false, 0x23}, {"7", 0x08, false, 0x24}, {"8", 0x09, false, 0x25},
            {"9", 0x0A, false, 0x26}, {"0", 0x0B, false, 0x27}, {"minus", 0x0C, false, 0x2D},
            {"equals", 0x0D, false, 0x2E}, {"Backspace", 0x0E, false, 0x2A}, {"Tab", 0x0F, false, 0x2B},
            {"Q", 0x10, false, 0x14}, {"W", 0x11, false, 0x1A}, {"E", 0x12, false, 0x08},
            {"R", 0x13, false, 0x15}, {"T", 0x14, false, 0x17}, {"Y", 0x15, false, 0x1C},
            {"U", 0x16, false, 0x18}, {"I", 0x17, false, 0x0C}, {"O", 0x18, false, 0x12},
            {"P", 0x19, false, 0x13}, {"left bracket", 0x1A, false, 0x2F}, {"right bracket", 0x1B, false, 0x30},
            {"Enter", 0x1C, false, 0x28}, {"keypad Enter", 0x1C, true, 0x58},
            {"left Ctrl", 0x1D, false, 0xE0}, {"right Ctrl", 0x1D, true, 0xE4},
            {"A", 0x1E, false, 0x04}, {"S", 0x1F, false, 0x16}, {"D", 0x20, false, 0x07},
            {"F", 0x21, false, 0x09}, {"G", 0x22, false, 0x0A}, {"H", 0x23, false, 0x0B},
            {"J", 0x24, false, 0x0D}, {"K", 0x25, false, 0x0E}, {"L", 0x26, false, 0x0F},
            {"semicolon", 0x27, false, 0x33}, {"apostrophe", 0x28, false, 0x34}, {"grave", 0x29, false, 0x35},
            {"left Shift", 0x2A, false, 0xE1}, {"backslash", 0x2B, false, 0x31},
            {"Z", 0x2C, false, 0x1D}, {"X", 0x2D, false, 0x1B}, {"C", 0x2E, false, 0x06},
            {"V", 0x2F, false, 0x19}, {"B", 0x30, false, 0x05}, {"N", 0x31, false, 0x11},
            {"M", 0x32, false, 0x10}, {"comma", 0x33, false, 0x36}, {"period", 0x34, false, 0x37},
            {"slash", 0x35, false, 0x38}, {"keypad slash", 0x35, true, 0x54},
            {"right Shift", 0x36, true, 0xE5}, {"keypad asterisk", 0x37, false, 0x55},
            {"Print Screen", 0x37, true, 0x46}, {"left Alt", 0x38, false, 0xE2}, {"right Alt", 0x38, true, 0xE6},
            {"Space", 0x39, false, 0x2C}, {"Caps Lock", 0x3A, false, 0x39},
            {"F1", 0x3B, false, 0x3A}, {"F2", 0x3C, false, 0x3B}, {"F3", 0x3D, false, 0x3C},
            {"F4", 0x3E, false, 0x3D}, {"F5", 0x3F, false, 0x3E}, {"F6", 0x40, false, 0x3F},
            {"F7", 0x41, false, 0x40}, {"F8", 0x42, false, 0x41}, {"F9", 0x43, false, 0x42},
            {"F10", 0x44, false, 0x43}, {"Pause", 0x45, false, 0x48}, {"Num Lock", 0x45, true, 0x53},
            {"Scroll Lock", 0x46, false, 0x47},
            {"keypad 7", 0x47, false, 0x5F}, {"Home", 0x47, true, 0x4A},
            {"keypad 8", 0x48, false, 0x60}, {"Up", 0x48, true, 0x52},
            {"keypad 9", 0x49, false, 0x61}, {"Page Up", 0x49, true, 0x4B},
            {"keypad minus", 0x4A, false, 0x56},
            {"keypad 4", 0x4B, false, 0x5C}, {"Left", 0x4B, true, 0x50},
            {"keypad 5", 0x4C, false, 0x5D},
            {"keypad 6", 0x4D, false, 0x5E}, {"Right", 0x4D, true, 0x4F},
            {"keypad plus", 0x4E, false, 0x57},
            {"keypad 1", 0x4F, false, 0x59}, {"End", 0x4F, true, 0x4D},
            {"keypad 2", 0x50, false, 0x5A}, {"Down", 0x50, true, 0x51},
            {"keypad 3", 0x51, false, 0x5B}, {"Page Down", 0x51, true, 0x4E},
            {"keypad 0", 0x52, false, 0x62}, {"Insert", 0x52, true, 0x49},
            {"keypad period", 0x53, false, 0x63}, {"Delete", 0x53, true, 0x4C},
            {"ISO key beside left Shift", 0x56, false, 0x64},
            {"F11", 0x57, false, 0x44}, {"F12", 0x58, false, 0x45},
            {"left Windows", 0x5B, true, 0xE3}, {"Menu", 0x5D, true, 0x65}, {"F23", 0x6E, false, 0x72},
        };
        // clang-format on
        static_assert(std::size(keys) == keytables::kScanCodeRowCount);
        for (const Key &key : keys)
            QTest::newRow(key.name) << key.scan << key.ext << key.usage;
    }

    void everyKeyGivesItsUsage()
    {
        QFETCH(int, scanCode);
        QFETCH(bool, extended);
        QFETCH(int, keyCode);
        const quint32 flags = extended ? kExt : 0;
        press(scanCode, flags);
        release(scanCode, flags);
        const std::vector<Notice> expected{{keyCode, true}, {keyCode, false}};
        QCOMPARE(notices, expected);
    }

    void combinationsAndMissingRows_data()
    {
        QTest::addColumn<bool>("isoLayout");
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("keyCode"); // 0: no notice

        QTest::newRow("Ctrl+Break is Pause") << false << 0x46 << int(kExt) << 0x48;
        QTest::newRow("Alt+Print Screen is Print Screen") << false << 0x54 << int(kAlt) << 0x46;
        QTest::newRow("0x54 without Alt") << false << 0x54 << 0 << 0;
        QTest::newRow("Scroll Lock under Alt") << false << 0x46 << int(kAlt) << 0x47;
        QTest::newRow("extended 0x5C") << false << 0x5C << int(kExt) << 0;
        QTest::newRow("right Shift without the extended flag") << false << 0x36 << 0 << 0;
        QTest::newRow("extended A is no key") << false << 0x1E << int(kExt) << 0;
        QTest::newRow("scan code above 255 does not wrap") << false << 0x11E << 0 << 0;
        QTest::newRow("scan code 0") << false << 0x00 << 0 << 0;
        QTest::newRow("backslash on a US layout") << false << 0x2B << 0 << 0x31;
        QTest::newRow("backslash on an ISO layout") << true << 0x2B << 0 << 0x32;
    }

    void combinationsAndMissingRows()
    {
        QFETCH(bool, isoLayout);
        QFETCH(int, scanCode);
        QFETCH(int, flags);
        QFETCH(int, keyCode);
        hook = std::make_unique<InputHook>(isoLayout);
        QCOMPARE(hook->isoLayout, isoLayout);
        press(scanCode, flags);
        release(scanCode, flags);
        const std::vector<Notice> expected =
            keyCode ? std::vector<Notice>{{keyCode, true}, {keyCode, false}} : std::vector<Notice>{};
        QCOMPARE(notices, expected);
    }

    void aNewHookRebuildsTheLayout()
    {
        hook = std::make_unique<InputHook>(true);
        hook = std::make_unique<InputHook>(false);
        press(0x2B);
        release(0x2B);
        QCOMPARE(notices, (std::vector<Notice>{{0x31, true}, {0x31, false}}));
    }

    void heldKeyGivesOnePressAndOneRelease()
    {
        for (int i = 0; i < 20; ++i)
            press(0x1E);
        release(0x1E);
        release(0x1E);
        QCOMPARE(notices, (std::vector<Notice>{{0x04, true}, {0x04, false}}));
    }

    void reinstalledHooksForgetKeysHeldBefore()
    {
        press(0x1E);
        InputHook::removeHooks();
        InputHook::installHooks(); // the release of A went unseen meanwhile
        press(0x1E);
        release(0x1E);
        QCOMPARE(notices, (std::vector<Notice>{{0x04, true}, {0x04, true}, {0x04, false}}));
    }

    void releaseOfAKeyNeverPressedGivesNothing()
    {
        release(0x30);
        QVERIFY(notices.empty());
    }

    void keysHeldTogetherAreFollowedApart()
    {
        press(0x1D); // left Ctrl
        press(0x2E); // C
        press(0x1D); // Ctrl repeats
        release(0x2E);
        press(0x2E);
        release(0x1D);
        release(0x2E);
        const std::vector<Notice> expected{{0xE0, true}, {0x06, true},  {0x06, false},
                                           {0x06, true}, {0xE0, false}, {0x06, false}};
        QCOMPARE(notices, expected);
    }

    void onlyKeyDownMessagesOfProcessedEventsPress_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("message");
        QTest::addColumn<bool>("pressed");

        QTest::newRow("key down") << 0 << int(keytables::kKeyDown) << true;
        QTest::newRow("system key down") << 0 << int(keytables::kSysKeyDown) << true;
        QTest::newRow("key up") << 0 << int(keytables::kKeyUp) << false;
        QTest::newRow("system key up") << 0 << int(keytables::kSysKeyUp) << false;
        QTest::newRow("unknown message") << 0 << 0x0102 << false;
        QTest::newRow("key down with another hook code") << 3 << int(keytables::kKeyDown) << false;
    }

    void onlyKeyDownMessagesOfProcessedEventsPress()
    {
        QFETCH(int, code);
        QFETCH(int, message);
        QFETCH(bool, pressed);
        // Hold Space first, so that a release shows as well as a press.
        if (!pressed)
            press(0x39);
        notices.clear();
        press(0x39, 0, quint32(message), code);
        release(0x39);
        if (pressed)
            QCOMPARE(notices, (std::vector<Notice>{{0x2C, true}, {0x2C, false}}));
        else
            QCOMPARE(notices, (std::vector<Notice>{{0x2C, false}}));
    }

    void theEventsOwnVirtualKeyIsIgnored()
    {
        KeyboardEvent event;
        event.vkCode = 0x41;   // A
        event.scanCode = 0x30; // B
        InputHook::keyboardProc(0, keytables::kKeyDown, event);
        InputHook::keyboardProc(0, keytables::kKeyUp, event);
        QCOMPARE(notices, (std::vector<Notice>{{0x05, true}, {0x05, false}}));
    }

    void keysWithoutACallbackKeepTheirState()
    {
        InputHook::setKeyCallback(nullptr, nullptr);
        press(0x1F);
        InputHook::setKeyCallback(recordKey, &notices);
        press(0x1F);
        release(0x1F);
        QCOMPARE(notices, (std::vector<Notice>{{0x16, false}}));
    }

    // Virtual-key codes that no scan code of the table reaches.
    void usagesOfKeysWithoutAScanCode_data()
    {
        QTest::addColumn<int>("virtualKey");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("right Windows") << 0x5C << 0xE7;
        for (int f = 13; f <= 24; ++f)
            QTest::addRow("F%d", f) << 0x7C + (f - 13) << 0x68 + (f - 13);
        QTest::newRow("Brazilian slash") << 0xC1 << 0x87;
        QTest::newRow("Brazilian keypad period") << 0xC2 << 0x85;
        QTest::newRow("code 0xEB") << 0xEB << 0x8B;
        QTest::newRow("code 0xFF") << 0xFF << 0x66;
        QTest::newRow("no such virtual key") << 0x0A << 0;
    }

    void usagesOfKeysWithoutAScanCode()
    {
        QFETCH(int, virtualKey);
        QFETCH(int, keyCode);
        QCOMPARE(int(keytables::lookup(keytables::buildUsageTable(false), quint8(virtualKey))), keyCode);
        QCOMPARE(int(keytables::lookup(keytables::buildUsageTable(true), quint8(virtualKey))), keyCode);
    }
};

QTEST_MAIN(KeyProcedureTest)
#include "tst_keyprocedure.moc"
