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
    // The finished action once the outermost has ended; nothing before, and
    // nothing for an end without a begin.
    std::optional<linkoutcome::Action> end();
    bool active() const { return m_depth > 0; }

private:
    int m_depth = 0;
    linkoutcome::Action m_action;
};
