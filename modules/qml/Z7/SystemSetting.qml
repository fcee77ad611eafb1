import QtQuick
import "../common"
import ".."
import "../common/Values.js" as Values
import "SystemSetting.js" as Rules

// The desktop's pointer settings of the profile in use: pointer speed,
// double-click speed and how far one wheel notch scrolls. The profile keeps
// the knob positions and the row count; the desktop gets indices and lines.
Item {
    id: page
    objectName: "systemSettingPage"
    width: 416
    height: 312
    visible: false

    readonly property var defaultSystemSettingLang: [
        "System Setting", "Mouse Speed", "Double Click Speed", "Slow", "Fast", "Scroll Speed",
        "Number of Rows", "Scroll one Screen",
        "Kept in the profile. This desktop did not apply the marked setting.", "", "", "", "", "", ""
    ]
    property var systemSettingLang: defaultSystemSettingLang.slice(0)
    readonly property var compareValue: Rules.compareValue
    property bool isOneScreen: false
    // The settings (1 speed, 2 double click, 3 wheel) the desktop refused last.
    property var refused: []

    readonly property var mouseSpeedSlider: speedSection.slider
    readonly property var doubleClickSlider: doubleSection.slider
    readonly property alias rowsField: rowsInput
    required property Controller controller
    required property ShellApi shell
    required property Skin skin


    function init(isSendData, isRecovery) {
        var recovery = Values.toBool(isRecovery, false)
        speedSection.slider.setValue(Rules.storedPosition(controller.getData("mouse/mouseRate", recovery),
                                                  speedSection.slider.xPosition))
        doubleSection.slider.setValue(Rules.storedPosition(controller.getData("mouse/doubleRate", recovery),
                                                   doubleSection.slider.xPosition))
        var mode = Rules.scrollMode(controller.getData("mouse/scrollRate", recovery))
        isOneScreen = mode.oneScreen
        if (mode.rows !== "")
            rowsInput.text = mode.rows
        if (Values.toBool(isSendData, false))
            saveData(true, Rules.applyAll)
    }

    function saveData(isSendData, isStep) {
        var step = Values.toInt(isStep, Rules.applyAll)
        var lines = Rules.scrollValue(isOneScreen, rowsInput.text)
        controller.setData("mouse/mouseRate", speedSection.slider.xPosition)
        controller.setData("mouse/doubleRate", doubleSection.slider.xPosition)
        controller.setData("mouse/scrollRate", lines)
        if (!Values.toBool(isSendData, false))
            return
        if (Rules.applies(step, Rules.applySpeed)) {
            controller.mouseSetCursorSpeed(Rules.indexOfPosition(speedSection.slider.xPosition))
            noteTaken(Rules.applySpeed)
        }
        if (Rules.applies(step, Rules.applyDoubleClick)) {
            controller.mouseSetDoubleClickSpeed(Rules.indexOfPosition(doubleSection.slider.xPosition))
            noteTaken(Rules.applyDoubleClick)
        }
        if (Rules.applies(step, Rules.applyScroll)) {
            controller.mouseSetVerticalScrollLines(lines)
            noteTaken(Rules.applyScroll)
        }
    }

    // Notes whether the desktop took the setting just applied; a controller
    // that cannot tell counts as having taken it.
    function noteTaken(setting) {
        var taken = Values.toBool(controller.pointerSettingTaken(setting), true)
        var others = refused.filter(function(s) { return s !== setting })
        refused = taken ? others : others.concat([setting])
    }

    function isRefused(setting) { return refused.indexOf(setting) >= 0 }

    function chooseScrollMode(oneScreen) {
        isOneScreen = oneScreen
        saveData(true, Rules.applyScroll)
    }

    // The row count field commits when it loses the focus.
    function commitRows() {
        rowsInput.text = String(Rules.committedRows(rowsInput.text))
        saveData(true, Rules.applyScroll)
    }

    function systemSettingFocus() {
        rowsInput.focus = false
    }

    function close() {
        closing = true
        rowsInput.focus = false
        closing = false
        page.visible = false
    }

    // While closing, a typed but uncommitted row count is dropped.
    property bool closing: false
    property string shownRows: "1"

    Component.onDestruction: closing = true

    function moveTo(px, py) {
        var area = parent && parent.parent ? parent.parent : null
        x = Theme.clampInto(px, width, area ? area.width : Theme.windowWidth)
        y = Theme.clampInto(py, height, area ? area.height : Theme.windowHeight)
    }

    Rectangle {
        anchors.fill: parent
        radius: 6
        border.color: Theme.gray1
        gradient: Gradient {
            GradientStop { position: 0; color: "#111113" }
            GradientStop { position: 1; color: "#050506" }
        }
    }
    Rectangle { x: 1; y: 7; width: 3; height: 28; color: Theme.accent }
    Rectangle {
        x: 1; y: 38
        width: parent.width - 2
        height: 2
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Theme.accent }
            GradientStop { position: 0.5; color: Theme.withAlpha(Theme.accent, 0x59 / 255) }
            GradientStop { position: 1; color: Theme.withAlpha(Theme.accent, 0) }
        }
    }

    MouseArea {
        anchors.fill: parent
        property real pressX: 0
        property real pressY: 0
        onPressed: function(mouse) { pressX = mouse.x; pressY = mouse.y; page.systemSettingFocus() }
        onPositionChanged: function(mouse) {
            if (pressed)
                page.moveTo(page.x + mouse.x - pressX, page.y + mouse.y - pressY)
        }
    }

    Text {
        x: 16
        height: 40
        verticalAlignment: Text.AlignVCenter
        text: page.systemSettingLang[0]
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }

    ImageButton {
        objectName: "systemSettingReset"
        anchors.right: closeButton.left
        anchors.rightMargin: 8
        anchors.verticalCenter: closeButton.verticalCenter
        normalSource: page.skin.sourceBack
        hoverSource: page.skin.sourceBackH
        onClicked: page.init(true, true)
    }

    ImageButton {
        id: closeButton
        objectName: "systemSettingClose"
        x: page.width - 16 - width
        y: 10
        normalSource: page.skin.sourceCloseBtn
        hoverSource: page.skin.sourceCloseBtnH
        onClicked: page.close()
    }

    SystemSlider {
        id: speedSection
        skin: page.skin
        objectName: "mouseSpeedSection"
        y: 50
        caption: page.systemSettingLang[1]
        slowText: page.systemSettingLang[3]
        fastText: page.systemSettingLang[4]
        refused: page.isRefused(1)
        onPositionReported: page.saveData(true, Rules.applySpeed)
    }

    Rectangle { x: 16; y: 118; width: 384; height: 1; color: Theme.gray1 }

    SystemSlider {
        id: doubleSection
        skin: page.skin
        objectName: "doubleClickSection"
        y: 126
        caption: page.systemSettingLang[2]
        slowText: page.systemSettingLang[3]
        fastText: page.systemSettingLang[4]
        refused: page.isRefused(2)
        onPositionReported: page.saveData(true, Rules.applyDoubleClick)
    }

    Rectangle { x: 16; y: 194; width: 384; height: 1; color: Theme.gray1 }

    SystemCaption {
        x: 32
        y: 202
        text: page.systemSettingLang[5]
        refused: page.isRefused(3)
    }

    Image {
        x: 384 - width
        y: 202
        source: page.skin["sourcescrollRate" + Rules.scrollLevel(page.isOneScreen, rowsInput.text)]
    }

    // The two choices side by side; the second always at the same place,
    // whatever the language's text length.
    Row {
        x: 32
        y: 232
        height: 24

        Row {
            width: 200
            spacing: 10
            anchors.verticalCenter: parent.verticalCenter
            SystemRadio {
                skin: page.skin
                objectName: "rowsChoice"
                anchors.verticalCenter: parent.verticalCenter
                text: page.systemSettingLang[6]
                checked: !page.isOneScreen
                onChosen: page.chooseScrollMode(false)
            }
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 48
                height: 22
                radius: 2
                color: "#050506"
                border.color: rowsInput.activeFocus ? Theme.accent : Theme.gray1
                opacity: page.isOneScreen ? 0.5 : 1
                TextInput {
                    id: rowsInput
                    objectName: "rowsInput"
                    anchors.fill: parent
                    anchors.margins: 3
                    horizontalAlignment: TextInput.AlignHCenter
                    verticalAlignment: TextInput.AlignVCenter
                    text: "1"
                    maximumLength: 3
                    validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                    selectByMouse: true
                    color: Theme.fontColor
                    selectionColor: Theme.accent
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    Keys.onReturnPressed: page.systemSettingFocus()
                    Keys.onEnterPressed: page.systemSettingFocus()
                    onActiveFocusChanged: {
                        if (activeFocus) {
                            page.shownRows = text
                            page.shell.mainFocus()
                        } else if (page.closing || !page.visible) {
                            text = page.shownRows
                        } else {
                            page.commitRows()
                        }
                    }
                }
            }
        }

        SystemRadio {

            skin: page.skin
            objectName: "oneScreenChoice"
            anchors.verticalCenter: parent.verticalCenter
            text: page.systemSettingLang[7]
            checked: page.isOneScreen
            onChosen: page.chooseScrollMode(true)
        }
    }

    Text {
        objectName: "refusedNotice"
        x: 32
        y: page.height - 18 - height
        width: 352
        visible: page.refused.length > 0
        text: "● " + page.systemSettingLang[8]
        elide: Text.ElideRight
        color: "#e0a030"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }
}
