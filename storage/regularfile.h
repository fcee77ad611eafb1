#pragma once

#include <QString>

// Only regular files are read or copied. Opening a FIFO for reading waits
// for a writer that may never come, and a device such as /dev/zero reads
// without end or as empty: either would hang the program or wipe a setting.
namespace regularfile {

// True when `path` names something that exists but is no regular file (a
// FIFO, a device, a socket, a folder). A symbolic link counts as what it
// points to; a missing file is not special.
bool isSpecial(const QString &path);

// The name under which a settings file may be opened: `path` itself, or, for
// a special file, a name below it that can never exist, so that its settings
// read as empty and every write fails instead of blocking.
QString forSettings(const QString &path);

} // namespace regularfile
