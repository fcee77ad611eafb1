.pragma library
.import "../common/NameLists.js" as NameLists

// The macro names: the stored name list, the next free name of a new macro
// and the rules for a new name. Each name is also the macro file's base name.

var maxMacros = 100
var newNamePrefix = "Macro_"
// Long enough for any name a user types, short enough that the file name,
// and the lock file the settings layer makes beside it, stay valid.
var maxNameLength = 40

// A list longer than the editor makes is shown whole, so that storing it
// again loses no name; it only takes no more.
function fromStored(stored) {
    return NameLists.withoutSentinel(stored)
}

function canAdd(names) {
    return names.length < maxMacros
}

// "Macro_" and the smallest k from 0 that no macro has.
function nextFree(names) {
    var k = 0
    while (k < maxMacros && names.indexOf(newNamePrefix + k) >= 0)
        ++k
    return newNamePrefix + k
}

// Whether a name can be a macro file's name and come back from the name list
// as it was: something besides blanks, no folder separator or control
// character, not a folder of its own, not the list's sentinel.
function isStorable(name) {
    var text = String(name)
    if (text.trim() === "" || text.length > maxNameLength)
        return false
    if (text === "." || text === ".." || text === NameLists.sentinel)
        return false
    return !/[\/\\\u0000-\u001f\u007f]/.test(text)
}

// Why macro `index` cannot be renamed to `name`, or "" when it can.
function renameProblem(names, index, name) {
    var text = String(name)
    if (index < 0 || index >= names.length || names[index] === text)
        return "unchanged"
    if (!isStorable(text))
        return "unstorable"
    if (names.indexOf(text) >= 0)
        return "taken"
    return ""
}
