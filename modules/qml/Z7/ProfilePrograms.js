.pragma library

// The list of programs a profile is used for while one of them is in front,
// as the profile dialog edits it. Programs are window class names; letter
// case does not matter. The program keeps the list (AutoProfile) and cleans
// it again when it stores it.

// Texts of the "profile" language group from this position on; the
// built-in English stands in for an empty one.
var firstText = 8
var Index = {
    open: 0,        // the dialog's button
    title: 1,       // above the list
    add: 2,
    pick: 3,
    done: 4,
    empty: 5,       // the list is empty
    unavailable: 6, // no focus source on this desktop
    notStored: 7,
    noWindows: 8,
    placeholder: 9
}
var defaultTexts = [
    "Use when in front", "Use when in front:", "Add", "Open windows", "Done",
    "No program yet: pick an open window or type its class name.",
    "This desktop does not tell which program is in front: automatic switching is not available.",
    "The list could not be stored.",
    "No other program has a window open.",
    "Class name, e.g. steam"
]

var maxPrograms = 32
var maxLength = 128

function text(languageTexts, index) {
    var t = languageTexts ? languageTexts[firstText + index] : undefined
    return t === undefined || t === null || String(t) === "" ? defaultTexts[index] : String(t)
}

function has(list, program) {
    var wanted = String(program).toLowerCase()
    return (list || []).some(function(p) { return String(p).toLowerCase() === wanted })
}

// The list with `typed` added at its end, or null when there is nothing to
// add: blank, listed already, too many.
function added(list, typed) {
    var program = String(typed === undefined || typed === null ? "" : typed).trim().slice(0, maxLength)
    var current = list || []
    if (program === "" || has(current, program) || current.length >= maxPrograms)
        return null
    return current.concat([program])
}

function removed(list, index) {
    var current = (list || []).slice(0)
    if (index >= 0 && index < current.length)
        current.splice(index, 1)
    return current
}

// The picker's rows: open windows of programs not listed yet, one row per
// program, named by title and class.
function pickable(windows, list) {
    var rows = []
    ;(windows || []).forEach(function(w) {
        var program = String(w && w.windowClass ? w.windowClass : "").trim()
        if (program === "" || has(list, program) || rows.some(function(r) { return r.windowClass === program }))
            return
        var title = String(w.title || "").trim()
        rows.push({ windowClass: program, label: title === "" || title === program ? program : title + " — " + program })
    })
    return rows
}
