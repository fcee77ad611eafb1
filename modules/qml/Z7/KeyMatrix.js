.pragma library
.import "../common/Factory.js" as Factory

// The key list's rules: the start values of the sixteen keys, how a stored
// entry is read, which key may not be reassigned, and the values the list
// hands to the controller when it is saved.

var keyTotal = 16
var buttonCount = 8

// The factory profile's keys, key 0 first: left, right, middle, forward,
// back, DPI up, DPI down, double click, six unassigned keys and the two
// special keys.
var startValues = Factory.keyMatrix

var defaultTexts = ["Key ", "Key Function", "", "", ""]

// The fire period of a gun the gun page cannot tell (its presets' value).
var defaultGunPeriod = 10

// A stored entry as four integers 0 to 255, or null for anything else (a
// missing key, a short list, a value that is no byte), so that one damaged
// key never shifts or corrupts the others.
function entryFrom(stored) {
    if (!stored || stored.length === undefined || stored.length < 4)
        return null
    var entry = []
    for (var i = 0; i < 4; ++i) {
        var text = String(stored[i]).trim()
        if (!/^[0-9]{1,3}$/.test(text) || parseInt(text, 10) > 255)
            return null
        entry.push(parseInt(text, 10))
    }
    return entry
}

function isLeftButton(entry) {
    return Number(entry[0]) === 0 && Number(entry[2]) === 0xF0
}

// True when key `index` is the only key that carries the left button: the
// mouse would be left without one, so that key cannot be reassigned.
function isOnlyLeftButton(entries, index) {
    if (index < 0 || index >= entries.length || !isLeftButton(entries[index]))
        return false
    for (var i = 0; i < entries.length; ++i) {
        if (i !== index && isLeftButton(entries[i]))
            return false
    }
    return true
}

// "Key " and 3 give "Key 3"; a prefix without a trailing blank gets one.
function buttonName(prefix, number) {
    var p = String(prefix)
    return (p === "" || /\s$/.test(p) ? p : p + " ") + number
}

// The 64 values of the controller's key matrix: key i at 4i to 4i + 3.
function matrixValues(entries) {
    var values = []
    for (var k = 0; k < keyTotal; ++k) {
        var entry = entries[k] || [0, 0, 0, 0]
        for (var c = 0; c < 4; ++c)
            values.push(Number(entry[c]) || 0)
    }
    return values
}

// The fire periods of the guns held by gun slots 1 to 3. `periodAt(p)` is
// the period of the gun at list position p, or NaN when there is none.
function gunPeriods(slots, periodAt) {
    var periods = []
    for (var g = 0; g < 3; ++g) {
        var period = slots && slots[g] !== undefined ? Number(periodAt(Number(slots[g]))) : NaN
        periods.push(isFinite(period) && period > 0 ? Math.round(period) : defaultGunPeriod)
    }
    return periods
}
