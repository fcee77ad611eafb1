#include "device/devicetable.h"

#include "device/devicelog.h"
#include "storage/regularfile.h"

#include <hidapi/hidapi.h>

#include <QFileInfo>
#include <QSettings>

namespace devicetable {
namespace {

const QString kCountKey = QStringLiteral("common/deviceCount");

QString key(int index, const char *suffix)
{
    return QString::number(index) + QLatin1Char('/') + QLatin1String(suffix);
}

// Hexadecimal text without prefix; text that does not convert, or does not
// fit 16 bits, gives 0.
uint16_t hex16(const QSettings &settings, const QString &key)
{
    bool ok = false;
    const uint value = settings.value(key).toString().trimmed().toUInt(&ok, 16);
    if (!ok || value > 0xFFFF)
        return 0;
    return uint16_t(value);
}

int hexInt(const QSettings &settings, const QString &key, int fallback)
{
    if (!settings.contains(key))
        return fallback;
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok, 16);
    return ok ? value : 0;
}

int reportLength(const QSettings &settings, int index)
{
    const QString k = key(index, "reportLength");
    if (!settings.contains(k))
        return kDefaultReportLength;
    bool ok = false;
    const int value = settings.value(k).toString().trimmed().toInt(&ok, 10);
    if (!ok || value < 1 || value > kMaxReportLength) {
        qCWarning(lcDevice) << "device table entry" << index << "has report length" << settings.value(k).toString()
                            << "- using" << kDefaultReportLength;
        return kDefaultReportLength;
    }
    return value;
}

} // namespace

DeviceTable read(QSettings &settings)
{
    bool ok = false;
    int count = settings.value(kCountKey, 0).toString().trimmed().toInt(&ok, 10);
    if (!ok || count < 0)
        count = 0;
    if (count > kMaxEntries) {
        qCWarning(lcDevice) << "device table counts" << count << "entries; reading the first" << kMaxEntries;
        count = kMaxEntries;
    }

    DeviceTable table;
    table.reserve(count);
    for (int i = 0; i < count; ++i) {
        DeviceEntry e;
        e.type = hexInt(settings, key(i, "type"), -1);
        e.vid = hex16(settings, key(i, "vid"));
        e.pid = hex16(settings, key(i, "pid"));
        e.usagePage = hex16(settings, key(i, "usagePage"));
        e.usage = hex16(settings, key(i, "usage"));
        e.usagePage2 = hex16(settings, key(i, "usagePage2"));
        e.usage2 = hex16(settings, key(i, "usage2"));
        e.reportLength = reportLength(settings, i);
        e.isEncode = settings.value(key(i, "isEncode"), false).toBool();
        e.sCode = settings.value(key(i, "sCode"), QStringLiteral("519370")).toString();
        table.append(e);
    }
    return table;
}

DeviceTable readFile(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    // A FIFO would hold the pass until someone writes to it; a device reads
    // without end. Either reads as an empty table.
    if (!file.isFile()) {
        qCWarning(lcDevice) << "device table" << path << "is no regular file; read as empty";
        return {};
    }
    // The window tells the user of it; the poll only keeps out of it.
    if (regularfile::isTooLarge(path)) {
        qCWarning(lcDevice) << "device table" << path << "is larger than 1 MiB; read as empty";
        return {};
    }
    QSettings settings(path, QSettings::IniFormat);
    return read(settings);
}

void matchInterfaces(DeviceEntry &entry, const QList<InterfaceRecord> &records)
{
    entry.cmdPath.clear();
    entry.eventPath.clear();
    for (const InterfaceRecord &r : records) {
        if (r.usagePage == entry.usagePage && r.usage == entry.usage)
            entry.cmdPath = r.path;
        if (r.usagePage == entry.usagePage2 && r.usage == entry.usage2)
            entry.eventPath = r.path;
    }
}

QList<InterfaceRecord> enumerate(uint16_t vid, uint16_t pid)
{
    QList<InterfaceRecord> records;
    hid_device_info *head = hid_enumerate(vid, pid);
    for (const hid_device_info *info = head; info; info = info->next) {
        if (!info->path)
            continue;
        records.append({QString::fromLocal8Bit(info->path), info->usage_page, info->usage});
    }
    hid_free_enumeration(head);
    return records;
}

void locate(DeviceTable &table)
{
    for (int i = 0; i < table.size(); ++i) {
        DeviceEntry &entry = table[i];
        // hidapi takes 0 for "any": an entry without both identifiers would
        // match interfaces of unrelated devices and send them the handshake.
        if (entry.vid == 0 || entry.pid == 0) {
            qCWarning(lcDevice) << "device table entry" << i << "lacks its vendor or product identifier";
            entry.cmdPath.clear();
            entry.eventPath.clear();
            continue;
        }
        matchInterfaces(entry, enumerate(entry.vid, entry.pid));
    }
}

} // namespace devicetable
