#pragma once

#include <QString>

// Only regular files are read or copied. Opening a FIFO for reading waits
// for a writer that may never come, and a device such as /dev/zero reads
// without end or as empty: either would hang the program or wipe a setting.
// Nothing is written or removed through a symbolic link either: the write
// would change a file outside the settings, wherever the link points.
namespace regularfile {

// Far above any real settings, language, macro or profile file (the largest
// factory file has a few kilobytes); a larger one is refused whole.
inline constexpr qint64 kMaxBytes = 1024 * 1024;

// True when `path` names something that exists but is no regular file (a
// FIFO, a device, a socket, a folder), or is a symbolic link (even one that
// points nowhere), or, for a relative path, lies in a folder reached through
// a link. A missing file is not special.
bool isSpecial(const QString &path);

// True for a regular file larger than kMaxBytes.
bool isTooLarge(const QString &path);

// The name under which a settings file may be opened: `path` itself, or, for
// a special or too large file, a name below /dev/null that can never exist, so that
// its settings read as empty and every write fails instead of blocking or
// going elsewhere. Such a file is reported (storagefaults).
QString forSettings(const QString &path);

// The file a name from forSettings stands for.
QString settingsFile(const QString &openedName);

} // namespace regularfile
