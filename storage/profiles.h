#pragma once

#include <QString>
#include <QVariant>

class QSettings;
class SettingsStores;

// Whole profile files: import, export, factory reset and copy of a slot, and
// the per-profile axis sensitivity and gun selection. Slots are 0 to 9; any
// other number changes nothing and gives false.
namespace profiles {

bool isSlot(int slot);

// Slot replacement: the slot's file becomes a byte copy of `source` and a
// fresh store on it takes the old one's place at the same index. A copy that
// fails (missing or unreadable source, full disk) leaves the slot's file and
// store as they were; the result says whether the slot got the new content.
bool importFrom(SettingsStores &stores, int slot, const QString &source);
bool resetToFactory(SettingsStores &stores, int slot);
// Equal slots change nothing.
bool copySlot(SettingsStores &stores, int destSlot, int srcSlot);

// A byte copy of the slot's file at `target`; an existing target is replaced
// only once the copy is complete.
bool exportTo(SettingsStores &stores, int slot, const QString &target);

// "XYSensitive/" + index: 4 when missing (or without a store).
QVariant xySensitive(const QSettings *store, const QVariant &index);
void setXYSensitive(QSettings *store, const QVariant &index, const QVariant &value);
// "selectGun/" + index: empty text when missing.
QVariant selectGun(const QSettings *store, const QVariant &index);
void setSelectGun(QSettings *store, const QVariant &index, const QVariant &value);

} // namespace profiles
