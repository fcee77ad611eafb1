#pragma once

#include "encoding/bytes.h"

#include <QVariant>
#include <QVariantList>

#include <vector>

class myQQuickView;

// The pages' lists as plain integers for the encoders, and the stored lists
// the device operations read back.
namespace slotvalues {

// Values from the UI may arrive wrapped as script values.
QVariant plain(const QVariant &value);

// Numbers from the UI as the script engine converts them (a wrapped number
// is cut to an integer the script way).
int intOf(const QVariant &value);
std::vector<int> intsOf(const QVariantList &list);

// Sixteen stored four-value entries ("mouseFwKeyMatrix/0" to "/15") laid
// end to end; a missing entry or value counts as 0. An entry with a value
// outside 0 to 255 is replaced by the factory profile's entry (all 0 when
// that is no better), with a warning in the log.
std::vector<int> storedEntries(myQQuickView &view, const QString &prefix);

encoding::Family familyOf(const myQQuickView &view);

} // namespace slotvalues
