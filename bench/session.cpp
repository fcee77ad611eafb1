// The program's window on the virtual mouse, in this process, measured as
// the user feels it: the longest time the GUI thread leaves a 1 ms timer
// unserved during a report rate change, a full save and a factory reset;
// the full save's wall time against the pauses the link mandates for it;
// a DPI button press on the mouse until the UI shows the stage; the cost of
// the keyboard procedure per event.
//
//   orbex-bench-session <modules folder> <family 553|560> [soak rounds]
//   orbex-bench-session <modules folder> <family 553|560> switch gun|plain
//
// Prints "name value" lines (milliseconds unless the name says otherwise).
#include "bench/benchloop.h"
#include "bench/soak.h"
#include "bench/switches.h"
#include "controller/myquickview.h"
#include "shell/input/inputhook.h"
#include "shell/input/keytables.h"
#include "shell/input/windowhooks.h"
#include "shell/scenegraphchoice.h"
#include "shell/widget.h"
#include "storage/filetree.h"
#include "virtual_mouse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>

namespace {

using benchloop::mandatedPauses;
using benchloop::nowMs;
using benchloop::serve;

// CPU time of the calling thread.
double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Stall {
    double wall = 0; // longest gap between two turns of the probe
    double busy = 0; // longest CPU time the GUI thread spent between two turns
};

// A 1 ms timer on the GUI thread; the longest gap between two of its turns
// is the longest the thread was held. On a loaded machine the wall gap also
// holds the time the thread waited for a CPU; the busy figure does not.
class GuiProbe {
public:
    GuiProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const double t = nowMs();
            const double cpu = threadCpuMs();
            m_stall.wall = std::max(m_stall.wall, t - m_last);
            m_stall.busy = std::max(m_stall.busy, cpu - m_lastCpu);
            m_last = t;
            m_lastCpu = cpu;
        });
        m_timer.start(1);
    }
    // The longest gaps from the start of work until 30 ms after it.
    Stall during(const std::function<void()> &work)
    {
        m_last = nowMs();
        m_lastCpu = threadCpuMs();
        m_stall = {};
        work();
        serve(30);
        return m_stall;
    }

private:
    QTimer m_timer;
    double m_last = 0;
    double m_lastCpu = 0;
    Stall m_stall;
};

Stall worst(const QList<Stall> &stalls)
{
    Stall out;
    for (const Stall &s : stalls) {
        out.wall = std::max(out.wall, s.wall);
        out.busy = std::max(out.busy, s.busy);
    }
    return out;
}

void printStall(const char *name, const Stall &s)
{
    std::printf("%s %.2f %.2f\n", name, s.wall, s.busy);
}

void invoke(QObject *target, const char *function, const QVariantList &args = {})
{
    if (args.isEmpty())
        QMetaObject::invokeMethod(target, function);
    else
        QMetaObject::invokeMethod(target, function, Q_ARG(QVariant, args.value(0)));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// What the save button sends when the key list, the DPI and the lighting
// pages all have changes: the same controller operations, the UI locked.
struct FullSave {
    QVariantList keys;
    int dpiCount = 0;
    QString sensor;
    QVariantList dpiValues;
    QVariantList light;
    QVariantList colours;
    uchar colourType = 1;

    explicit FullSave(myQQuickView &view)
    {
        for (int k = 0; k < 16; ++k)
            keys += view.mouseGetKeydefine(k, false);
        dpiCount = view.getData(QStringLiteral("mouse/currentDpiCount"), false).toInt();
        sensor = view.getGlobalData(QStringLiteral("mouse/sensorType")).toString();
        dpiValues = view.getDataList(QStringLiteral("mouse/dpiValueArray"), false);
        light = view.getDataList(QStringLiteral("mouse/lightValue"), false);
        colours = view.getDataList(QStringLiteral("mouse/colorValue"), false);
        colourType = view.model.colourful ? 0 : 1;
    }

    void run(myQQuickView &view, QObject *root) const
    {
        invoke(root, "controlUIEnable", {false});
        view.mouseSetKeyMatrix(keys, true, {10, 10, 10});
        view.mouseSetDpi(dpiCount, sensor, dpiValues);
        view.mouseSetRGBEffect(uchar(light.value(0).toInt()), uchar(light.value(1).toInt()),
                               uchar(light.value(2).toInt()));
        view.mouseSetRGBColor(colourType, colours);
        invoke(root, "controlUIEnable", {true});
    }
};

class Counter : public QObject {
    Q_OBJECT
public:
    int hits = 0;
public slots:
    void hit() { ++hits; }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s modules-folder 553|560\n", argv[0]);
        return 2;
    }
    const QString family = QString::fromLatin1(argv[2]);
    const bool switchRows = argc >= 5 && QByteArray(argv[3]) == "switch";
    const bool gun = !(switchRows && QByteArray(argv[4]) == "plain");
    QTemporaryDir folder;
    QString error;
    if (!folder.isValid() || !filetree::copy(QString::fromLocal8Bit(argv[1]), folder.path() + "/modules", &error)) {
        std::fprintf(stderr, "cannot make a program folder from %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    QDir::setCurrent(folder.path());
    {
        QSettings global(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
        global.setValue(QStringLiteral("mouse/icType"), family);
        global.setValue(QStringLiteral("mouse/isGun"), gun ? QStringLiteral("true") : QStringLiteral("false"));
    }
    const QByteArray mouse = "[mouse]\nfamily=" + family.toLatin1() + "\nisGun=" + (gun ? "true" : "false") + "\n";
    if (vm_configure_text(mouse.constData()) < 0) {
        std::fprintf(stderr, "virtual mouse: %s\n", vm_last_error());
        return 1;
    }

    const bool software = scenegraphchoice::applyPreferred();
    Widget window;
    InputHook hooks(false);
    registerWindowCallbacks(&window, &app);
    window.showNormal();
    window.checkDevice();
    myQQuickView &view = *window.view();
    QQuickItem *root = view.rootObject();
    if (!root || !serve(15000, [&] { return root->property("panelsShown").toBool(); })) {
        std::fprintf(stderr, "the panels never showed\n");
        return 1;
    }
    const QSGRendererInterface *renderer = view.quickWindow()->rendererInterface();
    const bool drawnInSoftware = renderer && renderer->graphicsApi() == QSGRendererInterface::Software;
    std::printf("backend %s%s\n", drawnInSoftware ? "software" : "opengl", software ? " (chosen)" : "");
    // Why the program picked what it did: the OpenGL renderer of this machine.
    std::printf("renderer %s\n", qPrintable(scenegraphchoice::openGlRenderer().simplified()));
    serve(300);

    if (switchRows) {
        switches(view, *root);
        window.hidThread.stopListening();
        InputHook::removeHooks();
        return 0;
    }
    if (argc >= 5 && QByteArray(argv[3]) == "soak") {
        soak(root, window.hidThread, QByteArray(argv[4]).toInt());
        window.hidThread.stopListening();
        InputHook::removeHooks();
        return 0;
    }

    GuiProbe probe;
    printStall("stall_idle", probe.during([] { serve(500); }));

    QObject *rateBox = root->findChild<QObject *>(QStringLiteral("reportRateBox"));
    QList<Stall> rate;
    for (int i : {2, 3, 1, 0})
        rate << probe.during([&] { QMetaObject::invokeMethod(rateBox, "choose", Q_ARG(QVariant, i)); });
    printStall("stall_rate", worst(rate));

    const FullSave save(view);
    const int savePauses = mandatedPauses([&] { save.run(view, root); });
    QList<Stall> saveStall;
    QList<double> saveWall;
    for (int i = 0; i < 3; ++i) {
        double wall = 0;
        saveStall << probe.during([&] {
            const double t = nowMs();
            save.run(view, root);
            wall = nowMs() - t;
        });
        saveWall << wall;
        serve(100);
    }
    printStall("stall_save", worst(saveStall));
    std::printf("save_wall %.1f\nsave_pauses %d\n", median(saveWall), savePauses);

    QObject *resetDialog = root->findChild<QObject *>(QStringLiteral("resetDialog"));
    const int resetPauses = mandatedPauses([&] { QMetaObject::invokeMethod(resetDialog, "accepted"); });
    serve(100);
    QList<Stall> resetStall;
    QList<double> resetWall;
    for (int i = 0; i < 2; ++i) {
        double wall = 0;
        resetStall << probe.during([&] {
            const double t = nowMs();
            QMetaObject::invokeMethod(resetDialog, "accepted");
            wall = nowMs() - t;
        });
        resetWall << wall;
        serve(100);
    }
    printStall("stall_reset", worst(resetStall));
    std::printf("reset_wall %.1f\nreset_pauses %d\n", median(resetWall), resetPauses);

    // The listener reads with a 500 ms time-out and reopens the interface
    // between reads; presses land at odd moments of that period.
    QList<double> dpi;
    for (int i = 0; i < 10; ++i) {
        serve(97 + 31 * i % 200);
        const int before = root->property("currentDPI").toInt();
        const double t = nowMs();
        vm_press_dpi(0);
        if (serve(1000, [&] { return root->property("currentDPI").toInt() != before; }))
            dpi << nowMs() - t;
    }
    std::printf("dpi_presses %lld\ndpi_median %.2f\ndpi_max %.2f\n", qsizetype(dpi.size()), median(dpi),
                dpi.isEmpty() ? -1.0 : *std::max_element(dpi.begin(), dpi.end()));

    // Key notices as the X11 source hands them over: press and release of A.
    constexpr int kEvents = 2000;
    Counter notices;
    QObject::connect(root, SIGNAL(msg_KB(bool, int)), &notices, SLOT(hit()));
    KeyboardEvent a;
    a.scanCode = 0x1E;
    double t = nowMs();
    for (int i = 0; i < kEvents; ++i)
        InputHook::keyboardProc(keytables::kHookAction, i % 2 ? keytables::kKeyUp : keytables::kKeyDown, a);
    serve(10000, [&] { return notices.hits >= kEvents; });
    const double keyCost = (nowMs() - t) * 1000 / kEvents;
    // The floor: the same UI function called queued, without the procedure.
    notices.hits = 0;
    t = nowMs();
    for (int i = 0; i < kEvents; ++i)
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection, Q_ARG(QVariant, i % 2 == 0),
                                  Q_ARG(QVariant, 4));
    serve(10000, [&] { return notices.hits >= kEvents; });
    const double floorCost = (nowMs() - t) * 1000 / kEvents;
    std::printf("key_us %.2f\nkey_floor_us %.2f\n", keyCost, floorCost);

    window.hidThread.stopListening();
    InputHook::removeHooks();
    return 0;
}

#include "session.moc"
