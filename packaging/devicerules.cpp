#include "packaging/devicerules.h"

#include <QSet>

namespace devicerules {
namespace {

const QString kPlaceholder = QStringLiteral("@MODALIASES@");

QString hex4(uint16_t value, bool upper)
{
    const QString text = QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
    return upper ? text.toUpper() : text;
}

// The entries that name a device, each device once.
DeviceTable distinctDevices(const DeviceTable &table)
{
    DeviceTable devices;
    QSet<quint32> seen;
    for (const DeviceEntry &e : table) {
        if (e.vid == 0 || e.pid == 0)
            continue;
        if (!seen.contains(quint32(e.vid) << 16 | e.pid)) {
            seen.insert(quint32(e.vid) << 16 | e.pid);
            devices.append(e);
        }
    }
    return devices;
}

} // namespace

QStringList udevRules(const DeviceTable &table)
{
    QStringList rules;
    for (const DeviceEntry &e : distinctDevices(table)) {
        rules.append(QStringLiteral("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%1\", "
                                    "ATTRS{idProduct}==\"%2\", TAG+=\"uaccess\"")
                         .arg(hex4(e.vid, false), hex4(e.pid, false)));
    }
    return rules;
}

QStringList modaliases(const DeviceTable &table)
{
    QStringList aliases;
    for (const DeviceEntry &e : distinctDevices(table))
        aliases.append(QStringLiteral("usb:v%1p%2*").arg(hex4(e.vid, true), hex4(e.pid, true)));
    return aliases;
}

QString fillMetainfo(const QString &metainfoTemplate, const QStringList &modaliases)
{
    QStringList lines;
    for (const QString &line : metainfoTemplate.split(QLatin1Char('\n'))) {
        if (!line.contains(kPlaceholder)) {
            lines.append(line);
            continue;
        }
        for (const QString &alias : modaliases)
            lines.append(QString(line).replace(kPlaceholder, alias.toHtmlEscaped()));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace devicerules
