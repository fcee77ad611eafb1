.pragma library

// What the window says about settings files the program could not use:
// "Not saved on this computer:" and the file, as a failure notice that stays
// until dismissed. The kinds are those the controller's storageFailed sends.

var builtInTexts = [
    "Not saved on this computer:",
    "Not read as it is larger than 1 MiB:",
    "Neither read nor written (a link or no regular file):",
    "The settings folder cannot be used and changes will not be kept:"
]

// The line of one fault in the given texts (a language group merged over
// builtInTexts); an unknown kind reads as a failed save.
function line(texts, fault) {
    var kind = Number(fault.kind)
    var label = kind >= 0 && kind < builtInTexts.length ? texts[kind] : texts[0]
    return label + " " + fault.path
}

// The notice tag of a fault: one notice per kind, the latest file in it.
function tag(fault) {
    var kind = Number(fault.kind)
    return "computer" + (kind > 0 && kind < builtInTexts.length ? kind : "")
}
