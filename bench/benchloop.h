#pragma once

#include "device/linkclock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// The benchmark's clock and its way of letting the event loop run.
namespace benchloop {

inline double nowMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed() / 1e6;
}

// Serves the event loop for ms milliseconds, or until done() holds.
inline bool serve(int ms, const std::function<bool()> &done = {})
{
    const double end = nowMs() + ms;
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    while (nowMs() < end) {
        if (done && done())
            return true;
        wake.start(1);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return done && done();
}

// The pauses the link asks for during work, counted instead of waited for.
inline int mandatedPauses(const std::function<void()> &work)
{
    int sum = 0;
    linkclock::install([&sum](int ms) { sum += ms; });
    work();
    linkclock::install({});
    return sum;
}

} // namespace benchloop
