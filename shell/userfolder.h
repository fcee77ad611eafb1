#pragma once

#include <QString>

// Where the program works. Every path of the program begins with
// "./modules/", so the folder made current at start-up decides where the
// settings live: the program's own folder when the user may write it, as on
// a copy in the home; otherwise (an installed package) a per-user folder,
// filled once from the installed factory modules/ tree.
namespace userfolder {

constexpr auto kFolderName = "orbex-mouse";

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
// <home>/.local/share.
QString dataHome(const QString &xdgDataHome, const QString &home);
// The same from the environment of this process.
QString dataHome();

// The folder to work in for a program in programFolder. With the program
// folder not writable, that is <dataHome>/orbex-mouse, whose modules/ tree is
// copied from the program folder's the first time and left alone after.
// When the per-user folder cannot be set up (its name or that of its
// modules/ taken by a file or a link, no installed tree to copy, no room),
// a diagnostic goes to the log, the folder's name to `unusable`, for the
// user to see, and the program folder is returned, so the program still
// starts.
QString workingFolder(const QString &programFolder, bool programFolderWritable, const QString &dataHome,
                      QString *unusable = nullptr);

// The above for the running program: the folder's writability as the user
// sees it, the data folder from the environment.
QString workingFolder(const QString &programFolder, QString *unusable = nullptr);

} // namespace userfolder
