#pragma once

#include <QStringList>

namespace cli {

// True when the program's arguments ask for the command line.
bool wanted(int argc, char *argv[]);

// orbex-mouse with a subcommand: carried out by the running instance when
// there is one, else here without a window. Returns the exit code.
int run(int argc, char *argv[]);

} // namespace cli
