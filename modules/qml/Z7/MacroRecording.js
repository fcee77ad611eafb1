.pragma library
.import "../common/MacroPayload.js" as MacroPayload
.import "MacroEvents.js" as MacroEvents

// Recording: the clock counts ticks of 10 ms since the last recorded event;
// each key from the keyboard hook becomes an event, preceded by the pause
// when pauses are recorded.

var tickMs = 10

function start() {
    return { ticks: 0 }
}

function tick(state) {
    state.ticks += 1
}

// The events to append for a key going down or up, given the events so far
// (a list model or a list). Nothing once the macro fills the mouse's macro
// memory, and nothing for a key without a name, which no macro could play.
function take(state, events, isDown, code, name, withDelay) {
    if (!MacroPayload.hasRoom(events) || name === undefined || name === null || String(name) === "")
        return []
    var count = typeof events.get === "function" ? events.count : events.length
    var added = []
    if (count > 0 && withDelay)
        added.push({ type: MacroEvents.Delay, info: String(state.ticks * tickMs) })
    state.ticks = 0
    added.push({ type: MacroEvents.typeOf(isDown, code), info: String(name) })
    return added
}
