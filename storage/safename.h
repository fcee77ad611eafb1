#pragma once

#include <QString>

namespace safename {

// Macro names become file names under ./modules/macro/. A name that could
// reach outside that folder or make no file name at all ("", ".", "..",
// anything with a slash, a backslash or a NUL) is refused, and the operation
// fails as it does for a missing file.
bool isSafe(const QString &name);

// The longest name, in UTF-8 bytes, whose macro file can be written: a file
// name holds at most 255 bytes, and the settings writer needs room beside
// "<name>.bin" for its temporary "<name>.bin.XXXXXX". A longer name could be
// created or renamed to, yet every later save would fail.
inline constexpr int kMaxNameBytes = 255 - int(sizeof(".bin") - 1) - int(sizeof(".XXXXXX") - 1);

// A safe name short enough to be saved; where a name enters (creation,
// import, rename) nothing less is taken.
bool isStorable(const QString &name);

} // namespace safename
