.pragma library

// The name lists store a list of one name as two entries, the name and this
// sentinel, so that the settings file keeps it as a list.
var sentinel = "loaderzorvex"

// The stored entries as texts, without the padding of a one-name list.
function withoutSentinel(stored) {
    if (!stored || typeof stored === "string" || stored.length === undefined)
        return []
    var texts = []
    for (var i = 0; i < stored.length; ++i)
        texts.push(String(stored[i]))
    if (texts.length === 2 && texts[1] === sentinel)
        texts.pop()
    return texts
}
