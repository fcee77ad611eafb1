#include "bench/switches.h"

#include "bench/benchloop.h"
#include "controller/myquickview.h"
#include "device/hidthread.h"

#include <QQuickItem>

#include <cstdio>
#include <functional>

namespace {

using benchloop::mandatedPauses;
using benchloop::nowMs;
using benchloop::serve;

const QString kDpiValues = QStringLiteral("mouse/dpiValueArray");
const QString kLight = QStringLiteral("mouse/lightValue");
const QString kColours = QStringLiteral("mouse/colorValue");
const QString kRate = QStringLiteral("mouse/reportRate");

struct Run {
    double wall = 0;
    int pauses = 0;
    int commands = 0;
};

class Switches {
public:
    Switches(myQQuickView &view, QQuickItem &root) : m_view(view), m_root(root) { }

    // Slot `slot` becomes a copy of slot 0 with `change` applied.
    void makeProfile(int slot, const std::function<void()> &change)
    {
        m_view.copyProfile(slot, 0);
        m_view.setCurrentProfile(slot);
        change();
        m_view.flushSettings();
        m_view.setCurrentProfile(0);
    }

    void changeList(const QString &key, int index, const QVariant &value)
    {
        QVariantList values = m_view.getDataList(key, false);
        values[index] = value;
        m_view.setDataList(key, values);
    }

    // The window's own profile change, as the title bar asks for it.
    void use(int slot) { QMetaObject::invokeMethod(&m_root, "useProfile", Q_ARG(QVariant, slot)); }

    // A switch from slot 0 to `slot` and back, once with its pauses counted
    // and once on the real clock; `whole` sends it as before, nothing left out.
    Run measure(int slot, bool whole)
    {
        Run run;
        run.pauses = mandatedPauses([&] { go(slot, whole); });
        mandatedPauses([&] { go(0, whole); });
        serve(50);
        const double t = nowMs();
        run.commands = go(slot, whole);
        run.wall = nowMs() - t;
        serve(50);
        go(0, whole);
        serve(50);
        return run;
    }

    // The DPI page's first stage changed and saved with the window's Save.
    Run saveOneDpiValue()
    {
        QObject *page = m_root.property("dpiSettingMain").value<QObject *>();
        if (!page)
            return {};
        const auto save = [&](int value) {
            QVariantList values = page->property("stageValues").toList();
            values[0] = value;
            page->setProperty("stageValues", values);
            page->setProperty("isSave", true);
            QMetaObject::invokeMethod(&m_root, "saveAll");
            return m_view.lastDeviceOutcome().value("commands").toInt();
        };
        const int before = page->property("stageValues").toList().value(0).toInt();
        Run run;
        run.pauses = mandatedPauses([&] { save(before + 100); });
        serve(50);
        const double t = nowMs();
        run.commands = save(before + 200);
        run.wall = nowMs() - t;
        save(before);
        return run;
    }

private:
    // Returns the commands sent.
    int go(int slot, bool whole)
    {
        if (!whole) {
            use(slot);
            return m_view.lastDeviceOutcome().value("commands").toInt();
        }
        // Inside an action of its own the switch leaves nothing out.
        m_view.beginDeviceAction(QStringLiteral("benchWhole"));
        use(slot);
        return m_view.endDeviceAction().value("commands").toInt();
    }

    myQQuickView &m_view;
    QQuickItem &m_root;
};

void print(const char *name, const Run &run)
{
    std::printf("%s %.1f %d %d\n", name, run.wall, run.pauses, run.commands);
}

} // namespace

void switches(myQQuickView &view, QQuickItem &root)
{
    Switches s(view, root);
    s.makeProfile(1, [] { });
    s.makeProfile(2, [&] { s.changeList(kDpiValues, 1, view.getDataList(kDpiValues, false).value(1).toInt() + 100); });
    s.makeProfile(3, [&] {
        s.changeList(kLight, 0, (view.getDataList(kLight, false).value(0).toInt() + 1) % 3);
        s.changeList(kColours, 0, 255 - view.getDataList(kColours, false).value(0).toInt());
    });
    s.makeProfile(4, [&] {
        QVariantList keys = view.getDataList(QStringLiteral("mouseKeyMatrix/3"), false);
        keys[2] = keys.value(2).toInt() == 0xF2 ? 0xF3 : 0xF2;
        view.setDataList(QStringLiteral("mouseKeyMatrix/3"), keys);
        view.setData(kRate, (view.getData(kRate, false).toInt() + 1) % 4);
        QVariantList dpi = view.getDataList(kDpiValues, false);
        for (QVariant &v : dpi)
            v = v.toInt() + 100;
        view.setDataList(kDpiValues, dpi);
        s.changeList(kLight, 0, (view.getDataList(kLight, false).value(0).toInt() + 1) % 3);
        s.changeList(kColours, 0, 255 - view.getDataList(kColours, false).value(0).toInt());
    });
    // What the mouse holds is known after one switch each way.
    s.measure(4, false);

    print("switch_today", s.measure(4, true));
    print("switch_all", s.measure(4, false));
    print("switch_dpi", s.measure(2, false));
    print("switch_light", s.measure(3, false));
    print("switch_same", s.measure(1, false));
    print("save_dpi", s.saveOneDpiValue());
}
