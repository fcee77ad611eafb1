#include "shell/input/x11inputsource.h"

#include <QtTest>

// The X11 source under an application without a GUI: there is no display
// connection to take, and the application object must not be used as a GUI
// application. This test is built with the undefined behaviour sanitizer's
// type check, which ends it at such a use.
class X11CoreApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void noSourceWithoutAGuiApplication()
    {
        QVERIFY(!X11InputSource::create({}, {}));
    }
};

QTEST_GUILESS_MAIN(X11CoreApplicationTest)
#include "tst_x11coreapp.moc"
