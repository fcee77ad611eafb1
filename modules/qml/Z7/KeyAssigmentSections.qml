import QtQuick
import "../basic"
import "../common"
import ".."
import "../common/Hints.js" as Hints
import "KeyAssigment.js" as Assign

// The choices of each function section of the assignment dialog; only the
// section the dialog shows is visible. Every choice goes to the dialog.
Item {
    id: sections

    property var dialog: null
    readonly property var d: dialog
    readonly property var lang: d ? d.lang : Assign.defaultTexts
    readonly property var shell: d ? d.shell : null
    readonly property string fontFamily: d ? d.fontFamily : "微软雅黑"
    readonly property int fontSize: d ? d.fontSize : 12
    readonly property color accentColor: d ? d.accentColor : Theme.accent
    readonly property int labelWidth: 92

    function hint(index) { return Hints.text(shell ? shell.hintLang : null, index) }

    readonly property alias rateSlider: rateSlider
    readonly property alias timesInput: timesInput
    readonly property alias mediaList: mediaList
    readonly property alias windowsList: windowsList
    readonly property alias shortcutList: shortcutList
    readonly property alias macroList: macroList

    // The drop-downs show the pending entry when it is one of theirs.
    function syncLists() {
        var p = d.pending
        mediaList.select(p[0] === Assign.Type.media ? Assign.indexOfEntry(Assign.mediaItems, p) : -1)
        windowsList.select(p[0] === Assign.Type.windows ? Assign.indexOfEntry(Assign.windowsItems, p) : -1)
        shortcutList.select(p[0] === Assign.Type.shortcut ? Assign.indexOfEntry(Assign.shortcutItems, p) : -1)
        macroList.select(p[0] === Assign.Type.macro ? d.macroNames.indexOf(d.macroName) : -1)
    }

    Connections {
        target: sections.d
        function onPendingChanged() { sections.syncLists() }
        function onMacroNamesChanged() { sections.syncLists() }
        function onMacroNameChanged() { sections.syncLists() }
    }

    // Qt 6.4's linter takes this file's ids inside an inline component for unqualified names.
    // qmllint disable unqualified
    component Title: Column {
        property alias text: caption.text
        width: sections.width
        spacing: 8
        Text {
            id: caption
            color: "#ffffff"
            font.family: sections.fontFamily
            font.pixelSize: 14
            font.bold: true
        }
        Rectangle { width: parent.width; height: 1; color: "#3c3c3c" }
    }

    component Label: Text {
        width: sections.labelWidth
        height: 28
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: "#969696"
        font.family: sections.fontFamily
        font.pixelSize: sections.fontSize
    }

    component Choices: Grid {
        id: grid
        property var items: []
        property int itemWidth: Math.floor((sections.width - columnSpacing) / 2)
        y: 38
        columns: 2
        columnSpacing: 8
        rowSpacing: 6
        Repeater {
            model: grid.items
            KeyRadio {
                required property int index
                required property var modelData
                objectName: "choice_" + sections.lang[modelData.text]
                width: grid.itemWidth
                text: sections.lang[modelData.text]
                checked: (sections.d.pending, sections.d.isPending(grid.items, index))
                normalSource: sections.d.skin.sourceRadioBtn
                checkedSource: sections.d.skin.sourceRadioBtnS
                fontFamily: sections.fontFamily
                fontSize: sections.fontSize
                checkedColor: sections.accentColor
                onClicked: { sections.d.keyAssigmentFocus(); sections.d.choose(grid.items, index) }
            }
        }
    }

    component Section: Item {
        property string name: ""
        anchors.fill: parent
        visible: sections.d && sections.d.section === name
    }

    component DropDown: Menu_Down {
        y: 38
        width: 240
        height: 28
        maxRows: 10
        fontFamily: sections.fontFamily
        fontSize: sections.fontSize
        hoverColor: sections.accentColor
        dropSource: sections.d.skin.sourceDropBtn
        dropOpenSource: sections.d.skin.sourceDropBtnU
    }
    // qmllint enable unqualified

    Section {
        name: "mouse"
        Title { text: sections.lang[1] }
        Choices { items: Assign.mouseItems }
    }

    Section {
        name: "fire"
        Title { text: sections.lang[8] }
        Column {
            y: 40
            spacing: 14
            Row {
                Label { text: sections.lang[9] }
                KeyCaptureField {
                    objectName: "fireField"
                    width: 220
                    text: sections.d.keyCode0 === Assign.Type.fire && !sections.d.isFireInput
                          ? sections.d.keyName(sections.d.keyCode1) : ""
                    hint: sections.lang[10]
                    waitingHint: sections.hint(Hints.Index.captureWaiting)
                    capturing: sections.d.isFireInput
                    fontFamily: sections.fontFamily
                    accentColor: sections.accentColor
                    onClicked: sections.d.startFireCapture()
                }
            }
            Row {
                spacing: 12
                Label { text: sections.lang[11]; width: sections.labelWidth - 12 }
                SliderButton {
                    id: rateSlider
                    objectName: "rateSlider"
                    anchors.verticalCenter: parent.verticalCenter
                    trackWidth: 200
                    steps: Assign.rateMax - Assign.rateMin + 1
                    trackSource: sections.d.skin.sourceScale
                    knobSource: sections.d.skin.sourceSlide
                    fillColor: sections.accentColor
                    onPositionReported: sections.d.setRate(Assign.rateOfPosition(stepOf(xPosition)))
                }
                Text {
                    objectName: "rateText"
                    anchors.verticalCenter: parent.verticalCenter
                    text: Assign.rateText(rateSlider.dragging || rateSlider.gliding
                                          ? Assign.rateOfPosition(rateSlider.stepOf(rateSlider.xPosition))
                                          : sections.d.fireRate)
                    color: "#ffffff"
                    font.family: sections.fontFamily
                    font.pixelSize: sections.fontSize
                }
            }
            Row {
                spacing: 16
                Row {
                    Label { text: sections.lang[12] }
                    Rectangle {
                        width: 64
                        height: 28
                        radius: 3
                        color: "#0b0b0d"
                        border.color: timesInput.activeFocus ? sections.accentColor : "#3c3c3c"
                        TextInput {
                            id: timesInput
                            objectName: "timesInput"
                            anchors.fill: parent
                            anchors.leftMargin: 8
                            anchors.rightMargin: 8
                            verticalAlignment: TextInput.AlignVCenter
                            horizontalAlignment: TextInput.AlignHCenter
                            maximumLength: 3
                            validator: IntValidator { bottom: 0; top: Assign.timesMax }
                            color: "#ffffff"
                            selectByMouse: true
                            font.family: sections.fontFamily
                            font.pixelSize: sections.fontSize
                            onEditingFinished: sections.d.setTimes(Assign.timesOf(text))
                        }
                    }
                }
                Item {
                    objectName: "endlessBox"
                    width: endless.width
                    height: 28
                    Row {
                        id: endless
                        spacing: 8
                        anchors.verticalCenter: parent.verticalCenter
                        Image {
                            anchors.verticalCenter: parent.verticalCenter
                            source: sections.d.fireTimes === 0 ? sections.d.skin.sourceCheckBtn
                                                                                       : sections.d.skin.sourceMacroTypeCheck0
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: sections.lang[13]
                            color: "#d1d1d1"
                            font.family: sections.fontFamily
                            font.pixelSize: sections.fontSize
                        }
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            sections.d.keyAssigmentFocus()
                            sections.d.setTimes(sections.d.fireTimes === 0 ? sections.d.lastTimes : 0)
                        }
                    }
                }
            }
        }
    }

    Section {
        name: "combo"
        Title { text: sections.lang[14] }
        Row {
            y: 40
            spacing: 10
            Label { text: sections.lang[9]; width: sections.labelWidth - 10 }
            KeyCaptureField {
                objectName: "comboField"
                width: 196
                text: Assign.comboText(sections.d.combo, sections.d.keyName)
                hint: sections.lang[10]
                waitingHint: sections.hint(Hints.Index.captureWaiting)
                capturing: sections.d.isComboInput
                fontFamily: sections.fontFamily
                accentColor: sections.accentColor
                onClicked: sections.d.startComboCapture()
            }
            ImageButton {
                objectName: "comboConfirm"
                anchors.verticalCenter: parent.verticalCenter
                opacity: sections.d.isComboInput && !Assign.comboIsEmpty(sections.d.combo) ? 1 : 0.35
                normalSource: sections.d.skin.sourceSureBtn
                hoverSource: sections.d.skin.sourceSureBtnH
                onClicked: sections.d.confirmCombo()
            }
            ImageButton {
                objectName: "comboCancel"
                anchors.verticalCenter: parent.verticalCenter
                opacity: sections.d.isComboInput ? 1 : 0.35
                normalSource: sections.d.skin.sourceCloseBtn
                hoverSource: sections.d.skin.sourceCloseBtnH
                onClicked: sections.d.stopCapture()
            }
        }
    }

    Section {
        name: "media"
        Title { text: sections.lang[15] }
        DropDown {
            id: mediaList
            objectName: "mediaList"
            items: sections.d.itemTexts(Assign.mediaItems)
            onItemChosen: function(index) { sections.d.choose(Assign.mediaItems, index) }
        }
    }

    Section {
        name: "macro"
        Title { text: sections.lang[16] }
        Row {
            y: 38
            spacing: 12
            z: 2
            DropDown {
                id: macroList
                objectName: "macroList"
                y: 0
                width: 220
                items: sections.d.macroNames
                emptyText: sections.hint(Hints.Index.noMacro)
                onItemChosen: function(index) { sections.d.chooseMacro(index) }
            }
            Button {
                objectName: "macroEditorButton"
                width: 130
                height: 28
                text: sections.lang[17]
                normalColor: Theme.blue
                hoverColor: sections.accentColor
                fontFamily: sections.fontFamily
                fontSize: sections.fontSize
                onClicked: sections.d.openMacroEditor()
            }
        }
        Column {
            y: 80
            spacing: 6
            Repeater {
                model: Assign.macroModeTexts
                // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
                // qmllint disable unqualified
                KeyRadio {
                    required property int index
                    required property var modelData
                    objectName: "macroMode" + index
                    width: sections.width
                    text: sections.lang[modelData]
                    checked: sections.d.macroMode === index
                    normalSource: sections.d.skin.sourceRadioBtn
                    checkedSource: sections.d.skin.sourceRadioBtnS
                    fontFamily: sections.fontFamily
                    fontSize: sections.fontSize
                    checkedColor: sections.accentColor
                    onClicked: { sections.d.keyAssigmentFocus(); sections.d.setMacroMode(index) }
                }
                // qmllint enable unqualified
            }
        }
    }

    Section {
        name: "dpi"
        Title { text: sections.lang[21] }
        Choices { items: Assign.dpiItems }
    }

    Section {
        name: "windows"
        Title { text: sections.lang[25] }
        DropDown {
            id: windowsList
            objectName: "windowsList"
            items: sections.d.itemTexts(Assign.windowsItems)
            onItemChosen: function(index) { sections.d.choose(Assign.windowsItems, index) }
        }
    }

    Section {
        name: "shortcut"
        Title { text: sections.lang[26] }
        DropDown {
            id: shortcutList
            objectName: "shortcutList"
            items: sections.d.itemTexts(Assign.shortcutItems)
            onItemChosen: function(index) { sections.d.choose(Assign.shortcutItems, index) }
        }
    }

    Section {
        name: "gun"
        Title { text: sections.lang[52] }
        Choices { items: Assign.gunItems }
    }
}
