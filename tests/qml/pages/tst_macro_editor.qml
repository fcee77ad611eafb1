import QtQuick
import QtTest
import "qrc:/modules/qml/common/MacroPayload.js" as MacroPayload

// The macro editor in the main window, on a fake controller whose macro
// library keeps its files in `files` (name -> event texts and the repeat
// count, as loadMacroIni returns them).
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    id: testCase
    name: "MacroEditor"
    when: windowShown

    property var shell: null
    property var editor: null
    property var files: ({})
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    SignalSpy { id: dataSpy; signalName: "modifyMacroData" }
    SignalSpy { id: renameSpy; signalName: "modifyMacroName" }
    SignalSpy { id: deleteSpy; signalName: "deleteMacro" }

    function library() {
        return {
            getNameList: function(type) {
                var names = Object.keys(files)
                return names.length === 1 ? names.concat(["loaderzorvex"]) : names
            },
            createMacroIni: function(name, index) {
                if (!(name in files))
                    files[name] = ["1"]
                return true
            },
            saveMacroIni: function(name, events, repeat) {
                if (!(name in files))
                    return false
                files[name] = events.concat([String(repeat)])
                return true
            },
            loadMacroIni: function(name) { return name in files ? files[name].slice(0) : [] },
            deleteMacroIni: function(name) { delete files[name]; return true }
        }
    }

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        files = {}
        ui_View.answers = library()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
        shell.visible = true
        shell.panelsShown = true
        editor = shell.macroEditor
        verify(editor, "the shell has no macro editor")
        for (var spy of [dataSpy, renameSpy, deleteSpy]) {
            spy.target = editor
            spy.clear()
        }
    }

    function open(macros) {
        for (var name in macros)
            files[name] = macros[name]
        editor.init()
        shell.showCentred(editor)
        verify(editor.visible)
        ui_View.calls = []
    }

    // A row of the list named `list`, once the list has laid it out.
    function row(list, index) {
        var view = findChild(child(list), list === "macroEventList" ? "macroEventView" : "macroNameView")
        tryVerify(function() { return view.itemAtIndex(index) !== null }, 1000, "no row " + index + " in " + list)
        return view.itemAtIndex(index)
    }

    function child(name) {
        var item = findChild(editor, name)
        verify(item, "no item " + name)
        return item
    }

    function clock() { return child("recordClock") }

    function names() { return editor.names() }

    function eventTexts() {
        var texts = []
        for (var i = 0; i < editor.eventModel.count; ++i)
            texts.push(editor.eventModel.get(i).type + "," + editor.eventModel.get(i).info)
        return texts
    }

    // The recording reads the time from here; only advance() moves it.
    property real time: 100000

    function startRecording() {
        editor.timeSource = function() { return testCase.time }
        mouseClick(child("macroRecordButton"))
        verify(editor.isInputting)
    }

    function advance(ms) {
        time += ms
        clock().triggered()
    }

    // Keys arrive as the program sends them: through the main window.
    function key(isDown, code) { shell.detectKeyboard(isDown, code) }

    function test_recording_a_tap_data() {
        return [
            { tag: "with pauses", delay: true, events: ["1,A", "0,120", "2,A"] },
            { tag: "without pauses", delay: false, events: ["1,A", "2,A"] }
        ]
    }

    function test_recording_a_tap(data) {
        open({ "Macro_0": ["1,B", "2,B", "5"] })
        if (data.delay)
            mouseClick(child("macroDelayBox"))
        compare(editor.isDelayRecorded, data.delay)
        startRecording()
        compare(editor.eventModel.count, 0, "recording starts from an empty list")
        advance(400)
        key(true, 0x04)
        advance(123)
        key(false, 0x04)
        compare(eventTexts(), data.events)
        mouseClick(child("macroRecordButton"))
        verify(!editor.isInputting)
        compare(files["Macro_0"], data.events.concat(["5"]))
        compare(dataSpy.count, 1)
        compare(dataSpy.signalArguments[0][0], "Macro_0")
        key(true, 0x05)
        compare(editor.eventModel.count, data.events.length, "a key after the stop is not recorded")
    }

    function test_recording_stops_adding_at_the_memory_limit() {
        open({ "Macro_0": ["1"] })
        startRecording()
        for (var i = 0; i < 40; ++i) {
            key(true, 0x04 + i % 26)
            key(false, 0x04 + i % 26)
        }
        compare(editor.eventModel.count, 61)
        compare(editor.encodedLength, 126)
        compare(MacroPayload.encodedLength(editor.eventModel), 126)
        verify(!editor.hasRoom)
        compare(child("memoryText").text, "126 / 126")
        mouseClick(child("macroRecordButton"))
        compare(files["Macro_0"].length, 62)
    }

    function test_switching_macro_while_recording_saves_the_recording() {
        open({ "Macro_0": ["1"], "Macro_1": ["1,C", "2,C", "1"] })
        startRecording()
        key(true, 0x04)
        key(false, 0x04)
        editor.selectMacro(1)
        verify(!editor.isInputting)
        compare(files["Macro_0"], ["1,A", "2,A", "1"])
        compare(files["Macro_1"], ["1,C", "2,C", "1"])
        compare(eventTexts(), ["1,C", "2,C"])
    }

    function eventMenuChoice(index, entry) {
        mouseClick(row("macroEventList", index), 60, 10, Qt.RightButton)
        var menu = child("macroEventMenu")
        verify(menu.visible)
        mouseClick(findChild(menu, "menuEntry" + entry))
        verify(!menu.visible)
    }

    function test_insert_left_key_data() {
        return [
            { tag: "on the last event", row: 2,
              events: ["1,A", "0,50", "2,A", "3,MS-L", "4,MS-L"] },
            { tag: "in the middle", row: 0,
              events: ["1,A", "3,MS-L", "4,MS-L", "0,50", "2,A"] }
        ]
    }

    function test_insert_left_key(data) {
        open({ "Macro_0": ["1,A", "0,50", "2,A", "1"] })
        eventMenuChoice(data.row, 3)
        compare(eventTexts(), data.events)
        compare(files["Macro_0"], data.events.concat(["1"]))
        compare(dataSpy.count, 1)
        var payload = MacroPayload.build(editor.eventModel, 1, editor.keyNames)
        compare(payload.indexOf(0xF0) > 0, true, "the button plays as code 0xF0")
    }

    function test_insert_key_takes_the_next_keyboard_key() {
        open({ "Macro_0": ["1,A", "2,A", "1"] })
        eventMenuChoice(0, 2)
        verify(editor.isInsertting)
        key(true, 0xF1)
        key(true, 0x05)
        key(false, 0x06)
        mouseClick(child("insertKeyOk"))
        verify(!editor.isInsertting)
        compare(eventTexts(), ["1,B", "2,B", "1,A", "2,A"])
    }

    function test_inserting_is_refused_when_full() {
        var full = []
        for (var i = 0; i < 61; ++i)
            full.push((i % 2 ? "2" : "1") + ",A")
        open({ "Macro_0": full.concat(["1"]) })
        verify(!editor.hasRoom)
        var menu = child("macroEventMenu")
        mouseClick(row("macroEventList", 0), 60, 10, Qt.RightButton)
        for (var entry = 1; entry <= 5; ++entry)
            mouseClick(findChild(menu, "menuEntry" + entry))
        verify(menu.visible, "disabled entries keep the menu open")
        compare(editor.eventModel.count, 61)
        verify(!editor.isInsertting)
        mouseClick(findChild(menu, "menuEntry0"))
        compare(editor.eventModel.count, 60)
        verify(editor.hasRoom)
        compare(files["Macro_0"].length, 61)
    }

    function test_delay_edit_keeps_old_value_on_bad_input() {
        open({ "Macro_0": ["1,A", "0,120", "2,A", "1"] })
        mouseDoubleClickSequence(row("macroEventList", 1), 100, 10)
        var input = findChild(row("macroEventList", 1), "macroDelayEditor")
        verify(input.activeFocus)
        input.text = "12a"
        keyClick(Qt.Key_Return)
        compare(eventTexts(), ["1,A", "0,120", "2,A"])
        compare(dataSpy.count, 0, "nothing changed, nothing saved")
        mouseDoubleClickSequence(row("macroEventList", 1), 100, 10)
        input = findChild(row("macroEventList", 1), "macroDelayEditor")
        input.text = "2000"
        keyClick(Qt.Key_Return)
        compare(files["Macro_0"], ["1,A", "0,2000", "2,A", "1"])
        compare(editor.encodedLength, 12, "a long pause takes four more bytes")
    }

    function test_repeat_field() {
        open({ "Macro_0": ["1,A", "2,A", "3"] })
        var input = child("macroRepeatInput")
        compare(input.text, "3")
        mouseClick(input)
        input.selectAll()
        keyClick(Qt.Key_Delete)
        keyClick(Qt.Key_Return)
        compare(input.text, "0")
        compare(files["Macro_0"], ["1,A", "2,A", "0"])
        input.selectAll()
        keyClick(Qt.Key_4)
        keyClick(Qt.Key_2)
        keyClick(Qt.Key_X)
        keyClick(Qt.Key_Return)
        compare(files["Macro_0"], ["1,A", "2,A", "42"])
        compare(dataSpy.count, 2)
        keyClick(Qt.Key_Return)
        compare(dataSpy.count, 2, "ending the input unchanged sends nothing")
    }

    function test_new_takes_the_first_free_name() {
        open({ "Macro_0": ["1"], "Macro_2": ["1"] })
        mouseClick(child("macroNewButton"))
        compare(names(), ["Macro_0", "Macro_2", "Macro_1"])
        compare(editor.currentMacro, 2)
        verify("Macro_1" in files)
        compare(ui_View.callsOf("updataNameList"), [["updataNameList", 0, ["Macro_0", "Macro_2", "Macro_1"]]])
    }

    function test_import_cancelled_adds_nothing() {
        open({ "Macro_0": ["1,A", "2,A", "1"], "Jump": ["1"] })
        editor.selectMacro(1)
        ui_View.answers.loadMacroFile = false
        editor.importMacro()
        compare(names(), ["Macro_0", "Jump"])
        compare(editor.currentMacro, 1)
        compare(ui_View.callsOf("loadMacroFile"), [["loadMacroFile", "Macro_1"]])
        compare(ui_View.callsOf("createMacroIni"), [])
        verify(!child("macroNotice").visible, "a cancelled dialog says nothing")
    }

    // The imported macro takes the file's name, made unique, and the
    // editor says where it came from; a file not read is said so.
    function test_import_takes_the_file_name_data() {
        return [
            { tag: "free name", file: "/d/Burst.mc", done: true, names: ["Macro_0", "Burst", "Jump"],
              notice: "Imported Burst.mc" },
            { tag: "name taken", file: "/d/Jump.mc", done: true, names: ["Macro_0", "Jump (2)", "Jump"],
              notice: "Imported Jump.mc" },
            { tag: "not read", file: "/d/bad.mc", done: false, names: ["Macro_0", "Jump"],
              notice: "Not imported: bad.mc could not be read" }
        ]
    }

    function test_import_takes_the_file_name(data) {
        open({ "Macro_0": ["1,A", "2,A", "1"], "Jump": ["1"] })
        editor.selectMacro(1)
        ui_View.answers.loadMacroFile = function(name) { if (data.done) files[name] = ["1,B", "2,B", "1"]; return data.done }
        var base = data.file.slice(3, -3)
        ui_View.answers.lastFileOutcome = { file: data.file, name: base, done: data.done }
        editor.importMacro()
        compare(names(), data.names)
        compare(child("macroNotice").text, data.notice)
        compare(child("macroNotice").problem, !data.done)
    }

    function test_export_confirms_where_the_file_went() {
        open({ "Macro_0": ["1,A", "2,A", "1"] })
        ui_View.answers.lastFileOutcome = { file: "/home/u/Desktop/Macro_0.mc", name: "Macro_0", done: true }
        editor.exportMacro()
        compare(ui_View.callsOf("saveMacroFile"), [["saveMacroFile", "Macro_0"]])
        compare(child("macroNotice").text, "Exported to Macro_0.mc")
        verify(child("macroNotice").visible)
    }

    function renameRow(index, text) {
        mouseDoubleClickSequence(row("macroNameList", index), 40, 10)
        var input = findChild(row("macroNameList", index), "macroNameEditor")
        verify(input.activeFocus)
        input.text = text
        keyClick(Qt.Key_Return)
    }

    function test_rename() {
        open({ "Macro_0": ["1,A", "2,A", "1"], "Jump": ["1"] })
        renameRow(0, "Reload")
        compare(renameSpy.count, 1)
        compare(renameSpy.signalArguments[0][0], "Macro_0")
        compare(renameSpy.signalArguments[0][1], "Reload")
        compare(names(), ["Reload", "Jump"])
        compare(ui_View.callsOf("updataNameList"), [["updataNameList", 0, ["Reload", "Jump"]]])
    }

    function test_rename_refused_data() {
        return [
            { tag: "another macro's name", name: "Jump" },
            { tag: "a file left behind under that name", name: "Old" },
            { tag: "a folder part", name: "../Jump" }
        ]
    }

    function test_rename_refused(data) {
        open({ "Macro_0": ["1,A", "2,A", "1"], "Jump": ["1"] })
        files["Old"] = ["1,Z", "2,Z", "1"]
        renameRow(0, data.name)
        compare(renameSpy.count, 0)
        compare(names(), ["Macro_0", "Jump"])
        compare(ui_View.callsOf("updataNameList").length, 0)
    }

    function test_delete_selects_the_next_macro() {
        open({ "A1": ["1,A", "2,A", "1"], "B1": ["1,B", "2,B", "1"], "C1": ["1"] })
        mouseClick(child("macroDeleteButton"))
        var question = findChild(shell, "questionDialog")
        compare(deleteSpy.count, 0, "Delete asks first")
        verify(question.visible)
        compare(question.question, "Delete the macro “A1”?")
        question.choose(1)
        compare(names(), ["A1", "B1", "C1"], "Cancel deletes nothing")
        mouseClick(child("macroDeleteButton"))
        question.choose(0)
        compare(deleteSpy.count, 1)
        compare(deleteSpy.signalArguments[0][0], "A1")
        compare(names(), ["B1", "C1"])
        compare(editor.currentMacro, 0)
        compare(eventTexts(), ["1,B", "2,B"])
        verify(!("A1" in files))
        compare(ui_View.callsOf("updataNameList"), [["updataNameList", 0, ["B1", "C1"]]])
    }

    function test_a_save_that_fails_is_shown_and_not_sent() {
        open({ "Macro_0": ["1,A", "2,A", "1"] })
        // The file vanished: it is made again and the edit kept.
        delete files["Macro_0"]
        eventMenuChoice(1, 1)
        compare(files["Macro_0"], ["1,A", "0,50", "2,A", "1"])
        compare(dataSpy.count, 1)
        verify(!child("saveFailedNotice").visible)
        // The file cannot be written at all.
        ui_View.answers.saveMacroIni = false
        eventMenuChoice(0, 0)
        verify(editor.saveFailed)
        verify(child("saveFailedNotice").visible)
        compare(dataSpy.count, 1, "an unsaved macro is not sent to the mouse")
    }

    function test_send_macro() {
        files["Tap"] = ["1,A", "0,120", "2,A", "2"]
        verify(editor.sendMacro(4, "Tap"))
        compare(ui_View.callsOf("mouseSendMacroData"),
                [["mouseSendMacroData", [0, 2, 12, 0x04, 0x81, 0x04, 0, 0], 4]])
        verify(!editor.sendMacro(5, "Missing"))
        compare(ui_View.callsOf("mouseSendMacroData").length, 1, "no file, nothing sent")
    }

    function test_closing_stops_recording_and_hides() {
        open({ "Macro_0": ["1"] })
        startRecording()
        key(true, 0x04)
        mouseClick(child("macroEditorClose"))
        verify(!editor.visible)
        verify(!editor.isInputting)
        compare(files["Macro_0"], ["1,A", "1"])
        verify(!findChild(shell, "dialogMask").visible)
        key(false, 0x04)
        compare(files["Macro_0"], ["1,A", "1"])
    }

    function test_dragging_keeps_the_page_inside_the_window() {
        open({ "Macro_0": ["1"] })
        mouseDrag(editor, 300, 10, -2000, 2000)
        compare(editor.x, 0)
        compare(editor.y, shell.height - editor.height)
    }
}
}
