#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The gun records of ./modules/gun/gunData.bin, all in the group "gunData":
// by index (name, trigger key, fire period, X, Y, repeat count) as the gun
// page keeps them, or by name (the five values after the name). The file
// comes with the installation; a missing file is never created, writes then
// do nothing and reads give empty lists.
namespace gundata {

constexpr int kRecordValues = 6;

// A record key must name an entry: a name of nothing but slashes would
// address the whole group, and removing it would take every record along.
bool isRecordName(const QString &name);

// Stores src6's first six values as texts under "gunData/" + index. A
// shorter list is filled up with empty texts; an empty one stores nothing.
void saveRecord(const QString &file, const QVariant &index, const QVariantList &src6);

// Type 0 removes the record named src6[0]. Type 1 moves a record to a new
// name: removes src6[6] (the old name) and writes src6[1..5] under src6[0];
// without all seven values it does nothing. Other types do nothing.
void modify(const QString &file, const QVariant &modifyType, const QVariantList &src6);

// The record as texts; empty when the file, the record or a list is missing.
QVariantList record(const QString &file, const QVariant &name);

// The names of all records, in the settings' own key order.
QStringList names(const QString &file);

} // namespace gundata
