#pragma once

// The subcommands' shared parts; only the command line's own files include
// this.
#include "shell/cli/executor.h"
#include "shell/cli/pagerules.h"
#include "shell/cli/profilestate.h"

#include <QList>
#include <QPair>
#include <QVariantList>

#include <memory>

namespace cli {

// A slot of the controller and its arguments, as the pages' save functions
// list them.
using Call = QPair<QString, QVariantList>;
using Calls = QList<Call>;

// The pages' lists of [slot, arguments].
Calls callsOf(const QVariant &listed);

// What `set` decided: the calls, and what the open window should show.
struct Change {
    Calls calls;
    int activeStage = 0; // a stage to light up, counted from 1
    bool needsMouse = true;
    int pointerSetting = 0; // 1 speed, 2 double-click, 3 wheel: the desktop must take it
};

class Command {
public:
    explicit Command(Target &target);

    Result run(const cliargs::Request &request);

    // Usage and value errors name what is valid.
    static Result usage(const QString &text);
    static Result fail(int exit, const QString &text);

private:
    Result list();
    Result show(bool json);
    Result set(const QStringList &words);
    Result profile(const QStringList &words);
    Result macro(const QStringList &words);

    // `set`'s vocabulary: the change, or a Result with exit 2.
    std::variant<Change, Result> plan(const QStringList &words, const ProfileState &state);
    std::variant<Change, Result> planKey(const QStringList &values, const ProfileState &state);
    std::variant<Change, Result> planDesktop(const QString &setting, const QStringList &values,
                                             const ProfileState &state);
    std::variant<Change, Result> planGunSlot(const QStringList &values, const ProfileState &state);

    // Runs the calls in their order, then writes the stores out; the exit
    // code says what did not work.
    Result apply(const Calls &calls, const QString &done);
    // What sending the key list makes, with the gun slots' periods.
    Calls keyMatrixCalls(const ProfileState &state, const QList<QList<int>> &keys) const;
    // Everything of the profile in use that goes to the mouse, as the
    // window sends it after a change of profile.
    Calls profileCalls(const ProfileState &state) const;
    QVariantMap lightingState(const ProfileState &state) const;
    Result noMouse() const;
    // The profile list as the window shows it: { name, slot } in order.
    QList<QPair<QString, int>> profiles(const ProfileState &state);

    Target &m_target;
    std::unique_ptr<PageRules> m_rules;
};

} // namespace cli
