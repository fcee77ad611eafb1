#include "controller/pointer/pointerlog.h"

Q_LOGGING_CATEGORY(lcPointer, "orbex.pointer", QtInfoMsg)
