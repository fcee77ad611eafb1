import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/GunControl.js" as Gun

// The gun editor's rules without a window: what a stored record becomes,
// the slot assignment, the target dot, the rate slider and the name check.
TestCase {
    name: "GunLogic"

    function test_stored_record_data() {
        return [
            { tag: "full record", position: 0, stored: ["Vector", "L-Click", "12", "0", "33", "7"],
              expected: ["Vector", "L-Click", "12", "0", "33", "7"] },
            { tag: "missing from the file", position: 3, stored: [],
              expected: ["SCAR-L", "L-Click", "10", "0", "10", "0"] },
            { tag: "only a name", position: 5, stored: ["Tommy"],
              expected: ["Tommy", "L-Click", "10", "0", "10", "0"] },
            { tag: "numbers as numbers", position: 1, stored: ["AKM", "L-Click", 9, 0, 20, 255],
              expected: ["AKM", "L-Click", "9", "0", "20", "255"] },
            { tag: "values out of range or not numbers", position: 2,
              stored: ["  ", "", "abc", "1.5", "65", "256"],
              expected: ["M16A4", "L-Click", "10", "0", "10", "0"] },
            { tag: "not a list", position: 4, stored: undefined,
              expected: ["UNP9", "L-Click", "10", "0", "10", "0"] }
        ]
    }

    function test_stored_record(data) {
        var element = Gun.elementOf(data.position, data.stored)
        compare(Gun.recordOf(element), data.expected)
        compare(element.picture, Gun.builtInGuns[data.position].picture)
    }

    function test_slots_data() {
        return [
            { tag: "stored texts", stored: ["0", "2", "2"], expected: [0, 2, 2] },
            { tag: "stored numbers", stored: [5, 4, 3], expected: [5, 4, 3] },
            { tag: "missing", stored: undefined, expected: [0, 1, 2] },
            { tag: "a plain text", stored: "3", expected: [0, 1, 2] },
            { tag: "two entries", stored: ["1", "2"], expected: [0, 1, 2] },
            { tag: "a position past the list", stored: ["0", "6", "1"], expected: [0, 1, 2] },
            { tag: "a negative position", stored: ["-1", "0", "1"], expected: [0, 1, 2] }
        ]
    }

    function test_slots(data) {
        compare(Gun.slotsOf(data.stored), data.expected)
    }

    function test_assignment() {
        var slots = [0, 1, 2]
        compare(Gun.assigned(slots, 1, 2), [0, 2, 2])
        compare(slots, [0, 1, 2], "the old assignment stays as it was")
        compare(Gun.slotsHolding([0, 2, 2], 2), [2, 3])
        compare(Gun.slotsHolding([0, 2, 2], 1), [])
    }

    function test_dot_data() {
        return [
            { tag: "top", y: 0, offset: 0 },
            { tag: "bottom", y: 64, offset: 94 },
            { tag: "middle", y: 32, offset: 47 },
            { tag: "preset", y: 10, offset: 15 },
            { tag: "reset of slot 1", y: 5, offset: 7 }
        ]
    }

    function test_dot(data) {
        compare(Gun.dotOffset(data.y), data.offset)
        compare(Gun.yOfOffset(data.offset), data.y)
    }

    function test_dot_stays_on_its_path() {
        compare(Gun.dotOffset(80), 94)
        compare(Gun.dotOffset(-4), 0)
        compare(Gun.yOfOffset(120), 64)
        compare(Gun.yOfOffset(-10), 0)
    }

    // Every Y has a pixel of its own, so a dot put back where it was shown
    // gives the same Y.
    function test_every_y_survives_the_dot() {
        for (var y = Gun.minY; y <= Gun.maxY; ++y)
            compare(Gun.yOfOffset(Gun.dotOffset(y)), y, "Y " + y)
    }

    function test_rate_slider_data() {
        return [
            { tag: "start", period: 5, share: 0 },
            { tag: "end", period: 91, share: 1 },
            { tag: "middle", period: 48, share: 0.5 },
            { tag: "preset", period: 10, share: 5 / 86 }
        ]
    }

    function test_rate_slider(data) {
        fuzzyCompare(Gun.sliderShare(data.period), data.share, 1e-9)
        compare(Gun.periodOfShare(data.share), data.period)
        compare(Gun.periodOfText(Gun.periodText(data.period)), data.period)
    }

    function test_rate_outside_the_slider() {
        compare(Gun.sliderShare(3), 0)
        compare(Gun.sliderShare(120), 1)
        compare(Gun.periodOfShare(1.2), 91)
        compare(Gun.periodOfText("MS"), null)
        compare(Gun.periodOfText("9MS"), 9)
    }

    function test_typed_number_data() {
        return [
            { tag: "in range", text: "33", low: 0, high: 64, expected: "33" },
            { tag: "above", text: "99", low: 0, high: 64, expected: "64" },
            { tag: "leading zeros", text: "007", low: 0, high: 255, expected: "7" },
            { tag: "empty", text: "", low: 0, high: 255, expected: null },
            { tag: "not a number", text: "1e3", low: 0, high: 255, expected: null }
        ]
    }

    function test_typed_number(data) {
        compare(Gun.typedNumber(data.text, data.low, data.high), data.expected)
    }

    function test_name_data() {
        var names = ["M416", "AKM", "M16A4", "SCAR-L", "UNP9", "Thomson"]
        return [
            { tag: "new name", names: names, position: 1, text: "Beryl", expected: "Beryl" },
            { tag: "trimmed", names: names, position: 1, text: "  Beryl ", expected: "Beryl" },
            { tag: "taken by another", names: names, position: 1, text: "M416", expected: "" },
            { tag: "its own name", names: names, position: 1, text: "AKM", expected: "" },
            { tag: "empty", names: names, position: 1, text: "   ", expected: "" },
            { tag: "a key path", names: names, position: 1, text: "a/b", expected: "" },
            { tag: "a list separator", names: names, position: 1, text: "a, b", expected: "" },
            { tag: "a record number", names: names, position: 1, text: "3", expected: "" },
            { tag: "too long", names: names, position: 1, text: "ABCDEFGHIJKLMNOPQ", expected: "" },
            { tag: "Chinese", names: names, position: 1, text: "突击步枪", expected: "突击步枪" }
        ]
    }

    function test_name(data) {
        compare(Gun.acceptedName(data.names, data.position, data.text), data.expected)
    }
}
