#include "controller/actiongatherer.h"

void ActionGatherer::begin(const QString &name)
{
    if (m_depth++ == 0) {
        m_action = linkoutcome::Action();
        m_action.name = name;
    }
}

void ActionGatherer::add(const QString &command, linkoutcome::Kind kind)
{
    if (m_depth > 0)
        m_action.add(command, kind);
}

void ActionGatherer::addHeld()
{
    if (m_depth > 0)
        ++m_action.held;
}

std::optional<linkoutcome::Action> ActionGatherer::end()
{
    if (m_depth == 0 || --m_depth > 0)
        return std::nullopt;
    return m_action;
}

bool leavesOutHeldWrites(const QString &action)
{
    return action == QLatin1String("profile") || action == QLatin1String("save") || action == QLatin1String("reset");
}
