.pragma library

// Sequences of exchanges with the mouse (a save, a change of profile, a
// factory reset) asked for while a command of the link runs. The link's
// pauses handle events, so such a request comes from inside that command:
// started there, each of its commands could only wait for the link and give
// up. It is kept instead and started once the link is free; each kind waits
// once, with its latest request.

function create() {
    return { waiting: [] }
}

// True when `action` was kept because the link is busy.
function deferIfBusy(queue, busy, kind, action) {
    if (!busy)
        return false
    for (var i = 0; i < queue.waiting.length; ++i) {
        if (queue.waiting[i].kind === kind) {
            queue.waiting[i].action = action
            return true
        }
    }
    queue.waiting.push({ kind: kind, action: action })
    return true
}

// Starts the kept actions in the order they were asked for while the link
// stays free; what is left waits for the next time the link is free.
function runWaiting(queue, isBusy) {
    while (queue.waiting.length > 0 && !isBusy())
        queue.waiting.shift().action()
}

function waitingKinds(queue) {
    return queue.waiting.map(function(entry) { return entry.kind })
}
