import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

TestCase {
    id: testCase
    name: "KeyCodeString"

    KeyCodeString { id: table }

    function init() {
        table.setNames([])
    }

    function test_table_is_parallel_and_codes_unique() {
        compare(table.keyCode.length, 133)
        compare(table.keyCodeStr.length, 133)
        var seen = {}
        for (var i = 0; i < table.keyCode.length; ++i) {
            verify(!seen[table.keyCode[i]], "code listed twice: " + table.keyCode[i])
            seen[table.keyCode[i]] = true
            verify(table.keyCodeStr[i] !== "", "no name at " + i)
        }
    }

    function test_name_of_code_data() {
        return [
            { tag: "back", code: 0x2A, name: "Back" },
            { tag: "first letter", code: 0x04, name: "A" },
            { tag: "zero after nine", code: 0x27, name: "0" },
            { tag: "right arrow", code: 0x4F, name: "►" },
            { tag: "keypad enter", code: 0x58, name: "KPEnter" },
            { tag: "F24", code: 0x73, name: "F24" },
            { tag: "second backslash", code: 0x32, name: "\\" },
            { tag: "Intl2 twice, second", code: 0x89, name: "Intl2" },
            { tag: "right Win", code: 0xE7, name: "RWin" },
            { tag: "forward button", code: 0xF4, name: "MS-B5" },
            { tag: "gap after F24", code: 0x74, name: "" },
            { tag: "gap before Intl1", code: 0x86, name: "" },
            { tag: "gap after modifiers", code: 0xE8, name: "" },
            { tag: "no key", code: 0x00, name: "" },
            { tag: "past the buttons", code: 0xF5, name: "" },
            { tag: "code given as text", code: "42", name: "Back" },
            { tag: "not a number", code: "Back", name: "" }
        ]
    }

    function test_name_of_code(data) {
        compare(table.keycodeTostr(data.code), data.name)
    }

    function test_code_of_name_data() {
        return [
            { tag: "Intl2 gives the lower code", name: "Intl2", code: 0x88 },
            { tag: "backslash gives the lower code", name: "\\", code: 0x31 },
            { tag: "forward button", name: "MS-B5", code: 0xF4 },
            { tag: "left Ctrl", name: "LCtrl", code: 0xE0 },
            { tag: "digit", name: "1", code: 0x1E },
            { tag: "unknown", name: "Hyper", code: 0 },
            { tag: "case matters", name: "back", code: 0 },
            { tag: "no partial match", name: "KP", code: 0 },
            { tag: "empty", name: "", code: 0 },
            { tag: "undefined", name: undefined, code: 0 }
        ]
    }

    function test_code_of_name(data) {
        compare(table.strTokeycode(data.name), data.code)
    }

    // Every name leads back to its code, except where an earlier position
    // carries the same name.
    function test_every_name_round_trips() {
        for (var i = 0; i < table.keyCode.length; ++i) {
            var code = table.keyCode[i]
            var back = table.strTokeycode(table.keycodeTostr(code))
            var first = table.keyCodeStr.indexOf(table.keyCodeStr[i])
            compare(back, table.keyCode[first], "code " + code)
        }
    }

    function test_translation_replaces_names() {
        var names = []
        for (var i = 0; i < 133; ++i)
            names.push("K" + i)
        table.setNames(names)
        compare(table.keycodeTostr(0x2A), "K38")
        compare(table.strTokeycode("K38"), 0x2A)
        compare(table.strTokeycode("Back"), 0, "English names no longer match")
        compare(table.keycodeTostr(0x74), "", "codes never change")
    }

    function test_missing_translations_keep_built_in_names() {
        table.setNames([])
        compare(table.keycodeTostr(0x2A), "Back")
        var partial = ["Ä", "", "C2"]
        table.setNames(partial)
        compare(table.keycodeTostr(0x04), "Ä")
        compare(table.keycodeTostr(0x05), "B", "an empty entry keeps the built-in name")
        compare(table.keycodeTostr(0x06), "C2")
        compare(table.keycodeTostr(0xF4), "MS-B5", "positions past a short list keep theirs")
        compare(table.strTokeycode("A"), 0)
    }
}
