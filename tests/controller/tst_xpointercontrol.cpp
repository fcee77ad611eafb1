#include "controller/pointer/xpointercontrol.h"

#include <QTest>

#include <xcb/xcb.h>

// Runs against the X server of the test run (Xvfb), never without one.
class XPointerControlTest : public QObject {
    Q_OBJECT
public:
    ~XPointerControlTest() override
    {
        if (m_keepServer)
            xcb_disconnect(m_keepServer);
    }

private slots:
    void initTestCase();
    void speed_reads_back_at_both_ends_data();
    void speed_reads_back_at_both_ends();
    void speeds_outside_one_to_twenty_leave_the_server_alone();

private:
    // A server whose last client leaves resets its pointer control; a
    // desktop always has clients, so the test keeps one.
    xcb_connection_t *m_keepServer = nullptr;
};

void XPointerControlTest::initTestCase()
{
    if (!xpointercontrol::speed())
        QSKIP("no X server");
    m_keepServer = xcb_connect(nullptr, nullptr);
}

void XPointerControlTest::speed_reads_back_at_both_ends_data()
{
    QTest::addColumn<int>("speed");
    QTest::newRow("slowest") << 1;
    QTest::newRow("unscaled") << 10;
    QTest::newRow("fastest") << 20;
}

void XPointerControlTest::speed_reads_back_at_both_ends()
{
    QFETCH(int, speed);
    QCOMPARE(xpointercontrol::setSpeed(speed), 1);
    QCOMPARE(xpointercontrol::speed().value_or(-1), speed);
}

void XPointerControlTest::speeds_outside_one_to_twenty_leave_the_server_alone()
{
    QCOMPARE(xpointercontrol::setSpeed(6), 1);
    QCOMPARE(xpointercontrol::setSpeed(0), 0);
    QCOMPARE(xpointercontrol::setSpeed(21), 0);
    QCOMPARE(xpointercontrol::setSpeed(int64_t(1) << 33), 0);
    QCOMPARE(xpointercontrol::speed().value_or(-1), 6);
}

QTEST_GUILESS_MAIN(XPointerControlTest)
#include "tst_xpointercontrol.moc"
