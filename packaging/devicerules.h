#pragma once

#include "device/deviceentry.h"

#include <QStringList>

// What the installation tells the system about the mice of the device table:
// a udev rule that lets the logged-in user open their hidraw nodes, and the
// modaliases by which software centres offer the program for them.
namespace devicerules {

// One rule line per distinct vendor and product, in table order. Entries
// without a vendor or product (a damaged table) are left out.
QStringList udevRules(const DeviceTable &table);

// One "usb:v<VID>p<PID>*" modalias per distinct vendor and product.
QStringList modaliases(const DeviceTable &table);

// The metainfo template with the line holding @MODALIASES@ repeated once per
// modalias, the placeholder replaced by it.
QString fillMetainfo(const QString &metainfoTemplate, const QStringList &modaliases);

} // namespace devicerules
