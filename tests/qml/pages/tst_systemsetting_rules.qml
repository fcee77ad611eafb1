import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/SystemSetting.js" as Rules

// The system settings' value rules, without a window.
TestCase {
    name: "SystemSettingRules"

    function test_index_of_knob_position_data() {
        return [
            { tag: "far left", position: 3, index: 0 },
            { tag: "first threshold", position: 4, index: 1 },
            { tag: "below the second", position: 36, index: 1 },
            { tag: "second threshold", position: 37, index: 2 },
            { tag: "factory pointer speed", position: 170, index: 5 },
            { tag: "factory double click", position: 187, index: 6 },
            { tag: "last step begins", position: 305, index: 10 },
            { tag: "far right", position: 337, index: 10 },
            { tag: "past the track", position: 338, index: 0 }
        ]
    }

    function test_index_of_knob_position(data) {
        compare(Rules.indexOfPosition(data.position), data.index)
    }

    function test_scroll_mode_data() {
        return [
            { tag: "one screen", stored: 1000, oneScreen: true, rows: "" },
            { tag: "just past rows", stored: "101", oneScreen: true, rows: "" },
            { tag: "most rows", stored: 100, oneScreen: false, rows: "100" },
            { tag: "rows as text", stored: "3", oneScreen: false, rows: "3" },
            { tag: "zero shows one", stored: 0, oneScreen: false, rows: "1" },
            { tag: "not a number keeps the field", stored: "lots", oneScreen: false, rows: "" },
            { tag: "missing keeps the field", stored: undefined, oneScreen: false, rows: "" }
        ]
    }

    function test_scroll_mode(data) {
        var mode = Rules.scrollMode(data.stored)
        compare(mode.oneScreen, data.oneScreen)
        compare(mode.rows, data.rows)
    }

    function test_committed_rows_data() {
        return [
            { tag: "empty", text: "", rows: 1 },
            { tag: "zero", text: "0", rows: 1 },
            { tag: "typed", text: "12", rows: 12 },
            { tag: "too many", text: "250", rows: 100 }
        ]
    }

    function test_committed_rows(data) {
        compare(Rules.committedRows(data.text), data.rows)
        compare(Rules.scrollValue(false, data.text), data.rows)
        compare(Rules.scrollValue(true, data.text), 1000)
    }
}
