#pragma once

#include <QLoggingCategory>

// Everything the device link says beyond its fixed lines.
Q_DECLARE_LOGGING_CATEGORY(lcDevice)
