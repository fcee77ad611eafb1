#pragma once

#include "device/linkoutcome.h"

#include <QString>

#include <optional>

// Gathers the commands of one user action. Actions may nest (a save that
// runs a page's own send): the outermost names the action and ends it.
// Commands outside any action are not gathered.
class ActionGatherer {
public:
    void begin(const QString &name);
    void add(const QString &command, linkoutcome::Kind kind);
    // A write left out because the mouse held what it carries.
    void addHeld();
    // The finished action once the outermost has ended; nothing before, and
    // nothing for an end without a begin.
    std::optional<linkoutcome::Action> end();
    bool active() const { return m_depth > 0; }

private:
    int m_depth = 0;
    linkoutcome::Action m_action;
};

// The actions that send the stored profile the way the pages send it (a
// profile switch, a save, a factory reset): they leave out what the mouse
// already holds. "profile", "save", "reset"; a catch-up sends everything.
bool leavesOutHeldWrites(const QString &action);
