#pragma once

#include <QString>

// Whole folders: the factory modules/ tree copied into a new place, and a
// folder removed with what it holds. Neither goes through a symbolic link.
namespace filetree {

// Copies the folder `from` with everything below it to `to`, which is
// created. Each copy is readable and writable by its owner, whatever the
// installation's permission bits were. A symbolic link in the tree is not
// followed or copied: the copy fails. `error` says what failed.
bool copy(const QString &from, const QString &to, QString *error);

// Removes `path`: a folder with everything below it, a file, or a symbolic
// link itself, never what the link points to. A missing path is removed.
bool remove(const QString &path);

} // namespace filetree
