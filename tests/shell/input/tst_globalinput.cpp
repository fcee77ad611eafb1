#include "shell/input/inputhook.h"

#include "programfolder.h"

#include <QProcess>
#include <QWindow>
#include <QtTest>

#include <vector>

namespace {

// One notice: a key (x, y unused) or a mouse button.
struct Notice {
    char kind; // 'k' or 'm'
    int code;
    bool pressed;
    int x = 0;
    int y = 0;
    bool operator==(const Notice &) const = default;
};

std::vector<Notice> notices;

void recordKey(int keyCode, bool pressed, void *)
{
    notices.push_back({'k', keyCode, pressed});
}

void recordButton(int buttonCode, bool pressed, int x, int y, void *)
{
    notices.push_back({'m', buttonCode, pressed, x, y});
}

Notice key(int code, bool pressed)
{
    return {'k', code, pressed};
}

Notice button(int code, bool pressed, int x, int y)
{
    return {'m', code, pressed, x, y};
}

std::vector<Notice> stroke(int code)
{
    return {key(code, true), key(code, false)};
}

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Notice>)

namespace QTest {
template <> char *toString(const std::vector<Notice> &list)
{
    QByteArray text;
    for (const Notice &n : list)
        text += QByteArray(1, n.kind) + '(' + QByteArray::number(n.code, 16) + (n.pressed ? ",down" : ",up")
                + (n.kind == 'm' ? ',' + QByteArray::number(n.x) + ',' + QByteArray::number(n.y) : QByteArray()) + ") ";
    return qstrdup(text.constData());
}
} // namespace QTest

// Real key and button events from another X client reach the callbacks as
// key codes while the program's window is unfocused or hidden.
class GlobalInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<InputHook> hook;
    std::unique_ptr<QWindow> window;

    // What arrives within a short while after the events were sent.
    static bool settle(const std::vector<Notice> &expected)
    {
        QDeadlineTimer deadline(5000);
        while (notices.size() < expected.size() && !deadline.hasExpired())
            QTest::qWait(10);
        QTest::qWait(150); // anything more would show by now
        return true;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (make test provides Xvfb)");
        folder = std::make_unique<ProgramFolder>(false);
        hook = std::make_unique<InputHook>(false);
        QVERIFY(InputHook::hooksInstalled());
        InputHook::setKeyCallback(recordKey, nullptr);
        InputHook::setMouseCallback(recordButton, nullptr);

        window = std::make_unique<QWindow>();
        window->setGeometry(0, 0, 120, 80);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // The pointer, and with it the keyboard focus of a desktop without a
        // window manager, stays away from the window.
        QVERIFY(xdotool({"mousemove", "600", "400"}));
    }

    void cleanupTestCase()
    {
        window.reset();
        hook.reset();
        InputHook::setKeyCallback(nullptr, nullptr);
        InputHook::setMouseCallback(nullptr, nullptr);
    }

    void init()
    {
        QVERIFY(xdotool({"mousemove", "600", "400"}));
        QTest::qWait(50);
        notices.clear();
    }

    void keysReachTheCallback_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<std::vector<Notice>>("expected");

        QTest::newRow("A") << QStringList{"key", "a"} << stroke(0x04);
        QTest::newRow("main Enter") << QStringList{"Return"} << stroke(0x28);
        QTest::newRow("keypad Enter") << QStringList{"KP_Enter"} << stroke(0x58);
        QTest::newRow("backslash") << QStringList{"backslash"} << stroke(0x31);
        // Modifier keys by X key code: xdotool adds modifiers of its own to
        // some modifier key names.
        QTest::newRow("right Shift") << QStringList{"62"} << stroke(0xE5);
        QTest::newRow("left Windows") << QStringList{"133"} << stroke(0xE3);
        QTest::newRow("right Windows gives nothing") << QStringList{"134", "b"} << stroke(0x05);
        QTest::newRow("Print Screen") << QStringList{"Print"} << stroke(0x46);
        QTest::newRow("Alt+Print Screen")
            << QStringList{"keydown", "alt", "keydown", "Print", "keyup", "Print", "keyup", "alt"}
            << std::vector<Notice>{key(0xE2, true), key(0x46, true), key(0x46, false), key(0xE2, false)};
        QTest::newRow("Pause") << QStringList{"Pause"} << stroke(0x48);
        QTest::newRow("Ctrl+Break") << QStringList{"keydown", "ctrl",  "keydown", "Pause",
                                                   "keyup",   "Pause", "keyup",   "ctrl"}
                                    << std::vector<Notice>{key(0xE0, true), key(0x48, true), key(0x48, false),
                                                           key(0xE0, false)};
        QTest::newRow("Num Lock twice") << QStringList{"Num_Lock", "Num_Lock"}
                                        << std::vector<Notice>{key(0x53, true), key(0x53, false), key(0x53, true),
                                                               key(0x53, false)};
        QTest::newRow("arrow and keypad digit")
            << QStringList{"Up", "KP_Up"}
            << std::vector<Notice>{key(0x52, true), key(0x52, false), key(0x60, true), key(0x60, false)};
        QTest::newRow("F12") << QStringList{"F12"} << stroke(0x45);
    }

    void keysReachTheCallback()
    {
        QFETCH(QStringList, keys);
        QFETCH(std::vector<Notice>, expected);
        QVERIFY(!window->isActive());
        if (keys.first() != QLatin1String("keydown") && keys.first() != QLatin1String("key"))
            keys.prepend(QStringLiteral("key"));
        QVERIFY(xdotool(keys));
        settle(expected);
        QCOMPARE(notices, expected);
    }

    void heldKeyGivesOnePressAndOneRelease()
    {
        QVERIFY(xdotool({"keydown", "a", "sleep", "1", "keyup", "a"}));
        settle(stroke(0x04));
        QCOMPARE(notices, stroke(0x04));
    }

    void buttonsReachTheCallbackWithThePointerPosition_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<std::vector<Notice>>("expected");

        QTest::newRow("left") << QStringList{"mousemove", "300", "200", "click", "1"}
                              << std::vector<Notice>{button(0xF0, true, 300, 200), button(0xF0, false, 300, 200)};
        QTest::newRow("right") << QStringList{"mousemove", "301", "202", "click", "3"}
                               << std::vector<Notice>{button(0xF1, true, 301, 202), button(0xF1, false, 301, 202)};
        QTest::newRow("middle") << QStringList{"mousemove", "640", "10", "click", "2"}
                                << std::vector<Notice>{button(0xF2, true, 640, 10), button(0xF2, false, 640, 10)};
        QTest::newRow("double click") << QStringList{"mousemove", "500",     "350", "click", "--repeat",
                                                     "2",         "--delay", "60",  "1"}
                                      << std::vector<Notice>{
                                             button(0xF0, true, 500, 350), button(0xF0, false, 500, 350),
                                             button(0xF0, true, 500, 350), button(0xF0, false, 500, 350)};
        QTest::newRow("wheel and side buttons give nothing")
            << QStringList{"mousemove", "400", "300",   "click", "4",     "click", "5",     "click", "6",
                           "click",     "7",   "click", "8",     "click", "9",     "click", "3"}
            << std::vector<Notice>{button(0xF1, true, 400, 300), button(0xF1, false, 400, 300)};
        QTest::newRow("over the window") << QStringList{"mousemove", "20", "20", "click", "1"}
                                         << std::vector<Notice>{button(0xF0, true, 20, 20),
                                                                button(0xF0, false, 20, 20)};
    }

    void buttonsReachTheCallbackWithThePointerPosition()
    {
        QFETCH(QStringList, actions);
        QFETCH(std::vector<Notice>, expected);
        QVERIFY(xdotool(actions));
        settle(expected);
        QCOMPARE(notices, expected);
    }

    void eventsReachWhileTheWindowIsHidden()
    {
        window->hide();
        // The position is the pointer's when the event is read, so the
        // pointer stays put until then.
        QVERIFY(xdotool({"key", "z", "mousemove", "200", "100", "click", "3"}));
        const std::vector<Notice> expected{key(0x1D, true), key(0x1D, false), button(0xF1, true, 200, 100),
                                           button(0xF1, false, 200, 100)};
        settle(expected);
        window->show();
        QCOMPARE(notices, expected);
    }

    void anOlderHookGoingLeavesTheNewOne()
    {
        auto older = std::move(hook);
        hook = std::make_unique<InputHook>(false);
        older.reset();
        QVERIFY(InputHook::hooksInstalled());
        QVERIFY(xdotool({"key", "a"}));
        settle(stroke(0x04));
        QCOMPARE(notices, stroke(0x04));
    }

    void removedHooksGiveNothingAndReinstallWorks()
    {
        InputHook::removeHooks();
        QVERIFY(!InputHook::hooksInstalled());
        QVERIFY(xdotool({"key", "a", "click", "1"}));
        QTest::qWait(300);
        QVERIFY(notices.empty());

        QVERIFY(InputHook::installHooks());
        QVERIFY(InputHook::installHooks()); // twice is once
        QVERIFY(xdotool({"key", "a"}));
        settle(stroke(0x04));
        QCOMPARE(notices, stroke(0x04));
    }
};

QTEST_MAIN(GlobalInputTest)
#include "tst_globalinput.moc"
