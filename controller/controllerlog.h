#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcController)
// The fixed failure lines of the pointer settings, in Qt's default category
// so that they read exactly as they always have.
Q_DECLARE_LOGGING_CATEGORY(lcControllerLines)
