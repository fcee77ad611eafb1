#pragma once

#include "shell/cli/executor.h"

namespace cli {

// Runs a request without a window, as the only user of the mouse: the
// controller and the transport of the program, one detection pass, the
// command, then the listener is stopped. The working folder must be set.
Result runHeadless(const cliargs::Request &request);

} // namespace cli
