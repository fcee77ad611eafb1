import QtQuick
import "../common/Hints.js" as Hints
import "../common"
import ".."
import "../common/Values.js" as Values
import "KeyMatrix.js" as Matrix
import "KeyAssigment.js" as Assign
import "../common/MainTexts.js" as MainTexts

// The key list of the left column: the functions of the sixteen keys, eight
// of them as buttons that open the assignment dialog, and the reset to the
// profile's defaults. Saving hands all sixteen to the controller. Other
// pages change a key through assign, restoreDefault and renameKey.
Rectangle {
    id: keyMatrix

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    // The dialog that names an entry and opens for a key; the macro editor
    // that sends a default macro again; the gun editor whose slots give
    // the fire periods. Null while not loaded; untyped so that a test can
    // stand in for a page with a plain object.
    required property var keyAssigment
    required property var macroEditor
    required property var gunControl

    property var keyMatrixLang: Matrix.defaultTexts.slice(0)
    property bool isSave: false
    property int selectedKey: -1
    property int hoveredKey: -1
    // The keys' entries and the profile's defaults, for reading; changes go
    // through the functions below.
    readonly property alias modKeys: keysModel
    readonly property alias modKeys_tmp: defaultsModel
    property var buttonNames: []

    readonly property string fontFamily: Theme.fontFamily
    readonly property int fontSize: Theme.fontNormalSize
    readonly property color accentColor: Theme.accent

    width: Theme.columnWidth
    height: 28 + Matrix.buttonCount * 28 + (Matrix.buttonCount - 1) * 8 + 8
    radius: 4
    color: "#000000"
    border.color: "#3c3c3c"

    // The assignment dialog names the functions.
    function keyCodeToString(code0, code1, code2, code3) {
        return keyAssigment ? Values.toText(keyAssigment.keyCodeToString(code0, code1, code2, code3), "") : ""
    }

    function entryOf(model, index) {
        var e = model.get(index)
        return [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3]
    }

    function entries(model) {
        var all = []
        for (var i = 0; i < model.count; ++i)
            all.push(entryOf(model, i))
        return all
    }

    function row(entry, text) {
        return { keyCode0: entry[0], keyCode1: entry[1], keyCode2: entry[2], keyCode3: entry[3], keyText: text }
    }

    function fill(model, values) {
        model.clear()
        for (var i = 0; i < values.length; ++i)
            model.append(row(values[i], ""))
    }

    // The entry stored for key j, or its start value when the stored one
    // cannot be read.
    function storedEntry(j, isRecovery) {
        var stored = controller.mouseGetKeydefine(j, isRecovery) ?? []
        var entry = Matrix.entryFrom(stored)
        if (entry)
            return entry
        console.warn("ui: key", j, "has no readable entry" + (isRecovery ? " in the defaults" : "")
                     + ":", JSON.stringify(stored), "- using its start value")
        return Matrix.startValues[j].slice(0)
    }

    function init(isSendData, isRecovery) {
        var names = []
        for (var n = 1; n <= Matrix.buttonCount; ++n)
            names.push(Matrix.buttonName(keyMatrixLang[0], n)) // qmllint disable type
        buttonNames = names
        for (var j = 0; j < Matrix.keyTotal; ++j) {
            var entry = storedEntry(j, isRecovery === true)
            var defaults = storedEntry(j, true)
            keysModel.set(j, row(entry, keyCodeToString(entry[0], entry[1], entry[2], entry[3])))
            defaultsModel.set(j, row(defaults, keyCodeToString(defaults[0], defaults[1], defaults[2], defaults[3])))
        }
        if (isSendData === true)
            keysModel.saveData()
    }

    function gunPeriods() {
        var gun = gunControl
        var model = gun ? gun.listModel : null
        var slots = gun ? [gun.selectGun1, gun.selectGun2, gun.selectGun3] : null
        return Matrix.gunPeriods(slots, function(p) {
            var element = model && p >= 0 && p < model.count ? model.get(p) : null
            return element ? element.gunPeriod : NaN
        })
    }

    // Key `key` takes `entry` [type, p1, p2, p3] shown as `text`; the list
    // is then unsaved.
    function assign(key, entry, text) {
        keysModel.set(key, row(entry, text))
        isSave = true
    }

    // Key `key` back to the profile's default; false when there is none.
    // The list's unsaved mark is the caller's to set.
    function restoreDefault(key) {
        if (key < 0 || key >= defaultsModel.count)
            return false
        keysModel.set(key, row(entryOf(defaultsModel, key), defaultsModel.get(key).keyText))
        return true
    }

    // A macro key shows the macro's new name.
    function renameKey(key, text) {
        keysModel.setProperty(key, "keyText", text)
    }

    // Key `key` as { entry, text } of the list and of the profile's
    // defaults; null outside the list.
    function entryAt(key) {
        return key >= 0 && key < keysModel.count ? { entry: entryOf(keysModel, key), text: keysModel.get(key).keyText } : null
    }
    function defaultAt(key) {
        return key >= 0 && key < defaultsModel.count ? { entry: entryOf(defaultsModel, key), text: defaultsModel.get(key).keyText } : null
    }

    function saveData() {
        keysModel.saveData()
    }

    // The key whose dialog is open is marked; -1 none.
    // A key hovered on the mouse picture lights here too.
    function hover(key, isOn) {
        if (isOn)
            hoveredKey = key
        else if (hoveredKey === key)
            hoveredKey = -1
    }

    function select(key) {
        selectedKey = key
    }

    // The keys that play a macro, as { key, slot }.
    function macroKeys() {
        var found = []
        for (var i = 0; i < keysModel.count; ++i) {
            var entry = keysModel.get(i)
            if (Number(entry.keyCode0) === Assign.Type.macro)
                found.push({ key: i, slot: Number(entry.keyCode2) }) // qmllint disable type
        }
        return found
    }

    function checkOneLeftKey(index) {
        return Matrix.isOnlyLeftButton(entries(keysModel), Number(index))
    }

    // Opens the assignment dialog for key `index`, unless it is the only
    // left button, which must stay assigned; false when refused.
    function openAssignment(index) {
        if (!keyAssigment || checkOneLeftKey(index) === true)
            return false
        keyAssigment.openKey(index)
        return true
    }

    // A click on a key in the list or on the picture.
    function openKey(index) {
        if (openAssignment(index))
            selectedKey = index
        else if (index >= 0 && index < Matrix.buttonCount) {
            var button = keyButtons.itemAt(index)
            button.refuse()
            // The only refusal is the only left button's.
            if (checkOneLeftKey(index) === true) {
                var p = button.mapToItem(keyMatrix, 0, button.height + 4)
                refusalNotice.x = p.x
                refusalNotice.y = p.y
                refusalNotice.show(Hints.text(shell.hintLang, Hints.Index.keyOneLocked), true)
            }
        }
    }

    // Every key back to the profile's defaults; a default macro goes to the
    // mouse again under the name the defaults hold for its slot.
    function resetKeys() {
        for (var j = 0; j < defaultsModel.count; ++j) {
            var entry = entryOf(defaultsModel, j)
            keysModel.set(j, row(entry, defaultsModel.get(j).keyText))
            if (entry[0] === Assign.Type.macro) {
                var name = Values.toText(controller.getData("mouseMacroKey/" + entry[2], true), "")
                macroEditor.sendMacro(entry[2], name)
                controller.setData("mouseMacroKey/" + entry[2], name)
            }
        }
        isSave = true
    }

    ListModel {
        id: keysModel

        // All sixteen keys and the fire periods of the three gun slots to
        // the controller, which stores and sends them.
        function saveData() {
            keyMatrix.controller.mouseSetKeyMatrix(Matrix.matrixValues(keyMatrix.entries(keysModel)), true,
                                                   keyMatrix.gunPeriods())
        }
    }
    ListModel { id: defaultsModel }

    Component.onCompleted: {
        fill(keysModel, Matrix.startValues)
        fill(defaultsModel, Matrix.startValues)
    }

    Rectangle {
        x: 1; y: 8
        width: 3; height: 14
        color: keyMatrix.accentColor
    }

    Text {
        x: 12
        y: 6
        width: resetButton.x - x - 6
        text: keyMatrix.keyMatrixLang[1]
        elide: Text.ElideRight
        color: Theme.gray3
        font.family: keyMatrix.fontFamily
        font.pixelSize: keyMatrix.fontSize
        font.bold: true
    }

    ImageButton {
        id: resetButton
        objectName: "keyResetButton"
        x: keyMatrix.width - width - 10
        y: 6
        normalSource: keyMatrix.skin.sourceRestBtn
        hoverSource: keyMatrix.skin.sourceRestBtnH
        pressedSource: keyMatrix.skin.sourceRestBtnP
        onClicked: keyMatrix.shell.confirm(keyMatrix.shell.mainLang[MainTexts.Index.reset],
                                           Hints.text(keyMatrix.shell.hintLang, Hints.Index.resetKeys),
                                           keyMatrix.shell.mainLang[MainTexts.Index.reset],
                                           function() { keyMatrix.resetKeys() })
    }

    Column {
        x: 8
        y: 28
        spacing: 8

        Repeater {
            id: keyButtons
            model: keysModel

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            KeyMatrixButton {
                required property int index
                required property string keyText
                required property int keyCode0
                objectName: "keyButton" + index
                visible: index < Matrix.buttonCount
                name: keyMatrix.buttonNames[index] || ""
                functionText: keyText
                isMacro: keyCode0 === Assign.Type.macro
                selected: keyMatrix.selectedKey === index
                lit: keyMatrix.hoveredKey === index
                fontFamily: keyMatrix.fontFamily
                fontSize: keyMatrix.fontSize
                accentColor: keyMatrix.accentColor
                singleSource: keyMatrix.skin.sourceSingleKeyBg
                macroSource: keyMatrix.skin.sourceMacroKeyBg
                onClicked: keyMatrix.openKey(index)
                onHoveredChanged: {
                    if (hovered)
                        keyMatrix.hoveredKey = index
                    else if (keyMatrix.hoveredKey === index)
                        keyMatrix.hoveredKey = -1
                }
            }
            // qmllint enable unqualified
        }
    }

    NoticeLine {
        id: refusalNotice
        objectName: "keyRefusalNotice"
        z: 30
        fontFamily: keyMatrix.fontFamily
        fontSize: keyMatrix.fontSize - 1
    }
}
