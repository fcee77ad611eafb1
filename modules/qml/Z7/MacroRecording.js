.pragma library
.import "../common/MacroPayload.js" as MacroPayload
.import "MacroEvents.js" as MacroEvents

// Recording: the clock counts ticks of 10 ms since the last recorded event;
// each key from the keyboard hook becomes an event, preceded by the pause
// when pauses are recorded. The ticks are read off the time that has passed
// rather than counted one by one, because a busy window delivers a 10 ms
// timer late and would shorten every pause.

var tickMs = 10

function start(now) {
    return { ticks: 0, since: now, started: now }
}

// How long the recording runs, as the record bar shows it.
function elapsedText(state, now) {
    return (Math.max(0, now - state.started) / 1000).toFixed(1) + " s"
}

function tick(state, now) {
    state.ticks = Math.max(0, Math.floor((now - state.since) / tickMs))
}

function restart(state, now) {
    state.ticks = 0
    state.since = now
}

// The events to append for a key going down or up at time `now` (ms), given
// the events so far (a list model or a list). Nothing once the macro fills
// the mouse's macro memory, and nothing for a key without a name, which no
// macro could play.
function take(state, events, isDown, code, name, withDelay, now) {
    if (!MacroPayload.hasRoom(events) || name === undefined || name === null || String(name) === "")
        return []
    tick(state, now)
    var count = typeof events.get === "function" ? events.count : events.length
    var added = []
    if (count > 0 && withDelay)
        added.push({ type: MacroEvents.Delay, info: String(state.ticks * tickMs) })
    restart(state, now)
    added.push({ type: MacroEvents.typeOf(isDown, code), info: String(name) })
    return added
}
