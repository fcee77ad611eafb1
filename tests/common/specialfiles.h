#pragma once

#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

// FIFOs in the places of settings and import files, and a time limit for
// code that must not wait on them.
namespace specialfiles {

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0;
}

// Runs `work` on a thread of its own; true when it ended within `limitMs`.
// When it did not, each of `fifos` is opened for writing and closed again,
// which hands the blocked reader an end of file, so that the test can go on
// and report the failure instead of hanging.
inline bool endsWithin(int limitMs, const std::function<void()> &work, const QStringList &fifos)
{
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread runner(std::move(task));
    const bool inTime = done.wait_for(std::chrono::milliseconds(limitMs)) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
        for (const QString &fifo : fifos) {
            const int fd = ::open(fifo.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        }
    }
    runner.join();
    return inTime;
}

} // namespace specialfiles
