#include "shell/input/inputhook.h"
#include "shell/input/keytables.h"
#include "shell/input/windowkeysource.h"

#include "keynotices.h"

#include <QWindow>
#include <QtTest>

#include <vector>

namespace {

void recordKey(int keyCode, bool pressed, void *)
{
    notices.push_back({keyCode, pressed});
}

// X key codes as the X server and Wayland compositors give them.
constexpr quint32 kXA = 38;
constexpr quint32 kXLeftCtrl = 37;
constexpr quint32 kXLeftShift = 50;

void send(QWindow &window, QEvent::Type type, quint32 nativeScanCode, bool autoRepeat = false)
{
    QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, nativeScanCode, 0, 0, QString(), autoRepeat);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace

// Keys typed into the window while no global hook runs (the offscreen
// platform has no X11) reach the window's key callback with the codes the
// hook would give.
class TestWindowKeySource : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        notices.clear();
        InputHook::setKeyCallback(recordKey, nullptr);
        // Forgets the keys an earlier test left held; no X11, so no hook.
        QVERIFY(!InputHook::installHooks());
    }

    void keyCodeOfNativeScanCode_data()
    {
        QTest::addColumn<quint32>("nativeScanCode");
        QTest::addColumn<int>("keyCode");
        QTest::newRow("A") << 38u << 0x04;
        QTest::newRow("Z") << 52u << 0x1D;
        QTest::newRow("1") << 10u << 0x1E;
        QTest::newRow("Enter") << 36u << 0x28;
        QTest::newRow("Esc") << 9u << 0x29;
        QTest::newRow("Space") << 65u << 0x2C;
        QTest::newRow("F1") << 67u << 0x3A;
        QTest::newRow("F12") << 96u << 0x45;
        QTest::newRow("left Ctrl") << 37u << 0xE0;
        QTest::newRow("left Shift") << 50u << 0xE1;
        QTest::newRow("left Alt") << 64u << 0xE2;
        QTest::newRow("left Win") << 133u << 0xE3;
        QTest::newRow("right Ctrl") << 105u << 0xE4;
        QTest::newRow("right Shift") << 62u << 0xE5;
        QTest::newRow("right Alt") << 108u << 0xE6;
        QTest::newRow("Up") << 111u << 0x52;
        QTest::newRow("Delete") << 119u << 0x4C;
        QTest::newRow("keypad Enter") << 104u << 0x58;
        QTest::newRow("keypad 7") << 79u << 0x5F;
        QTest::newRow("Pause") << 127u << 0x48;
        QTest::newRow("Print Screen") << 107u << 0x46;
        QTest::newRow("below the X offset") << 5u << 0;
        QTest::newRow("no PC key") << 255u << 0;
    }

    void keyCodeOfNativeScanCode()
    {
        QFETCH(quint32, nativeScanCode);
        QFETCH(int, keyCode);
        QWindow window;
        WindowKeySource source(&window);
        send(window, QEvent::KeyPress, nativeScanCode);
        send(window, QEvent::KeyRelease, nativeScanCode);
        if (keyCode == 0)
            QVERIFY(notices.empty());
        else
            QCOMPARE(notices, (std::vector<Notice>{{keyCode, true}, {keyCode, false}}));
    }

    void aCombinationArrivesInTypingOrder()
    {
        QWindow window;
        WindowKeySource source(&window);
        send(window, QEvent::KeyPress, kXLeftCtrl);
        send(window, QEvent::KeyPress, kXLeftShift);
        send(window, QEvent::KeyPress, kXA);
        send(window, QEvent::KeyPress, kXA, true); // held: the repeat is no new key
        QCOMPARE(notices, (std::vector<Notice>{{0xE0, true}, {0xE1, true}, {0x04, true}}));
    }

    // Without the releases the hook's key state would keep Ctrl held, and
    // the next press of Ctrl in the window would give no notice.
    void losingTheFocusReleasesTheHeldKeys()
    {
        QWindow window;
        WindowKeySource source(&window);
        send(window, QEvent::KeyPress, kXLeftCtrl);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(&window, &focusOut);
        send(window, QEvent::KeyPress, kXLeftCtrl);
        QCOMPARE(notices, (std::vector<Notice>{{0xE0, true}, {0xE0, false}, {0xE0, true}}));
    }

    void otherWindowsAreNotWatched()
    {
        QWindow window;
        QWindow other;
        WindowKeySource source(&window);
        send(other, QEvent::KeyPress, kXA);
        QVERIFY(notices.empty());
    }

private:
    InputHook m_hook{false};
};

QTEST_MAIN(TestWindowKeySource)
#include "tst_windowkeysource.moc"
