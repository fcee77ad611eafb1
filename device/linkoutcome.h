#pragma once

#include <QString>
#include <QVariantMap>

#include <cstdint>

// Whether a write reached the mouse. The transport knows it per command,
// the controller gathers it per user action, the window shows it.
namespace linkoutcome {

// In the order an action reports them: the larger kind explains the smaller
// ones (a mouse that is gone also answers nothing and takes nothing).
enum class Kind : uint8_t {
    Done,     // every exchange went through
    NotKept,  // the mouse took the image but read it back different
    Refused,  // it did not take a report
    NoAnswer, // it sent no reply or no data
    Busy,     // another exchange held the link past the wait
    Gone,     // it is no longer there (unplugged)
};

// "done", "notKept", "refused", "noAnswer", "busy", "gone": the names the
// window chooses its texts by.
QString name(Kind kind);

// What one user action did to the mouse.
struct Action {
    QString name;
    int commands = 0; // commands run, each with all its exchanges
    int failed = 0;
    int held = 0; // writes left out because the mouse held what they carry
    Kind kind = Kind::Done;
    QString firstFailure; // the command that failed first

    bool ok() const { return kind == Kind::Done; }
    void add(const QString &command, Kind result);
    // {action, ok, kind, commands, failed, held, command}
    QVariantMap toMap() const;
};

// The larger of two kinds.
Kind worse(Kind a, Kind b);

} // namespace linkoutcome
