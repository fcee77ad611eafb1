#include "linkbench.h"

#include "device/linkcipher.h"
#include "device/linkclock.h"
#include "virtual_mouse.h"

#include <QMutexLocker>
#include <QtGlobal>

#include <atomic>

namespace linkbench {
namespace {

std::atomic<uint64_t> g_now{1000};
QMutex g_sleepLock;
QList<int> g_sleeps;

uint64_t clockNow()
{
    return g_now.load();
}

QMutex g_linesLock;
QStringList g_lines;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool fixedLine = type == QtDebugMsg && (!context.category || qstrcmp(context.category, "default") == 0);
    if (fixedLine) {
        QMutexLocker locker(&g_linesLock);
        g_lines.append(message);
    }
    if (g_previous)
        g_previous(type, context, message);
}

const QStringList kReportOps = {QStringLiteral("feature-send"), QStringLiteral("feature-get"), QStringLiteral("write"),
                                QStringLiteral("read"), QStringLiteral("read-timeout")};

} // namespace

VirtualClock::VirtualClock()
{
    clear();
    linkclock::install([](int ms) {
        {
            QMutexLocker locker(&g_sleepLock);
            g_sleeps.append(ms);
        }
        g_now += uint64_t(ms);
    });
    vm_set_clock(&clockNow);
}

VirtualClock::~VirtualClock()
{
    linkclock::install({});
    vm_set_clock(nullptr);
}

uint64_t VirtualClock::now()
{
    return g_now.load();
}

QList<int> VirtualClock::sleeps() const
{
    QMutexLocker locker(&g_sleepLock);
    return g_sleeps;
}

void VirtualClock::clear()
{
    QMutexLocker locker(&g_sleepLock);
    g_sleeps.clear();
}

DebugLines::DebugLines()
{
    clear();
    g_previous = qInstallMessageHandler(collect);
}

DebugLines::~DebugLines()
{
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}

QStringList DebugLines::lines() const
{
    QMutexLocker locker(&g_linesLock);
    return g_lines;
}

void DebugLines::clear()
{
    QMutexLocker locker(&g_linesLock);
    g_lines.clear();
}

QList<TraceEntry> trace()
{
    QList<TraceEntry> out;
    const QStringList lines = QString::fromLatin1(vm_trace()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() < 4)
            continue;
        out.append({parts[0].toLongLong(), parts[1], parts[2], parts[3],
                    parts.size() > 4 && parts[4] == QLatin1String("bad-checksum")});
    }
    return out;
}

QList<TraceEntry> reports()
{
    QList<TraceEntry> out;
    for (const TraceEntry &e : trace())
        if (kReportOps.contains(e.op))
            out.append(e);
    return out;
}

QStringList reportTexts()
{
    QStringList out;
    for (const TraceEntry &e : reports())
        out.append(e.op + QLatin1Char(' ') + e.hex);
    return out;
}

bool everyReportOnFreshHandle()
{
    const QList<TraceEntry> all = trace();
    for (int i = 0; i < all.size(); ++i) {
        if (!kReportOps.contains(all[i].op))
            continue;
        // The listener's reads interleave on their own path; look back on
        // this report's path only.
        int j = i - 1;
        while (j >= 0 && all[j].path != all[i].path)
            --j;
        if (j < 0 || all[j].op != QLatin1String("open"))
            return false;
    }
    return true;
}

int handlesLeftOpen()
{
    int open = 0;
    for (const TraceEntry &e : trace()) {
        if (e.op == QLatin1String("open"))
            ++open;
        else if (e.op == QLatin1String("close"))
            --open;
    }
    return open;
}

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

QString outputReport(const QByteArray &chunk, int reportLength)
{
    QByteArray report(reportLength + 1, '\0');
    report.replace(1, chunk.size(), chunk);
    return toHex(report);
}

QString toHex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

void Host::showInfoBalloon(const QString &message)
{
    balloons.append(message);
    events.append(QStringLiteral("balloon:") + message);
}

void Host::setViewEnabled(bool enabled)
{
    events.append(enabled ? QStringLiteral("enable") : QStringLiteral("disable"));
}

void Host::showCurrentDpi(int stage)
{
    dpiStages.append(stage);
    events.append(QStringLiteral("dpi:%1").arg(stage));
}

void Host::clearHidBusy()
{
    if (hid)
        hid->releaseLink();
    events.append(QStringLiteral("clearHidBusy"));
}

void Host::setDeviceConnected(bool isConnected)
{
    connected = isConnected;
    events.append(isConnected ? QStringLiteral("connected") : QStringLiteral("disconnected"));
}

void Host::startUI()
{
    events.append(QStringLiteral("startUI"));
}

void Host::hideWindow()
{
    events.append(QStringLiteral("hide"));
}

DeviceEntry entryFor(int device, bool isEncode, int reportLength)
{
    DeviceEntry e;
    e.type = 1;
    e.vid = 0x04d9;
    e.pid = 0xa1ee;
    e.usagePage = 0xff00;
    e.usage = 0xff00;
    e.usagePage2 = 0xff01;
    e.usage2 = 0xff01;
    e.reportLength = reportLength;
    e.isEncode = isEncode;
    e.cmdPath = QStringLiteral("virtual:%1:cmd").arg(device);
    e.eventPath = QStringLiteral("virtual:%1:event").arg(device);
    return e;
}

Bench::Bench(const QByteArray &ini, const DeviceTable &entries, int deviceIndex, bool ownFolder)
{
    if (ownFolder)
        m_folder = std::make_unique<ProgramFolder>();
    vm_set_read_wait_ms(20);
    if ((m_folder && !m_folder->isValid()) || vm_configure_text(ini.constData()) < 0)
        return;
    vm_trace_clear();
    m_hid = std::make_unique<Hid_Thread>();
    m_hid->owner = &m_host;
    m_host.hid = m_hid.get();
    m_hid->setDeviceTable(entries);
    m_hid->deviceIndex = deviceIndex;
    m_valid = true;
}

Bench::~Bench()
{
    if (m_hid)
        m_hid->stopListening();
    m_hid.reset();
}

void Bench::setFamily(const QString &icType)
{
    devicemodel::Model model = m_hid->deviceModel();
    model.family = devicemodel::familyFromText(icType);
    m_hid->setDeviceModel(model);
}

void Bench::setGun(bool gun)
{
    devicemodel::Model model = m_hid->deviceModel();
    model.gun = gun;
    m_hid->setDeviceModel(model);
}

QByteArray plainMouse(int family, bool isGun, int reportLength)
{
    return QStringLiteral("[mouse]\nfamily = %1\nisEncode = false\nisGun = %2\nreportLength = %3\n")
        .arg(family)
        .arg(isGun ? "true" : "false")
        .arg(reportLength)
        .toLatin1();
}

} // namespace linkbench
