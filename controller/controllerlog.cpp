#include "controller/controllerlog.h"

Q_LOGGING_CATEGORY(lcController, "orbex.controller", QtInfoMsg)
