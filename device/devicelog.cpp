#include "device/devicelog.h"

Q_LOGGING_CATEGORY(lcDevice, "orbex.device", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDeviceLines, "default")
