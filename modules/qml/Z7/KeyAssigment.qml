import QtQuick
import "../common"
import "../basic"
import ".."
import "../common/Values.js" as Values
import "KeyAssigment.js" as Assign
import "../common/MainTexts.js" as MainTexts

// The assignment dialog of one key: the function sections on the left, the
// choices of the shown section on the right. A choice makes a pending entry;
// closing the dialog gives the key the pending entry when it differs.
Rectangle {
    id: dialog
    objectName: "keyAssigment"

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    // The names of the keyboard's keys.
    required property KeyCodeString keyNames
    // The key list whose keys this dialog changes (assign, defaultAt), and
    // the macro editor it opens and has send a chosen macro. Null while not
    // loaded; untyped so that a test can stand in for a page with a plain
    // object.
    required property var keyMatrix
    required property var macroEditor

    property var keyAssigmentLang: Assign.defaultTexts.slice(0)
    readonly property var lang: keyAssigmentLang

    // The key and its pending entry.
    property int keyIndex: -1
    property string keyString: ""
    property int keyCode0: 0
    property int keyCode1: 0
    property int keyCode2: 0
    property int keyCode3: 0
    readonly property var pending: [keyCode0, keyCode1, keyCode2, keyCode3]

    // Key capture, fed by the shell's keyboard notices.
    readonly property alias isFireInput: capture.isFireInput
    readonly property alias isComboInput: capture.isComboInput
    readonly property alias combo: capture.combo

    property int fireRate: Assign.rateDefault
    property int fireTimes: 0
    property int lastTimes: 1

    property var macroNames: []
    property string macroName: ""
    property int macroMode: 0

    property string section: "mouse"
    readonly property bool isGun: shell.isGun
    readonly property var sections: Assign.visibleSections(isGun)

    readonly property string fontFamily: Theme.fontFamily
    readonly property int fontSize: Theme.fontNormalSize
    readonly property color accentColor: Theme.accent

    width: 600
    height: 396
    radius: 6
    visible: false
    color: Theme.gray0
    border.color: Theme.gray1

    function keyName(code) {
        return keyNames ? keyNames.keycodeTostr(code) : ""
    }

    function storedMacroName(slot, isRecovery) {
        return Values.toText(controller.getData("mouseMacroKey/" + slot, isRecovery === true), "")
    }

    // Opens the dialog for key `index` with the key's entry pending.
    function openKey(index) {
        var stored = keyMatrix ? keyMatrix.entryAt(index) : null
        keyIndex = index
        if (stored)
            setPending(stored.entry, stored.text)
        visible = true
    }

    function keyCodeToString(code0, code1, code2, code3) {
        return Assign.entryText([code0, code1, code2, code3], keyAssigmentLang, keyName,
                                function(slot) { return storedMacroName(slot, false) })
    }

    function itemTexts(items) {
        return items.map(function(item) { return lang[item.text] })
    }

    function setPending(entry, text) {
        keyCode0 = entry[0]
        keyCode1 = entry[1]
        keyCode2 = entry[2]
        keyCode3 = entry[3]
        keyString = text
    }

    function choose(items, index) {
        if (index >= 0 && index < items.length)
            setPending(items[index].entry, lang[items[index].text])
    }

    function isPending(items, index) {
        return Assign.indexOfEntry(items, pending) === index && Assign.sameEntry(items[index].entry, pending)
    }

    function stopCapture() { capture.stop() }

    // Shows the key's entry when the dialog opens.
    function prepare() {
        capture.reset()
        x = Math.round((shell.areaWidth - width) / 2)
        y = Math.round((shell.areaHeight - height) / 2)
        section = Assign.sectionOf(keyCode0)
        var isFire = keyCode0 === Assign.Type.fire
        fireRate = isFire ? Math.max(Assign.rateMin, keyCode2) : Assign.rateDefault
        fireTimes = isFire ? keyCode3 : 0
        rateSlider.setValue(rateSlider.stepPosition(fireRate - 1))
        timesInput.text = String(fireTimes)
        macroMode = keyCode0 === Assign.Type.macro ? keyCode1 : 0
        macroName = keyCode0 === Assign.Type.macro ? storedMacroName(keyCode2) : ""
        if (keyMatrix)
            keyMatrix.select(keyIndex)
    }

    function init() {
        visible = false
        macroList.close()
    }

    function startFireCapture() {
        endInput()
        capture.startFire()
    }

    function startComboCapture() {
        endInput()
        capture.startCombo()
    }

    function confirmCombo() { capture.confirmCombo() }
    function detectKeyboard(isDown, usbCode, mode) { capture.detect(isDown, usbCode, mode) }

    function setRate(rate) {
        fireRate = rate
        if (keyCode0 === Assign.Type.fire)
            keyCode2 = rate
    }

    function setTimes(times) {
        if (times < 0) {
            timesInput.text = String(fireTimes)
            return
        }
        fireTimes = times
        if (times > 0)
            lastTimes = times
        timesInput.text = String(times)
        if (keyCode0 === Assign.Type.fire)
            keyCode3 = times
    }

    function chooseMacro(index) {
        if (index < 0 || index >= macroNames.length)
            return
        macroName = macroNames[index]
        setPending(Assign.macroEntry(macroMode, keyIndex), macroName)
    }

    function setMacroMode(mode) {
        macroMode = mode
        if (keyCode0 === Assign.Type.macro)
            keyCode1 = mode
    }

    // Called by the macro editor with its names in display order.
    function setMacroNames(names) {
        macroNames = names ? Array.prototype.slice.call(names).map(String) : [] // qmllint disable type
    }

    function closeMacroList() {
        macroList.close()
    }

    function openMacroEditor() {
        endInput()
        if (macroEditor)
            shell.showCentred(macroEditor)
    }

    // Back to the key's default from the profile's defaults.
    function back() {
        stopCapture()
        var defaults = keyMatrix ? keyMatrix.defaultAt(keyIndex) : null
        if (!defaults || defaults.text === keyString)
            return
        var entry = defaults.entry
        setPending(entry, defaults.text)
        keyMatrix.assign(keyIndex, entry, defaults.text)
        macroName = entry[0] === Assign.Type.macro ? storedMacroName(entry[2]) : ""
        section = Assign.sectionOf(entry[0])
    }

    // OK keeps what was captured, as the fire field does without a tick.
    function close() {
        if (isComboInput && !Assign.comboIsEmpty(combo))
            confirmCombo()
        keyAssigmentFocus()
        var stored = keyMatrix ? keyMatrix.entryAt(keyIndex) : null
        if (stored) {
            var isMacro = keyCode0 === Assign.Type.macro
            var outcome = Assign.closeOutcome(stored.entry, pending, isMacro ? storedMacroName(keyCode2) : "", macroName)
            if (outcome.changed)
                keyMatrix.assign(keyIndex, pending, keyString)
            if (outcome.sendMacro) {
                macroEditor.sendMacro(keyCode2, macroName)
                controller.setData("mouseMacroKey/" + keyCode2, macroName)
            }
        }
        visible = false
        if (keyMatrix)
            keyMatrix.select(-1)
    }

    // A press elsewhere: open lists close, typing and capture end.
    function keyAssigmentFocus() {
        endInput()
        stopCapture()
    }

    function endInput() {
        mediaList.close()
        windowsList.close()
        shortcutList.close()
        macroList.close()
        if (timesInput.activeFocus)
            setTimes(Assign.timesOf(timesInput.text))
        dialog.forceActiveFocus()
    }

    onVisibleChanged: if (visible) prepare()

    KeyCapture {
        id: capture
        pending: dialog.pending
        fireRate: dialog.fireRate
        fireTimes: dialog.fireTimes
        keyNames: dialog.keyNames
        onTaken: function(entry, text) { dialog.setPending(entry, text) }
    }

    Rectangle {
        z: -1
        x: 4
        y: 8
        width: parent.width
        height: parent.height
        radius: parent.radius
        color: "#000000"
        opacity: 0.6
    }

    // Presses inside the dialog stay here; they end open lists and input.
    MouseArea {
        anchors.fill: parent
        onPressed: dialog.keyAssigmentFocus()
    }

    KeyAssigmentHeader {
        id: header
        width: dialog.width
        title: dialog.keyTitle()
        pendingText: dialog.keyString
        fontFamily: dialog.fontFamily
        accentColor: dialog.accentColor
        closeSource: dialog.skin.sourceCloseBtn
        closeHoverSource: dialog.skin.sourceCloseBtnH
        onCloseClicked: dialog.close()
    }

    function keyTitle() {
        var prefix = lang[0]
        return (/\s$/.test(prefix) ? prefix : prefix + " ") + (keyIndex + 1)
    }

    // The sections, the one holding the pending entry marked with a dot.
    Rectangle {
        id: nav
        y: header.height
        width: 176
        height: dialog.height - header.height - footer.height
        color: "#111114"

        Column {
            y: 8
            width: parent.width
            Repeater {
                model: dialog.sections
                // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
                // qmllint disable unqualified
                Rectangle {
                    required property var modelData
                    readonly property bool shown: dialog.section === modelData.name
                    objectName: "section_" + modelData.name
                    width: nav.width
                    height: 32
                    color: shown ? Theme.blue : navArea.containsMouse ? "#26262b" : "transparent"
                    Rectangle {
                        width: 3; height: parent.height
                        color: dialog.accentColor
                        visible: parent.shown
                    }
                    Text {
                        x: 16
                        width: parent.width - x - 22
                        anchors.verticalCenter: parent.verticalCenter
                        text: dialog.lang[parent.modelData.text]
                        elide: Text.ElideRight
                        color: parent.shown || navArea.containsMouse ? "#ffffff" : "#d1d1d1"
                        font.family: dialog.fontFamily
                        font.pixelSize: dialog.fontSize
                    }
                    Rectangle {
                        x: parent.width - 16
                        anchors.verticalCenter: parent.verticalCenter
                        width: 6; height: 6; radius: 3
                        color: dialog.accentColor
                        visible: Assign.sectionOf(dialog.keyCode0) === parent.modelData.name
                    }
                    MouseArea {
                        id: navArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: { dialog.keyAssigmentFocus(); dialog.section = parent.modelData.name }
                    }
                }
                // qmllint enable unqualified
            }
        }
    }

    KeyAssigmentSections {
        id: content
        x: nav.width + 20
        y: header.height + 14
        width: dialog.width - x - 20
        height: nav.height - 14
        dialog: dialog
    }

    readonly property alias rateSlider: content.rateSlider
    readonly property alias timesInput: content.timesInput
    readonly property alias mediaList: content.mediaList
    readonly property alias windowsList: content.windowsList
    readonly property alias shortcutList: content.shortcutList
    readonly property alias macroList: content.macroList

    Rectangle {
        id: footer
        y: dialog.height - height
        width: dialog.width
        height: 46
        radius: dialog.radius
        color: "transparent"

        Rectangle { width: parent.width; height: 1; color: Theme.gray1 }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 16
            anchors.verticalCenter: parent.verticalCenter
            spacing: 12

            Button {
                objectName: "keyBackButton"
                width: 104
                height: 26
                text: dialog.shell.mainLang[MainTexts.Index.reset]
                iconSource: dialog.skin.sourceBack
                iconHoverSource: dialog.skin.sourceBackH
                normalColor: "#26262b"
                hoverColor: Theme.accent
                fontFamily: dialog.fontFamily
                onClicked: dialog.back()
            }
            Button {
                objectName: "keyOkButton"
                width: 104
                height: 26
                text: dialog.shell.mainLang[MainTexts.Index.ok]
                iconSource: dialog.skin.sourceSureBtn
                normalColor: Theme.blue
                hoverColor: Theme.accent
                fontFamily: dialog.fontFamily
                onClicked: dialog.close()
            }
        }
    }
}
