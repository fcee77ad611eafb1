#pragma once

#include "shell/cli/cliargs.h"

#include <QString>

#include <functional>

class Hid_Thread;
class myQQuickView;

namespace cli {

struct Result {
    int exit = cliargs::kDone;
    QString out; // results, for stdout
    QString err; // messages, for stderr
};

// What a command runs on: the controller with its stores and the
// transport, in the window's instance or in a process of its own.
struct Target {
    myQQuickView *view = nullptr;
    Hid_Thread *hid = nullptr;
    bool connected = false;
    // The open window: its pages read the stores again; a stage lights up;
    // the profile in use changes as if chosen in the title bar.
    std::function<void()> storedChanged;
    std::function<void(int stage)> activeStageChanged;
    std::function<void(int slot)> profileChosen;
};

Result execute(const cliargs::Request &request, Target &target);

// The version the program reports.
QString versionText();

} // namespace cli
