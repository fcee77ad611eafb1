.pragma library

// The gun editor's rules, apart from its layout: the six records and what a
// stored record becomes, the slot assignment, the target dot, the rate
// slider and the checks on typed values and names.

var gunCount = 6
var slotCount = 3
var triggerKey = "L-Click"

// Position, built-in name and picture (a file of the skin's group gun).
var builtInGuns = [
    { gunName: "M416", picture: "M416" },
    { gunName: "AKM", picture: "AKM" },
    { gunName: "M16A4", picture: "M16A4" },
    { gunName: "SCAR-L", picture: "SCAR-L" },
    { gunName: "UNP9", picture: "UNP9" },
    { gunName: "Thomson", picture: "Thomson" }
]

var builtInValues = { gunKey: triggerKey, gunPeriod: "10", gunX: "0", gunY: "10", gunTimes: "0" }

var minY = 0
var maxY = 64
var minTimes = 0
var maxTimes = 255
var minPeriod = 5
var periodSpan = 86          // the slider's travel covers 5 to 91 ms
var periodSuffix = "ms"          // as the macro delays are written
var dotTravel = 94           // pixels of the dot's path for Y 0 to 64
var maxNameLength = 16

// After a factory reset slots 1 to 3 hold the first three records, with
// these cursor adjustments and this period.
var resetSlots = [0, 1, 2]
var resetY = [5, 7, 8]
var resetPeriod = 9

function isWhole(text) {
    return /^\s*-?[0-9]+\s*$/.test(String(text))
}

function clamp(value, low, high) {
    return Math.max(low, Math.min(high, value))
}

// A whole number within [low, high] as text, or `fallback` for anything
// else (empty, not a number, out of range).
function checkedNumber(value, low, high, fallback) {
    if (value === undefined || value === null || !isWhole(value))
        return fallback
    var n = parseInt(String(value), 10)
    return n < low || n > high ? fallback : String(n)
}

// The element values of list position `position` from what getGunData gave.
// A record the file lacks, or a value that is missing or out of range,
// keeps the built-in value, so the page never shows "undefined".
function elementOf(position, stored) {
    var values = Array.isArray(stored) || (stored && stored.length !== undefined) ? stored : []
    var at = function(i) { return i < values.length ? values[i] : undefined }
    var name = at(0) === undefined || at(0) === null ? "" : String(at(0)).trim()
    var key = at(1) === undefined || at(1) === null ? "" : String(at(1)).trim()
    return {
        gunName: name !== "" ? name : builtInGuns[position].gunName,
        picture: builtInGuns[position].picture,
        gunKey: key !== "" ? key : builtInValues.gunKey,
        gunPeriod: checkedNumber(at(2), 1, 255, builtInValues.gunPeriod),
        gunX: checkedNumber(at(3), -128, 255, builtInValues.gunX),
        gunY: checkedNumber(at(4), minY, maxY, builtInValues.gunY),
        gunTimes: checkedNumber(at(5), minTimes, maxTimes, builtInValues.gunTimes)
    }
}

// The six values of a record as mouseSaveGundata takes them.
function recordOf(element) {
    return [element.gunName, element.gunKey, element.gunPeriod, element.gunX, element.gunY, element.gunTimes]
}

// What a slot sends to the mouse: repeat count, X and Y.
function slotValues(element) {
    return [Number(element.gunTimes), Number(element.gunX), Number(element.gunY)]
}

// "mouse/selectGun" as three list positions; a stored list that is not
// three positions 0 to 5 gives the factory assignment.
function slotsOf(stored) {
    if (!stored || stored.length !== slotCount)
        return resetSlots.slice(0)
    var slots = []
    for (var i = 0; i < slotCount; ++i) {
        var position = checkedNumber(stored[i], 0, gunCount - 1, null)
        if (position === null)
            return resetSlots.slice(0)
        slots.push(Number(position))
    }
    return slots
}

// The assignment after clicking list position `position` while slot index
// `slot` (0 to 2) is chosen in the drop-down.
function assigned(slots, slot, position) {
    var result = slots.slice(0)
    result[slot] = position
    return result
}

// The slots (1 to 3) that hold list position `position`, for its badge.
function slotsHolding(slots, position) {
    var held = []
    for (var i = 0; i < slots.length; ++i) {
        if (slots[i] === position)
            held.push(i + 1)
    }
    return held
}

// The dot's offset from the top of its path for a Y adjustment, and the Y
// adjustment of an offset: lower on the target is larger.
function dotOffset(y) {
    return Math.round(clamp(Number(y), minY, maxY) * dotTravel / maxY)
}

function yOfOffset(offset) {
    return Math.round(clamp(Number(offset), 0, dotTravel) * maxY / dotTravel)
}

// The rate slider: its share of the travel for a period, and the period of
// a share.
function sliderShare(period) {
    return clamp((Number(period) - minPeriod) / periodSpan, 0, 1)
}

function periodOfShare(share) {
    return minPeriod + Math.round(clamp(Number(share), 0, 1) * periodSpan)
}

function periodText(period) {
    return String(period) + periodSuffix
}

// The period of a rate text is its one or two leading digits.
function periodOfText(text) {
    var match = /^([0-9]{1,2})/.exec(String(text))
    return match ? Number(match[1]) : null
}

// A typed value: a whole number is held within [low, high] and given as
// text; anything else gives null and the field shows the old value again.
function typedNumber(text, low, high) {
    if (!isWhole(text))
        return null
    return String(clamp(parseInt(String(text), 10), low, high))
}

// The record file keeps a record under its position ("gunData/3") and
// a renamed one under its name as well, so a name that is a position would
// take the place of that record.
function isPositionText(name) {
    return /^[0-9]+$/.test(String(name))
}

// A new name for position `position` is taken when it is not empty after
// trimming, fits the field, is no number, holds no path or list separator
// (the name becomes a key of the record file and an entry of the name
// list), and no other element has it. Gives the trimmed name, or "" when
// refused.
function acceptedName(names, position, text) {
    var name = String(text === undefined || text === null ? "" : text).trim()
    if (name === "" || name.length > maxNameLength || isPositionText(name) || /[\/\\,=\[\]"]/.test(name))
        return ""
    for (var i = 0; i < names.length; ++i) {
        if (i !== position && names[i] === name)
            return ""
    }
    return name === names[position] ? "" : name
}
