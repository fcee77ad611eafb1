#include "storage/storagelog.h"

Q_LOGGING_CATEGORY(lcStorage, "orbex.storage", QtInfoMsg)
