import QtQuick
import "../basic"
import "../common"
import ".."
import "../common/MacroPayload.js" as MacroPayload
import "MacroEditor.js" as Logic
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

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    required property KeyCodeString keyNames
    // The key dialog, which lists the macro names.
    required property var keyAssigment
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
    property string elapsedText: ""
    // Where the recording reads the time (ms); tests put a clock of their own.
    property var timeSource: null
    // The repeat count as last loaded or saved, so that leaving the field
    // unchanged neither saves nor sends.
    property int savedRepeat: 1

    readonly property string fontFamily: Theme.fontFamily
    readonly property int fontSize: Theme.fontNormalSize
    readonly property color buttonColor: Theme.blue
    readonly property color accentColor: Theme.accent
    readonly property ListModel macroModel: ListModel {}
    readonly property ListModel eventModel: ListModel {}

    signal deleteMacro(string macroName)
    signal modifyMacroName(string oldMacroName, string newMacroName)
    signal modifyMacroData(string macroName)

    width: 640
    height: 448
    visible: false
    // The art is decoded when the dialog opens, not at start.
    source: visible ? skin.sourcemacroBg : ""

    // The macro files and the mouse's macro slots, as the editor's logic asks for them.
    readonly property var library: ({
        names: () => editor.controller.getNameList(0) ?? [],
        storeNames: list => editor.controller.updataNameList(0, list),
        load: name => editor.controller.loadMacroIni(name) ?? [],
        save: (name, texts, repeat) => editor.controller.saveMacroIni(name, texts, repeat) ?? false,
        create: name => editor.controller.createMacroIni(name, 0),
        remove: name => editor.controller.deleteMacroIni(name),
        importFile: name => editor.controller.loadMacroFile(name) ?? false,
        exportFile: name => editor.controller.saveMacroFile(name),
        fileOutcome: () => editor.controller.lastFileOutcome() ?? null,
        send: (bytes, slot) => editor.controller.mouseSendMacroData(bytes, slot)
    })

    function now() { return timeSource ? timeSource() : Date.now() } // qmllint disable type
    function keyName(code) { return keyNames ? keyNames.keycodeTostr(code) : "" }
    function hintTexts() { return shell.hintLang }

    // What the logic shows on the page.
    function endEdits() {
        macroMenu.close()
        eventMenu.close()
        nameList.finishRename()
        eventList.finishEdit()
    }
    function showMacro(index) { nameList.positionViewAtIndex(index) }
    function showEvent(index) { eventList.positionViewAtIndex(index) }
    function grabFocus() { editor.forceActiveFocus() }
    function openKeyDialog() { insertKeyDialog.open() }
    function hideKeyDialog() { insertKeyDialog.visible = false }
    function offerKey(code, name) { insertKeyDialog.take(code, name) }
    function repeatText() { return recordBar.repeatText }
    function showRepeat(repeat) { recordBar.repeatText = String(repeat) }
    function notify(text, problem) { notice.show(text, problem) }
    function confirm(title, question, okText, action) { shell.confirm(title, question, okText, action) }
    function handOverNames(list) { if (keyAssigment) keyAssigment.setMacroNames(list) }
    function closed() { if (keyAssigment) keyAssigment.closeMacroList() }

    // What the main window and the tests call.
    function names() { return Logic.names(editor) }
    function init() { Logic.init(editor) }
    function selectMacro(index) { Logic.selectMacro(editor, index) }
    function detectKeyboard(isDown, usbCode) { Logic.detectKeyboard(editor, isDown, usbCode) }
    function detectInput(isDown, usbCode) { Logic.detectInput(editor, isDown, usbCode) }
    function closeInsertKey() { Logic.closeInsertKey(editor) }
    function importMacro() { Logic.importMacro(editor) }
    function exportMacro() { Logic.exportMacro(editor) }
    function sendMacro(index, macroName) { return Logic.sendMacro(editor, index, macroName) }
    function closeEditor() { Logic.close(editor) }
    function macroEditorFocus() {
        endEdits()
        grabFocus()
    }

    function moveTo(px, py) {
        x = Theme.clampInto(px, width, shell.areaWidth)
        y = Theme.clampInto(py, height, shell.areaHeight)
    }

    Timer {
        id: recordClock
        objectName: "recordClock"
        interval: MacroRecording.tickMs
        repeat: true
        running: editor.isInputting
        onTriggered: Logic.tick(editor)
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
        skin: editor.skin
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
        model: editor.macroModel
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
        onRenameRequested: function(index, name) { Logic.renameMacro(editor, index, name) }
    }

    MacroEventList {
        id: eventList
        objectName: "macroEventList"
        x: 200
        y: 72
        model: editor.eventModel
        currentIndex: editor.currentEvent
        iconSources: [editor.skin.sourcemacroKeyDelay, editor.skin.sourcemacroKeyPress, editor.skin.sourcemacroKeyRelease,
                              editor.skin.sourcemacroMousePress, editor.skin.sourcemacroMouseRelease]
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
        onDelayEdited: function(index, text) { Logic.editDelay(editor, index, text) }

        Text {
            anchors.centerIn: parent
            visible: editor.isInputting && editor.eventModel.count === 0
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
            enabled: editor.macroModel.count < MacroNames.maxMacros
            iconSource: editor.skin.sourcemacroNewBtn
            iconHoverSource: editor.skin.sourcemacroNewBtnH
            iconPressedSource: editor.skin.sourcemacroNewBtnP
            normalColor: editor.buttonColor
            hoverColor: editor.accentColor
            fontFamily: editor.fontFamily
            fontSize: editor.fontSize
            onClicked: Logic.newMacro(editor)
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
            onClicked: Logic.askRemove(editor)
        }
    }

    MacroRecordBar {
        id: recordBar
        x: 200
        y: 424 - 13
        width: 424
        recordText: editor.isInputting ? editor.macroEditorLang[5] : editor.macroEditorLang[8]
        delayText: editor.macroEditorLang[9]
        elapsedText: editor.elapsedText
        timesText: editor.macroEditorLang[6]
        isInputting: editor.isInputting
        isDelayRecorded: editor.isDelayRecorded
        hasMacro: editor.currentMacro >= 0
        skin: editor.skin
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        buttonColor: editor.buttonColor
        accentColor: editor.accentColor
        onRecordClicked: editor.isInputting ? Logic.stopRecording(editor) : Logic.startRecording(editor)
        onDelayToggled: editor.isDelayRecorded = !editor.isDelayRecorded
        onRepeatEdited: Logic.commitRepeat(editor)
    }

    MacroContextMenu {
        id: macroMenu
        objectName: "macroListMenu"
        entries: [editor.macroEditorLang[10], editor.macroEditorLang[11], editor.macroEditorLang[12]]
        enabledEntries: [editor.currentMacro >= 0, editor.macroModel.count < MacroNames.maxMacros, editor.currentMacro >= 0]
        backgroundSource: editor.skin.sourcemacroMenuBG
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        hoverColor: editor.accentColor
        onChosen: function(index) {
            if (index === 0)
                Logic.askRemove(editor)
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
        backgroundSource: editor.skin.sourcemacroMenuBG
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        hoverColor: editor.accentColor
        onChosen: function(index) {
            switch (index) {
            case 0: Logic.removeEvent(editor); break
            case 1: Logic.insertDelay(editor); break
            case 2: Logic.openInsertKey(editor); break
            case 3: Logic.insertButton(editor, MacroEvents.leftButton); break
            case 4: Logic.insertButton(editor, MacroEvents.middleButton); break
            case 5: Logic.insertButton(editor, MacroEvents.rightButton); break
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
        closeSource: editor.skin.sourceCloseBtn
        closeHoverSource: editor.skin.sourceCloseBtnH
        fontFamily: editor.fontFamily
        fontSize: editor.fontSize
        buttonColor: editor.buttonColor
        hoverColor: editor.accentColor
        onAccepted: function(code, name) { Logic.insertKey(editor, code, name) }
        onCancelled: editor.closeInsertKey()
    }
}
