#include "mousebench.h"

#include "device/linkclock.h"
#include "virtual_mouse.h"

#include <QJsonDocument>

namespace {

QString configText(const MouseSetup &setup)
{
    return QStringLiteral("[mouse]\nfamily=%1\nisGun=%2\nisEncode=false\n")
        .arg(setup.family560 ? QStringLiteral("560") : QStringLiteral("553"))
        .arg(setup.isGun ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace

MouseBench::MouseBench(const MouseSetup &setup) : m_setup(setup)
{
    if (!m_folder.isValid() || vm_configure_text(configText(setup).toUtf8().constData()) != 1)
        return;
    vm_trace_clear();
    // The link's pauses are counted, not waited for.
    linkclock::install([this](int ms) { m_sleptMs += ms; });

    m_hid = std::make_unique<Hid_Thread>();
    DeviceEntry entry;
    entry.vid = 0x04d9;
    entry.pid = 0xa1ee;
    entry.usagePage = 0xff00;
    entry.usage = 0xff00;
    entry.usagePage2 = 0xff01;
    entry.usage2 = 0xff01;
    entry.reportLength = 32;
    entry.isEncode = false;
    entry.cmdPath = QStringLiteral("virtual:0:cmd");
    entry.eventPath = QStringLiteral("virtual:0:event");
    m_hid->deviceTable = {entry};
    m_hid->deviceIndex = 0;
    m_hid->owner = this;

    m_view = std::make_unique<myQQuickView>();
    m_view->hid = m_hid.get();
    m_view->model = {setup.family560 ? devicemodel::Family::F560 : devicemodel::Family::F553, setup.isGun,
                     setup.isColorful, setup.is55328};
    m_hid->setDeviceModel(m_view->model);
    m_valid = true;
}

MouseBench::~MouseBench()
{
    m_view.reset();
    m_hid.reset();
    linkclock::install({});
}

QJsonObject MouseBench::state() const
{
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(vm_state_json()));
    return doc.object().value(QStringLiteral("devices")).toArray().at(0).toObject();
}

QList<int> MouseBench::bytes(const QString &field) const
{
    QList<int> out;
    for (const QJsonValue &v : state().value(field).toArray())
        out.append(v.toInt());
    return out;
}

QList<int> MouseBench::row(const QString &field, int index) const
{
    QList<int> out;
    for (const QJsonValue &v : state().value(field).toArray().at(index).toArray())
        out.append(v.toInt());
    return out;
}

QList<QByteArray> MouseBench::commands() const
{
    QList<QByteArray> out;
    for (const QByteArray &line : QByteArray(vm_trace()).split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() < 4 || parts[1] != "feature-send")
            continue;
        const QByteArray report = QByteArray::fromHex(parts[3]);
        if (report.size() == Hid_Thread::kReportSize)
            out.append(report.mid(1));
    }
    return out;
}

QStringList MouseBench::codes(bool withFirstArgument) const
{
    QStringList out;
    for (const QByteArray &block : commands()) {
        QString text = QString::fromLatin1(block.left(1).toHex().toUpper());
        if (withFirstArgument)
            text += QLatin1Char(':') + QString::fromLatin1(block.mid(1, 1).toHex().toUpper());
        out.append(text);
    }
    return out;
}

void MouseBench::clearTrace()
{
    vm_trace_clear();
}

void MouseBench::readProfileImages()
{
    for (int n = 0; n < profileimage::kBlocks; ++n)
        m_hid->readProfileImage(n);
    clearTrace();
}
