#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The four name lists of ./modules/setting/name.bin, addressed by type:
// 0 macros, 1 gun records, 2 profiles (display name + slot digit), 3 free.
namespace namelists {

// A one-value list would be stored like a plain value and read back as no
// list, so a single name goes to disk with this text after it.
inline const QString kSentinel = QStringLiteral("loaderzorvex");

constexpr int kTypes = 4;

// The key of a list type; empty for anything but the whole numbers 0 to 3
// (a text that is no number counts as no type).
QString keyOf(const QVariant &type);

// Stores the list whole; an empty list removes the key, a type outside 0 to
// 3 writes nothing. False only when the file could not be written.
bool store(const QString &file, const QVariant &type, QStringList names);

// The list as stored, sentinel included; empty when missing or not a list.
QVariantList read(const QString &file, const QVariant &type);

} // namespace namelists
