import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/KeyAssigment.js" as Assign

// The assignment dialog in the shell, on the recording controller: the text
// of every kind of entry, key capture as the shell routes it, the open and
// close rules and what closing sends.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        name: "KeyAssigment"
        when: windowShown

        property var shell: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
        property var dialog: shell ? shell.keyAssigmentMain : null
        property var matrix: shell ? shell.keyMatrixMain : null

        // A macro editor as the dialog meets it: it records what it is asked
        // to send.
        QtObject {
            id: fakeMacroEditor
            property var sent: []
            function sendMacro(slot, name) { sent.push([slot, name]) }
        }

        // The factory profile's keys, as the settings file gives them back.
        readonly property var factoryKeys: [
            ["0", "0", "240", "0"], ["0", "0", "241", "0"], ["0", "0", "242", "0"], ["0", "0", "244", "0"],
            ["0", "0", "243", "0"], ["5", "0", "1", "0"], ["5", "0", "2", "0"], ["0", "240", "30", "2"],
            ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["0", "0", "0", "0"],
            ["0", "0", "0", "0"], ["0", "0", "0", "0"], ["255", "0", "1", "0"], ["255", "0", "2", "0"]
        ]

        function init() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            ui_View.answers = { mouseGetKeydefine: function(index, isRecovery) { return factoryKeys[index] } }
            fakeMacroEditor.sent = []
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell, shellComponent.errorString())
            verify(dialog && matrix, "the key pages are loaded")
            shell.visible = true
            matrix.init(false, false)
        }

        function setKeys(entries) {
            for (var i = 0; i < entries.length; ++i) {
                matrix.modKeys.set(i, { keyCode0: entries[i][0], keyCode1: entries[i][1], keyCode2: entries[i][2],
                                        keyCode3: entries[i][3], keyText: "" })
            }
        }

        function pendingOf() { return [dialog.keyCode0, dialog.keyCode1, dialog.keyCode2, dialog.keyCode3] }

        function test_text_of_each_type_data() {
            return [
                { tag: "left button", entry: [0, 0, 0xF0, 0], text: "Left Key" },
                { tag: "middle button", entry: [0, 0, 0xF2, 0], text: "Middle Key" },
                { tag: "right button", entry: [0, 0, 0xF1, 0], text: "Right Key" },
                { tag: "forward button", entry: [0, 0, 0xF4, 0], text: "Forward Key" },
                { tag: "back button", entry: [0, 0, 0xF3, 0], text: "Back Key" },
                { tag: "double click", entry: [0, 0xF0, 0x1E, 0x02], text: "Double Fire" },
                { tag: "fire key", entry: [1, 0x2A, 10, 0], text: "Back" },
                { tag: "combination", entry: [2, 0x03, 0x04, 0], text: "LCtrl + LShift + A" },
                { tag: "combination of right Win and two keys", entry: [2, 0x80, 0x05, 0x06], text: "RWin + B + C" },
                { tag: "media", entry: [3, 0, 0xE9, 0x00], text: "Volumn+" },
                { tag: "player", entry: [3, 0, 0x83, 0x01], text: "Player" },
                { tag: "unknown media", entry: [3, 0, 0x01, 0x01], text: "" },
                { tag: "macro", entry: [4, 1, 3, 0], text: "Burst" },
                { tag: "DPI loop", entry: [5, 0, 3, 0], text: "DPI LOOP" },
                { tag: "sniper", entry: [5, 0, 4, 0], text: "Sniper Key" },
                { tag: "DPI out of range", entry: [5, 0, 5, 0], text: "" },
                { tag: "Windows min", entry: [6, 0x04, 0x2C, 0x11], text: "Min" },
                { tag: "Windows run", entry: [6, 0, 0xE3, 0x15], text: "Run" },
                { tag: "shortcut", entry: [7, 0, 0xE0, 0x06], text: "Copy" },
                { tag: "gun", entry: [8, 0, 2, 0], text: "Two Gun" },
                { tag: "special key", entry: [255, 0, 1, 0], text: "" },
                { tag: "unknown type", entry: [9, 0, 1, 0], text: "" }
            ]
        }

        function test_text_of_each_type(data) {
            ui_View.profile["mouseMacroKey/3"] = "Burst"
            var e = data.entry
            compare(dialog.keyCodeToString(e[0], e[1], e[2], e[3]), data.text)
        }

        function test_texts_follow_the_language() {
            var names = dialog.keyAssigmentLang.slice(0)
            names[22] = "DPI 加"
            dialog.keyAssigmentLang = names
            compare(dialog.keyCodeToString(5, 0, 1, 0), "DPI 加")
        }

        function test_combination_capture_through_the_shell() {
            verify(shell.openKeyAssigment(3))
            dialog.startComboCapture()
            verify(dialog.isComboInput)
            shell.detectKeyboard(true, 0xE0)
            shell.detectKeyboard(true, 0xE1)
            shell.detectKeyboard(false, 0xE1)
            shell.detectKeyboard(true, 0x04)
            shell.detectKeyboard(true, 0x05)
            shell.detectKeyboard(true, 0x06)   // a third key is ignored
            dialog.confirmCombo()
            compare(pendingOf(), [2, 0x03, 0x04, 0x05])
            compare(dialog.keyString, "LCtrl + LShift + A + B")
            verify(!dialog.isComboInput)
            shell.detectKeyboard(true, 0x07)   // no capture runs any more
            compare(pendingOf(), [2, 0x03, 0x04, 0x05])
        }

        function test_combination_of_ctrl_shift_a() {
            verify(shell.openKeyAssigment(3))
            dialog.startComboCapture()
            shell.detectKeyboard(true, 0xE0)
            shell.detectKeyboard(true, 0xE1)
            shell.detectKeyboard(true, 0x04)
            dialog.confirmCombo()
            compare(pendingOf(), [2, 0x03, 0x04, 0])
            compare(dialog.keyString, "LCtrl + LShift + A")
            dialog.close()
            compare(matrix.modKeys.get(3).keyText, "LCtrl + LShift + A")
            verify(matrix.isSave)
        }

        function test_cancelled_or_empty_combination_changes_nothing() {
            verify(shell.openKeyAssigment(3))
            var before = pendingOf()
            dialog.startComboCapture()
            dialog.confirmCombo()               // nothing typed: nothing pending
            compare(pendingOf(), before)
            verify(dialog.isComboInput)
            shell.detectKeyboard(true, 0x04)
            dialog.stopCapture()
            verify(!dialog.isComboInput)
            compare(pendingOf(), before)
        }

        function test_fire_key_capture_takes_rate_and_times() {
            verify(shell.openKeyAssigment(4))
            dialog.setRate(20)
            dialog.setTimes(5)
            dialog.startFireCapture()
            shell.detectKeyboard(false, 0x2C)   // a release starts nothing
            verify(dialog.isFireInput)
            shell.detectKeyboard(true, 0x2C)
            verify(!dialog.isFireInput)
            compare(pendingOf(), [1, 0x2C, 20, 5])
            compare(dialog.keyString, "Space")
            dialog.setRate(35)
            dialog.setTimes(0)
            compare(pendingOf(), [1, 0x2C, 35, 0])
            dialog.setTimes(-1)                 // what the field cannot read
            compare(dialog.keyCode3, 0)
        }

        function test_times_field_reads_0_to_255_data() {
            return [
                { tag: "0 endless", text: "0", times: 0 },
                { tag: "255", text: "255", times: 255 },
                { tag: "blanks", text: " 7 ", times: 7 },
                { tag: "256", text: "256", times: -1 },
                { tag: "negative", text: "-1", times: -1 },
                { tag: "empty", text: "", times: -1 },
                { tag: "letters", text: "1a", times: -1 }
            ]
        }

        function test_times_field_reads_0_to_255(data) {
            compare(Assign.timesOf(data.text), data.times)
        }

        function test_only_left_button_opens_nothing() {
            verify(!shell.openKeyAssigment(0))
            verify(!dialog.visible)
            compare(matrix.selectedKey, -1)
            // With a second left button either key may change.
            setKeys([[0, 0, 0xF0, 0], [0, 0, 0xF0, 0]])
            verify(shell.openKeyAssigment(0))
            verify(dialog.visible)
            compare(matrix.selectedKey, 0)
        }

        function test_closing_without_change_sends_nothing() {
            verify(shell.openKeyAssigment(5))
            ui_View.calls = []
            dialog.choose(Assign.mouseItems, 0)
            dialog.choose(Assign.dpiItems, 0)   // back to what key 5 holds
            dialog.close()
            verify(!matrix.isSave)
            verify(!dialog.visible)
            compare(matrix.selectedKey, -1)
            compare(ui_View.callsOf("setData").length, 0)
            compare(ui_View.callsOf("mouseSetKeyMatrix").length, 0)
        }

        function test_dpi_choice_goes_to_the_key_list() {
            verify(shell.openKeyAssigment(3))
            dialog.choose(Assign.dpiItems, 0)
            dialog.close()
            var e = matrix.modKeys.get(3)
            compare([e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3], [5, 0, 1, 0])
            compare(e.keyText, "DPI+")
            verify(matrix.isSave)
        }

        function test_macro_choice_sends_the_macro_and_stores_its_name() {
            dialog.macroEditor = fakeMacroEditor
            dialog.setMacroNames(["Reload", "Burst"])
            verify(shell.openKeyAssigment(6))
            dialog.setMacroMode(2)
            dialog.chooseMacro(1)
            compare(pendingOf(), [4, 2, 6, 0])
            dialog.setMacroMode(1)
            compare(dialog.keyCode1, 1)
            dialog.close()
            compare(fakeMacroEditor.sent, [[6, "Burst"]])
            compare(ui_View.callsOf("setData"), [["setData", "mouseMacroKey/6", "Burst"]])
            compare(matrix.modKeys.get(6).keyText, "Burst")
            verify(matrix.isSave)
        }

        function test_same_macro_entry_with_another_name_counts_as_change() {
            dialog.macroEditor = fakeMacroEditor
            ui_View.profile["mouseMacroKey/6"] = "Reload"
            setKeys([[0, 0, 0xF0, 0], [0, 0, 0xF1, 0], [0, 0, 0xF2, 0], [0, 0, 0xF4, 0], [0, 0, 0xF3, 0],
                     [5, 0, 1, 0], [4, 0, 6, 0]])
            dialog.setMacroNames(["Reload", "Burst"])
            verify(shell.openKeyAssigment(6))
            dialog.chooseMacro(0)
            dialog.close()
            compare(fakeMacroEditor.sent.length, 0, "the same macro is not sent again")
            verify(shell.openKeyAssigment(6))
            dialog.chooseMacro(1)
            dialog.close()
            compare(fakeMacroEditor.sent, [[6, "Burst"]])
        }

        function test_back_takes_the_default() {
            verify(shell.openKeyAssigment(3))
            dialog.choose(Assign.mediaItems, 4)
            dialog.close()
            matrix.isSave = false
            verify(shell.openKeyAssigment(3))
            dialog.back()
            compare(pendingOf(), [0, 0, 0xF4, 0])
            compare(matrix.modKeys.get(3).keyText, "Forward Key")
            verify(matrix.isSave)
        }

        function test_gun_section_only_on_a_gun_mouse() {
            shell.isGun = true
            verify(findChild(dialog, "section_gun"), "gun section on a gun mouse")
            shell.isGun = false
            wait(0)
            verify(!findChild(dialog, "section_gun"), "no gun section without isGun")
            compare(dialog.sections.length, 8)
        }

        function test_focus_ends_capture() {
            verify(shell.openKeyAssigment(3))
            dialog.startFireCapture()
            dialog.keyAssigmentFocus()
            verify(!dialog.isFireInput)
            shell.detectKeyboard(true, 0x04)
            compare(dialog.keyCode0, 0)
        }
    }
}
