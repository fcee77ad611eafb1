#pragma once

#include "device/deviceentry.h"

#include <QList>
#include <QString>

#include <cstdint>

class QSettings;

// The device table in the global settings file, and how its entries find
// their two HID interfaces among the enumerated ones.
namespace devicetable {

// More entries than this are not read: a count beyond it is a damaged file.
constexpr int kMaxEntries = 64;
// A report length outside 1..kMaxReportLength falls back to the default.
constexpr int kMaxReportLength = 4096;
constexpr int kDefaultReportLength = 32;

// Entries 0 .. "common/deviceCount" - 1 with their defaults, paths empty.
DeviceTable read(QSettings &settings);
// The same from an INI file; a missing file gives an empty table.
DeviceTable readFile(const QString &path);

// One record of an enumeration: an interface and the usage pair it declares.
struct InterfaceRecord {
    QString path;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// Sets the entry's command and event paths from the records, in their
// order: a later match overwrites an earlier one, and one record may fill
// both paths. Paths without a match are left empty.
void matchInterfaces(DeviceEntry &entry, const QList<InterfaceRecord> &records);

// Every HID interface of a vendor and product, through hid_enumerate.
QList<InterfaceRecord> enumerate(uint16_t vid, uint16_t pid);

// Fills the paths of every entry from a fresh enumeration.
void locate(DeviceTable &table);

} // namespace devicetable
