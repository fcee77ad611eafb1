#include "device/linkclock.h"

#include <QThread>

namespace linkclock {
namespace {

Sleeper &installed()
{
    static Sleeper sleeper;
    return sleeper;
}

} // namespace

void sleep(int ms)
{
    if (ms <= 0)
        return;
    if (const Sleeper &sleeper = installed())
        sleeper(ms);
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

void install(Sleeper sleeper)
{
    installed() = std::move(sleeper);
}

} // namespace linkclock
