#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class SettingsStores;

// One INI file per macro, ./modules/macro/<name>.bin: the group "config"
// (index, total, repeat, did) and the events "macro/0" to "macro/<total-1>",
// each the text of its type digit, a comma and its info. Every operation
// refuses a name that is no plain file name (safename) as if its file were
// missing; creation, import and rename also refuse a name too long to be
// saved. A write that fails leaves the macro reading as it was.
namespace macrolibrary {

// A "config/total" beyond this is taken as this: the editor never makes more
// than a few hundred events, and a damaged file must not make a load loop or
// allocate without bound.
constexpr int kMaxEvents = 4096;

// The profile list's slots (paths::kUiProfileSlots) have their macro
// assignments follow a rename or a delete; the other slots and the factory
// profile are never touched.

// Writes the config group (index, total 0, repeat 1, did -1), creating the
// file when missing; events already in the file stay.
bool create(const QString &name, const QVariant &macroIndex);

// Replaces the events and the repeat count of an existing macro.
bool save(const QString &name, const QStringList &events, const QVariant &repeat);

// The events, then the repeat count; empty when the file is missing.
QStringList load(const QString &name);

bool remove(const QString &name);

// Renames the file first; only when that succeeded do the slot names of the
// profiles that held the old name get the new one. A file of the new name
// already there makes the rename fail and changes nothing.
bool rename(SettingsStores &stores, const QString &oldName, const QString &newName);

// Every key of the profiles whose assignment plays the macro gets its factory
// assignment back. Entries too short to say which macro they play are skipped.
void takeOffKeys(SettingsStores &stores, const QString &name);

// Import: a byte copy of `source` becomes the macro `name`. An existing macro
// of that name stays and counts as imported.
bool importFrom(const QString &source, const QString &name);

// Export: a byte copy of the macro at `target`; an existing target is
// replaced only once the copy is complete.
bool exportTo(const QString &name, const QString &target);

} // namespace macrolibrary
