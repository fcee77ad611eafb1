.pragma library

// What typed numbers and names become: digits only, values kept inside their
// range with a visible correction (what is shown is what is stored), and the
// name an imported element takes.

// The digits of a typed text, everything else dropped ("abc-5" is "5").
function digitsOf(text) {
    return String(text === undefined || text === null ? "" : text).replace(/[^0-9]/g, "")
}

// A typed number inside [min, max]: { value, text, corrected }. Nothing
// typed gives min. `corrected` says the field must show `text` instead of
// what was typed, and tell why.
function clamped(text, min, max) {
    var digits = digitsOf(text)
    var typed = String(text === undefined || text === null ? "" : text)
    if (digits === "")
        return { value: min, text: String(min), corrected: typed !== "" }
    var number = parseInt(digits.replace(/^0+(?=[0-9])/, ""), 10)
    var value = Math.max(min, Math.min(max, number))
    var shown = String(value)
    return { value: value, text: shown, corrected: shown !== typed }
}

// The range a field states beside it, "0 - 255".
function rangeText(min, max) {
    return String(min) + " - " + String(max)
}

// A text with "%1" (and "%2") filled in; the language files keep the marks.
function filled(template, first, second) {
    var text = String(template === undefined || template === null ? "" : template)
    text = text.replace("%1", first === undefined ? "" : String(first))
    return text.replace("%2", second === undefined ? "" : String(second))
}

// The name an imported element takes: the file's base name, cut to the
// limit, and where an element has it already, the first free " (k)" from 2.
// An empty base name gives `fallback`.
function importedName(baseName, taken, maxLength, fallback) {
    var base = String(baseName === undefined || baseName === null ? "" : baseName).trim()
    base = base.replace(/[\/\\\u0000-\u001f\u007f]/g, "_")
    if (base === "" || base === "." || base === "..")
        return fallback
    var names = taken || []
    var candidate = base.slice(0, maxLength)
    for (var k = 2; names.indexOf(candidate) >= 0; ++k) {
        var suffix = " (" + k + ")"
        candidate = base.slice(0, Math.max(1, maxLength - suffix.length)) + suffix
        if (k > 1000)
            return fallback
    }
    return candidate
}

// How many more characters a name may take, for the counter beside it.
function lengthText(name, maxLength) {
    return String(String(name === undefined || name === null ? "" : name).length) + "/" + String(maxLength)
}
