.pragma library

// The report rates the box offers, in its order. The profile stores the
// position; the mouse takes the time between reports in milliseconds.
var rates = [125, 250, 500, 1000]
var deviceValues = [8, 4, 2, 1]

function rateText(position) {
    return rates[position] + "Hz"
}

// The position as stored, whether it comes back as text or as a number;
// -1 for anything that is not one of the four.
function indexOf(stored) {
    if (stored === undefined || stored === null)
        return -1
    var text = String(stored).trim()
    if (!/^[0-9]+$/.test(text))
        return -1
    var i = parseInt(text, 10)
    return i >= 0 && i < deviceValues.length ? i : -1
}

function deviceValue(index) {
    var i = indexOf(index)
    return i < 0 ? 0 : deviceValues[i]
}
