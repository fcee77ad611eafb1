#pragma once

#include <QString>

#include <cstdint>

// Double-click time and wheel lines through the settings of the desktop the
// user runs, where that desktop has them:
//
//   desktop (XDG_CURRENT_DESKTOP)   double-click time           wheel lines
//   GNOME, Unity                    gsettings org.gnome.desktop  none
//                                   .peripherals.mouse
//                                   double-click
//   KDE                             kdeglobals [KDE]             kdeglobals [KDE]
//                                   DoubleClickInterval          WheelScrollLines
//
// Every other desktop has neither. Each setter answers 1 when the setting
// was stored, 0 when it could not be.
namespace desktopsettings {

enum class Desktop { None, Gnome, Kde };

// From a XDG_CURRENT_DESKTOP text such as "ubuntu:GNOME" or "KDE".
Desktop desktopFromName(const QString &currentDesktop);
Desktop currentDesktop();

int setDoubleClickTime(int64_t milliseconds);
int setWheelScrollLines(int64_t lines);

// The KDE file written, in the user's configuration folder.
QString kdeGlobalsPath();

} // namespace desktopsettings
