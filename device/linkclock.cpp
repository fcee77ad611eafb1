#include "device/linkclock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace linkclock {
namespace {

Sleeper &installed()
{
    static Sleeper sleeper;
    return sleeper;
}

constexpr qint64 kNsPerMs = 1000 * 1000;

} // namespace

void sleep(int ms)
{
    if (ms <= 0)
        return;
    if (const Sleeper &sleeper = installed()) {
        sleeper(ms);
        return;
    }
    const QDeadlineTimer deadline(qint64(ms), Qt::PreciseTimer);
    // Without an event loop on this thread there is nothing to keep alive.
    if (!QCoreApplication::instance() || !QThread::currentThread()->eventDispatcher()) {
        QThread::msleep(static_cast<unsigned long>(ms));
        return;
    }
    // Events are handled as they arrive; the timer bounds each wait for them,
    // and only the deadline ends the pause, whatever woke the loop.
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    for (qint64 left = deadline.remainingTimeNSecs(); left > 0; left = deadline.remainingTimeNSecs()) {
        // Timers count whole milliseconds: the last fraction of one is slept
        // off precisely, so that pauses do not add up to a slower link.
        if (left < kNsPerMs) {
            QThread::usleep(static_cast<unsigned long>((left + 999) / 1000));
            continue;
        }
        const qint64 stepMs = std::min<qint64>(left / kNsPerMs, kStepMs);
        wake.start(int(stepMs));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void install(Sleeper sleeper)
{
    installed() = std::move(sleeper);
}

} // namespace linkclock
