#pragma once

#include <QString>

namespace safename {

// Macro names become file names under ./modules/macro/. A name that could
// reach outside that folder or make no file name at all ("", ".", "..",
// anything with a slash, a backslash or a NUL) is refused, and the operation
// fails as it does for a missing file.
bool isSafe(const QString &name);

} // namespace safename
