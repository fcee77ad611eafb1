.pragma library

// Settings come back from the INI files as texts ("true", "0", "6000") or as
// numbers, depending on how they were written; these read them as the type
// the UI needs. A text "false" must not count as true.
function toBool(value, fallback) {
    if (typeof value === "boolean")
        return value
    if (typeof value === "number")
        return value !== 0
    if (typeof value === "string") {
        var text = value.trim().toLowerCase()
        if (text === "true" || text === "1")
            return true
        if (text === "false" || text === "0")
            return false
    }
    return fallback === undefined ? false : fallback
}

// An integer, or `fallback` for anything that is not a whole number.
function toInt(value, fallback) {
    if (typeof value === "number" && isFinite(value) && Math.floor(value) === value)
        return value
    if (typeof value === "string" && /^\s*-?[0-9]+\s*$/.test(value))
        return parseInt(value, 10)
    return fallback
}

function toText(value, fallback) {
    if (value === undefined || value === null)
        return fallback === undefined ? "" : fallback
    return String(value)
}
