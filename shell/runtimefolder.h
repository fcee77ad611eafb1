#pragma once

#include <QString>

#include <sys/types.h>

// The private folder of the user's that holds the program's lock and
// sockets: $XDG_RUNTIME_DIR where it is a folder of the user's that no one
// else may enter, else a folder of the program's own in the temporary
// folder, made with mode 0700. Another local user can neither take the
// names before the program nor reach the sockets.
namespace runtimefolder {

struct Folder {
    QString path;  // empty when no folder is usable
    QString error; // why, when path is empty
};

// The folder from the environment of this process.
Folder locate();
// The same from given places: `xdgRuntime` may be empty, `tempBase` is
// where the program's own folder is made.
Folder locate(const QString &xdgRuntime, const QString &tempBase, uid_t user);

// Empty when `path` is a folder (not a link) owned by `user` with no access
// for others, else why not. A missing folder is made when `create` is set;
// one of the user's with access for others is closed to them.
QString check(const QString &path, bool create, uid_t user);

} // namespace runtimefolder

namespace runtimefolder {
// `name` inside the folder of locate(); empty when there is none.
QString pathFor(const QString &name);
} // namespace runtimefolder
