import QtQuick
import "../common"
import "../common/Calls.js" as Calls
import "../common/Values.js" as Values
import "../common/MacroPayload.js" as MacroPayload
import "../common/Hints.js" as Hints
import "../common/InputRules.js" as InputRules
import "MacroEvents.js" as MacroEvents
import "MacroNames.js" as MacroNames
import "MacroRecording.js" as MacroRecording

// The macro editor: the macros on the left, the events of the selected one
// on the right; records keys from the keyboard hook, edits and inserts
// events, and saves every change at once. The main window answers its three
// signals so that the key assignments and the mouse follow.
Image {
    id: editor
    objectName: "macroEditor"

    readonly property var shell: typeof root === "undefined" ? null : root
    readonly property var defaultMacroEditorLang: [
        "Macro Editor", "Macro Name", "New", "Delete", "Action", "Stop Record", "Times", "OK",
        "Start Record", "Delay", "Delete", "Import", "Export", "Insert Delay", "Insert Key",
        "Insert Left Key", "Insert Middle Key", "Insert Right Key", "Memory", "Not saved"
    ]
    property var macroEditorLang: defaultMacroEditorLang.slice(0)

    property bool isInputting: false
    property bool isInsertting: false
    property int currentMacro: -1
    property int currentEvent: -1
    property bool isDelayRecorded: false
    property int encodedLength: 2
    readonly property bool hasRoom: encodedLength < MacroPayload.editorLimit
    property bool saveFailed: false
    property var recording: MacroRecording.start(0)
    // Where the recording reads the time (ms); tests put a clock of their own.
    property var timeSource: null
    // The repeat count as last loaded or saved, so that leaving the field
    // unchanged neither saves nor sends.
    property int savedRepeat: 1

    readonly property string fontFamily: shell.fontFamily
    readonly property int fontSize: shell.fontNormalSize
    readonly property color buttonColor: shell.colorBlue
    readonly property color accentColor: shell.colorOrange
    readonly property ListModel macroModel: ListModel {}
    readonly property ListModel eventModel: ListModel {}

    signal deleteMacro(string macroName)
    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)

    width: 640
    height: 448
    visible: false
    // The art is decoded when the dialog opens, not at start.
    source: shell && visible ? shell.sourcemacroBg : ""

    function view(name, args, fallback) {
        return Calls.call(typeof ui_View === "undefined" ? null : ui_View, name, args, fallback, "ui_View")
    }

    function now() { return timeSource ? timeSource() : Date.now() } // qmllint disable type

    function keyNames() { return typeof _KeyCodeString === "undefined" ? undefined : _KeyCodeString }
    function keyName(code) { return keyNames() ? keyNames().keycodeTostr(code) : "" }

    function names() {
        var list = []
        for (var i = 0; i < macroModel.count; ++i)
            list.push(macroModel.get(i).textValue) // qmllint disable type
        return list
    }

    function currentName() { return currentMacro >= 0 ? macroModel.get(currentMacro).textValue : "" }

    function handOverNames() {
        shell.keyAssigmentMain.setMacroNames(names())
    }

    function storeNames() {
        view("updataNameList", [0, names()])
        handOverNames()
    }

    function updateLength() { encodedLength = MacroPayload.encodedLength(eventModel) }

    function init() {
        macroModel.clear()
        eventModel.clear()
        currentMacro = -1
        var stored = MacroNames.fromStored(view("getNameList", [0], []))
        for (var i = 0; i < stored.length; ++i)
            macroModel.append({ textValue: stored[i] })
        if (macroModel.count > 0)
            selectMacro(0)
        handOverNames()
    }

    function loadEvents() {
        eventModel.clear()
        currentEvent = -1
        saveFailed = false
        var macro = MacroEvents.fromStored(currentMacro >= 0 ? view("loadMacroIni", [currentName()], []) : [])
        if (macro.skipped > 0)
            console.warn("ui: macro " + currentName() + ": " + macro.skipped + " unreadable events left out")
        for (var i = 0; i < macro.events.length; ++i)
            eventModel.append(macro.events[i])
        savedRepeat = MacroEvents.repeatFromInput(macro.repeat)
        recordBar.repeatText = String(savedRepeat)
        updateLength()
    }

    // Every change is saved at once. A file that went missing under the list
    // is made again rather than the change lost; a save that still fails is
    // shown and not passed on to the mouse.
    function autoSave() {
        if (currentMacro < 0)
            return false
        var name = currentName()
        var texts = MacroEvents.toStored(eventModel)
        var repeat = MacroEvents.repeatFromInput(recordBar.repeatText)
        var saved = Values.toBool(view("saveMacroIni", [name, texts, repeat], false), false)
        if (!saved) {
            view("createMacroIni", [name, 0])
            saved = Values.toBool(view("saveMacroIni", [name, texts, repeat], false), false)
        }
        saveFailed = !saved
        if (!saved) {
            console.warn("ui: macro " + name + " could not be saved")
            return false
        }
        savedRepeat = repeat
        modifyMacroData(name)
        return true
    }

    function endEdits() {
        macroMenu.close()
        eventMenu.close()
        nameList.finishRename()
        eventList.finishEdit()
    }

    function selectMacro(index) {
        if (index === currentMacro && index >= 0)
            return
        stopRecording()
        endEdits()
        currentMacro = index >= 0 && index < macroModel.count ? index : -1
        loadEvents()
        if (currentMacro >= 0)
            nameList.positionViewAtIndex(currentMacro)
    }

    function startRecording() {
        if (currentMacro < 0 || isInputting)
            return
        endEdits()
        closeInsertKey()
        eventModel.clear()
        currentEvent = -1
        updateLength()
        recording = MacroRecording.start(now())
        recordBar.elapsedText = MacroRecording.elapsedText(recording, recording.started)
        isInputting = true
        recordClock.start()
        // Keys typed into the window while recording must not land in a field.
        editor.forceActiveFocus()
    }

    function stopRecording() {
        if (!isInputting)
            return
        recordClock.stop()
        isInputting = false
        autoSave()
    }

    function appendEvents(events) {
        for (var i = 0; i < events.length; ++i)
            eventModel.append(events[i])
        if (events.length > 0) {
            currentEvent = eventModel.count - 1
            eventList.positionViewAtIndex(currentEvent)
            updateLength()
        }
    }

    // A key from the keyboard hook while recording.
    function detectKeyboard(isDown, usbCode) {
        if (!isInputting || currentMacro < 0)
            return
        var code = Number(usbCode) & 0xFF
        appendEvents(MacroRecording.take(recording, eventModel, isDown, code, keyName(code), isDelayRecorded, now()))
    }

    // A key from the keyboard hook while the insert-key dialog is open.
    function detectInput(isDown, usbCode) {
        if (!isInsertting || !isDown)
            return
        var code = Number(usbCode) & 0xFF
        var name = keyName(code)
        if (code < MacroEvents.firstButtonCode && name !== "")
            insertKeyDialog.take(code, name)
    }

    function insertEvents(index, events) {
        for (var i = 0; i < events.length; ++i)
            eventModel.insert(index + i, events[i])
        currentEvent = index + events.length - 1
        eventList.positionViewAtIndex(currentEvent)
        updateLength()
        autoSave()
    }

    function openInsertKey() {
        insertKeyDialog.open()
        isInsertting = true
    }

    function closeInsertKey() {
        insertKeyDialog.visible = false
        isInsertting = false
    }

    function insertButton(code) {
        insertEvents(MacroEvents.buttonIndex(currentEvent, eventModel.count), MacroEvents.tap(code, keyName(code)))
    }

    function removeEvent() {
        if (currentEvent < 0 || currentEvent >= eventModel.count)
            return
        eventModel.remove(currentEvent)
        currentEvent = Math.min(currentEvent, eventModel.count - 1)
        updateLength()
        autoSave()
    }

    function editDelay(index, text) {
        var old = Number(eventModel.get(index).info)
        var value = MacroEvents.delayFromInput(text, old)
        if (value === MacroEvents.maxDelayMs && String(text).trim() !== String(value))
            notice.show(InputRules.filled(hint(Hints.Index.corrected), value,
                                          InputRules.rangeText(0, MacroEvents.maxDelayMs)), true)
        if (value === old)
            return
        eventModel.setProperty(index, "info", String(value))
        updateLength()
        autoSave()
    }

    function commitRepeat() {
        var repeat = MacroEvents.repeatFromInput(recordBar.repeatText)
        recordBar.repeatText = String(repeat)
        if (repeat !== savedRepeat)
            autoSave()
    }

    function newMacro() {
        if (!MacroNames.canAdd(names()))
            return
        stopRecording()
        var name = MacroNames.nextFree(names())
        macroModel.append({ textValue: name })
        view("createMacroIni", [name, 0])
        selectMacro(macroModel.count - 1)
        storeNames()
    }

    // Delete asks first; the macro and its file go only on OK.
    function askRemove() {
        if (currentMacro < 0)
            return
        shell.confirm(macroEditorLang[3], InputRules.filled(hint(Hints.Index.deleteMacro), currentName()),
                      macroEditorLang[3], function() { editor.removeMacro() })
    }

    function removeMacro() {
        if (currentMacro < 0)
            return
        stopRecording()
        endEdits()
        var index = currentMacro
        var name = currentName()
        view("deleteMacroIni", [name])
        eventModel.clear()
        deleteMacro(name)
        macroModel.remove(index)
        currentMacro = -1
        selectMacro(Math.min(index, macroModel.count - 1))
        storeNames()
    }

    // The imported macro takes the file's name, made unique; a cancelled or
    // failed import adds nothing.
    function importMacro() {
        if (!MacroNames.canAdd(names()))
            return
        stopRecording()
        endEdits()
        var name = MacroNames.nextFree(names())
        var taken = Values.toBool(view("loadMacroFile", [name], false), false)
        var outcome = view("lastFileOutcome", [], null)
        if (taken) {
            var index = currentMacro >= 0 ? currentMacro : macroModel.count
            macroModel.insert(index, { textValue: name })
            currentMacro = index
            storeNames()
            var others = names().filter(function(n, i) { return i !== index })
            var wanted = InputRules.importedName(outcome ? outcome.name : "", others, MacroNames.maxNameLength, name)
            if (wanted !== name)
                renameMacro(index, wanted)
            loadEvents()
            nameList.positionViewAtIndex(index)
        }
        showFileNotice(outcome, true)
    }

    function exportMacro() {
        if (currentMacro < 0)
            return
        view("saveMacroFile", [currentName()])
        showFileNotice(view("lastFileOutcome", [], null), false)
    }

    function hint(index) { return Hints.text(shell ? shell.hintLang : null, index) }

    function showFileNotice(outcome, isImport) {
        var line = Hints.fileNotice(shell ? shell.hintLang : null, outcome, isImport)
        if (line)
            notice.show(line.text, line.problem)
    }

    // A name another macro has, or one a macro file left behind has, would
    // make two macros one; such a rename changes nothing.
    function renameMacro(index, name) {
        var problem = MacroNames.renameProblem(names(), index, name)
        if (problem === "" && view("loadMacroIni", [name], []).length > 0)
            problem = "taken"
        if (problem !== "") {
            if (problem !== "unchanged")
                console.warn("ui: macro " + names()[index] + " keeps its name (" + problem + "): " + name)
            return false
        }
        stopRecording()
        var old = macroModel.get(index).textValue
        modifyMacroName(old, name)
        macroModel.setProperty(index, "textValue", name)
        storeNames()
        return true
    }

    function sendMacro(index, macroName) {
        var stored = view("loadMacroIni", [macroName], [])
        if (!stored || stored.length === 0) {
            console.warn("ui: macro " + macroName + " has no file; macro slot " + index + " not sent")
            return false
        }
        var macro = MacroPayload.fromStored(stored)
        view("mouseSendMacroData", [MacroPayload.build(macro.events, macro.repeat, keyNames()), index])
        return true
    }

    function macroEditorFocus() {
        endEdits()
        editor.forceActiveFocus()
    }

    function closeEditor() {
        stopRecording()
        closeInsertKey()
        macroEditorFocus()
        visible = false
        shell.keyAssigmentMain.closeMacroList()
    }

    function moveTo(px, py) {
        var area = shell ? shell : parent
        x = Math.max(0, Math.min(area.width - width, Math.round(px)))
        y = Math.max(0, Math.min(area.height - height, Math.round(py)))
    }

    Timer {
        id: recordClock
        objectName: "recordClock"
        interval: MacroRecording.tickMs
        repeat: true
        onTriggered: {
            var now = editor.now()
            MacroRecording.tick(editor.recording, now)
            recordBar.elapsedText = MacroRecording.elapsedText(editor.recording, now)
        }
    }

    // The background drags the page and ends any edit.
    MouseArea {
        anchors.fill: parent
        property real pressX: 0
        property real pressY: 0
        onPressed: function(mouse) {
            pressX = mouse.x
            pressY = mouse.y
            editor.macroEditorFocus()
        }
        onPositionChanged: function(mouse) {
            if (pressed)
                editor.moveTo(editor.x + mouse.x - pressX, editor.y + mouse.y - pressY)
        }
    }

    MacroEditorHeader {
        width: editor.width
        title: editor.macroEditorLang[0]
        listCaption: editor.macroEditorLang[1]
        eventCaption: editor.macroEditorLang[4]
        memoryCaption: editor.macroEditorLang[18]
        failureText: editor.macroEditorLang[19]
        hasMacro: editor.currentMacro >= 0
        saveFailed: editor.saveFailed
        encodedLength: editor.encodedLength
        skin: editor.shell
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        buttonColor: editor.buttonColor
        accentColor: editor.accentColor
        onCloseClicked: editor.closeEditor()
    }

    MacroNameList {
        id: nameList
        objectName: "macroNameList"
        x: 16
        y: 72
        model: macroModel
        currentIndex: editor.currentMacro
        maxNameLength: MacroNames.maxNameLength
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        selectedColor: editor.buttonColor
        accentColor: editor.accentColor
        onRowClicked: function(index) { editor.selectMacro(index) }
        onContextMenuRequested: function(index, px, py) {
            eventMenu.close()
            var p = mapToItem(editor, px, py)
            macroMenu.popup(p.x, p.y)
        }
        onRenameRequested: function(index, name) { editor.renameMacro(index, name) }
    }

    MacroEventList {
        id: eventList
        objectName: "macroEventList"
        x: 200
        y: 72
        model: eventModel
        currentIndex: editor.currentEvent
        iconSources: shell ? [shell.sourcemacroKeyDelay, shell.sourcemacroKeyPress, shell.sourcemacroKeyRelease,
                              shell.sourcemacroMousePress, shell.sourcemacroMouseRelease] : []
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        selectedColor: editor.buttonColor
        accentColor: editor.accentColor
        onRowClicked: function(index) { if (!editor.isInputting) editor.currentEvent = index }
        onContextMenuRequested: function(index, px, py) {
            macroMenu.close()
            if (editor.isInputting || editor.currentMacro < 0)
                return
            editor.currentEvent = index
            var p = mapToItem(editor, px, py)
            eventMenu.popup(p.x, p.y)
        }
        onDelayEdited: function(index, text) { editor.editDelay(index, text) }

        Text {
            anchors.centerIn: parent
            visible: editor.isInputting && eventModel.count === 0
            text: editor.macroEditorLang[8] + " …"
            color: "#969696"
            font.family: editor.fontFamily
            font.pixelSize: editor.fontSize
        }
    }

    Row {
        x: 16
        y: 424 - 13
        spacing: 8

        Button {
            objectName: "macroNewButton"
            width: 80
            height: 26
            text: editor.macroEditorLang[2]
            enabled: macroModel.count < MacroNames.maxMacros
            iconSource: shell ? shell.sourcemacroNewBtn : ""
            iconHoverSource: shell ? shell.sourcemacroNewBtnH : ""
            iconPressedSource: shell ? shell.sourcemacroNewBtnP : ""
            normalColor: editor.buttonColor
            hoverColor: editor.accentColor
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            onClicked: editor.newMacro()
        }

        Button {
            objectName: "macroDeleteButton"
            width: 80
            height: 26
            text: editor.macroEditorLang[3]
            enabled: editor.currentMacro >= 0
            normalColor: editor.buttonColor
            hoverColor: editor.accentColor
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            onClicked: editor.askRemove()
        }
    }

    MacroRecordBar {
        id: recordBar
        x: 200
        y: 424 - 13
        width: 424
        recordText: editor.isInputting ? editor.macroEditorLang[5] : editor.macroEditorLang[8]
        delayText: editor.macroEditorLang[9]
        timesText: editor.macroEditorLang[6]
        isInputting: editor.isInputting
        isDelayRecorded: editor.isDelayRecorded
        hasMacro: editor.currentMacro >= 0
        skin: editor.shell
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        buttonColor: editor.buttonColor
        accentColor: editor.accentColor
        onRecordClicked: editor.isInputting ? editor.stopRecording() : editor.startRecording()
        onDelayToggled: editor.isDelayRecorded = !editor.isDelayRecorded
        onRepeatEdited: editor.commitRepeat()
    }

    MacroContextMenu {
        id: macroMenu
        objectName: "macroListMenu"
        entries: [editor.macroEditorLang[10], editor.macroEditorLang[11], editor.macroEditorLang[12]]
        enabledEntries: [editor.currentMacro >= 0, macroModel.count < MacroNames.maxMacros, editor.currentMacro >= 0]
        backgroundSource: shell ? shell.sourcemacroMenuBG : ""
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        hoverColor: editor.accentColor
        onChosen: function(index) {
            if (index === 0)
                editor.askRemove()
            else if (index === 1)
                editor.importMacro()
            else
                editor.exportMacro()
        }
    }

    MacroContextMenu {
        id: eventMenu
        objectName: "macroEventMenu"
        entries: [editor.macroEditorLang[10], editor.macroEditorLang[13], editor.macroEditorLang[14],
                  editor.macroEditorLang[15], editor.macroEditorLang[16], editor.macroEditorLang[17]]
        enabledEntries: [editor.currentEvent >= 0, editor.hasRoom, editor.hasRoom,
                         editor.hasRoom, editor.hasRoom, editor.hasRoom]
        backgroundSource: shell ? shell.sourcemacroMenuBG : ""
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        hoverColor: editor.accentColor
        onChosen: function(index) {
            var count = eventModel.count
            switch (index) {
            case 0: editor.removeEvent(); break
            case 1: editor.insertEvents(MacroEvents.delayIndex(editor.currentEvent, count),
                                        [{ type: MacroEvents.Delay, info: String(MacroEvents.insertedDelayMs) }]); break
            case 2: editor.openInsertKey(); break
            case 3: editor.insertButton(MacroEvents.leftButton); break
            case 4: editor.insertButton(MacroEvents.middleButton); break
            case 5: editor.insertButton(MacroEvents.rightButton); break
            }
        }
    }

    NoticeLine {
        id: notice
        objectName: "macroNotice"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 424 - 13 - 34
        z: 20
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
    }

    // Dims the page while the insert-key dialog waits for a key.
    Rectangle {
        anchors.fill: parent
        radius: 6
        color: "#80000000"
        visible: insertKeyDialog.visible
        z: 25
        MouseArea { anchors.fill: parent }
    }

    MacroInsertKeyDialog {
        id: insertKeyDialog
        objectName: "insertKeyDialog"
        x: (editor.width - width) / 2
        y: (editor.height - height) / 2
        z: 26
        title: editor.macroEditorLang[14]
        okText: editor.macroEditorLang[7]
        closeSource: shell ? shell.sourceCloseBtn : ""
        closeHoverSource: shell ? shell.sourceCloseBtnH : ""
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        buttonColor: editor.buttonColor
        hoverColor: editor.accentColor
        onAccepted: function(code, name) {
            editor.closeInsertKey()
            editor.insertEvents(MacroEvents.keyIndex(editor.currentEvent, eventModel.count), MacroEvents.tap(code, name))
        }
        onCancelled: editor.closeInsertKey()
    }
}
