#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Which profile the window in front asks for, and when a change of the
// window in front has lasted long enough to count. Plain functions and
// values, no I/O.
namespace focus {

// A profile as the profile list shows it, with the programs it is used for.
struct ProfileRule {
    int slot = 0;
    QStringList programs;
};

// Programs are named by their window class, as the desktop reports it;
// letter case does not matter.
bool sameProgram(const QString &a, const QString &b);

// The programs as they are kept: trimmed, without empty or repeated ones, at
// most kMaxPrograms of at most kMaxProgramLength characters.
constexpr int kMaxPrograms = 32;
constexpr int kMaxProgramLength = 128;
QStringList cleanedPrograms(const QStringList &programs);

// The slot of the profile to use while `windowClass` is in front: the first
// profile, in list order, that lists it; else the first profile, which is
// used whenever no listed program is in front (its own list counts for
// nothing). Nothing without profiles.
std::optional<int> slotForWindow(const QList<ProfileRule> &profiles, const QString &windowClass);

// Focus that flips away and back within kSettleMs switches nothing: a
// window counts once it has stayed in front that long.
class FocusSettling {
public:
    static constexpr qint64 kSettleMs = 300;

    // The window in front changed at `nowMs`.
    void note(qint64 nowMs, const QString &windowClass);
    // When settled() may next give something, or nothing while nothing waits.
    std::optional<qint64> dueAt() const;
    // The window in front once it has stayed for kSettleMs, if it differs
    // from the last one given; each settled window is given once.
    std::optional<QString> settled(qint64 nowMs);

private:
    std::optional<QString> m_pending;
    qint64 m_since = 0;
    std::optional<QString> m_lastSettled;
};

} // namespace focus
