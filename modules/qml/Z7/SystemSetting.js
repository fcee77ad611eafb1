.pragma library

// The system settings page's values: knob positions become the indices the
// pointer settings take, and the wheel setting is either a row count or one
// screen at a time.

// The index of a knob position is the first i whose threshold lies above it.
var compareValue = [4, 37, 70, 104, 138, 172, 205, 239, 272, 305, 338]
var oneScreen = 1000
var minRows = 1
var maxRows = 100

// What saveData(isSendData, isStep) applies for each step.
var applyAll = 0
var applySpeed = 1
var applyDoubleClick = 2
var applyScroll = 3

function indexOfPosition(position) {
    var p = Number(position)
    for (var i = 0; i < compareValue.length; ++i) {
        if (p < compareValue[i])
            return i
    }
    return 0
}

// The knob position at the start of step `index`'s stretch, the one a
// step chosen without the slider takes.
function positionOfIndex(index) {
    var i = Math.max(0, Math.min(compareValue.length - 1, Math.round(Number(index))))
    return i === 0 ? 0 : compareValue[i - 1]
}

function applies(step, setting) {
    return step === applyAll || step === setting
}

// A stored knob position as a number, or `fallback` when it is none.
function storedPosition(value, fallback) {
    var text = String(value === undefined || value === null ? "" : value).trim()
    return /^-?[0-9]+$/.test(text) ? parseInt(text, 10) : fallback
}

// How a stored "mouse/scrollRate" shows: { oneScreen, rows } where rows is
// the text for the field, or "" to leave the field as it is.
function scrollMode(stored) {
    var text = String(stored === undefined || stored === null ? "" : stored).trim()
    if (!/^-?[0-9]+$/.test(text))
        return { oneScreen: false, rows: "" }
    var value = parseInt(text, 10)
    if (value > maxRows)
        return { oneScreen: true, rows: "" }
    return { oneScreen: false, rows: String(Math.max(minRows, value)) }
}

// The row count a field text commits to: empty or below 1 becomes 1, more
// than 100 becomes 100.
function committedRows(text) {
    var t = String(text === undefined || text === null ? "" : text).trim()
    var value = /^[0-9]+$/.test(t) ? parseInt(t, 10) : 0
    return Math.min(maxRows, Math.max(minRows, value))
}

// The value stored under "mouse/scrollRate".
function scrollValue(isOneScreen, rowsText) {
    return isOneScreen ? oneScreen : committedRows(rowsText)
}

// How many of the seven bars of the wheel picture are lit: the rows on a
// rough logarithmic scale, all seven for one screen.
var rowLevels = [1, 3, 6, 12, 30, 100]

function scrollLevel(isOneScreen, rowsText) {
    if (isOneScreen)
        return rowLevels.length
    var rows = committedRows(rowsText)
    var level = 0
    while (rows > rowLevels[level])
        ++level
    return level
}
