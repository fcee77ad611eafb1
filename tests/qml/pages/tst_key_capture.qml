import QtQuick
import QtTest

// The key dialog's capture on its own: each row plays starts, keys and ends
// and compares what was taken and which capture still runs.
TestCase {
    name: "KeyCapture"

    property var component: Qt.createComponent("qrc:/modules/qml/Z7/KeyCapture.qml")
    // Key codes 4..29 are the letters; modifiers and 0xE8 have no name here.
    readonly property var names: ({ keycodeTostr: code => code >= 4 && code <= 29 ? String.fromCharCode(61 + code) : "" })

    function test_capture_data() {
        return [
            { tag: "a release or a nameless key keeps the fire capture waiting",
              steps: [["fire"], ["key", false, 4, 0], ["key", true, 0xE8, 0]], fire: true, taken: [] },
            { tag: "the fire key carries the rate and the times", rate: 20, times: 3,
              steps: [["fire"], ["key", true, 5, 0], ["key", true, 6, 0]], fire: false, taken: [[1, 5, 20, 3]], texts: ["B"] },
            { tag: "a combination's key does not feed the fire capture",
              steps: [["fire"], ["key", true, 4, 1]], fire: true, combo: [0], taken: [] },
            { tag: "starting the fire capture ends the combination's",
              steps: [["combo"], ["key", true, 4, 1], ["fire"], ["key", true, 5, 1], ["confirm"]], fire: true,
              comboInput: false, combo: [0, 4], taken: [] },
            { tag: "an empty combination is not taken",
              steps: [["combo"], ["confirm"]], comboInput: true, taken: [] },
            { tag: "a confirmed combination is taken once; the dimmed confirm takes nothing",
              steps: [["combo"], ["key", true, 0xE0, 1], ["key", true, 4, 1], ["confirm"], ["confirm"]],
              comboInput: false, taken: [[2, 1, 4, 0]] },
            { tag: "a stopped combination shows the pending one again", pending: [2, 2, 7, 8],
              steps: [["combo"], ["key", true, 5, 1], ["stop"]], comboInput: false, combo: [2, 7, 8], taken: [] },
            { tag: "stopping shows no combination for another entry", pending: [1, 5, 10, 0],
              steps: [["combo"], ["key", true, 5, 1], ["stop"]], combo: [0] }
        ]
    }

    function test_capture(data) {
        var capture = createTemporaryObject(component, this, {
            keyNames: names, pending: data.pending || [0, 0, 0, 0],
            fireRate: data.rate || 10, fireTimes: data.times || 0 })
        verify(capture, component.errorString())
        var taken = []
        var texts = []
        capture.taken.connect((entry, text) => { taken.push(entry); texts.push(text) })
        for (var step of data.steps) {
            switch (step[0]) {
            case "fire": capture.startFire(); break
            case "combo": capture.startCombo(); break
            case "key": capture.detect(step[1], step[2], step[3]); break
            case "confirm": capture.confirmCombo(); break
            case "stop": capture.stop(); break
            }
        }
        if ("fire" in data)
            compare(capture.isFireInput, data.fire, "fire capture")
        if ("comboInput" in data)
            compare(capture.isComboInput, data.comboInput, "combination capture")
        if ("combo" in data)
            compare([capture.combo.modifiers].concat(capture.combo.keys), data.combo, "combination")
        if ("taken" in data)
            compare(taken, data.taken, "entries taken")
        if ("texts" in data)
            compare(texts, data.texts, "texts taken")
    }
}
