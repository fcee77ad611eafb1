import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/MacroEditor.js" as Logic

// The macro editor's behaviour without a window: each row plays a list of
// user and keyboard events on an editor whose macro files live in memory,
// then compares the state the editor ends in.
TestCase {
    name: "MacroEditorStates"

    ListModel { id: macros }
    ListModel { id: events }

    // Key codes 4..29 are the letters A..Z; 0xF0 and up are mouse buttons.
    function keyName(code) {
        if (code >= 4 && code <= 29)
            return String.fromCharCode(61 + code)
        return ({ 240: "MS-L", 241: "MS-R", 242: "MS-M" })[code] || ""
    }

    function editor(files, writable) {
        var e = {
            macroModel: macros, eventModel: events, currentMacro: -1, currentEvent: -1,
            isInputting: false, isInsertting: false, isDelayRecorded: false, encodedLength: 2,
            saveFailed: false, savedRepeat: 1, recording: null, elapsedText: "", visible: true,
            macroEditorLang: ["", "", "", "Delete"], time: 1000, repeat: "1", keyDialog: false,
            said: [], offered: [], handed: [], pending: null,
            library: {
                names: () => Object.keys(files),
                storeNames: list => e.said.push("names " + list.join(" ")),
                load: name => name in files ? files[name].slice(0) : [],
                save: (name, texts, repeat) => {
                    if (!writable)
                        return false
                    files[name] = texts.concat([String(repeat)])
                    return true
                },
                create: name => { if (writable && !(name in files)) files[name] = ["1"] },
                remove: name => { delete files[name] },
                importFile: name => false,
                exportFile: name => {},
                fileOutcome: () => null,
                send: (bytes, slot) => {}
            },
            endEdits() {}, showMacro() {}, showEvent() {}, grabFocus() {},
            openKeyDialog() { e.keyDialog = true },
            hideKeyDialog() { e.keyDialog = false },
            offerKey(code, name) { e.offered.push(name) },
            repeatText() { return e.repeat },
            showRepeat(n) { e.repeat = String(n) },
            notify(text, problem) { e.said.push("notice") },
            confirm(title, question, ok, action) { e.pending = action },
            handOverNames(list) { e.handed = list },
            closed() { e.said.push("closed") },
            now() { return e.time },
            keyName: keyName,
            keyNames: null,
            hintTexts() { return null },
            deleteMacro(name) { e.said.push("deleted " + name) },
            modifyMacroName(old, name) { e.said.push("renamed " + old + " " + name) },
            modifyMacroData(name) { e.said.push("saved " + name) }
        }
        return e
    }

    function play(e, step) {
        switch (step[0]) {
        case "start": Logic.startRecording(e); break
        case "stop": Logic.stopRecording(e); break
        case "down": Logic.detectKeyboard(e, true, step[1]); break
        case "up": Logic.detectKeyboard(e, false, step[1]); break
        case "wait": e.time += step[1]; Logic.tick(e); break
        case "select": Logic.selectMacro(e, step[1]); break
        case "pick": e.currentEvent = step[1]; break
        case "insertKey": Logic.openInsertKey(e); break
        case "offer": Logic.detectInput(e, step[1], step[2]); break
        case "take": Logic.insertKey(e, step[1], keyName(step[1])); break
        case "close": Logic.close(e); break
        case "rename": Logic.renameMacro(e, step[1], step[2]); break
        case "delete": Logic.askRemove(e); if (step[1]) e.pending(); break
        case "delay": Logic.editDelay(e, step[1], step[2]); break
        case "repeat": e.repeat = step[1]; Logic.commitRepeat(e); break
        case "removeEvent": e.currentEvent = step[1]; Logic.removeEvent(e); break
        default: fail("no step " + step[0])
        }
    }

    function texts(model) {
        var list = []
        for (var i = 0; i < model.count; ++i)
            list.push(model.get(i).type + "," + model.get(i).info)
        return list
    }

    function test_events_data() {
        var tap = { "M0": ["1,B", "2,B", "3"] }
        return [
            { tag: "keys outside a recording are not taken", files: tap,
              steps: [["down", 4], ["start"], ["down", 5], ["up", 5], ["stop"], ["up", 6]],
              events: ["1,B", "2,B"], saved: { "M0": ["1,B", "2,B", "3"] }, said: ["saved M0"] },
            { tag: "pauses are measured from the last key", files: tap, delay: true,
              steps: [["start"], ["wait", 500], ["down", 4], ["wait", 37], ["wait", 40], ["up", 4], ["stop"]],
              events: ["1,A", "0,70", "2,A"], said: ["saved M0"] },
            { tag: "a second start keeps the recording", files: tap,
              steps: [["start"], ["down", 4], ["start"], ["up", 4]], inputting: true, events: ["1,A", "2,A"] },
            { tag: "no macro, no recording", files: {},
              steps: [["start"], ["down", 4]], inputting: false, events: [], current: -1 },
            { tag: "the insert wait takes only keys going down", files: tap,
              steps: [["insertKey"], ["offer", false, 4], ["offer", true, 0xF0], ["offer", true, 5], ["offer", true, 0xE8]],
              inserting: true, offered: ["B"], events: ["1,B", "2,B"] },
            { tag: "recording ends the insert wait", files: tap,
              steps: [["insertKey"], ["start"], ["offer", true, 5]], inserting: false, inputting: true, offered: [] },
            { tag: "a taken key goes before the selected event", files: { "M0": ["1,B", "0,9", "2,B", "1"] },
              steps: [["pick", 1], ["insertKey"], ["take", 6]],
              inserting: false, events: ["1,B", "1,C", "2,C", "0,9", "2,B"], said: ["saved M0"] },
            { tag: "closing saves the recording and ends the wait", files: tap,
              steps: [["start"], ["down", 4], ["close"]],
              inputting: false, visible: false, saved: { "M0": ["1,A", "3"] }, said: ["saved M0", "closed"] },
            { tag: "renaming saves the recording under the old name first", files: tap,
              steps: [["start"], ["down", 4], ["rename", 0, "Jump"]],
              inputting: false, names: ["Jump"], said: ["saved M0", "renamed M0 Jump", "names Jump"] },
            { tag: "a refused rename keeps recording", files: { "M0": ["1"], "M1": ["1"] },
              steps: [["start"], ["rename", 0, "M1"]], inputting: true, said: [] },
            { tag: "deleting the last macro selects the one before", files: { "A": ["1,A", "2,A", "1"], "B": ["1"] },
              steps: [["select", 1], ["delete", true]], current: 0, names: ["A"], events: ["1,A", "2,A"],
              said: ["deleted B", "names A"] },
            { tag: "deleting the only macro selects none", files: tap,
              steps: [["delete", true]], current: -1, names: [], events: [], said: ["deleted M0", "names "] },
            { tag: "a cancelled delete keeps the macro", files: tap,
              steps: [["delete", false]], current: 0, names: ["M0"], said: [] },
            { tag: "a pause past the longest is cut to it and said", files: { "M0": ["1,A", "0,5", "2,A", "1"] },
              steps: [["delay", 1, "70000"]], events: ["1,A", "0,65535", "2,A"], said: ["notice", "saved M0"] },
            { tag: "an unchanged repeat count saves nothing", files: tap,
              steps: [["repeat", " 3"], ["repeat", "03"]], repeat: "3", said: [] },
            { tag: "a changed repeat count is saved once", files: tap,
              steps: [["repeat", "12"], ["repeat", "12"]], saved: { "M0": ["1,B", "2,B", "12"] }, said: ["saved M0"] },
            { tag: "removing no event changes nothing", files: tap,
              steps: [["removeEvent", -1], ["removeEvent", 2]], events: ["1,B", "2,B"], said: [] },
            { tag: "a save that fails is not passed on", files: tap, readOnly: true,
              steps: [["removeEvent", 0]], events: ["2,B"], failed: true, said: [] }
        ]
    }

    function test_events(data) {
        macros.clear()
        events.clear()
        var files = JSON.parse(JSON.stringify(data.files))
        var e = editor(files, !data.readOnly)
        Logic.init(e)
        e.isDelayRecorded = data.delay === true
        e.said = []
        for (var step of data.steps)
            play(e, step)
        var expected = { inputting: e.isInputting, inserting: e.isInsertting, offered: e.offered,
                         current: e.currentMacro, names: Logic.names(e), events: texts(events),
                         said: e.said, repeat: e.repeat, failed: e.saveFailed, visible: e.visible }
        for (var what in expected) {
            if (what in data)
                compare(expected[what], data[what], what)
        }
        for (var name in data.saved)
            compare(files[name], data.saved[name], "file " + name)
        compare(e.handed, Logic.names(e), "the key dialog has the names the list shows")
        compare(e.keyDialog, e.isInsertting, "the key dialog shows while the editor waits for a key")
    }
}
