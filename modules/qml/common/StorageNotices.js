.pragma library

// What the window says about settings files the program could not use:
// "Not saved on this computer:" and the file, one line per file and fault.
// The kinds are those the controller's storageFailed sends.

var builtInTexts = [
    "Not saved on this computer:",
    "Not read as it is larger than 1 MiB:",
    "Neither read nor written (a link or no regular file):",
    "The settings folder cannot be used and changes will not be kept:"
]

// Lines shown at once; older ones give way.
var shownLines = 3

// The line of one fault in the given texts (a language group merged over
// builtInTexts); an unknown kind reads as a failed save.
function line(texts, entry) {
    var kind = Number(entry.kind)
    var label = kind >= 0 && kind < builtInTexts.length ? texts[kind] : texts[0]
    return label + " " + entry.path
}

// The entries after `entry` has come in: a fault already shown moves to the
// end instead of showing twice; the newest `shownLines` stay.
function added(entries, entry) {
    var out = entries.filter(function(e) { return !(Number(e.kind) === Number(entry.kind) && e.path === entry.path) })
    out.push({ kind: Number(entry.kind), path: String(entry.path) })
    return out.slice(-shownLines)
}
