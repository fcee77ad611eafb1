.pragma library

// The events of a macro as the editor holds them ({ type, info }) and as the
// macro file stores them ("type,info"), and where the editor's insertions go.

var Delay = 0
var KeyPress = 1
var KeyRelease = 2
var ButtonPress = 3
var ButtonRelease = 4

// Codes from here on are mouse buttons, below it keyboard keys.
var firstButtonCode = 0xF0
var leftButton = 0xF0
var rightButton = 0xF1
var middleButton = 0xF2

var insertedDelayMs = 50
var maxDelayMs = 65535
var maxRepeat = 9999
var repeatDigits = 4

function isDelay(type) { return Number(type) === Delay }
function isPress(type) { return Number(type) === KeyPress || Number(type) === ButtonPress }
function isRelease(type) { return Number(type) === KeyRelease || Number(type) === ButtonRelease }

// The event type of a key or button going down or up.
function typeOf(isDown, code) {
    var button = Number(code) >= firstButtonCode
    if (isDown)
        return button ? ButtonPress : KeyPress
    return button ? ButtonRelease : KeyRelease
}

function toText(event) {
    return String(event.type) + "," + String(event.info)
}

// The type is the first character, the info everything after the first
// comma. A text without a comma (a missing entry reads as "0"), with no event
// type first, or a delay that is no number of milliseconds is no event.
function fromText(text) {
    var stored = String(text)
    var type = Number(stored.charAt(0))
    var comma = stored.indexOf(",")
    if (comma !== 1 || !(type >= Delay && type <= ButtonRelease))
        return null
    var info = stored.substring(comma + 1)
    if (type === Delay && !/^[0-9]+$/.test(info))
        return null
    return { type: type, info: info }
}

// A macro as loadMacroIni returns it: the event texts, then the repeat count.
// A missing file gives no texts at all: no events and the repeat of a new
// macro. Texts that are no event are left out and counted.
function fromStored(texts) {
    var macro = { events: [], repeat: "1", skipped: 0 }
    if (!texts || texts.length === 0)
        return macro
    for (var i = 0; i < texts.length - 1; ++i) {
        var event = fromText(texts[i])
        if (event === null)
            ++macro.skipped
        else
            macro.events.push(event)
    }
    macro.repeat = String(texts[texts.length - 1])
    return macro
}

// The texts saveMacroIni takes, from a list model or a plain list.
function toStored(events) {
    var texts = []
    var isModel = events && typeof events.get === "function"
    var count = isModel ? events.count : events.length
    for (var i = 0; i < count; ++i)
        texts.push(toText(isModel ? events.get(i) : events[i]))
    return texts
}

// The repeat field when its input ends: an empty field or a value below 1
// becomes 0.
function repeatFromInput(text) {
    var value = parseInt(String(text), 10)
    if (!(value >= 1))
        return 0
    return Math.min(value, maxRepeat)
}

// A delay typed in place of `old`: a whole number, held at 65535 at most
// (the editor says so); anything else keeps the old value.
function delayFromInput(text, old) {
    var stored = String(text).trim()
    if (!/^[0-9]+$/.test(stored))
        return old
    return Math.min(parseInt(stored, 10), maxDelayMs)
}

// Insert Delay goes before the selected event.
function delayIndex(selected, count) {
    return selected >= 0 && selected < count ? selected : count
}

// Insert Key goes before the selected event, or after it when it is the last.
function keyIndex(selected, count) {
    if (selected < 0 || selected >= count - 1)
        return count
    return selected
}

// Insert Left, Middle or Right Key goes right after the selected event.
function buttonIndex(selected, count) {
    if (selected < 0 || selected >= count)
        return count
    return selected + 1
}

// A press and then a release of `code`, called `name`.
function tap(code, name) {
    return [{ type: typeOf(true, code), info: name }, { type: typeOf(false, code), info: name }]
}

// What a row of the event list shows.
function label(event) {
    return isDelay(event.type) ? String(event.info) + " ms" : String(event.info)
}
