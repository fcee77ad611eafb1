#pragma once

#include <QLoggingCategory>

// Everything the device link says beyond its fixed lines.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
// The link's fixed lines ("Device Connect", a command's failure line). They
// go through Qt's default category, so that they read exactly as they always
// have, with no category name in front.
Q_DECLARE_LOGGING_CATEGORY(lcDeviceLines)
