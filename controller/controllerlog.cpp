#include "controller/controllerlog.h"

Q_LOGGING_CATEGORY(lcController, "orbex.controller", QtInfoMsg)
Q_LOGGING_CATEGORY(lcControllerLines, "default")
