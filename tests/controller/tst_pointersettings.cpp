#include "controller/pointer/desktopsettings.h"
#include "controller/pointer/kdeconfigtext.h"
#include "controller/pointer/pointervalues.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using desktopsettings::Desktop;

Q_DECLARE_METATYPE(Desktop)

class PointerSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void slider_positions_give_desktop_values();
    void desktop_is_read_from_its_names_data();
    void desktop_is_read_from_its_names();
    void kde_entry_is_set_in_place_data();
    void kde_entry_is_set_in_place();
    void kde_desktop_stores_both_settings_in_kdeglobals();
    void gnome_desktop_stores_the_double_click_time_only();
    void other_desktops_store_nothing();
    void invalid_values_are_refused_before_anything_is_written();

private:
    QByteArray kdeGlobals() const;
    QTemporaryDir m_config;
};

void PointerSettingsTest::initTestCase()
{
    // Nothing here may reach the user's own desktop settings.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "keyfile");
    QCOMPARE(desktopsettings::kdeGlobalsPath(), m_config.path() + QStringLiteral("/kdeglobals"));
}

QByteArray PointerSettingsTest::kdeGlobals() const
{
    QFile file(desktopsettings::kdeGlobalsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void PointerSettingsTest::slider_positions_give_desktop_values()
{
    QCOMPARE(pointervalues::cursorSpeed(0), 1);
    QCOMPARE(pointervalues::cursorSpeed(1), 2);
    QCOMPARE(pointervalues::cursorSpeed(10), 20);
    QCOMPARE(pointervalues::cursorSpeed(0xFFFFFFFFu), 2 * int64_t(0xFFFFFFFFu));
    QCOMPARE(pointervalues::doubleClickTimeMs(0), 900);
    QCOMPARE(pointervalues::doubleClickTimeMs(10), 200);
    QCOMPARE(pointervalues::doubleClickTimeMs(13), -10); // no wrap to a huge time
    QCOMPARE(pointervalues::wheelScrollLines(1000), 1000);
    QCOMPARE(pointervalues::wheelScrollLines(1), 1);
}

void PointerSettingsTest::desktop_is_read_from_its_names_data()
{
    QTest::addColumn<QString>("names");
    QTest::addColumn<Desktop>("desktop");
    QTest::newRow("GNOME") << "GNOME" << Desktop::Gnome;
    QTest::newRow("ubuntu:GNOME") << "ubuntu:GNOME" << Desktop::Gnome;
    QTest::newRow("Unity") << "Unity" << Desktop::Gnome;
    QTest::newRow("KDE") << "KDE" << Desktop::Kde;
    QTest::newRow("lower case kde") << "kde" << Desktop::Kde;
    QTest::newRow("XFCE") << "XFCE" << Desktop::None;
    QTest::newRow("GNOME-Flashback only") << "GNOME-Flashback" << Desktop::None;
    QTest::newRow("empty") << "" << Desktop::None;
    QTest::newRow("colons only") << "::" << Desktop::None;
}

void PointerSettingsTest::desktop_is_read_from_its_names()
{
    QFETCH(QString, names);
    QFETCH(Desktop, desktop);
    QCOMPARE(desktopsettings::desktopFromName(names), desktop);
}

void PointerSettingsTest::kde_entry_is_set_in_place_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("empty file") << QByteArray() << QByteArray("[KDE]\nWheelScrollLines=5\n");
    QTest::newRow("group missing") << QByteArray("[General]\nfont=Sans\n")
                                   << QByteArray("[General]\nfont=Sans\n\n[KDE]\nWheelScrollLines=5\n");
    QTest::newRow("no final newline") << QByteArray("[KDE]\nWheelScrollLines=3")
                                      << QByteArray("[KDE]\nWheelScrollLines=5\n");
    QTest::newRow("entry replaced, rest kept")
        << QByteArray("# mine\n[KDE]\nName[de]=x\nWheelScrollLines = 3\nWheelScrollLinesX=1\n")
        << QByteArray("# mine\n[KDE]\nName[de]=x\nWheelScrollLines=5\nWheelScrollLinesX=1\n");
    QTest::newRow("entry added to its group")
        << QByteArray("[KDE]\nSingleClick=false\n\n[General]\nWheelScrollLines=9\n")
        << QByteArray("[KDE]\nSingleClick=false\nWheelScrollLines=5\n\n[General]\n"
                      "WheelScrollLines=9\n");
    QTest::newRow("nested group is another group")
        << QByteArray("[KDE][Sub]\nWheelScrollLines=9\n")
        << QByteArray("[KDE][Sub]\nWheelScrollLines=9\n\n[KDE]\nWheelScrollLines=5\n");
}

void PointerSettingsTest::kde_entry_is_set_in_place()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(kdeconfigtext::withEntry(before, "KDE", "WheelScrollLines", "5"), after);
}

void PointerSettingsTest::kde_desktop_stores_both_settings_in_kdeglobals()
{
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    QFile::remove(desktopsettings::kdeGlobalsPath());
    QCOMPARE(desktopsettings::setDoubleClickTime(200), 1);
    QCOMPARE(desktopsettings::setWheelScrollLines(1000), 1);
    QCOMPARE(desktopsettings::setDoubleClickTime(900), 1);
    QCOMPARE(kdeGlobals(), QByteArray("[KDE]\nDoubleClickInterval=900\nWheelScrollLines=1000\n"));
}

void PointerSettingsTest::gnome_desktop_stores_the_double_click_time_only()
{
    if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty())
        QSKIP("gsettings is not installed");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    QCOMPARE(desktopsettings::setDoubleClickTime(270), 1);
    QProcess get;
    get.start(
        QStringLiteral("gsettings"),
        {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.peripherals.mouse"), QStringLiteral("double-click")});
    QVERIFY(get.waitForFinished());
    QCOMPARE(get.readAllStandardOutput().trimmed(), QByteArray("270"));
    QCOMPARE(desktopsettings::setWheelScrollLines(3), 0);
}

void PointerSettingsTest::other_desktops_store_nothing()
{
    QFile::remove(desktopsettings::kdeGlobalsPath());
    for (const char *name : {"XFCE", ""}) {
        qputenv("XDG_CURRENT_DESKTOP", name);
        QCOMPARE(desktopsettings::setDoubleClickTime(400), 0);
        QCOMPARE(desktopsettings::setWheelScrollLines(3), 0);
    }
    QVERIFY(!QFile::exists(desktopsettings::kdeGlobalsPath()));
}

void PointerSettingsTest::invalid_values_are_refused_before_anything_is_written()
{
    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    QFile::remove(desktopsettings::kdeGlobalsPath());
    QCOMPARE(desktopsettings::setDoubleClickTime(pointervalues::doubleClickTimeMs(13)), 0);
    QCOMPARE(desktopsettings::setDoubleClickTime(0), 0);
    QCOMPARE(desktopsettings::setWheelScrollLines(int64_t(1) << 40), 0);
    QVERIFY(!QFile::exists(desktopsettings::kdeGlobalsPath()));
    QCOMPARE(desktopsettings::setWheelScrollLines(0), 1);
}

QTEST_GUILESS_MAIN(PointerSettingsTest)
#include "tst_pointersettings.moc"
