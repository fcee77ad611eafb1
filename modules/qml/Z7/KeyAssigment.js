.pragma library

// What a key of the mouse can do, as the assignment dialog offers it: the
// entries (type, p1, p2, p3) behind every choice, the text of an entry, the
// capture of a fire key and of a key combination, and the rule that decides
// what closing the dialog changes. Texts are looked up by their index in the
// dialog's language list, so a translation never touches this file.

var Type = {
    mouse: 0, fire: 1, combo: 2, media: 3, macro: 4, dpi: 5, windows: 6, shortcut: 7, gun: 8, special: 255
}

// The built-in English texts, replaced as a whole by the language file.
var defaultTexts = [
    "Key ", "Mouse Function",
    "Left Key", "Middle Key", "Right Key", "Forward Key", "Back Key", "Double Fire",
    "Fire Function", "Key Value", "Click Input", "Rate", "Times", "Endness",
    "Group Function", "Media Function", "Macro Function", "Macro Editor",
    "Macro runs one-time after pressing the button",
    "Macro runs endless loop until any button is pressed",
    "Macro runs endless loop until button is released",
    "DPI Function", "DPI+", "DPI-", "DPI LOOP", "Windows Function", "Shortcut Function",
    "Player", "Next", "Privous", "Stop", "Mute", "Play/Pause", "Volumn+", "Volumn-",
    "My PC", "Index", "Search", "Max", "Min", "Desktop", "Run",
    "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
    "Gun Function", "One Gun", "Two Gun", "Three Gun", "Sniper Key",
    "", "", ""
]

// Mouse buttons: 0xF0 left, 0xF1 right, 0xF2 middle, 0xF3 back, 0xF4 forward.
var doubleClick = [Type.mouse, 0xF0, 0x1E, 0x02]
var mouseItems = [
    { text: 2, entry: [Type.mouse, 0, 0xF0, 0] },
    { text: 3, entry: [Type.mouse, 0, 0xF2, 0] },
    { text: 4, entry: [Type.mouse, 0, 0xF1, 0] },
    { text: 5, entry: [Type.mouse, 0, 0xF4, 0] },
    { text: 6, entry: [Type.mouse, 0, 0xF3, 0] },
    { text: 7, entry: doubleClick }
]

var mediaItems = [
    { text: 27, entry: [Type.media, 0, 0x83, 0x01] },
    { text: 28, entry: [Type.media, 0, 0xB5, 0x00] },
    { text: 29, entry: [Type.media, 0, 0xB6, 0x00] },
    { text: 30, entry: [Type.media, 0, 0xB7, 0x00] },
    { text: 31, entry: [Type.media, 0, 0xE2, 0x00] },
    { text: 32, entry: [Type.media, 0, 0xCD, 0x00] },
    { text: 33, entry: [Type.media, 0, 0xE9, 0x00] },
    { text: 34, entry: [Type.media, 0, 0xEA, 0x00] }
]

var windowsItems = [
    { text: 35, entry: [Type.windows, 0, 0x94, 0x01] },
    { text: 36, entry: [Type.windows, 0, 0x23, 0x02] },
    { text: 37, entry: [Type.windows, 0, 0x21, 0x02] },
    { text: 38, entry: [Type.windows, 0x04, 0x2C, 0x1B] },
    { text: 39, entry: [Type.windows, 0x04, 0x2C, 0x11] },
    { text: 40, entry: [Type.windows, 0, 0xE3, 0x07] },
    { text: 41, entry: [Type.windows, 0, 0xE3, 0x15] }
]

var shortcutItems = [
    { text: 42, entry: [Type.shortcut, 0, 0xE0, 0x11] },
    { text: 43, entry: [Type.shortcut, 0, 0xE0, 0x1B] },
    { text: 44, entry: [Type.shortcut, 0, 0xE0, 0x06] },
    { text: 45, entry: [Type.shortcut, 0, 0xE0, 0x19] },
    { text: 46, entry: [Type.shortcut, 0, 0xE0, 0x16] },
    { text: 47, entry: [Type.shortcut, 0, 0xE0, 0x13] },
    { text: 48, entry: [Type.shortcut, 0, 0xE0, 0x09] },
    { text: 49, entry: [Type.shortcut, 0, 0xE0, 0x1C] },
    { text: 50, entry: [Type.shortcut, 0, 0xE0, 0x1D] },
    { text: 51, entry: [Type.shortcut, 0, 0xE0, 0x04] }
]

var dpiItems = [
    { text: 22, entry: [Type.dpi, 0, 1, 0] },
    { text: 23, entry: [Type.dpi, 0, 2, 0] },
    { text: 24, entry: [Type.dpi, 0, 3, 0] },
    { text: 56, entry: [Type.dpi, 0, 4, 0] }
]

var gunItems = [
    { text: 53, entry: [Type.gun, 0, 1, 0] },
    { text: 54, entry: [Type.gun, 0, 2, 0] },
    { text: 55, entry: [Type.gun, 0, 3, 0] }
]

// Play modes of a macro entry (its p1), in the order of texts 18 to 20.
var macroModeTexts = [18, 19, 20]

// The function sections of the dialog, in the order shown; `gunOnly` ones
// only on a gun mouse.
var sections = [
    { name: "mouse", text: 1 },
    { name: "fire", text: 8 },
    { name: "combo", text: 14 },
    { name: "media", text: 15 },
    { name: "macro", text: 16 },
    { name: "dpi", text: 21 },
    { name: "windows", text: 25 },
    { name: "shortcut", text: 26 },
    { name: "gun", text: 52, gunOnly: true }
]

function visibleSections(isGun) {
    return sections.filter(function(s) { return isGun || !s.gunOnly })
}

// The section that shows an entry of this type.
function sectionOf(type) {
    switch (Number(type)) {
    case Type.fire: return "fire"
    case Type.combo: return "combo"
    case Type.media: return "media"
    case Type.macro: return "macro"
    case Type.dpi: return "dpi"
    case Type.windows: return "windows"
    case Type.shortcut: return "shortcut"
    case Type.gun: return "gun"
    default: return "mouse"
    }
}

var modifierFirst = 0xE0
var modifierLast = 0xE7

function isModifier(code) {
    return code >= modifierFirst && code <= modifierLast
}

function sameEntry(a, b) {
    for (var i = 0; i < 4; ++i) {
        if (Number(a[i]) !== Number(b[i]))
            return false
    }
    return true
}

// The position in `items` whose entry is `entry`, matched by p2 and p3 (the
// values that tell the functions of a type apart); -1 when none is.
function indexOfEntry(items, entry) {
    for (var i = 0; i < items.length; ++i) {
        var e = items[i].entry
        if (e[0] === Number(entry[0]) && e[2] === Number(entry[2]) && e[3] === Number(entry[3]))
            return i
    }
    return -1
}

function textAt(texts, index) {
    var text = texts && texts[index]
    return text === undefined || text === null ? "" : String(text)
}

// The names of a combination: the modifiers in bit order (bit 0 left Ctrl
// up to bit 7 right Win), then the keys that are not 0.
function comboNames(modifiers, key1, key2, keyName) {
    var names = []
    for (var bit = 0; bit < 8; ++bit) {
        if (modifiers & (1 << bit))
            names.push(keyName(modifierFirst + bit))
    }
    if (Number(key1))
        names.push(keyName(Number(key1)))
    if (Number(key2))
        names.push(keyName(Number(key2)))
    return names.filter(function(n) { return n !== "" }).join(" + ")
}

// The text of an entry. keyName(code) names a key; macroName(slot) gives the
// name of the macro stored for a device macro slot.
function entryText(entry, texts, keyName, macroName) {
    var type = Number(entry[0]), p1 = Number(entry[1]), p2 = Number(entry[2]), p3 = Number(entry[3])
    var i
    switch (type) {
    case Type.mouse:
        i = indexOfEntry(mouseItems.slice(0, 5), [type, 0, p2, 0])
        return textAt(texts, i >= 0 ? mouseItems[i].text : 7)
    case Type.fire:
        return keyName(p1)
    case Type.combo:
        return comboNames(p1, p2, p3, keyName)
    case Type.media:
        i = indexOfEntry(mediaItems, entry)
        return i < 0 ? "" : textAt(texts, mediaItems[i].text)
    case Type.macro:
        return macroName(p2)
    case Type.dpi:
        return p2 >= 1 && p2 <= dpiItems.length ? textAt(texts, dpiItems[p2 - 1].text) : ""
    case Type.windows:
        i = indexOfEntry(windowsItems, entry)
        return i < 0 ? "" : textAt(texts, windowsItems[i].text)
    case Type.shortcut:
        i = indexOfEntry(shortcutItems, entry)
        return i < 0 ? "" : textAt(texts, shortcutItems[i].text)
    case Type.gun:
        return p2 >= 1 && p2 <= gunItems.length ? textAt(texts, gunItems[p2 - 1].text) : ""
    default:
        return ""
    }
}

// Fire key: the rate slider's position 0 to 254 is the interval less one
// millisecond; the times field takes 0 to 255, 0 being endless.
var rateDefault = 10
var rateMin = 1
var rateMax = 255
var timesMax = 255

function rateOfPosition(step) {
    return Math.max(rateMin, Math.min(rateMax, Math.round(Number(step)) + 1))
}

function rateText(rate) {
    return rate + "ms"
}

// The number typed into the times field, or -1 when it is none of 0 to 255.
function timesOf(text) {
    var t = String(text).trim()
    if (!/^[0-9]{1,3}$/.test(t))
        return -1
    var n = parseInt(t, 10)
    return n <= timesMax ? n : -1
}

function fireEntry(keyCode, rate, times) {
    return [Type.fire, keyCode, rate, times]
}

// Combination capture. A state is { modifiers, keys }: each modifier press
// adds its bit, each other key is taken as p2, then p3, at most two of them;
// a key already taken is not taken twice.
function comboStart() {
    return { modifiers: 0, keys: [] }
}

function comboAdd(state, code) {
    var c = Number(code)
    var next = { modifiers: state.modifiers, keys: state.keys.slice(0) }
    if (!(c > 0 && c <= 0xFF))
        return next
    if (isModifier(c))
        next.modifiers |= 1 << (c - modifierFirst)
    else if (next.keys.length < 2 && next.keys.indexOf(c) < 0)
        next.keys.push(c)
    return next
}

function comboIsEmpty(state) {
    return state.modifiers === 0 && state.keys.length === 0
}

function comboEntry(state) {
    if (comboIsEmpty(state))
        return null
    return [Type.combo, state.modifiers, state.keys[0] || 0, state.keys[1] || 0]
}

function comboText(state, keyName) {
    return comboNames(state.modifiers, state.keys[0] || 0, state.keys[1] || 0, keyName)
}

function macroEntry(mode, keyIndex) {
    return [Type.macro, mode, keyIndex, 0]
}

// What closing the dialog does: `changed` when any value of the pending
// entry differs from the key's entry, or a macro is pending whose name is not
// the one stored for its slot; `sendMacro` when that change is a macro.
function closeOutcome(stored, pending, storedMacroName, chosenMacroName) {
    var isMacro = Number(pending[0]) === Type.macro
    var changed = !sameEntry(stored, pending) || (isMacro && storedMacroName !== chosenMacroName)
    return { changed: changed, sendMacro: changed && isMacro && chosenMacroName !== "" }
}
