import QtQuick
import "../common/Hints.js" as Hints
import "../common"
import ".."
import "../common/Calls.js" as Calls
import "../common/Values.js" as Values
import "KeyMatrix.js" as Matrix
import "KeyAssigment.js" as Assign
import "../common/MainTexts.js" as MainTexts

// The key list of the left column: the functions of the sixteen keys, eight
// of them as buttons that open the assignment dialog, and the reset to the
// profile's defaults. Saving hands all sixteen to the controller.
Rectangle {
    id: keyMatrix

    readonly property var shell: typeof root === "undefined" ? null : root
    readonly property var controller: typeof ui_View === "undefined" ? null : ui_View
    property var macroEditor: shell ? shell.macroEditor : null
    property var gunControl: shell ? shell.gunControl : null

    property var keyMatrixLang: Matrix.defaultTexts.slice(0)
    property bool isSave: false
    property int selectedKey: -1
    property int hoveredKey: -1
    property alias modKeys: keysModel
    property alias modKeys_tmp: defaultsModel
    property var buttonNames: []

    readonly property string fontFamily: Theme.fontFamily
    readonly property int fontSize: Theme.fontNormalSize
    readonly property color accentColor: Theme.accent

    width: Theme.columnWidth
    height: 28 + Matrix.buttonCount * 28 + (Matrix.buttonCount - 1) * 8 + 8
    radius: 4
    color: "#000000"
    border.color: "#3c3c3c"

    function view(name, args, fallback) {
        return Calls.call(controller, name, args, fallback, "ui_View")
    }

    // The assignment dialog names the functions.
    function keyCodeToString(code0, code1, code2, code3) {
        return Values.toText(shell.keyAssigmentMain.keyCodeToString(code0, code1, code2, code3), "")
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
        var stored = view("mouseGetKeydefine", [j, isRecovery], [])
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

    // A click on a key in the list or on the picture.
    function openKey(index) {
        if (shell && shell.openKeyAssigment(index))
            selectedKey = index
        else if (index >= 0 && index < Matrix.buttonCount) {
            var button = keyButtons.itemAt(index)
            button.refuse()
            // The only refusal is the only left button's.
            if (checkOneLeftKey(index) === true) {
                var p = button.mapToItem(keyMatrix, 0, button.height + 4)
                refusalNotice.x = p.x
                refusalNotice.y = p.y
                refusalNotice.show(Hints.text(shell ? shell.hintLang : null, Hints.Index.keyOneLocked), true)
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
                var name = Values.toText(view("getData", ["mouseMacroKey/" + entry[2], true]), "")
                macroEditor.sendMacro(entry[2], name)
                view("setData", ["mouseMacroKey/" + entry[2], name])
            }
        }
        isSave = true
    }

    ListModel {
        id: keysModel

        // All sixteen keys and the fire periods of the three gun slots to
        // the controller, which stores and sends them.
        function saveData() {
            keyMatrix.view("mouseSetKeyMatrix", [Matrix.matrixValues(keyMatrix.entries(keysModel)), true,
                                                 keyMatrix.gunPeriods()])
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
        normalSource: shell ? shell.sourceRestBtn : ""
        hoverSource: shell ? shell.sourceRestBtnH : ""
        pressedSource: shell ? shell.sourceRestBtnP : ""
        onClicked: shell.confirm(shell.mainLang[MainTexts.Index.reset], Hints.text(shell.hintLang, Hints.Index.resetKeys),
                                 shell.mainLang[MainTexts.Index.reset], function() { keyMatrix.resetKeys() })
    }

    Column {
        x: 8
        y: 28
        spacing: 8

        Repeater {
            id: keyButtons
            model: keysModel

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
                singleSource: shell ? shell.sourceSingleKeyBg : ""
                macroSource: shell ? shell.sourceMacroKeyBg : ""
                onClicked: keyMatrix.openKey(index)
                onHoveredChanged: {
                    if (hovered)
                        keyMatrix.hoveredKey = index
                    else if (keyMatrix.hoveredKey === index)
                        keyMatrix.hoveredKey = -1
                }
            }
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
