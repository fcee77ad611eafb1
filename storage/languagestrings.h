#pragma once

#include <QString>
#include <QStringList>

namespace languagestrings {

// The largest text group of a real language file has 133 entries; a "total"
// beyond this limit is taken as this limit, so a damaged file cannot make the
// program loop or allocate without bound.
constexpr int kMaxGroupTexts = 4096;

// The texts of one group of a language file, in index order: `total` entries,
// an empty text for each missing one. A missing file, group or total gives an
// empty list.
QStringList readGroup(const QString &languageFile, const QString &group);

} // namespace languagestrings
