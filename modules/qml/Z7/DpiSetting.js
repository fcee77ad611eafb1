.pragma library
.import "../common/Factory.js" as Factory

// The DPI panel's arithmetic: where a stage's knob sits for a value, what
// value a knob position stands for, and how stored settings are read.

var stageLimit = 8
var travelStart = 3          // knob x at the left end of the 176-pixel track
var travelEnd = 161          // knob x at the right end
// The factory files' values, for settings that are missing or unusable.
var defaultValues = Factory.dpiValues
var defaults = Factory.dpi

function wholeNumber(value) {
    if (typeof value === "number" && isFinite(value))
        return Math.floor(value)
    if (typeof value === "string" && /^\s*-?[0-9]+\s*$/.test(value))
        return parseInt(value, 10)
    return undefined
}

// The range and step as the panel works with them. A step of 0 or a range
// that runs backwards would make every position meaningless, so such
// settings fall back to the built-in ones with a warning.
function limits(minDPI, maxDPI, dpiBase) {
    var lo = given(minDPI) ? wholeNumber(minDPI) : defaults.minDPI
    var hi = given(maxDPI) ? wholeNumber(maxDPI) : defaults.maxDPI
    var step = given(dpiBase) ? wholeNumber(dpiBase) : defaults.dpiBase
    if (lo === undefined || hi === undefined || lo < 0 || hi <= lo) {
        console.warn("ui: DPI range", minDPI, "to", maxDPI, "is unusable; using",
                     defaults.minDPI, "to", defaults.maxDPI)
        lo = defaults.minDPI
        hi = defaults.maxDPI
    }
    if (step === undefined || step <= 0) {
        console.warn("ui: DPI step", dpiBase, "is unusable; using", defaults.dpiBase)
        step = defaults.dpiBase
    }
    return { minDPI: lo, maxDPI: hi, dpiBase: step }
}

// A setting that is not stored at all takes its default without a word.
function given(value) {
    return value !== undefined && value !== null && value !== ""
}

// The value a knob at `position` stands for, rounded down to the step.
function valueAt(position, minDPI, maxDPI, dpiBase) {
    var p = Math.max(travelStart, Math.min(travelEnd, Math.round(Number(position))))
    var span = travelEnd - travelStart
    return Math.floor(((p - travelStart) * (maxDPI - minDPI) / span + minDPI) / dpiBase) * dpiBase
}

// Where the knob sits for a value: its share of the range along the travel.
function positionOf(value, minDPI, maxDPI) {
    var v = Number(value)
    if (!isFinite(v) || maxDPI <= minDPI)
        return travelStart
    var ratio = Math.max(0, Math.min(1, (v - minDPI) / (maxDPI - minDPI)))
    return travelStart + Math.round(ratio * (travelEnd - travelStart))
}

// Stage counts are 1 to 8; anything else is reported and brought into range.
function stageCount(value, fallback, most) {
    var n = wholeNumber(value)
    var top = most === undefined ? stageLimit : most
    if (n === undefined) {
        if (given(value))
            console.warn("ui: DPI stage count", value, "is not a number; using", fallback)
        n = fallback
    }
    if (n < 1 || n > top) {
        var kept = Math.max(1, Math.min(top, n))
        console.warn("ui: DPI stage count", n, "is out of range; using", kept)
        n = kept
    }
    return n
}

// The items of the stage-count list: "1" to the number the mouse offers.
function stageItems(dpiCount) {
    var items = []
    for (var i = 1; i <= dpiCount; ++i)
        items.push(String(i))
    return items
}

// A stored value brought into the device's range ({ minDPI, maxDPI,
// dpiBase } as limits() gives it) and onto its steps: the sensor codes wrap
// for values outside it.
function inRange(value, range) {
    var lo = range.minDPI, hi = range.maxDPI, step = range.dpiBase
    var v = Math.round(Math.max(lo, Math.min(hi, value)) / step) * step
    if (v > hi)
        v -= step
    if (v < lo)
        v = lo
    return v
}

// Eight stage values from a stored list. A stage whose value is missing or
// unreadable keeps the built-in value, so that saving never writes a hole;
// with a range, every value is brought into it.
function stageValues(stored, range) {
    var values = defaultValues.slice(0)
    var list = stored && stored.length !== undefined && typeof stored !== "string" ? stored : []
    if (list.length > 0 && list.length < stageLimit)
        console.warn("ui: stored DPI list has", list.length, "values; the rest keep their defaults")
    for (var i = 0; i < stageLimit && i < list.length; ++i) {
        var v = wholeNumber(list[i])
        if (v === undefined)
            console.warn("ui: stored DPI value", list[i], "of stage", i + 1, "is not a number")
        else
            values[i] = v
    }
    for (var j = 0; range && j < stageLimit; ++j) {
        var kept = inRange(values[j], range)
        if (kept !== values[j])
            console.warn("ui: DPI value", values[j], "of stage", j + 1, "is outside", range.minDPI, "to",
                         range.maxDPI, "in steps of", range.dpiBase, "; using", kept)
        values[j] = kept
    }
    return values
}

// What saving the panel writes and sends, in order, as [slot, arguments].
function saveCalls(values, currentDpiCount, sensorType, isSendData) {
    var ints = values.map(function(v) { return Math.floor(Number(v)) })
    var calls = [
        ["setDataList", ["mouse/dpiValueArray", ints]],
        ["setData", ["mouse/currentDpiCount", currentDpiCount]]
    ]
    if (isSendData)
        calls.push(["mouseSetDpi", [currentDpiCount, sensorType, ints]])
    return calls
}
