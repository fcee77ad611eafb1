#pragma once

#include <QString>

#include <functional>

// Faults of the settings files that the user must hear of, not only the log:
// a write that did not reach the disk, a file refused for its size or its
// kind, a settings folder that cannot be used. The storage functions report
// each where it happens; the program shows them.
namespace storagefaults {

enum class Kind {
    NotSaved = 0,   // a write or copy that did not reach the disk
    TooLarge = 1,   // a file refused for its size; nothing of it is read
    NotRegular = 2, // a link, folder, FIFO or device where a settings file should be
    Folder = 3,     // the settings folder cannot be used; changes are not kept
};

using Sink = std::function<void(Kind kind, const QString &path)>;

// The one receiver of the reports, replacing the one before; an empty
// function removes it.
void install(Sink sink);

// Logs the fault and hands it to the receiver, if there is one.
void report(Kind kind, const QString &path);

} // namespace storagefaults
