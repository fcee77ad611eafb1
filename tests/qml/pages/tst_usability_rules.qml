import QtQuick
import QtTest
import "qrc:/modules/qml/common/InputRules.js" as InputRules
import "qrc:/modules/qml/common/DialogKeys.js" as DialogKeys
import "qrc:/modules/qml/common/Hints.js" as Hints
import "qrc:/modules/qml/Z7/Profile.js" as Profile

// Typed numbers and names, the keyboard's Escape and Enter, and the lines an
// import or export leaves, without a window.
TestCase {
    name: "UsabilityRules"

    // What is shown is what is stored: a field shows `text` and keeps `value`.
    function test_typed_number_is_clamped_data() {
        return [
            { tag: "inside", typed: "128", min: 0, max: 255, value: 128, text: "128", corrected: false },
            { tag: "the largest", typed: "255", min: 0, max: 255, value: 255, text: "255", corrected: false },
            { tag: "red 300 is 255, not 30", typed: "300", min: 0, max: 255, value: 255, text: "255", corrected: true },
            { tag: "letters and a sign dropped", typed: "abc-5", min: 0, max: 65535, value: 5, text: "5", corrected: true },
            { tag: "delay past its range", typed: "99999", min: 0, max: 65535, value: 65535, text: "65535", corrected: true },
            { tag: "leading zeros", typed: "007", min: 0, max: 255, value: 7, text: "7", corrected: true },
            { tag: "zero", typed: "0", min: 0, max: 255, value: 0, text: "0", corrected: false },
            { tag: "below the least", typed: "0", min: 1, max: 8, value: 1, text: "1", corrected: true },
            { tag: "nothing typed", typed: "", min: 0, max: 255, value: 0, text: "0", corrected: false },
            { tag: "only letters", typed: "x", min: 0, max: 255, value: 0, text: "0", corrected: true },
            { tag: "huge", typed: "99999999999999999999", min: 0, max: 255, value: 255, text: "255", corrected: true }
        ]
    }

    function test_typed_number_is_clamped(data) {
        var entry = InputRules.clamped(data.typed, data.min, data.max)
        compare(entry.value, data.value)
        compare(entry.text, data.text)
        compare(entry.corrected, data.corrected)
    }

    // An imported element is named after its file, made unique and cut to
    // the limit with its suffix still whole.
    function test_imported_name_data() {
        return [
            { tag: "free", base: "Burst", taken: ["Macro_0"], max: 40, name: "Burst" },
            { tag: "taken once", base: "Burst", taken: ["Burst"], max: 40, name: "Burst (2)" },
            { tag: "taken twice", base: "Burst", taken: ["Burst", "Burst (2)"], max: 40, name: "Burst (3)" },
            { tag: "cut to the limit", base: "abcdefghij", taken: [], max: 6, name: "abcdef" },
            { tag: "cut with room for the suffix", base: "abcdefghij", taken: ["abcdef"], max: 6, name: "ab (2)" },
            { tag: "blanks around", base: "  Sniper ", taken: [], max: 24, name: "Sniper" },
            { tag: "folder separators", base: "a/b\\c", taken: [], max: 24, name: "a_b_c" },
            { tag: "empty keeps the given name", base: "", taken: [], max: 24, name: "profile_1" },
            { tag: "a dot keeps the given name", base: ".", taken: [], max: 24, name: "profile_1" },
            { tag: "nothing taken given", base: "x", taken: undefined, max: 24, name: "x" }
        ]
    }

    function test_imported_name(data) {
        var name = InputRules.importedName(data.base, data.taken, data.max, "profile_1")
        compare(name, data.name)
        verify(name.length <= data.max)
    }

    function test_length_and_filled_texts() {
        compare(InputRules.lengthText("abc", 24), "3/24")
        compare(InputRules.lengthText(undefined, 40), "0/40")
        compare(InputRules.filled("Corrected to %1 (allowed: %2)", 255, InputRules.rangeText(0, 255)),
                "Corrected to 255 (allowed: 0 - 255)")
        compare(InputRules.filled("已更正为 %1（允许范围：%2）", 7), "已更正为 7（允许范围：）")
        compare(InputRules.digitsOf("12ab3"), "123")
    }

    function test_escape_closes_the_topmost_data() {
        return [
            { tag: "nothing open", open: {}, action: "" },
            { tag: "reset question over a dialog", open: { resetDialog: true, profilePage: true }, action: "cancelReset" },
            { tag: "insert key inside the macro editor", open: { insertKey: true, macroEditor: true }, action: "cancelInsertKey" },
            { tag: "recording takes every key", open: { recording: true, macroEditor: true }, action: "" },
            { tag: "macro editor over the key dialog", open: { macroEditor: true, keyAssigment: true }, action: "closeMacroEditor" },
            { tag: "capture ends before the dialog", open: { capture: true, keyAssigment: true }, action: "stopCapture" },
            { tag: "key dialog", open: { keyAssigment: true }, action: "closeKeyAssigment" },
            { tag: "gun editor", open: { gunControl: true }, action: "closeGunControl" },
            { tag: "system setting", open: { systemSetting: true }, action: "closeSystemSetting" },
            { tag: "profiles", open: { profilePage: true }, action: "closeProfilePage" },
            { tag: "help menu", open: { helpMenu: true }, action: "closeHelpMenu" },
            { tag: "a flag that is no true", open: { keyAssigment: "yes" }, action: "" }
        ]
    }

    function test_escape_closes_the_topmost(data) {
        compare(DialogKeys.escapeAction(data.open), data.action)
    }

    function test_enter_confirms_data() {
        return [
            { tag: "reset question", open: { resetDialog: true, keyAssigment: true }, action: "acceptReset" },
            { tag: "key dialog is OK", open: { keyAssigment: true }, action: "closeKeyAssigment" },
            { tag: "capture takes Enter as a key", open: { capture: true, keyAssigment: true }, action: "" },
            { tag: "insert key takes Enter as a key", open: { insertKey: true, macroEditor: true }, action: "" },
            { tag: "macro editor has no OK", open: { macroEditor: true, keyAssigment: true }, action: "" },
            { tag: "profiles have no OK", open: { profilePage: true }, action: "" }
        ]
    }

    function test_enter_confirms(data) {
        compare(DialogKeys.enterAction(data.open), data.action)
    }

    // A failed write is never reported as done.
    function test_file_notice_data() {
        return [
            { tag: "cancelled", outcome: { file: "", name: "", done: false }, imp: true, line: null },
            { tag: "no outcome", outcome: null, imp: false, line: null },
            { tag: "exported", outcome: { file: "/home/u/Desktop/Burst.mc", name: "Burst", done: true }, imp: false,
              line: { text: "Exported to Burst.mc", problem: false } },
            { tag: "export not written", outcome: { file: "/ro/p.pf", name: "p", done: false }, imp: false,
              line: { text: "Not exported: p.pf could not be written", problem: true } },
            { tag: "imported", outcome: { file: "/x/Work.pf", name: "Work", done: true }, imp: true,
              line: { text: "Imported Work.pf", problem: false } },
            { tag: "import not read", outcome: { file: "/x/bad.mc", name: "bad", done: false }, imp: true,
              line: { text: "Not imported: bad.mc could not be read", problem: true } }
        ]
    }

    function test_file_notice(data) {
        compare(Hints.fileNotice(Hints.defaultTexts, data.outcome, data.imp), data.line)
    }

    // A loaded language text replaces the built-in one; an empty one does not.
    function test_hint_falls_back_to_the_built_in_text() {
        var loaded = Hints.defaultTexts.slice(0)
        loaded[Hints.Index.help] = "帮助"
        loaded[Hints.Index.minimise] = ""
        compare(Hints.text(loaded, Hints.Index.help), "帮助")
        compare(Hints.text(loaded, Hints.Index.minimise), "Minimize")
        compare(Hints.text(null, Hints.Index.profilePrefix), "profile_")
    }

    function test_new_profile_names_follow_the_language_data() {
        return [
            { tag: "built-in prefix", prefix: undefined, taken: ["profile_0"], name: "profile_1" },
            { tag: "Chinese prefix", prefix: "配置_", taken: ["配置_0", "配置_1"], name: "配置_2" },
            { tag: "empty prefix falls back", prefix: "", taken: [], name: "profile_0" }
        ]
    }

    function test_new_profile_names_follow_the_language(data) {
        var elements = data.taken.map(function(t, i) { return { textValue: t, profileNo: i } })
        compare(Profile.freeName(elements, data.prefix), data.name)
    }
}
