// The detection pass as the main window runs it, on the factory settings
// and the virtual mouse they describe: connect at start, the profile images
// read into the view, removal while listening, and the reconnect that the
// device-change stand-in and the poll timer bring.
#include "linkbench.h"

#include "controller/myquickview.h"
#include "shell/widget.h"
#include "virtual_mouse.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

using namespace linkbench;

class tst_WindowDetection : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<VirtualClock> clock;
    std::unique_ptr<Widget> window;

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolder>();
        QVERIFY(folder->isValid());
        clock = std::make_unique<VirtualClock>();
        vm_set_read_wait_ms(20);
        // The mouse the factory table describes: an enciphered 560 gun mouse.
        QCOMPARE(vm_configure_text("[default]\n"), 1);
        vm_trace_clear();
        window = std::make_unique<Widget>();
    }

    void cleanup()
    {
        window.reset();
        clock.reset();
        folder.reset();
    }

    void startUpPassConnectsAndReadsTheProfiles()
    {
        window->show();
        window->checkDevice();
        QVERIFY(window->deviceConnected());
        QVERIFY(window->hidThread.isListening());
        QVERIFY(window->isVisible());
        // Blocks 0 to 4 came from the mouse, which numbers its images.
        for (int n = 0; n < profileimage::kBlocks; ++n)
            QCOMPARE(int(window->hidThread.profileImages[n][0]), n);
        QVERIFY(window->hidThread.isIdle());
    }

    void passWithoutAMouseHidesTheWindow()
    {
        vm_set_present(0, 0);
        window->show();
        window->checkDevice();
        QVERIFY(!window->deviceConnected());
        QVERIFY(!window->isVisible());
        QVERIFY(!window->hidThread.isListening());
    }

    void removalDisablesAndADeviceChangeReconnects()
    {
        window->checkDevice();
        QVERIFY(window->hidThread.isListening());

        window->show();
        vm_set_present(0, 0);
        QTRY_VERIFY(!window->hidThread.isListening());
        QTRY_VERIFY(!window->view()->isEnabled());

        // The interfaces changed while the listener ran: once it has ended,
        // a pass runs and finds no mouse.
        QTRY_VERIFY_WITH_TIMEOUT(!window->deviceConnected(), 5000);
        QVERIFY(!window->isVisible());

        // Plugged in again: the comparison notices it, and the poll timer
        // runs the pass 2048 ms later.
        vm_set_present(0, 1);
        QTRY_VERIFY_WITH_TIMEOUT(window->pollTimer.isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(window->hidThread.isListening(), 4000);
        QVERIFY(window->deviceConnected());
        // The UI's own start keeps the view locked for a second.
        QTRY_VERIFY_WITH_TIMEOUT(window->view()->isEnabled(), 3000);
    }

    void aQuickReplugReconnects()
    {
        window->checkDevice();
        QVERIFY(window->hidThread.isListening());

        // Pulled and plugged in again before the interfaces are looked at:
        // the set is as it was, but the listener lost its interface.
        vm_set_present(0, 0);
        QTRY_VERIFY(!window->hidThread.isListening());
        vm_set_present(0, 1);
        QTRY_VERIFY_WITH_TIMEOUT(window->hidThread.isListening(), 6000);
        QVERIFY(window->deviceConnected());
    }

    void aMouseThatSendsNoProfileImageIsAskedOnce()
    {
        // A 553 mouse where the settings say 560: it has no profile images.
        QCOMPARE(vm_configure_text("[m]\nfamily = 553\n"), 1);
        vm_trace_clear();
        QElapsedTimer connecting;
        connecting.start();
        window->checkDevice();
        QVERIFY(window->deviceConnected());
        int profileReads = 0;
        for (const TraceEntry &e : trace()) {
            if (e.op == QLatin1String("read-timeout") && e.path.endsWith(QLatin1String(":cmd")))
                ++profileReads;
        }
        QCOMPARE(profileReads, 1);
        QVERIFY2(connecting.elapsed() < 2500, qPrintable(QString::number(connecting.elapsed())));
    }
};

QTEST_MAIN(tst_WindowDetection)
#include "tst_windowdetection.moc"
