.pragma library

// Which notice the outcome of a user action on the mouse gives. The outcome
// is the controller's {action, ok, kind, commands, failed, held, command}; the
// texts are the window's "saves" language group, by these positions.

var text = {
    saved: 0, gone: 1, noAnswer: 2, busy: 3, refused: 4, notKept: 5, sent: 6,
    question: 7, save: 8, discard: 9, cancel: 10, questionTitle: 11
}

var catchUpAction = "catchUp"
var tag = "mouse"

// { kind, text (a position), tag }, or null when there is nothing to say:
// an action that sent nothing and found nothing already held by the mouse,
// or an inner action (empty outcome). While the mouse is behind after a
// failure, a good save of one part does not take the failure's place: only
// a catch-up, which sends the whole profile, does.
function notice(outcome, mouseBehind) {
    if (!outcome || !outcome.action)
        return null
    if (outcome.ok !== true) {
        var failure = text[outcome.kind]
        return { kind: "failure", text: failure === undefined ? text.refused : failure, tag: tag }
    }
    // A write left out because the mouse held its bytes is saved as well.
    if (!(Number(outcome.commands) > 0) && !(Number(outcome.held) > 0))
        return null
    if (outcome.action === catchUpAction)
        return { kind: "done", text: text.sent, tag: tag }
    if (mouseBehind === true)
        return null
    return { kind: "done", text: text.saved, tag: tag }
}
