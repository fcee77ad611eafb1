import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/common/MacroPayload.js" as MacroPayload

TestCase {
    name: "MacroPayload"

    KeyCodeString { id: keyNames }

    readonly property var codes: ({ "A": 0x04, "B": 0x05, "MS-L": 0xF0, "MS-R": 0xF1 })
    function codeOf(name) { return codes[name] === undefined ? 0 : codes[name] }

    function build(events, repeat) { return MacroPayload.build(events, repeat, codeOf) }

    // press A, a pause of ms, release A
    function tapWithPause(ms) { return ["1,A", "0," + ms, "2,A"] }

    function test_vectors_data() {
        return [
            { tag: "press A, delay 50, release A",
              events: ["1,A", "0,50", "2,A"], repeat: 1,
              bytes: [0, 1, 5, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "1500 ms after a press takes three entries",
              events: tapWithPause(1500), repeat: 1,
              bytes: [0, 1, 0, 0x04, 0, 1, 0, 75, 0x81, 0x04, 0, 0] },
            { tag: "a long pause after a release keeps the release bit",
              events: ["1,A", "2,A", "0,2000", "1,B", "2,B"], repeat: 1,
              bytes: [0, 1, 1, 0x04, 0x80, 0x04, 0, 1, 0, 100, 1, 0x05, 0x81, 0x05, 0, 0] },
            { tag: "no pause gives timing 1",
              events: ["1,A", "1,B", "2,B", "2,A"], repeat: 2,
              bytes: [0, 2, 1, 0x04, 1, 0x05, 0x81, 0x05, 0x81, 0x04, 0, 0] },
            { tag: "delays before the first key and after the last are dropped",
              events: ["0,500", "1,A", "0,30", "2,A", "0,900"], repeat: 1,
              bytes: [0, 1, 3, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "delays in a row add up",
              events: ["1,A", "0,50", "0,30", "0,15", "0,15", "2,A"], repeat: 1,
              bytes: [0, 1, 11, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "a delay below 10 ms counts as no pause",
              events: ["1,A", "0,5", "2,A"], repeat: 1,
              bytes: [0, 1, 1, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "mouse buttons",
              events: ["3,MS-L", "0,100", "4,MS-L"], repeat: 1,
              bytes: [0, 1, 10, 0xF0, 0x81, 0xF0, 0, 0] },
            { tag: "an unknown name gives code 0",
              events: ["1,Nope", "2,Nope"], repeat: 1,
              bytes: [0, 1, 1, 0, 0x81, 0, 0, 0] },
            { tag: "repeat count high byte first",
              events: ["1,A", "2,A"], repeat: 300,
              bytes: [1, 44, 1, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "a single event",
              events: ["1,A"], repeat: 1,
              bytes: [0, 1, 1, 0x04, 0, 0] },
            { tag: "only delays",
              events: ["0,50", "0,60"], repeat: 3,
              bytes: [0, 3] },
            { tag: "no events, empty repeat field",
              events: [], repeat: 0,
              bytes: [0, 0] },
            { tag: "events as list elements",
              events: [{ type: 1, info: "A" }, { type: 0, info: "50" }, { type: 2, info: "A" }], repeat: 1,
              bytes: [0, 1, 5, 0x04, 0x81, 0x04, 0, 0] },
            { tag: "broken events and delays are skipped",
              events: ["9,A", "", "x,y", null, "1,A", "0,soon", "0,-40", "2,A"], repeat: "2",
              bytes: [0, 2, 1, 0x04, 0x81, 0x04, 0, 0] }
        ]
    }

    function test_vectors(data) {
        compare(build(data.events, data.repeat), data.bytes)
        compare(MacroPayload.encodedLength(data.events), data.bytes.length)
    }

    // The pause after A in units of 10 ms, and the entries it gives.
    function test_pause_units_data() {
        return [
            { tag: "126 units still fit the timing byte", ms: 1260, entries: [126, 0x04] },
            { tag: "127 units in 20 ms", ms: 1270, entries: [0, 0x04, 0, 1, 0, 63] },
            { tag: "last count of 20 ms", ms: 999990, entries: [0, 0x04, 0, 1, 0xC3, 0x4F] },
            { tag: "100000 units in 50 ms", ms: 1000000, entries: [0, 0x04, 0, 2, 0x4E, 0x20] },
            { tag: "last count of 50 ms", ms: 2999990, entries: [0, 0x04, 0, 2, 0xEA, 0x5F] },
            { tag: "300000 units in 100 ms", ms: 3000000, entries: [0, 0x04, 0, 3, 0x75, 0x30] },
            { tag: "last count of 100 ms", ms: 5999990, entries: [0, 0x04, 0, 3, 0xEA, 0x5F] },
            { tag: "beyond 6000 s in 100 ms", ms: 6000000, entries: [0, 0x04, 0, 3, 0xEA, 0x60] },
            { tag: "the longest count", ms: 100000000, entries: [0, 0x04, 0, 3, 0xFF, 0xFF] }
        ]
    }

    function test_pause_units(data) {
        var bytes = build(tapWithPause(data.ms), 1)
        compare(bytes.slice(2, 2 + data.entries.length), data.entries)
        compare(bytes.slice(bytes.length - 4), [0x81, 0x04, 0, 0])
    }

    function pairs(count) {
        var events = []
        for (var i = 0; i < count; ++i)
            events.push(i % 2 === 0 ? "1,A" : "2,A")
        return events
    }

    ListModel { id: eventModel }

    function test_editor_limit() {
        // The editor stops adding at 126: 61 events without long pauses.
        compare(MacroPayload.encodedLength(pairs(61)), 126)
        compare(build(pairs(61), 1).length, 126)
        verify(!MacroPayload.hasRoom(pairs(61)))
        compare(MacroPayload.encodedLength(pairs(60)), 124)
        verify(MacroPayload.hasRoom(pairs(60)))
        // a long pause counts 4 more
        verify(!MacroPayload.hasRoom(pairs(58).concat(["0,1270", "1,A"])))
        verify(MacroPayload.hasRoom(pairs(58).concat(["0,1260", "1,A"])))
    }

    function test_editor_list_model() {
        eventModel.clear()
        eventModel.append({ type: 1, info: "A" })
        eventModel.append({ type: 0, info: "50" })
        eventModel.append({ type: 2, info: "A" })
        compare(build(eventModel, 1), [0, 1, 5, 0x04, 0x81, 0x04, 0, 0])
        compare(MacroPayload.encodedLength(eventModel), 8)
    }

    function test_payload_stays_within_128_bytes_data() {
        return [
            { tag: "long pause before the event added last",
              events: pairs(60).concat(["0,3000", "1,B"]), natural: 130, kept: 61 },
            { tag: "two long pauses",
              events: pairs(59).concat(["0,3000", "1,B", "0,5000", "2,B"]), natural: 134, kept: 61 },
            { tag: "a macro made outside the editor",
              events: pairs(300), natural: 604, kept: 62 }
        ]
    }

    function test_payload_stays_within_128_bytes(data) {
        compare(MacroPayload.encodedLength(data.events), data.natural)
        var bytes = build(data.events, 1)
        verify(bytes.length <= 128, "length " + bytes.length)
        compare(bytes.length, 4 + 2 * data.kept)
        compare(bytes.slice(bytes.length - 2), [0, 0])
        for (var i = 2; i < bytes.length - 2; i += 2)
            verify((bytes[i] & 0x7F) !== 0, "no long pause left at " + i)
        // every event kept ends with its own code, the last one with timing 1
        compare(bytes[bytes.length - 4] & 0x7F, 1)
    }

    function test_shortened_pause_is_the_longest_short_one() {
        var bytes = build(pairs(60).concat(["0,3000", "1,B"]), 1)
        compare(bytes[2 + 59 * 2], 0x80 | 126)
        compare(bytes.slice(2 + 60 * 2), [1, 0x05, 0, 0])
    }

    function test_key_name_table() {
        var bytes = MacroPayload.build(["1,A", "0,20", "2,A", "3,MS-L", "4,MS-L"], 1, keyNames)
        compare(bytes, [0, 1, 2, 0x04, 0x81, 0x04, 1, 0xF0, 0x81, 0xF0, 0, 0])
    }

    function test_stored_macro() {
        var macro = MacroPayload.fromStored(["1,A", "0,50", "2,A", "3"])
        compare(macro.events, ["1,A", "0,50", "2,A"])
        compare(macro.repeat, 3)
        compare(MacroPayload.fromStored([]).events, [])
        compare(MacroPayload.fromStored(["x"]).repeat, 0)
    }
}
