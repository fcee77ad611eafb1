#include "shell/cli/writeoutcome.h"

#include <QString>
#include <QtGlobal>

namespace cli {

// The transport names a command it could not run with a line of its own
// ("cmd Failed 01"); they are counted while the watch lives and passed on.
struct WriteOutcome::Watch {
    QtMessageHandler previous = nullptr;
    int failures = 0;
};

namespace {
WriteOutcome::Watch *g_watch = nullptr;
}

static void countFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_watch) {
        if (message.startsWith(QLatin1String("cmd Failed")))
            ++g_watch->failures;
        if (g_watch->previous)
            g_watch->previous(type, context, message);
    }
}

WriteOutcome::WriteOutcome(Hid_Thread &) : m_watch(std::make_unique<Watch>())
{
    g_watch = m_watch.get();
    m_watch->previous = qInstallMessageHandler(countFailures);
}

WriteOutcome::~WriteOutcome()
{
    qInstallMessageHandler(m_watch->previous);
    g_watch = nullptr;
}

bool WriteOutcome::taken() const
{
    return m_watch->failures == 0;
}

} // namespace cli
