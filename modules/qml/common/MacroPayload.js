.pragma library

// The macro as the mouse's macro slot takes it: the repeat count (high byte
// first), one entry of two bytes per press or release event (a timing byte,
// then the key code) and the end mark 0, 0.
//
// The timing byte is the pause after the event in units of 10 ms (1 when
// there is none, and always 1 for the last event), with bit 0x80 set for a
// release. A pause of 127 units or more does not fit in seven bits: the
// event's timing byte is 0, followed by the entry (0, unit code) and by the
// pause counted in that unit, high byte first.
//
// Events are the editor's: { type, info } objects or the stored texts
// "type,info" (0 delay in ms, 1 key press, 2 key release, 3 mouse button
// press, 4 mouse button release; info is the key or button name).

var maxBytes = 128
// The editor adds events only while the payload is shorter than this.
var editorLimit = 126
var longPauseUnits = 127
var longestShortPause = longPauseUnits - 1
var releaseBit = 0x80

// Unit codes of a long pause: pause units per count, and the first number
// of units that no longer takes that code.
var pauseUnits = [
    { code: 1, unitsPerCount: 2, below: 100000 },   // 20 ms
    { code: 2, unitsPerCount: 5, below: 300000 },   // 50 ms
    { code: 3, unitsPerCount: 10, below: 600000 }   // 100 ms
]
var maxCount = 0xFFFF

function parseEvent(event) {
    var type, info
    if (typeof event === "string") {
        var comma = event.indexOf(",")
        var digit = event.charAt(0)
        if (digit < "0" || digit > "9" || digit === "")
            return null
        type = Number(digit)
        info = comma < 0 ? "" : event.substring(comma + 1)
    } else if (event !== null && typeof event === "object") {
        type = Number(event.type)
        info = event.info === undefined || event.info === null ? "" : String(event.info)
    } else {
        return null
    }
    if (!(type >= 0 && type <= 4) || Math.floor(type) !== type)
        return null
    return { type: type, info: info }
}

function milliseconds(info) {
    var ms = Number(info)
    return isFinite(ms) && ms > 0 ? Math.floor(ms) : 0
}

function lookUp(codeOf, name) {
    var code = 0
    if (typeof codeOf === "function")
        code = codeOf(name)
    else if (codeOf && typeof codeOf.strTokeycode === "function")
        code = codeOf.strTokeycode(name)
    code = Number(code)
    return isFinite(code) ? (code & 0xFF) : 0
}

// One entry per press or release event with the pause (ms) that follows it.
// Delays before the first such event have nothing to follow and are dropped.
function entriesOf(events, codeOf) {
    var entries = []
    if (!events)
        return entries
    // A list model of the editor, or a plain list.
    var isModel = typeof events.get === "function" && events.count !== undefined
    var count = isModel ? events.count : events.length
    for (var i = 0; i < count; ++i) {
        var event = parseEvent(isModel ? events.get(i) : events[i])
        if (event === null)
            continue
        if (event.type === 0) {
            if (entries.length > 0)
                entries[entries.length - 1].pauseMs += milliseconds(event.info)
            continue
        }
        entries.push({
            release: event.type === 2 || event.type === 4,
            code: codeOf === undefined ? 0 : lookUp(codeOf, event.info),
            pauseMs: 0
        })
    }
    return entries
}

function pauseOf(entries, i) {
    if (i === entries.length - 1)
        return 0
    return Math.floor(entries[i].pauseMs / 10)
}

function entryBytes(entries, i) {
    var entry = entries[i]
    var flag = entry.release ? releaseBit : 0
    var units = pauseOf(entries, i)
    if (units < longPauseUnits)
        return [flag | Math.max(units, 1), entry.code]
    var unit = pauseUnits[pauseUnits.length - 1]
    for (var u = 0; u < pauseUnits.length; ++u) {
        if (units < pauseUnits[u].below) {
            unit = pauseUnits[u]
            break
        }
    }
    var count = Math.min(Math.floor(units / unit.unitsPerCount), maxCount)
    return [flag, entry.code, 0, unit.code, (count >> 8) & 0xFF, count & 0xFF]
}

function sizeOf(entries) {
    if (entries.length === 0)
        return 2
    var size = 4
    for (var i = 0; i < entries.length; ++i)
        size += pauseOf(entries, i) < longPauseUnits ? 2 : 6
    return size
}

// The payload's length as the editor counts it before adding an event
// (2 without press or release events, else 2 per event + 4, plus 4 for every
// long pause between two of them); it may pass 128 when the last event added
// brought a long pause, which build() then keeps within 128.
function encodedLength(events) {
    return sizeOf(entriesOf(events))
}

// Whether the editor may still add an event.
function hasRoom(events) {
    return encodedLength(events) < editorLimit
}

// A payload that would pass the 128 bytes the mouse takes is brought within
// them. A macro of more events than fit at all (only one made outside the
// editor) keeps its first 62; then long pauses, from the last one back, are
// shortened to the longest short pause, so that every event stays and every
// pressed key is released again.
function fitted(entries) {
    var maxEntries = (maxBytes - 4) / 2
    if (entries.length > maxEntries)
        entries = entries.slice(0, maxEntries)
    for (var i = entries.length - 2; i >= 0 && sizeOf(entries) > maxBytes; --i) {
        if (pauseOf(entries, i) >= longPauseUnits)
            entries[i].pauseMs = longestShortPause * 10
    }
    return entries
}

function repeatBytes(repeat) {
    var count = Math.floor(Number(repeat))
    if (!isFinite(count) || count < 0)
        count = 0
    count = Math.min(count, 0xFFFF)
    return [(count >> 8) & 0xFF, count & 0xFF]
}

// The byte list for mouseSendMacroData. codeOf turns a key or button name
// into its code (a function, or the key-name table with strTokeycode); a name
// it does not know gives 0.
function build(events, repeat, codeOf) {
    var lookup = codeOf === undefined ? function () { return 0 } : codeOf
    var entries = fitted(entriesOf(events, lookup))
    var bytes = repeatBytes(repeat)
    if (entries.length === 0)
        return bytes
    for (var i = 0; i < entries.length; ++i)
        bytes = bytes.concat(entryBytes(entries, i))
    return bytes.concat([0, 0])
}

// A macro as loadMacroIni returns it: the events, then the repeat count.
function fromStored(texts) {
    if (!texts || texts.length === 0)
        return { events: [], repeat: 0 }
    var events = []
    for (var i = 0; i < texts.length - 1; ++i)
        events.push(String(texts[i]))
    return { events: events, repeat: Number(texts[texts.length - 1]) || 0 }
}
