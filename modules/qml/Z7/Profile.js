.pragma library
.import "../common/NameLists.js" as NameLists
.import "../common/ProfileSlots.js" as Slots

// The profile list's rules. An element is { textValue, profileNo }: the name
// the user sees and the slot (0 to 5, the stores' list slots) whose file
// holds the profile. The name
// list stores each element as its name followed by the slot digit; the slot,
// never the element's place in the list, says which file an element means.

// The built-in English texts of the dialog; the sixth names the first
// profile, whatever the list stores for it.
var defaultTexts = [
    "config", "New", "Import", "Delete", "Export", "Standard", "In use",
    "Double-click a name to rename it", "", "", "", "", "", "", "", "", "", "", "", ""
]
var firstProfileText = 5

var maxProfiles = Slots.uiProfileSlots
var newNamePrefix = "profile_"
var lastNameNumber = 12
var maxNameLength = 24

// One stored text as an element, or null when its last character is no
// slot digit below maxProfiles or nothing is left for the name.
function parseEntry(text) {
    var entry = String(text === undefined || text === null ? "" : text)
    if (entry.length < 2)
        return null
    var slot = "0123456789".indexOf(entry.charAt(entry.length - 1))
    if (slot < 0 || slot >= maxProfiles)
        return null
    return { textValue: entry.slice(0, -1), profileNo: slot }
}

// The elements of a stored list, at most six. An entry that names no slot,
// or a slot that an earlier entry holds already, would send two elements to
// one file; it is left out and reported in `rejected`.
function parseList(stored) {
    var elements = []
    var rejected = []
    var texts = NameLists.withoutSentinel(stored)
    for (var i = 0; i < texts.length; ++i) {
        var element = parseEntry(texts[i])
        if (!element || positionOfSlot(elements, element.profileNo) >= 0
                || elements.length >= maxProfiles)
            rejected.push(String(texts[i]))
        else
            elements.push(element)
    }
    return { elements: elements, rejected: rejected }
}

function storedList(elements) {
    return elements.map(function(e) { return e.textValue + String(e.profileNo) })
}

function positionOfSlot(elements, slot) {
    for (var i = 0; i < elements.length; ++i) {
        if (elements[i].profileNo === slot)
            return i
    }
    return -1
}

function slotAt(elements, position) {
    return position >= 0 && position < elements.length ? elements[position].profileNo : -1
}

function hasName(elements, name) {
    return elements.some(function(e) { return e.textValue === name })
}

// The prefix ("profile_", or the language's own) and the first number no
// element is named with.
function freeName(elements, prefix) {
    var start = prefix === undefined || prefix === null || String(prefix) === "" ? newNamePrefix : String(prefix)
    var k = 0
    while (k < lastNameNumber && hasName(elements, start + k))
        ++k
    return start + k
}

// The first slot no element holds, -1 when all are taken.
function freeSlot(elements) {
    for (var n = 0; n < maxProfiles; ++n) {
        if (positionOfSlot(elements, n) < 0)
            return n
    }
    return -1
}

function canAdd(elements) {
    return elements.length < maxProfiles && freeSlot(elements) >= 0
}

// The first element stays, and so does the profile in use.
function canDelete(elements, position, slotInUse) {
    return position > 0 && position < elements.length
            && elements[position].profileNo !== slotInUse
}

// The name a rename would give, or "" when there is none: blanks around it
// go, and a name that any element has (the renamed one too) is refused.
function renamed(elements, newName) {
    var name = String(newName === undefined || newName === null ? "" : newName).trim()
    if (name === "" || hasName(elements, name))
        return ""
    return name
}
