#pragma once

#include <QVariant>
#include <QVariantList>

class QSettings;

// Qt 6 writes a one-element QVariantList as an @Variant blob and reads a
// plain text back as a list of characters. These keep the INI files in the
// shape the product has always used: lists of two or more values on one line,
// one value stored like a plain value.
namespace settingsvalues {

// The stored value as a list; anything that is not a list (a plain text, a
// number, a one-value list read back from disk) gives an empty list.
QVariantList toList(const QVariant &stored);

// What to hand to QSettings::setValue so that the file holds plain texts.
QVariant toStorable(const QVariant &value);

// Whether a stored value already says what `storable` (from toStorable)
// would write: the same texts, whether read from the file or written in
// this run. A missing value never does.
bool sameAs(const QVariant &stored, const QVariant &storable);

// Sets `key` to `value` (through toStorable) unless the store already holds
// that; true when the store changed. Every write of a settings file syncs
// it to the disk, which holds the window while it waits.
bool store(QSettings &settings, const QString &key, const QVariant &value);

} // namespace settingsvalues
