.pragma library

// The UI's short notices, confirmations, reasons and tooltips, position by
// position as the language files' "hint" group holds them; these built-in
// English texts stand in where a file lacks one.
var Index = {
    captureWaiting: 0,      // a capture field while it waits for keys
    keyOneLocked: 1,        // why key 1 keeps its function
    nameLimit: 2,           // "%1" the longest name
    corrected: 3,           // "%1" the value kept, "%2" the range
    exported: 4,            // "%1" the file
    exportFailed: 5,
    imported: 6,
    importFailed: 7,
    deleteProfile: 8,       // "%1" the profile's name
    resetKeys: 9,
    resetLighting: 10,
    deleteMacro: 11,        // "%1" the macro's name
    noMacro: 12,
    gunSetsX: 13,
    minimise: 14,
    closeToTray: 15,
    help: 16,
    version: 17,            // "%1" the version
    profilePrefix: 18       // a new profile's name before its number
}

var defaultTexts = [
    "Press the keys now…",
    "Key 1 is the mouse's only left button, so it keeps its function.",
    "Up to %1 characters",
    "Corrected to %1 (allowed: %2)",
    "Exported to %1",
    "Not exported: %1 could not be written",
    "Imported %1",
    "Not imported: %1 could not be read",
    "Delete the profile “%1”?",
    "Reset every key of this profile to its default?",
    "Reset the lighting of this profile to its default?",
    "Delete the macro “%1”?",
    "No macro yet: make one in the Macro Editor",
    "Set by the chosen gun",
    "Minimize",
    "Close to the tray",
    "Help",
    "Version %1",
    "profile_"
]

function text(texts, index) {
    var list = texts || defaultTexts
    var value = list[index]
    return value === undefined || value === null || value === "" ? defaultTexts[index] : String(value)
}

// The line an import or export leaves: null when the dialog was cancelled,
// else what was done or, as a problem, what was not.
function fileNotice(texts, outcome, isImport) {
    if (!outcome || !outcome.file)
        return null
    var file = String(outcome.file)
    var shown = file.slice(file.lastIndexOf("/") + 1)
    var index = isImport ? (outcome.done ? Index.imported : Index.importFailed)
                         : (outcome.done ? Index.exported : Index.exportFailed)
    return { text: text(texts, index).replace("%1", shown), problem: outcome.done !== true }
}
