#include "bench/soak.h"

#include "bench/benchloop.h"
#include "device/hidthread.h"
#include "device/linkclock.h"
#include "virtual_mouse.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QRegularExpression>

#include <cstdio>

namespace {

struct Holdings {
    long rssKiB = 0;
    long fds = 0;
    long threads = 0;
};

long statusField(const QByteArray &status, const char *name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(\\d+)").arg(QLatin1String(name)),
                                  QRegularExpression::MultilineOption);
    return line.match(QString::fromLatin1(status)).captured(1).toLong();
}

Holdings holdings()
{

    QFile status(QStringLiteral("/proc/self/status"));
    const QByteArray text = status.open(QIODevice::ReadOnly) ? status.readAll() : QByteArray();
    const long fds = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
    return {statusField(text, "VmRSS"), fds, statusField(text, "Threads")};
}

QObject *page(QQuickItem *root, const char *name)
{
    return qvariant_cast<QObject *>(root->property(name));
}

} // namespace

void soak(QQuickItem *root, Hid_Thread &hid, int rounds)
{
    using benchloop::serve;
    linkclock::install([](int) {});
    QObject *rateBox = root->findChild<QObject *>(QStringLiteral("reportRateBox"));
    // What the window asked for runs once the link is free; each step waits
    // for that, and for the settings flush behind it. The virtual mouse
    // keeps a line for every report: cleared, so that only the program's own
    // memory is measured.
    auto settle = [&hid] {
        serve(5000, [&hid] { return !hid.commandRunning(); });
        serve(1);
        vm_trace_clear();
    };
    const double start = benchloop::nowMs();
    Holdings first;
    int switches = 0;
    for (int i = 0; i < rounds; ++i) {
        for (const char *name : {"keyMatrixMain", "dpiSettingMain", "lightControlMain"}) {
            if (QObject *p = page(root, name))
                p->setProperty("isSave", true);
        }
        QMetaObject::invokeMethod(root, "saveAll");
        settle();
        const int before = root->property("profileNo").toInt();
        // As the profile page asks for it: slots 0 and 1 in turn.
        QMetaObject::invokeMethod(page(root, "profilePage"), "changeProfile", Q_ARG(int, (i + 1) % 2));
        settle();
        switches += root->property("profileNo").toInt() != before;
        QMetaObject::invokeMethod(rateBox, "choose", Q_ARG(QVariant, i % 4));
        settle();
        if (i + 1 == 100) {
            serve(500);
            first = holdings();
        }
    }
    serve(500);
    const Holdings last = holdings();
    linkclock::install({});
    std::printf("soak_rounds %d\nsoak_switches %d\nsoak_ms %.0f\n", rounds, switches, benchloop::nowMs() - start);
    std::printf("soak_rss_kib %ld %ld\nsoak_fds %ld %ld\nsoak_threads %ld %ld\n", first.rssKiB, last.rssKiB,
                first.fds, last.fds, first.threads, last.threads);
}
