#pragma once

#include <QString>

namespace filereplace {

// Puts a byte copy of `source` at `target`. The copy is written beside the
// target and moved into place only once it is complete, so a missing or
// unreadable source or a full disk leaves the old target as it was. Only a
// regular file of at most regularfile::kMaxBytes is copied, and only onto a
// regular file or a new name, never through a link. A target that holds the
// same bytes already is not written again. Faults the user must
// hear of are reported (storagefaults).
bool copyOver(const QString &source, const QString &target);

} // namespace filereplace
