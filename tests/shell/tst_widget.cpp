#include "controller/myquickview.h"
#include "shell/ui_controler.h"
#include "shell/userevent.h"
#include "shell/waitingwindow.h"
#include "shell/warningtext.h"
#include "shell/widget.h"
#include "shell/windowfit.h"

#include "programfolder.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QQuickItem>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <thread>

// A running listener without a mouse to read from.
struct HidThreadTestAccess {
    static void setListening(Hid_Thread &hid, bool on) { hid.m_listening = on; }
};

// The main window and the window-control object, with a root item that
// records what the program calls in the UI.
class WidgetTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<Widget> window;

    myQQuickView *view() const { return window->view(); }
    QString uiLog() const { return view()->rootObject()->property("log").toString(); }
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>(false);
        folder->write("modules/setting/apConfig.bin", "[common]\nname=Orbex Test\n[mouse]\nicType=560\nisGun=true\n");
        window = std::make_unique<Widget>();
        view()->setSource(QUrl::fromLocalFile(QStringLiteral(RECORDER_QML)));
        QVERIFY(view()->rootObject());
    }

    void cleanup()
    {
        window.reset();
        folder.reset();
    }

    void windowIsSetUpFramelessWithTheStoredTitle()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Orbex Test"));
        QCOMPARE(window->objectName(), QStringLiteral("Widget"));
        QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(view()->objectName(), QStringLiteral("ui_View"));
        QCOMPARE(view()->parentWidget(), window.get());
        QCOMPARE(view()->hid, &window->hidThread);
        QCOMPARE(window->hidThread.owner, static_cast<DeviceOwner *>(window.get()));
        QVERIFY(window->pollTimer.isSingleShot());
        QCOMPARE(window->pollTimer.interval(), 2048);
        // The transport works from the same model as the view.
        QCOMPARE(window->hidThread.deviceModel().family, devicemodel::Family::F560);
        QVERIFY(window->hidThread.deviceModel().gun);
    }

    void namedWindowKeepsItsName()
    {
        QWidget other;
        other.setObjectName("mainFrame");
        Ui_Controler controller;
        controller.setupUi(&other, nullptr);
        QCOMPARE(other.objectName(), QStringLiteral("mainFrame"));
        // The window fits the screen's free area (the offscreen screen is small).
        const QSize available = other.screen()->availableGeometry().size();
        const QSize designed(1024, 640);
        QCOMPARE(other.size(), windowfit::scaledSize(designed, windowfit::scaleFor(available, designed)));
        QVERIFY(other.width() <= std::max(available.width(), 512));
    }

    // The program's window is made without its pages and has them made
    // right after its first frame, before any mouse is found.
    void pagesFollowTheFirstFrame()
    {
        Widget fresh;
        QQuickItem *root = fresh.view()->rootObject();
        QVERIFY(root);
        const char *pages[] = {"mouseMain", "keyMatrixMain", "dpiSettingMain", "lightControlMain", "profilePage"};
        for (const char *page : pages)
            QVERIFY2(!root->property(page).value<QObject *>(), page);
        fresh.show();
        for (const char *page : pages)
            QTRY_VERIFY2(root->property(page).value<QObject *>(), page);
        QVERIFY(!root->property("isPownOn").toBool());
    }

    void trayIsSetUpAsShipped()
    {
        QTRY_VERIFY(window->trayIcon);
        QCOMPARE(window->trayIcon->toolTip(), QStringLiteral("MERIDAN ORBEX MOUSE K420"));
        QMenu *menu = window->trayIcon->contextMenu();
        QVERIFY(menu);
        // The menu is drawn in the program's colours: a style sheet that Qt
        // cannot parse would leave the platform's.
        menu->ensurePolished();
        menu->adjustSize();
        const QImage drawn = menu->grab().toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn.pixelColor(0, 0), QColor(100, 100, 100));
        QCOMPARE(drawn.pixelColor(drawn.width() - 3, 4), QColor(68, 69, 73));
        const QList<QAction *> entries = menu->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [](QAction *a) { return a->isVisible() && !a->isSeparator(); });
        QVERIFY(entry != entries.end());
        QCOMPARE(menu->actionGeometry(*entry).height(), 22);
    }

    QAction *trayAction(const QString &text) const
    {
        const QList<QAction *> actions = window->trayIcon->contextMenu()->actions();
        auto it = std::find_if(actions.cbegin(), actions.cend(), [&](QAction *a) { return a->text() == text; });
        return it == actions.cend() ? nullptr : *it;
    }

    // The tray lists the UI's profiles while a mouse is there, marks the one
    // in use, and hands a choice to the UI as its title bar would.
    void trayProfileEntriesSwitch()
    {
        QTRY_VERIFY(window->trayIcon);
        QQuickItem *root = view()->rootObject();
        root->setProperty("profiles", QVariantList{
            QVariantMap{{"textValue", "Standard"}, {"profileNo", 0}},
            QVariantMap{{"textValue", "Raid"}, {"profileNo", 3}},
        });
        view()->setCurrentProfile(3);
        QMenu *menu = window->trayIcon->contextMenu();

        emit menu->aboutToShow();
        QVERIFY(!trayAction("Standard"));

        window->setDeviceConnected(true);
        emit menu->aboutToShow();
        QAction *standard = trayAction("Standard");
        QAction *raid = trayAction("Raid");
        QVERIFY(standard && raid);
        QVERIFY(raid->isChecked());
        QVERIFY(!standard->isChecked());
        // Profiles first, in the UI's order.
        QCOMPARE(menu->actions().indexOf(standard), 0);
        QCOMPARE(menu->actions().indexOf(raid), 1);
        standard->trigger();
        QVERIFY(uiLog().contains("trayProfile(0);"));
        QVERIFY(!window->isVisible());

        // The UI asks about unsaved edits: the window comes forward for it.
        root->setProperty("asking", true);
        emit menu->aboutToShow();
        trayAction("Standard")->trigger();
        settle();
        QVERIFY(window->isVisible());

        // Opened again, the list is rebuilt, not added to.
        emit menu->aboutToShow();
        QCOMPARE(std::count_if(menu->actions().cbegin(), menu->actions().cend(),
                               [](QAction *a) { return a->text() == "Raid"; }), 1);

        QAction *automatic = trayAction("Automatic switching");
        QVERIFY(automatic && automatic->isCheckable());
        // No focus source here: the entry cannot be used.
        QVERIFY(!automatic->isEnabled());
    }

    // Single click, double click, the menu's Show window and a second start
    // all bring the window back while a mouse is there; the context click
    // leaves it to the menu.
    void everyWayBackShowsTheWindowWhileConnected()
    {
        window->trayAvailableCheck = [] { return true; };
        QTRY_VERIFY(window->trayIcon);
        QAction *show = trayAction("Show window");
        QVERIFY(show);
        const std::vector<std::function<void()>> ways{
            [&] { window->trayIconActivated(QSystemTrayIcon::Trigger); },
            [&] { window->trayIconActivated(QSystemTrayIcon::DoubleClick); },
            [&] { show->trigger(); },
            [&] { window->receiveMessage(QString()); },
        };
        window->setDeviceConnected(true);
        for (const auto &way : ways) {
            window->hide();
            window->trayIconActivated(QSystemTrayIcon::Context);
            settle();
            QVERIFY(!window->isVisible());
            way();
            settle();
            QVERIFY(window->isVisible());
        }

        window->showMinimized();
        window->receiveMessage(QStringLiteral("ignored"));
        settle();
        QVERIFY(window->isVisible());
        QVERIFY(!window->isMinimized());
    }

    // Without a mouse the window stays hidden; where there is no tray the
    // waiting window answers instead, and goes when the mouse connects,
    // which brings the window asked for.
    void withoutMouseTheWaitingWindowAnswers()
    {
        window->trayAvailableCheck = [] { return false; };
        window->show();
        window->hideWindow();
        QVERIFY(!window->isVisible());
        QVERIFY(window->waitingWindow());
        QVERIFY(window->waitingWindow()->isVisible());
        QVERIFY(window->waitingWindow()->findChild<QLabel *>("advice")->text().contains("plug"));

        window->waitingWindow()->hide();
        window->hideWindow(); // the next pass finding none stays quiet
        QVERIFY(!window->waitingWindow()->isVisible());
        window->receiveMessage(QString());
        settle();
        QVERIFY(!window->isVisible());
        QVERIFY(window->waitingWindow()->isVisible());

        window->setDeviceConnected(true);
        QVERIFY(!window->waitingWindow()->isVisible());
        static_cast<DetectionHost &>(*window).startUI();
        settle();
        QVERIFY(window->isVisible());
    }

    // The window open when the mouse left opens again when it comes back;
    // one the user had closed stays closed.
    void windowFollowsTheMouseOnlyIfItWasOpen()
    {
        window->trayAvailableCheck = [] { return true; };
        for (const bool wasOpen : {true, false}) {
            window->setDeviceConnected(true);
            window->setVisible(wasOpen);
            window->setDeviceConnected(false);
            window->hideWindow();
            settle();
            QVERIFY(!window->isVisible());
            window->setDeviceConnected(true);
            static_cast<DetectionHost &>(*window).startUI();
            settle();
            QCOMPARE(window->isVisible(), wasOpen);
        }
    }

    void windowControlMovesMinimisesAndHides()
    {
        window->show();
        window->move(100, 100);
        const QPoint start = window->pos();
        window->uiController->onXChanged(5);
        window->uiController->onYChanged(-3);
        QCOMPARE(window->pos(), start + QPoint(5, -3));

        window->uiController->onMinimize();
        QVERIFY(window->isMinimized());
        window->uiController->onClose();
        QVERIFY(!window->isVisible());

        Ui_Controler unattached;
        unattached.onXChanged(5);
        unattached.onClose();
    }

    void runFollowsInitUi()
    {
        view()->initUI();
        QCoreApplication::postEvent(window.get(), new UserEvent(UserEvent::kRunUiCode));
        settle();
        QCOMPARE(uiLog(), QStringLiteral("initUI;run;"));
    }

    void otherUserEventsAreIgnored()
    {
        QCoreApplication::postEvent(window.get(), new UserEvent(2178));
        QCoreApplication::postEvent(window.get(), new QEvent(QEvent::Type(UserEvent::kType + 1)));
        settle();
        QCOMPARE(uiLog(), QString());
    }

    void callsIntoTheUi()
    {
        view()->setBusy();
        window->uiController->setBusy(250);
        QCOMPARE(uiLog(), QStringLiteral("setProtectUI(0);setProtectUI(250);"));

        window->keyNotice(0x104, true);
        window->mouseNotice(0x1F0, false, 12, 34);
        QCOMPARE(uiLog(), QStringLiteral("setProtectUI(0);setProtectUI(250);"));
        settle();
        QVERIFY2(uiLog().endsWith("kb(true,4);ms(false,240,12,34);"), qPrintable(uiLog()));
    }

    void dpiNoticeFromAnotherThreadArrivesQueued()
    {
        std::thread([this] { window->showCurrentDpi(3); }).join();
        QCOMPARE(uiLog(), QString());
        settle();
        QCOMPARE(uiLog(), QStringLiteral("setCurrentDPI(3);"));
    }

    // A root item without some of the functions the program calls: those
    // calls go nowhere with a warning, and the one it has still arrives.
    void missingUiFunctionIsIgnored()
    {
        QVERIFY(folder->write("partial.qml", "import QtQuick\nItem {\n    property string log: \"\"\n"
                                             "    function setCurrentDPI(v) { log += \"setCurrentDPI(\" + v + \");\" }\n}\n"));
        view()->setSource(QUrl::fromLocalFile(folder->path(QStringLiteral("partial.qml"))));
        QVERIFY(view()->rootObject());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No such method .*initUI")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No such method .*setProtectUI")));
        view()->initUI();
        view()->setBusy(5);
        view()->setCurrentDPI(2);
        settle();
        QCOMPARE(uiLog(), QStringLiteral("setCurrentDPI(2);"));
    }

    void taggedTextShowsTheWarningOnlyWhenItsLengthIsRight_data()
    {
        QTest::addColumn<quintptr>("tag");
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<bool>("shown");
        const QByteArray hello("Hello\0", 6);
        const QByteArray chinese = QStringLiteral("固件需要更新").toUtf8() + '\0';
        QTest::newRow("right count") << quintptr(9487) << hello << 5u << true;
        QTest::newRow("UTF-8 text") << quintptr(9487) << chinese << quint32(chinese.size() - 1) << true;
        QTest::newRow("count too small") << quintptr(9487) << hello << 3u << false;
        QTest::newRow("count too large") << quintptr(9487) << QByteArray("Hello\0\0\0\0", 9) << 8u << false;
        QTest::newRow("other tag") << quintptr(9486) << hello << 5u << false;
        QTest::newRow("invalid UTF-8") << quintptr(9487) << QByteArray("\xff\xfe\0", 3) << 2u << false;
    }

    void taggedTextShowsTheWarningOnlyWhenItsLengthIsRight()
    {
        QFETCH(quintptr, tag);
        QFETCH(QByteArray, buffer);
        QFETCH(quint32, count);
        QFETCH(bool, shown);
        QStringList boxes;
        window->showWarning = [&](const QString &caption, const QString &text) {
            boxes << caption + QLatin1Char('|') + text;
        };
        window->taggedMessage(tag, count, buffer.constData());
        QCOMPARE(boxes.size(), shown ? 1 : 0);
        if (shown)
            QCOMPARE(boxes.first(), "Orbex Test|" + QString::fromUtf8(buffer.constData()));
    }

    void aTaggedTextIsShownAsPlainText()
    {
        // Markup from another process would load a local file and offer a
        // link; the box shows the characters as they are.
        const QByteArray text("<h1>Update</h1><img src=\"file:///etc/hostname\"><a href=\"http://x\">here</a>");
        Qt::TextFormat format = Qt::AutoText;
        QString shownText;
        QTimer::singleShot(100, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            format = box->textFormat();
            shownText = box->text();
            box->accept();
        });
        window->taggedMessage(9487, quint32(text.size()), text.constData());
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shownText, QString::fromUtf8(text));
    }

    void aFloodOfTaggedTextsOpensOneBoxAtATime()
    {
        // Each box runs a modal loop in which the next texts arrive; this
        // box delivers them itself, five thousand in all.
        constexpr int kFlood = 5000;
        const QByteArray text("Firmware\0", 9);
        int delivered = 1;
        int depth = 0;
        int deepest = 0;
        QStringList shown;
        window->showWarning = [&](const QString &, const QString &message) {
            deepest = std::max(deepest, ++depth);
            shown << message;
            while (delivered < kFlood) {
                ++delivered;
                window->taggedMessage(9487, 8, text.constData());
            }
            --depth;
        };
        window->taggedMessage(9487, 8, text.constData());
        QCOMPARE(deepest, 1);
        // The first box, then the ones that could wait; the rest are dropped.
        QCOMPARE(shown.size(), 1 + Widget::kMaxPendingWarnings);

        // Once the flood is over, the next text has its box again.
        shown.clear();
        window->taggedMessage(9487, 8, text.constData());
        QCOMPARE(shown, QStringList{"Firmware"});
    }

    void aHugeTaggedTextIsCutBeforeItsBoxIsLaidOut()
    {
        const quint32 size = 1u << 20;
        QByteArray huge(qsizetype(size), 'x');
        huge.append('\0');
        QStringList shown;
        window->showWarning = [&](const QString &, const QString &message) {
            shown << message;
        };
        window->taggedMessage(9487, size, huge.constData());
        QCOMPARE(shown, QStringList{QString(warningtext::kMaxChars, QLatin1Char('x')) + warningtext::kCutMark});
    }

    void warningTextsAreCutToASaneSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString mark = warningtext::kCutMark;
        const QString longest(warningtext::kMaxChars, QLatin1Char('a'));
        const QString thirtyLines = QStringLiteral("line\n").repeated(warningtext::kMaxLines - 1) + "end";
        const QString pair = QStringLiteral("\U0001F600"); // two UTF-16 units
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("short") << "Firmware update ready"
                               << "Firmware update ready";
        QTest::newRow("longest that fits") << longest << longest;
        QTest::newRow("one character more") << longest + "b" << longest + mark;
        QTest::newRow("lines that fit") << thirtyLines << thirtyLines;
        QTest::newRow("one line more") << thirtyLines + "\nmore"
                                       << QStringLiteral("line\n").repeated(warningtext::kMaxLines - 1) + "end" + mark;
        QTest::newRow("only line breaks")
            << QString(100, QLatin1Char('\n')) << QString(warningtext::kMaxLines - 1, QLatin1Char('\n')) + mark;
        QTest::newRow("no half surrogate pair")
            << longest.left(warningtext::kMaxChars - 1) + pair << longest.left(warningtext::kMaxChars - 1) + mark;
    }

    void warningTextsAreCutToASaneSize()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(warningtext::shortened(text), shown);
    }

    void deviceChangeStartsThePollOnlyWithoutListener()
    {
        HidThreadTestAccess::setListening(window->hidThread, true);
        QMetaObject::invokeMethod(window.get(), "onDeviceChanged");
        QVERIFY(!window->pollTimer.isActive());
        HidThreadTestAccess::setListening(window->hidThread, false);
        QMetaObject::invokeMethod(window.get(), "onDeviceChanged");
        QVERIFY(window->pollTimer.isActive());
    }

    void quitStopsTheListenerAndEndsTheLoopWithZero()
    {
        HidThreadTestAccess::setListening(window->hidThread, true);
        QTimer::singleShot(0, window.get(), &Widget::exitSYS);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window->hidThread.isListening());
    }
};

QTEST_MAIN(WidgetTest)
#include "tst_widget.moc"
