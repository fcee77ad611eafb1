// What the controller reports of a user action on the mouse: one row per
// action, family and fault, with the outcome the window will show.
#include "mousebench.h"
#include "virtual_mouse.h"

#include <QSettings>
#include <QTest>

#include <functional>

namespace {

using Action = std::function<void(MouseBench &)>;

const QVariantList kDpiValues{800, 1600, 3200, 6400};

QVariantList keyValues()
{
    QVariantList values;
    for (int key = 0; key < 16; ++key)
        values << 1 << 0 << (key == 0 ? 0xF0 : 0xF2) << 0;
    return values;
}

// The slots one user action runs, as the pages call them.
Action action(const QString &name)
{
    if (name == "save keys")
        return [](MouseBench &b) {
            b.view().mouseSetKeyMatrix(keyValues(), true, {});
        };
    if (name == "save dpi")
        return [](MouseBench &b) {
            b.view().mouseSetDpi(3, QStringLiteral("3360"), kDpiValues);
        };
    if (name == "save lighting")
        return [](MouseBench &b) {
            b.view().mouseSetRGBEffect(5, 2, 3);
            QVariantList colours;
            for (int i = 0; i < 24; ++i)
                colours << i * 10;
            b.view().mouseSetRGBColor(0, colours);
        };
    if (name == "report rate")
        return [](MouseBench &b) {
            b.view().mouseSetReportRate(2);
        };
    if (name == "profile switch")
        return [](MouseBench &b) {
            b.view().mouseSwitchKeyMatrix(2);
        };
    if (name == "factory reset")
        return [](MouseBench &b) {
            b.view().mouseResetKeyMatrix();
        };
    if (name == "macro")
        return [](MouseBench &b) {
            b.view().mouseSendMacroData({0x81, 4, 0x01, 4}, 0);
        };
    if (name == "gun slot")
        return [](MouseBench &b) {
            b.view().mouseSendGundata(2, {3, 4, 5});
        };
    if (name == "dpi stage")
        return [](MouseBench &b) {
            b.view().mouseSetCurrentDPI(2);
        };
    return {};
}

// A fault of the virtual mouse, set after the connect's reads.
void applyFault(MouseBench &bench, const QString &fault)
{
    if (fault == "unplugged")
        vm_set_present(0, 0);
    else if (fault == "writeError")
        vm_set_fault(0, VM_FAULT_WRITE_ERROR, 1);
    else if (fault == "featureError")
        vm_set_fault(0, VM_FAULT_FEATURE_ERROR, 1);
    else if (fault == "noReply")
        vm_set_fault(0, VM_FAULT_NO_REPLY, 1);
    else if (fault == "unplug midway")
        vm_set_fault(0, VM_FAULT_UNPLUG_AFTER, 3);
    else if (fault == "busy")
        QVERIFY(bench.hid().waitIdle()); // another exchange holds the link
}

} // namespace

class OutcomesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { vm_reset(); }
    void each_action_reports_what_reached_the_mouse_data();
    void each_action_reports_what_reached_the_mouse();
    void a_kept_old_byte_is_written_again_once_then_reported_data();
    void a_kept_old_byte_is_written_again_once_then_reported();
    void an_image_not_read_at_connect_is_read_before_it_is_written_data();
    void an_image_not_read_at_connect_is_read_before_it_is_written();
    void a_failure_is_remembered_until_a_catch_up_succeeds();
    void nested_actions_count_as_the_outer_one();
};

void OutcomesTest::each_action_reports_what_reached_the_mouse_data()
{
    QTest::addColumn<bool>("family560");
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("firstFailure");

    const QStringList actions{"save keys",     "save dpi", "save lighting", "report rate", "profile switch",
                              "factory reset", "macro",    "gun slot",      "dpi stage"};
    for (bool f560 : {false, true}) {
        const char *family = f560 ? "560" : "553";
        for (const QString &a : actions) {
            QTest::addRow("%s %s, no fault", family, qPrintable(a)) << f560 << a << ""
                                                                    << "done"
                                                                    << "";
            QTest::addRow("%s %s, unplugged", family, qPrintable(a)) << f560 << a << "unplugged"
                                                                     << "gone"
                                                                     << "*";
            QTest::addRow("%s %s, link busy", family, qPrintable(a)) << f560 << a << "busy"
                                                                     << "busy"
                                                                     << "*";
            QTest::addRow("%s %s, reports refused", family, qPrintable(a)) << f560 << a << "featureError"
                                                                           << "refused"
                                                                           << "*";
        }
    }
    // Data phases: only commands that send data see a failing write.
    QTest::newRow("553 save keys, writes fail") << false << "save keys"
                                                << "writeError"
                                                << "refused"
                                                << "hid553_12H_SetKeyMatrix";
    QTest::newRow("553 report rate, writes fail") << false << "report rate"
                                                  << "writeError"
                                                  << "done"
                                                  << "";
    QTest::newRow("560 save dpi, writes fail") << true << "save dpi"
                                               << "writeError"
                                               << "refused"
                                               << "hid560_0CH_setProfile";
    QTest::newRow("560 macro, writes fail") << true << "macro"
                                            << "writeError"
                                            << "refused"
                                            << "hid560_0FH_SetMacroKey";
    // The 553 family cannot read a write back; the 560 read-back needs a reply.
    QTest::newRow("553 save dpi, no replies") << false << "save dpi"
                                              << "noReply"
                                              << "done"
                                              << "";
    QTest::newRow("560 save dpi, no replies") << true << "save dpi"
                                              << "noReply"
                                              << "noAnswer"
                                              << "hid560_8CH_readProfile";
    QTest::newRow("553 gun slot, no replies") << false << "gun slot"
                                              << "noReply"
                                              << "noAnswer"
                                              << "hid553_83H_GetKeyboardoption";
    // Pulled in the middle: the first commands went through.
    QTest::newRow("553 save lighting, unplugged midway") << false << "save lighting"
                                                         << "unplug midway"
                                                         << "gone"
                                                         << "*";
    QTest::newRow("560 save lighting, unplugged midway") << true << "save lighting"
                                                         << "unplug midway"
                                                         << "gone"
                                                         << "*";
}

void OutcomesTest::each_action_reports_what_reached_the_mouse()
{
    QFETCH(bool, family560);
    QFETCH(QString, actionName);
    QFETCH(QString, fault);
    QFETCH(QString, kind);
    QFETCH(QString, firstFailure);
    MouseBench bench({family560, true, true, false});
    QVERIFY(bench.isValid());
    if (family560)
        bench.readProfileImages();
    applyFault(bench, fault);

    bench.view().beginDeviceAction(actionName);
    action(actionName)(bench);
    const QVariantMap outcome = bench.view().endDeviceAction();

    QCOMPARE(outcome.value("action").toString(), actionName);
    QCOMPARE(outcome.value("kind").toString(), kind);
    QCOMPARE(outcome.value("ok").toBool(), kind == "done");
    QVERIFY2(outcome.value("commands").toInt() > 0, "the action ran no command");
    if (firstFailure == "*")
        QVERIFY(!outcome.value("command").toString().isEmpty());
    else
        QCOMPARE(outcome.value("command").toString(), firstFailure);
    QCOMPARE(bench.view().lastDeviceOutcome(), outcome);
    QCOMPARE(bench.view().mouseBehind(), kind != "done");
}

void OutcomesTest::a_kept_old_byte_is_written_again_once_then_reported_data()
{
    QTest::addColumn<bool>("keepsOldByte");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("kind");
    QTest::newRow("kept") << false << QStringList{"0C:01", "8C:01"} << "done";
    QTest::newRow("old byte kept") << true << QStringList{"0C:01", "8C:01", "0C:01", "8C:01"} << "notKept";
}

void OutcomesTest::a_kept_old_byte_is_written_again_once_then_reported()
{
    QFETCH(bool, keepsOldByte);
    QFETCH(QStringList, codes);
    QFETCH(QString, kind);
    MouseBench bench({true, false, false, false});
    QVERIFY(bench.isValid());
    bench.readProfileImages();
    vm_set_fault(0, VM_FAULT_KEEPS_OLD_BYTE, keepsOldByte);

    bench.view().beginDeviceAction(QStringLiteral("save"));
    bench.view().mouseSetRGBEffect(5, 2, 3);
    const QVariantMap outcome = bench.view().endDeviceAction();
    QCOMPARE(bench.codes(), codes);
    QCOMPARE(outcome.value("kind").toString(), kind);
    const auto &image = bench.hid().profileImages[1];
    QCOMPARE(bench.row(QStringLiteral("profiles"), 1) == QList<int>(image.begin(), image.end()), !keepsOldByte);
}

void OutcomesTest::an_image_not_read_at_connect_is_read_before_it_is_written_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("kind");
    QTest::newRow("read now") << true << QStringList{"8C:01", "0C:01", "8C:01"} << "done";
    QTest::newRow("still unread") << false << QStringList{"8C:01"} << "noAnswer";
}

void OutcomesTest::an_image_not_read_at_connect_is_read_before_it_is_written()
{
    QFETCH(bool, answers);
    QFETCH(QStringList, codes);
    QFETCH(QString, kind);
    MouseBench bench({true, false, false, false});
    QVERIFY(bench.isValid());
    // The connect read nothing; the transport's copy is zeros.
    const QList<int> onMouse = bench.row(QStringLiteral("profiles"), 1);
    vm_set_fault(0, VM_FAULT_NO_REPLY, !answers);

    bench.view().beginDeviceAction(QStringLiteral("save"));
    bench.view().mouseSetDpi(3, QStringLiteral("3360"), kDpiValues);
    const QVariantMap outcome = bench.view().endDeviceAction();
    QCOMPARE(bench.codes(), codes);
    QCOMPARE(outcome.value("kind").toString(), kind);
    const QList<int> now = bench.row(QStringLiteral("profiles"), 1);
    // Bytes the operation does not own are the mouse's own, never zeros.
    QCOMPARE(now.mid(0, 82), onMouse.mid(0, 82));
    QCOMPARE(now != onMouse, answers);
}

void OutcomesTest::a_failure_is_remembered_until_a_catch_up_succeeds()
{
    MouseBench bench({false, false, false, false});
    QVERIFY(bench.isValid());
    vm_set_present(0, 0);
    bench.view().beginDeviceAction(QStringLiteral("report rate"));
    bench.view().mouseSetReportRate(2);
    bench.view().endDeviceAction();
    QVERIFY(bench.view().mouseBehind());

    // Plugged in again and found by the next detection pass. A good save of
    // one setting does not bring the rest of the mouse up to date.
    vm_set_present(0, 1);
    DeviceTable found = bench.hid().deviceTable;
    found[0].cmdPath = QStringLiteral("virtual:0:cmd");
    bench.hid().setDeviceTable(found);
    bench.view().beginDeviceAction(QStringLiteral("report rate"));
    bench.view().mouseSetReportRate(2);
    QVERIFY(bench.view().endDeviceAction().value("ok").toBool());
    QVERIFY(bench.view().mouseBehind());

    // Across a restart: the note is in the global settings.
    QVERIFY(myQQuickView().mouseBehind());

    bench.view().beginDeviceAction(myQQuickView::kCatchUpAction);
    bench.view().mouseSetReportRate(2);
    bench.view().mouseSetDpi(3, QStringLiteral("3360"), kDpiValues);
    QVERIFY(bench.view().endDeviceAction().value("ok").toBool());
    QVERIFY(!bench.view().mouseBehind());
    QVERIFY(!myQQuickView().mouseBehind());
}

void OutcomesTest::nested_actions_count_as_the_outer_one()
{
    MouseBench bench({false, false, false, false});
    QVERIFY(bench.isValid());
    // Commands outside an action are not gathered into the next one.
    vm_set_fault(0, VM_FAULT_FEATURE_ERROR, 1);
    bench.view().mouseSetReportRate(2);
    vm_set_fault(0, VM_FAULT_FEATURE_ERROR, 0);

    bench.view().beginDeviceAction(QStringLiteral("save"));
    bench.view().mouseSetReportRate(2);
    bench.view().beginDeviceAction(QStringLiteral("macro"));
    bench.view().mouseSetCurrentDPI(2);
    vm_set_present(0, 0);
    bench.view().mouseSetReportRate(4);
    QVERIFY(bench.view().endDeviceAction().isEmpty());
    const QVariantMap outcome = bench.view().endDeviceAction();
    QCOMPARE(outcome.value("action").toString(), QStringLiteral("save"));
    QCOMPARE(outcome.value("commands").toInt(), 3);
    QCOMPARE(outcome.value("failed").toInt(), 1);
    QCOMPARE(outcome.value("kind").toString(), QStringLiteral("gone"));
    QCOMPARE(outcome.value("command").toString(), QStringLiteral("hid553_01H_SetReportRate"));
    // An end without a begin ends nothing.
    QVERIFY(bench.view().endDeviceAction().isEmpty());
    QCOMPARE(bench.view().lastDeviceOutcome(), outcome);
}

QTEST_MAIN(OutcomesTest)
#include "tst_outcomes.moc"
