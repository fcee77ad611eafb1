#include "shell/focus/profilerules.h"

namespace focus {

bool sameProgram(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList cleanedPrograms(const QStringList &programs)
{
    QStringList kept;
    for (const QString &program : programs) {
        const QString name = program.trimmed().left(kMaxProgramLength);
        if (name.isEmpty() || kept.size() >= kMaxPrograms)
            continue;
        if (std::none_of(kept.cbegin(), kept.cend(), [&](const QString &k) { return sameProgram(k, name); }))
            kept << name;
    }
    return kept;
}

std::optional<int> slotForWindow(const QList<ProfileRule> &profiles, const QString &windowClass)
{
    if (profiles.isEmpty())
        return std::nullopt;
    const QString program = windowClass.trimmed();
    if (!program.isEmpty()) {
        for (qsizetype i = 1; i < profiles.size(); ++i) {
            const QStringList &listed = profiles.at(i).programs;
            if (std::any_of(listed.cbegin(), listed.cend(), [&](const QString &p) { return sameProgram(p, program); }))
                return profiles.at(i).slot;
        }
    }
    return profiles.first().slot;
}

void FocusSettling::note(qint64 nowMs, const QString &windowClass)
{
    m_pending = windowClass;
    m_since = nowMs;
}

std::optional<qint64> FocusSettling::dueAt() const
{
    if (!m_pending)
        return std::nullopt;
    return m_since + kSettleMs;
}

std::optional<QString> FocusSettling::settled(qint64 nowMs)
{
    if (!m_pending || nowMs - m_since < kSettleMs)
        return std::nullopt;
    const QString window = *m_pending;
    m_pending.reset();
    if (m_lastSettled && sameProgram(*m_lastSettled, window))
        return std::nullopt;
    m_lastSettled = window;
    return window;
}

} // namespace focus
