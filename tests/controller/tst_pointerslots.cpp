#include "controller/myquickview.h"
#include "controller/pointer/desktopsettings.h"
#include "controller/pointer/xpointercontrol.h"
#include "programfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <xcb/xcb.h>

// The three pointer slots at both ends of their sliders, and the failure
// lines when the desktop cannot take a value.
class PointerSlotsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void cursor_speed_at_both_ends_data();
    void cursor_speed_at_both_ends();
    void cursor_speed_the_server_cannot_take_writes_its_failure_line();
    void double_click_time_at_both_ends_data();
    void double_click_time_at_both_ends();
    void wheel_lines_pass_unchanged_data();
    void wheel_lines_pass_unchanged();
    void desktop_without_the_settings_writes_the_failure_lines();
    void refused_values_are_told_until_one_is_taken();

private:
    QByteArray kdeEntry(const QByteArray &key) const;

    QTemporaryDir m_config;
    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<myQQuickView> m_view;
    xcb_connection_t *m_keepServer = nullptr; // the server resets when its last client leaves
    bool m_haveX = false;
};

void PointerSlotsTest::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    m_haveX = xpointercontrol::speed().has_value();
    if (m_haveX)
        m_keepServer = xcb_connect(nullptr, nullptr);
}

void PointerSlotsTest::init()
{
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    QFile::remove(desktopsettings::kdeGlobalsPath());
    m_folder = std::make_unique<ProgramFolder>();
    m_view = std::make_unique<myQQuickView>();
}

void PointerSlotsTest::cleanup()
{
    m_view.reset();
    m_folder.reset();
}

void PointerSlotsTest::cleanupTestCase()
{
    if (m_keepServer)
        xcb_disconnect(m_keepServer);
}

QByteArray PointerSlotsTest::kdeEntry(const QByteArray &key) const
{
    QFile file(desktopsettings::kdeGlobalsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return {};
}

void PointerSlotsTest::cursor_speed_at_both_ends_data()
{
    QTest::addColumn<uint>("index");
    QTest::addColumn<int>("speed");
    QTest::newRow("slowest") << 0u << 1;
    QTest::newRow("one") << 1u << 2;
    QTest::newRow("fastest") << 10u << 20;
}

void PointerSlotsTest::cursor_speed_at_both_ends()
{
    if (!m_haveX)
        QSKIP("no X server");
    QFETCH(uint, index);
    QFETCH(int, speed);
    m_view->mouseSetCursorSpeed(index);
    QCOMPARE(xpointercontrol::speed().value_or(-1), speed);
}

void PointerSlotsTest::cursor_speed_the_server_cannot_take_writes_its_failure_line()
{
    if (!m_haveX)
        QSKIP("no X server");
    m_view->mouseSetCursorSpeed(5);
    QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
    m_view->mouseSetCursorSpeed(11);
    QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
    m_view->mouseSetCursorSpeed(0x80000000u); // twice this would wrap in 32 bits
    QCOMPARE(xpointercontrol::speed().value_or(-1), 10);
}

void PointerSlotsTest::double_click_time_at_both_ends_data()
{
    QTest::addColumn<uint>("index");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("slow") << 0u << QByteArray("900");
    QTest::newRow("fast") << 10u << QByteArray("200");
    QTest::newRow("past the slider") << 12u << QByteArray("60");
}

void PointerSlotsTest::double_click_time_at_both_ends()
{
    QFETCH(uint, index);
    QFETCH(QByteArray, stored);
    m_view->mouseSetDoubleClickSpeed(index);
    QCOMPARE(kdeEntry("DoubleClickInterval"), stored);
}

void PointerSlotsTest::wheel_lines_pass_unchanged_data()
{
    QTest::addColumn<uint>("lines");
    QTest::newRow("one row") << 1u;
    QTest::newRow("one screen") << 1000u;
}

void PointerSlotsTest::wheel_lines_pass_unchanged()
{
    QFETCH(uint, lines);
    m_view->mouseSetVerticalScrollLines(lines);
    QCOMPARE(kdeEntry("WheelScrollLines"), QByteArray::number(lines));
}

void PointerSlotsTest::desktop_without_the_settings_writes_the_failure_lines()
{
    // A time that would be negative is refused, never stored wrapped.
    QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
    m_view->mouseSetDoubleClickSpeed(13);
    QVERIFY(kdeEntry("DoubleClickInterval").isEmpty());

    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
    m_view->mouseSetDoubleClickSpeed(5);
    QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
    m_view->mouseSetVerticalScrollLines(3);
    QVERIFY(!QFile::exists(desktopsettings::kdeGlobalsPath()));
}

void PointerSlotsTest::refused_values_are_told_until_one_is_taken()
{
    qputenv("XDG_CURRENT_DESKTOP", "XFCE");
    QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
    m_view->mouseSetVerticalScrollLines(3);
    QVERIFY(!m_view->pointerSettingTaken(3));
    QVERIFY2(m_view->pointerSettingTaken(2), "a setting not given since stays taken");

    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    m_view->mouseSetVerticalScrollLines(3);
    QVERIFY(m_view->pointerSettingTaken(3));

    QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
    m_view->mouseSetDoubleClickSpeed(13);
    QVERIFY(!m_view->pointerSettingTaken(2));
    QVERIFY(!m_view->pointerSettingTaken(0));
    QVERIFY(!m_view->pointerSettingTaken(4));
}

QTEST_MAIN(PointerSlotsTest)
#include "tst_pointerslots.moc"
