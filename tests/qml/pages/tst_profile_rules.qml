import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/Profile.js" as Rules

// The profile list's naming and slot rules, without a window.
TestCase {
    name: "ProfileRules"

    function elements(texts) { return Rules.parseList(texts).elements }

    function test_parse_list_data() {
        return [
            { tag: "one profile padded with the sentinel", stored: ["Standard0", "loaderzorvex"],
              shown: ["Standard0"], rejected: [] },
            { tag: "in stored order, not slot order", stored: ["Game3", "Work0"],
              shown: ["Game3", "Work0"], rejected: [] },
            { tag: "a name ending in a digit keeps it", stored: ["Standard0", "CS213"],
              shown: ["Standard0", "CS213"], rejected: [] },
            { tag: "the sentinel only pads a pair", stored: ["A0", "B1", "loaderzorvex"],
              shown: ["A0", "B1"], rejected: ["loaderzorvex"] },
            { tag: "no slot digit, a slot past 5, no name", stored: ["A0", "Bx", "C7", "4", ""],
              shown: ["A0"], rejected: ["Bx", "C7", "4", ""] },
            { tag: "a slot taken twice goes to the first", stored: ["A0", "B2", "C2"],
              shown: ["A0", "B2"], rejected: ["C2"] },
            { tag: "at most six", stored: ["A0", "B1", "C2", "D3", "E4", "F5", "G0"],
              shown: ["A0", "B1", "C2", "D3", "E4", "F5"], rejected: ["G0"] },
            { tag: "nothing stored", stored: undefined, shown: [], rejected: [] }
        ]
    }

    function test_parse_list(data) {
        var parsed = Rules.parseList(data.stored)
        compare(Rules.storedList(parsed.elements), data.shown)
        compare(parsed.rejected, data.rejected)
    }

    function test_free_name_and_slot_data() {
        return [
            { tag: "factory list", stored: ["Standard0"], name: "profile_0", slot: 1 },
            { tag: "gap after deletes", stored: ["Standard0", "profile_01", "profile_23"],
              name: "profile_1", slot: 2 },
            { tag: "slot 0 free", stored: ["Standard4"], name: "profile_0", slot: 0 },
            { tag: "all six slots", stored: ["A0", "B1", "C2", "D3", "E4", "F5"], name: "profile_0", slot: -1 }
        ]
    }

    function test_free_name_and_slot(data) {
        var list = elements(data.stored)
        compare(Rules.freeName(list), data.name)
        compare(Rules.freeSlot(list), data.slot)
        compare(Rules.canAdd(list), data.slot >= 0)
    }

    function test_rename_data() {
        return [
            { tag: "a new name", typed: "Raid", result: "Raid" },
            { tag: "blanks around go", typed: "  Raid ", result: "Raid" },
            { tag: "another's name", typed: "Game", result: "" },
            { tag: "its own name", typed: "Work", result: "" },
            { tag: "nothing", typed: "   ", result: "" }
        ]
    }

    function test_rename(data) {
        compare(Rules.renamed(elements(["Standard0", "Game3", "Work1"]), data.typed), data.result)
    }
}
