import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/KeyMatrix.js" as Matrix
import "qrc:/modules/qml/Z7/Mouse.js" as Drawing

// The key list and the mouse picture in the shell, on the recording
// controller: reading the stored keys, what saving hands to the controller,
// the reset, and opening keys from the picture.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        name: "KeyMatrix"
        when: windowShown

        property var shell: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
        property var matrix: shell ? shell.keyMatrixMain : null
        property var stored: ({})

        readonly property var factoryKeys: [
            ["0", "0", "240", "0"], ["0", "0", "241", "0"], ["0", "0", "242", "0"], ["0", "0", "244", "0"],
            ["0", "0", "243", "0"], ["5", "0", "1", "0"], ["5", "0", "2", "0"], ["0", "240", "30", "2"],
            ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["0", "0", "0", "0"],
            ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["255", "0", "1", "0"], ["255", "0", "2", "0"]
        ]

        QtObject {
            id: fakeMacroEditor
            property var sent: []
            function sendMacro(slot, name) { sent.push([slot, name]) }
        }

        QtObject {
            id: fakeGuns
            property int selectGun1: 2
            property int selectGun2: 0
            property int selectGun3: 5
            property var listModel: ListModel {
                ListElement { gunPeriod: "12" }
                ListElement { gunPeriod: "9" }
                ListElement { gunPeriod: "31" }
            }
        }

        // Keys of the current profile where `stored` says so, the factory
        // keys otherwise and for the defaults.
        function init() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            stored = {}
            fakeMacroEditor.sent = []
            ui_View.answers = {
                mouseGetKeydefine: function(index, isRecovery) {
                    return !isRecovery && stored[index] !== undefined ? stored[index] : factoryKeys[index]
                }
            }
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell && matrix, shellComponent.errorString())
            matrix.macroEditor = fakeMacroEditor
        }

        function entryOf(i) {
            var e = matrix.modKeys.get(i)
            return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
        }

        // How the other pages change the key list: assign, restoreDefault
        // and renameKey change one key and read back through entryAt.
        function test_other_pages_change_keys_data() {
            return [
                { tag: "assign marks unsaved", change: m => m.assign(2, [2, 1, 6, 0], "LCtrl + C"), key: 2,
                  entry: [2, 1, 6, 0], text: "LCtrl + C", unsaved: true },
                { tag: "default back", change: m => { m.assign(3, [5, 0, 1, 0], "DPI+"); m.isSave = false; return m.restoreDefault(3) },
                  key: 3, entry: [0, 0, 244, 0], text: "Forward Key", unsaved: false, result: true },
                { tag: "no default outside the list", change: m => m.restoreDefault(16), key: 0,
                  entry: [0, 0, 240, 0], text: "Left Key", unsaved: false, result: false },
                { tag: "macro renamed", change: m => m.renameKey(1, "Spray"), key: 1,
                  entry: [0, 0, 241, 0], text: "Spray", unsaved: false }
            ]
        }

        function test_other_pages_change_keys(data) {
            matrix.init(false, false)
            matrix.isSave = false
            var result = data.change(matrix)
            if (data.result !== undefined)
                compare(result, data.result)
            var now = matrix.entryAt(data.key)
            compare(now.entry.map(Number), data.entry)
            compare(now.text, data.text)
            compare(matrix.isSave, data.unsaved)
            compare(matrix.entryAt(16), null)
            compare(matrix.entryAt(-1), null)
        }

        function test_init_reads_current_and_default_keys() {
            stored = { 3: ["5", "0", "3", "0"], 9: ["2", "1", "6", "0"] }
            matrix.init(false, false)
            compare(ui_View.callsOf("mouseGetKeydefine").length, 32)
            compare(entryOf(3), [5, 0, 3, 0])
            compare(matrix.modKeys.get(3).keyText, "DPI LOOP")
            compare(matrix.modKeys.get(9).keyText, "LCtrl + C")
            compare(matrix.modKeys_tmp.get(3).keyText, "Forward Key")
            compare(matrix.modKeys.get(7).keyText, "Double Fire")
            compare(ui_View.callsOf("mouseSetKeyMatrix").length, 0, "nothing sent without isSendData")
            var button = findChild(matrix, "keyButton3")
            compare(button.name, "Key 4")
            compare(button.functionText, "DPI LOOP")
        }

        function test_damaged_entries_keep_their_start_value_data() {
            return [
                { tag: "missing", stored: [] },
                { tag: "short", stored: ["5", "0", "1"] },
                { tag: "past a byte", stored: ["0", "0", "300", "0"] },
                { tag: "not a number", stored: ["x", "0", "1", "0"] },
                { tag: "negative", stored: ["-1", "0", "1", "0"] }
            ]
        }

        function test_damaged_entries_keep_their_start_value(data) {
            ignoreWarning(new RegExp("key 2 has no readable entry"))
            stored = { 2: data.stored }
            matrix.init(false, false)
            compare(entryOf(2), [0, 0, 0xF2, 0])
            compare(entryOf(1), [0, 0, 0xF1, 0], "the neighbours are untouched")
            compare(entryOf(3), [0, 0, 0xF4, 0])
        }

        function test_save_hands_all_keys_and_the_gun_periods() {
            matrix.gunControl = fakeGuns
            matrix.init(false, false)
            matrix.modKeys.set(3, { keyCode0: 8, keyCode1: 0, keyCode2: 2, keyCode3: 0, keyText: "Two Gun" })
            matrix.modKeys.saveData()
            var calls = ui_View.callsOf("mouseSetKeyMatrix")
            compare(calls.length, 1)
            var values = calls[0][1]
            compare(values.length, 64)
            compare(values.slice(0, 4), [0, 0, 0xF0, 0])
            compare(values.slice(12, 16), [8, 0, 2, 0])
            compare(values.slice(56, 64), [255, 0, 1, 0, 255, 0, 2, 0])
            compare(calls[0][2], true)
            compare(calls[0][3], [31, 12, 10], "slot 3 holds no gun: the presets' period")
        }

        function test_profile_change_sends_at_once() {
            matrix.init(true, false)
            compare(ui_View.callsOf("mouseSetKeyMatrix").length, 1)
        }

        function test_save_button_sends_changed_keys_once() {
            matrix.init(false, false)
            verify(shell.openKeyAssigment(3))
            shell.keyAssigmentMain.choose([{ text: 22, entry: [5, 0, 1, 0] }], 0)
            shell.keyAssigmentMain.close()
            verify(shell.hasUnsaved)
            findChild(shell, "saveButton").clicked()
            verify(!matrix.isSave)
            var calls = ui_View.callsOf("mouseSetKeyMatrix")
            compare(calls.length, 1)
            compare(calls[0][1].slice(12, 16), [5, 0, 1, 0])
            findChild(shell, "saveButton").clicked()
            compare(ui_View.callsOf("mouseSetKeyMatrix").length, 1, "nothing left to save")
        }

        function test_reset_restores_defaults_and_resends_default_macros() {
            factoryKeys[8] = ["4", "0", "8", "0"]
            ui_View.profile["mouseMacroKey/8"] = "Spray"
            stored = { 4: ["5", "0", "4", "0"] }
            matrix.init(false, false)
            ui_View.calls = []
            matrix.resetKeys()
            factoryKeys[8] = ["0", "0", "0", "0"]
            compare(entryOf(4), [0, 0, 0xF3, 0])
            compare(entryOf(8), [4, 0, 8, 0])
            compare(fakeMacroEditor.sent, [[8, "Spray"]])
            compare(ui_View.callsOf("setData"), [["setData", "mouseMacroKey/8", "Spray"]])
            verify(matrix.isSave)
        }

        function test_button_name_data() {
            return [
                { tag: "prefix with blank", prefix: "Key ", name: "Key 3" },
                { tag: "prefix without blank", prefix: "按键", name: "按键 3" },
                { tag: "no prefix", prefix: "", name: "3" }
            ]
        }

        function test_button_name(data) {
            compare(Matrix.buttonName(data.prefix, 3), data.name)
        }

        function test_only_left_button_data() {
            var left = [0, 0, 0xF0, 0], right = [0, 0, 0xF1, 0], dbl = [0, 0xF0, 0x1E, 0x02]
            return [
                { tag: "the only left button", entries: [left, right, dbl], index: 0, only: true },
                { tag: "one of two left buttons", entries: [right, left, left], index: 1, only: false },
                { tag: "double click is no left button", entries: [dbl, left], index: 1, only: true },
                { tag: "not a left button", entries: [left, right], index: 1, only: false },
                { tag: "out of range", entries: [left], index: 5, only: false }
            ]
        }

        function test_only_left_button(data) {
            compare(Matrix.isOnlyLeftButton(data.entries, data.index), data.only)
        }

        function test_picture_of_the_keys_data() {
            return [
                { tag: "nothing lit", side: false, selected: -1, hovered: -1, count: 8, name: "sourceMouseFront" },
                { tag: "hovered", side: false, selected: -1, hovered: 2, count: 8, name: "sourceMouse2" },
                { tag: "selected before hovered", side: false, selected: 3, hovered: 2, count: 8, name: "sourceMouse3S" },
                { tag: "side view", side: true, selected: 4, hovered: -1, count: 8, name: "sourceMouseSide4S" },
                { tag: "right button not on the side", side: true, selected: 1, hovered: -1, count: 8, name: "sourceMouseSide" },
                { tag: "a key this mouse lacks", side: false, selected: 7, hovered: -1, count: 6, name: "sourceMouseFront" }
            ]
        }

        function test_picture_of_the_keys(data) {
            compare(Drawing.pictureProperty(data.side, data.selected, data.hovered, data.count), data.name)
            verify(String(shell[data.name]).indexOf(".png") > 0, "the shell has the picture")
        }

        function test_click_on_the_picture_opens_the_key() {
            matrix.init(false, false)
            shell.visible = true
            shell.panelsShown = true
            var key = findChild(shell.mouseMain, "mouseKey4")
            verify(key)
            mouseClick(key)
            verify(shell.keyAssigmentMain.visible)
            compare(shell.keyAssigmentMain.keyIndex, 4)
            compare(shell.keyAssigmentMain.keyString, "Back Key")
            compare(matrix.selectedKey, 4)
            compare(String(findChild(shell.mouseMain, "mousePicture").source), String(shell.sourceMouse4S))
            shell.keyAssigmentMain.close()
            compare(matrix.selectedKey, -1)
        }
    }
}
