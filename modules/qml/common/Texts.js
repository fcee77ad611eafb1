.pragma library

// Texts loaded from a language file take the place of the built-in ones
// position by position. A missing file or group gives an empty list, and a
// missing entry an empty text; both keep the built-in text, so a page never
// goes blank and positions never shift.
function merged(builtIn, loaded) {
    var result = builtIn.slice(0)
    if (!loaded)
        return result
    var count = Math.min(result.length, loaded.length)
    for (var i = 0; i < count; ++i) {
        var text = loaded[i]
        if (text !== undefined && text !== null && String(text) !== "")
            result[i] = String(text)
    }
    return result
}
