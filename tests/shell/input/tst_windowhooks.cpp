#include "controller/myquickview.h"
#include "shell/input/inputhook.h"
#include "shell/input/windowhooks.h"
#include "shell/widget.h"

#include "programfolder.h"

#include <QProcess>
#include <QQuickItem>
#include <QtTest>

// The main window wired to the hooks as at start-up: keys and buttons
// pressed on the desktop reach the UI as "detectKeyboard" and "detectMouse",
// and a tagged text from another process reaches the window's warning.
class WindowHooksTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<Widget> window;
    std::unique_ptr<InputHook> hook;
    QStringList warnings;

    QString uiLog() const { return window->view()->rootObject()->property("log").toString(); }

    static bool xdotool(const QStringList &arguments)
    {
        return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
    }

    static int send(const QStringList &arguments)
    {
        QProcess sender;
        sender.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sender.start(QStringLiteral(SENDER_PATH),
                     QStringList{QStringLiteral("--program"), QCoreApplication::applicationFilePath()} + arguments);
        if (!sender.waitForStarted(5000))
            return -1;
        QDeadlineTimer deadline(10000);
        while (sender.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(10);
        return sender.state() == QProcess::NotRunning ? sender.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server (make test provides Xvfb)");
        folder = std::make_unique<ProgramFolder>(false);
        QVERIFY(folder->write("modules/setting/apConfig.bin", "[common]\nname=Orbex Hooks\n"));
        window = std::make_unique<Widget>();
        window->view()->setSource(QUrl::fromLocalFile(QStringLiteral(RECORDER_QML)));
        QVERIFY(window->view()->rootObject());
        window->showWarning = [this](const QString &caption, const QString &text) {
            warnings << caption + QLatin1Char('|') + text;
        };

        hook = std::make_unique<InputHook>(false);
        registerWindowCallbacks(window.get(), qApp);
        QVERIFY(InputHook::hooksInstalled());
        // Hidden, as in the tray.
        window->hide();
        QVERIFY(xdotool({"mousemove", "700", "500"}));
    }

    void cleanupTestCase()
    {
        hook.reset();
        window.reset();
        folder.reset();
    }

    void init()
    {
        QTest::qWait(50);
        window->view()->rootObject()->setProperty("log", QString());
        warnings.clear();
    }

    void keysAndButtonsReachTheUi()
    {
        QVERIFY(xdotool({"key", "a", "KP_Enter", "mousemove", "300", "200", "click", "--repeat", "2", "1"}));
        const QString expected = "kb(true,4);kb(false,4);kb(true,88);kb(false,88);"
                                 "ms(true,240,300,200);ms(false,240,300,200);"
                                 "ms(true,240,300,200);ms(false,240,300,200);";
        QTRY_COMPARE_WITH_TIMEOUT(uiLog(), expected, 5000);
    }

    void aWheelTurnReachesNothing()
    {
        QVERIFY(xdotool({"click", "4", "click", "5", "key", "b"}));
        QTRY_COMPARE_WITH_TIMEOUT(uiLog(), QStringLiteral("kb(true,5);kb(false,5);"), 5000);
    }

    void taggedTextShowsTheWarningOnlyWithTheRightTagAndCount_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");

        const QString text = QStringLiteral("Firmware veraltet – bitte aktualisieren");
        const int bytes = int(text.toUtf8().size());
        QTest::newRow("tag 9487, right count") << QStringList{"9487", text} << QStringList{"Orbex Hooks|" + text};
        QTest::newRow("count with the terminator")
            << QStringList{"--count", QString::number(bytes + 1), "9487", text} << QStringList{};
        // Only cbData bytes travel: a count short of the text is a shorter
        // text, shown when it is whole UTF-8.
        const int dash = int(text.left(text.indexOf(QChar(0x2013))).toUtf8().size());
        QTest::newRow("count cuts a character")
            << QStringList{"--count", QString::number(dash + 1), "9487", text} << QStringList{};
        QTest::newRow("count short of the text")
            << QStringList{"--count", QString::number(dash), "9487", text}
            << QStringList{"Orbex Hooks|" + text.left(text.indexOf(QChar(0x2013)))};
        QTest::newRow("another tag") << QStringList{"9486", text} << QStringList{};
    }

    void taggedTextShowsTheWarningOnlyWithTheRightTagAndCount()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        // Handled in every case: the window's callback decides what to show.
        QCOMPARE(send(arguments), 0);
        QCOMPARE(warnings, expected);
    }
};

QTEST_MAIN(WindowHooksTest)
#include "tst_windowhooks.moc"
