.pragma library

// The window's own texts, position by position as the language files'
// "main" group holds them; these built-in English texts stand in where a
// file lacks one.
var Index = {
    editor: 0,
    macroEditor: 1,
    gunEditor: 2,
    reportRate: 3,
    config: 4,
    reset: 5,
    resetQuestion: 6,
    cancel: 7,
    ok: 8,
    systemSetting: 9,
    save: 10
}

var defaultTexts = [
    "Editor", "Macro Editor", "Gun Editor", "Report Rate", "Config", "Reset",
    "Reset the profile in use to its factory settings?", "Cancel", "OK", "System Setting", "Save", "", "", "", ""
]
