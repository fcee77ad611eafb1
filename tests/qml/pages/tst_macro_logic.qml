import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/MacroEvents.js" as MacroEvents
import "qrc:/modules/qml/Z7/MacroNames.js" as MacroNames
import "qrc:/modules/qml/Z7/MacroRecording.js" as MacroRecording

// The macro editor's rules without a window: names, events in their stored
// form, input of delays and repeat counts, insert positions and recording.
TestCase {
    name: "MacroLogic"

    function test_stored_names_data() {
        return [
            { tag: "one name and the sentinel", stored: ["Macro_0", "loaderzorvex"], names: ["Macro_0"] },
            { tag: "the sentinel only counts second of two", stored: ["loaderzorvex", "A"],
              names: ["loaderzorvex", "A"] },
            { tag: "three entries keep a trailing sentinel", stored: ["A", "B", "loaderzorvex"],
              names: ["A", "B", "loaderzorvex"] },
            { tag: "no list", stored: [], names: [] }
        ]
    }

    function test_stored_names(data) {
        compare(MacroNames.fromStored(data.stored), data.names)
    }

    function test_a_list_past_100_loses_no_name_and_takes_no_more() {
        var stored = []
        for (var i = 0; i < 130; ++i)
            stored.push("M" + i)
        var names = MacroNames.fromStored(stored)
        compare(names.length, 130)
        verify(!MacroNames.canAdd(names))
        verify(!MacroNames.canAdd(names.slice(0, 100)))
        verify(MacroNames.canAdd(names.slice(0, 99)))
    }

    function test_next_free_name_data() {
        return [
            { tag: "none yet", names: [], name: "Macro_0" },
            { tag: "gap after Macro_0 and Macro_2", names: ["Macro_0", "Macro_2"], name: "Macro_1" },
            { tag: "gap at the start", names: ["Macro_1", "Macro_2"], name: "Macro_0" },
            { tag: "other names do not count", names: ["macro_0", "Macro_00", "Macro_0 "], name: "Macro_0" },
            { tag: "in any order", names: ["Macro_2", "x", "Macro_0", "Macro_1"], name: "Macro_3" }
        ]
    }

    function test_next_free_name(data) {
        compare(MacroNames.nextFree(data.names), data.name)
    }

    function test_rename_data() {
        var names = ["Macro_0", "Jump", "Macro_2"]
        return [
            { tag: "free name", names: names, index: 0, name: "Reload", problem: "" },
            { tag: "another macro's name", names: names, index: 0, name: "Jump", problem: "taken" },
            { tag: "its own name", names: names, index: 1, name: "Jump", problem: "unchanged" },
            { tag: "differs only in case", names: names, index: 0, name: "jump", problem: "" },
            { tag: "Chinese", names: names, index: 0, name: "连招 1", problem: "" },
            { tag: "empty", names: names, index: 0, name: "", problem: "unstorable" },
            { tag: "blanks only", names: names, index: 0, name: "   ", problem: "unstorable" },
            { tag: "folder part", names: names, index: 0, name: "../setting/p1", problem: "unstorable" },
            { tag: "backslash", names: names, index: 0, name: "a\\b", problem: "unstorable" },
            { tag: "control character", names: names, index: 0, name: "a\tb", problem: "unstorable" },
            { tag: "dot dot", names: names, index: 0, name: "..", problem: "unstorable" },
            { tag: "the list's sentinel", names: names, index: 0, name: "loaderzorvex", problem: "unstorable" },
            { tag: "41 characters", names: names, index: 0, name: new Array(42).join("x"), problem: "unstorable" },
            { tag: "40 characters", names: names, index: 0, name: new Array(41).join("x"), problem: "" },
            { tag: "no such row", names: names, index: 3, name: "Reload", problem: "unchanged" }
        ]
    }

    function test_rename(data) {
        compare(MacroNames.renameProblem(data.names, data.index, data.name), data.problem)
    }

    function test_event_text_data() {
        return [
            { tag: "press", text: "1,A", type: 1, info: "A" },
            { tag: "delay", text: "0,120", type: 0, info: "120" },
            { tag: "button release", text: "4,MS-L", type: 4, info: "MS-L" },
            { tag: "a name with a comma", text: "1,,", type: 1, info: "," },
            { tag: "translated name", text: "2,左键", type: 2, info: "左键" },
            { tag: "a missing entry", text: "0", type: null },
            { tag: "no comma", text: "2A", type: null },
            { tag: "no type", text: "A,1", type: null },
            { tag: "type out of range", text: "5,A", type: null },
            { tag: "a delay that is no number", text: "0,fast", type: null },
            { tag: "a negative delay", text: "0,-10", type: null }
        ]
    }

    function test_event_text(data) {
        var event = MacroEvents.fromText(data.text)
        if (data.type === null) {
            compare(event, null)
            return
        }
        compare(event.type, data.type)
        compare(event.info, data.info)
        compare(MacroEvents.toText(event), data.text)
    }

    function test_stored_macro_data() {
        return [
            { tag: "events then the repeat count", stored: ["1,A", "0,50", "2,A", "3"],
              events: ["1,A", "0,50", "2,A"], repeat: "3", skipped: 0 },
            { tag: "a new macro", stored: ["1"], events: [], repeat: "1", skipped: 0 },
            { tag: "a missing file", stored: [], events: [], repeat: "1", skipped: 0 },
            { tag: "an unreadable event is left out", stored: ["1,A", "x", "9,A", "0", "2,A", "2"],
              events: ["1,A", "2,A"], repeat: "2", skipped: 3 }
        ]
    }

    function test_stored_macro(data) {
        var macro = MacroEvents.fromStored(data.stored)
        compare(MacroEvents.toStored(macro.events), data.events)
        compare(macro.repeat, data.repeat)
        compare(macro.skipped, data.skipped)
    }

    function test_repeat_input_data() {
        return [
            { tag: "empty", text: "", repeat: 0 },
            { tag: "zero", text: "0", repeat: 0 },
            { tag: "leading zeros", text: "0007", repeat: 7 },
            { tag: "one", text: "1", repeat: 1 },
            { tag: "four digits", text: "9999", repeat: 9999 }
        ]
    }

    function test_repeat_input(data) {
        compare(MacroEvents.repeatFromInput(data.text), data.repeat)
    }

    function test_delay_input_data() {
        return [
            { tag: "number", text: "70", delay: 70 },
            { tag: "zero", text: "0", delay: 0 },
            { tag: "largest", text: "65535", delay: 65535 },
            { tag: "too large is held at the largest", text: "65536", delay: 65535 },
            { tag: "far too large", text: "99999", delay: 65535 },
            { tag: "not a number", text: "abc", delay: 120 },
            { tag: "empty", text: "", delay: 120 },
            { tag: "negative", text: "-5", delay: 120 },
            { tag: "fraction", text: "1.5", delay: 120 },
            { tag: "blanks around", text: " 80 ", delay: 80 }
        ]
    }

    function test_delay_input(data) {
        compare(MacroEvents.delayFromInput(data.text, 120), data.delay)
    }

    // Positions in a list of four events; -1 is no selection.
    function test_insert_positions_data() {
        return [
            { tag: "first", selected: 0, delay: 0, key: 0, button: 1 },
            { tag: "middle", selected: 1, delay: 1, key: 1, button: 2 },
            { tag: "last", selected: 3, delay: 3, key: 4, button: 4 },
            { tag: "none", selected: -1, delay: 4, key: 4, button: 4 }
        ]
    }

    function test_insert_positions(data) {
        compare(MacroEvents.delayIndex(data.selected, 4), data.delay)
        compare(MacroEvents.keyIndex(data.selected, 4), data.key)
        compare(MacroEvents.buttonIndex(data.selected, 4), data.button)
    }

    function test_insert_into_empty_list() {
        compare(MacroEvents.delayIndex(-1, 0), 0)
        compare(MacroEvents.keyIndex(-1, 0), 0)
        compare(MacroEvents.buttonIndex(-1, 0), 0)
    }

    // Each step: the ms that pass before it, then the key. The clock also
    // ticks in between, late as a busy window's timer would.
    function record(steps, withDelay) {
        var now = 5000
        var state = MacroRecording.start(now)
        var events = []
        for (var i = 0; i < steps.length; ++i) {
            for (var t = 17; t < steps[i].ms; t += 17)
                MacroRecording.tick(state, now + t)
            now += steps[i].ms
            events = events.concat(MacroRecording.take(state, events, steps[i].down, steps[i].code,
                                                       steps[i].name, withDelay, now))
        }
        return MacroEvents.toStored(events)
    }

    function test_ticks_follow_the_time() {
        var state = MacroRecording.start(1000)
        MacroRecording.tick(state, 1009)
        compare(state.ticks, 0)
        MacroRecording.tick(state, 1250)
        compare(state.ticks, 25)
        MacroRecording.tick(state, 990)
        compare(state.ticks, 0, "a clock set back gives no negative pause")
    }

    function test_recording_data() {
        var tapA = [{ ms: 300, down: true, code: 4, name: "A" }, { ms: 124, down: false, code: 4, name: "A" }]
        return [
            { tag: "pauses recorded; the wait before the first key is not", steps: tapA, withDelay: true,
              texts: ["1,A", "0,120", "2,A"] },
            { tag: "pauses left out", steps: tapA, withDelay: false, texts: ["1,A", "2,A"] },
            { tag: "a pause counts from the last key, not from the start",
              steps: tapA.concat([{ ms: 50, down: true, code: 5, name: "B" }]), withDelay: true,
              texts: ["1,A", "0,120", "2,A", "0,50", "1,B"] },
            { tag: "keys within one tick", steps: [{ ms: 0, down: true, code: 0xE1, name: "LShift" },
                                                  { ms: 9, down: true, code: 4, name: "A" }],
              withDelay: true, texts: ["1,LShift", "0,0", "1,A"] },
            { tag: "a key without a name is not recorded",
              steps: [{ ms: 30, down: true, code: 0x01, name: "" }, { ms: 40, down: true, code: 4, name: "A" }],
              withDelay: true, texts: ["1,A"] }
        ]
    }

    function test_recording(data) {
        compare(record(data.steps, data.withDelay), data.texts)
    }
}
