#include "shell/input/inputlog.h"

Q_LOGGING_CATEGORY(lcInput, "orbex.shell.input", QtInfoMsg)
