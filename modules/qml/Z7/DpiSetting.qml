import QtQuick
import "../basic"
import "../common"
import ".."
import "../common/Calls.js" as Calls
import "../common/Values.js" as Values
import "DpiSetting.js" as Dpi

// The DPI panel of the right column: the stage values, how many stages are
// in use and which one the mouse has active. Changes wait for the main
// window's save button (isSave); saving stores them in the profile and
// sends them to the mouse.
Item {
    id: page
    objectName: "dpiSettingMain"

    required property Controller controller
    required property ShellApi shell
    required property Skin skin

    property int dpiCount: Dpi.defaults.dpiCount
    property int currentDpiCount: Dpi.defaults.currentDpiCount
    property int minDPI: Dpi.defaults.minDPI
    property int maxDPI: Dpi.defaults.maxDPI
    property string sensorType: Dpi.defaults.sensorType
    property int dpiBase: Dpi.defaults.dpiBase
    property var dpiValueArray: Dpi.defaultValues.slice(0)
    property int currentDPI: 0
    property bool isSave: false
    property var dpiSettingLang: ["DPI", "Stages"]

    // What each stage's label shows; saving takes these.
    property var stageValues: Dpi.defaultValues.slice(0)

    readonly property int rowHeight: 27
    readonly property int headerHeight: 36
    readonly property int shownRows: Math.max(1, Math.min(Dpi.stageLimit, dpiCount))

    width: Theme.columnWidth
    // As tall as the stages in use: fewer stages leave no empty rows.
    height: headerHeight + 4 + Math.max(1, Math.min(shownRows, currentDpiCount)) * rowHeight + 8
    z: stageList.isOpen ? 20 : 0


    function init(isSendData, isRecovery) {
        if (!isRecovery) {
            var range = Dpi.limits(controller.getGlobalData("mouse/minDPI") ?? Dpi.defaults.minDPI,
                                   controller.getGlobalData("mouse/maxDPI") ?? Dpi.defaults.maxDPI,
                                   controller.getGlobalData("mouse/dpiBase") ?? Dpi.defaults.dpiBase)
            minDPI = range.minDPI
            maxDPI = range.maxDPI
            dpiBase = range.dpiBase
            var sensor = Values.toText(controller.getGlobalData("mouse/sensorType"), "").trim()
            sensorType = sensor !== "" ? sensor : Dpi.defaults.sensorType
            dpiCount = Dpi.stageCount(controller.getData("mouse/dpiCount", false), Dpi.defaults.dpiCount)
            currentDpiCount = Dpi.stageCount(controller.getData("mouse/currentDpiCount", false),
                                             dpiCount, dpiCount)
            stageList.select(currentDpiCount - 1)
        }
        dpiValueArray = Dpi.stageValues(controller.getDataList("mouse/dpiValueArray", isRecovery === true) ?? [],
                                        { minDPI: minDPI, maxDPI: maxDPI, dpiBase: dpiBase })
        stageValues = dpiValueArray.slice(0)
        for (var i = 0; i < stages.count; ++i)
            stages.itemAt(i).placeKnob(Dpi.positionOf(stageValues[i], minDPI, maxDPI))
        if (isSendData)
            saveData(true)
    }

    function saveData(isSendData) {
        var calls = Dpi.saveCalls(stageValues, currentDpiCount, sensorType, isSendData)
        for (var i = 0; i < calls.length; ++i)
            Calls.call(controller, calls[i][0], calls[i][1], undefined, "controller")
    }

    function closeList() {
        stageList.close()
    }

    function moveStage(index, position) {
        var values = stageValues.slice(0)
        values[index] = Dpi.valueAt(position, minDPI, maxDPI, dpiBase)
        stageValues = values
    }

    function chooseStageCount(count) {
        currentDpiCount = count
        isSave = true
    }

    function recover() {
        init(false, true)
        isSave = true
    }

    Component.onCompleted: if (shell.currentDPI >= 0) currentDPI = shell.currentDPI

    BorderImage {
        anchors.fill: parent
        source: page.skin.sourcedpiSettingBG
        border { left: 8; right: 8; top: 40; bottom: 8 }
    }

    Text {
        x: 14
        y: 10
        text: page.dpiSettingLang[0]
        color: Theme.gray3
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }

    Text {
        anchors.right: stageList.left
        anchors.rightMargin: 8
        anchors.verticalCenter: stageList.verticalCenter
        width: Math.min(implicitWidth, 80)
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideRight
        text: page.dpiSettingLang[1] || ""
        color: Theme.gray2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
    }

    Menu_Down {
        id: stageList
        z: 10
        objectName: "dpiCountList"
        x: 144
        y: 7
        width: 52
        height: 22
        items: Dpi.stageItems(page.shownRows)
        maxRows: Dpi.stageLimit
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
        selectedColor: Theme.blue
        dropSource: page.skin.sourceDropBtn
        dropOpenSource: page.skin.sourceDropBtnU
        onItemChosen: function(index) { page.chooseStageCount(index + 1) }
    }

    ImageButton {
        objectName: "dpiResetButton"
        x: 206
        y: 10
        normalSource: page.skin.sourceRestBtn
        hoverSource: page.skin.sourceRestBtnH
        pressedSource: page.skin.sourceRestBtnP
        onClicked: page.recover()
    }

    Column {
        x: 0
        y: page.headerHeight + 4

        Repeater {
            id: stages
            model: Dpi.stageLimit

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Item {
                id: row
                required property int index
                readonly property bool active: index === page.currentDPI
                readonly property color accent: Theme.accent

                objectName: "dpiStage" + index
                width: page.width
                height: page.rowHeight
                visible: index < page.currentDpiCount

                function placeKnob(position) { slider.setValue(position) }

                Rectangle {
                    anchors.fill: parent
                    anchors.leftMargin: 4
                    anchors.rightMargin: 4
                    radius: 3
                    color: row.active ? "#241208" : (hover.containsMouse ? "#16161a" : "transparent")
                    MouseArea { id: hover; anchors.fill: parent; hoverEnabled: true; acceptedButtons: Qt.NoButton }
                }

                Rectangle {
                    objectName: "stageBadge"
                    x: 12
                    anchors.verticalCenter: slider.verticalCenter
                    width: 16
                    height: 16
                    radius: 8
                    color: row.active ? row.accent : "transparent"
                    border.color: row.active ? row.accent : Theme.gray1
                    Text {
                        anchors.centerIn: parent
                        text: row.index + 1
                        color: row.active ? "#ffffff" : Theme.gray2
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontMinSize
                        font.bold: true
                    }
                }

                Text {
                    objectName: "stageValue"
                    anchors.right: slider.right
                    y: 0
                    text: page.stageValues[row.index]
                    color: row.active ? row.accent : Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    font.bold: row.active
                }

                SliderButton {
                    id: slider
                    objectName: "dpiSlider"
                    x: 36
                    y: page.rowHeight - height - 1
                    trackWidth: 176
                    knobWidth: 12
                    knobHeight: 12
                    trackSource: page.skin.sourcedpiSetting0
                    knobSource: page.skin.sourceSlide
                    fillColor: "transparent"
                    onXPositionChanged: if (dragging || gliding) page.moveStage(row.index, xPosition)
                    onPositionReported: function(position) {
                        page.moveStage(row.index, position)
                        page.isSave = true
                    }

                    // The travelled part of the track, up to the knob's edge;
                    // the active stage's in the highlight.
                    Item {
                        x: 0
                        y: (parent.height - 6) / 2
                        width: Math.max(0, slider.xPosition + 1)
                        height: 6
                        clip: true
                        Image {
                            source: page.skin.sourcedpiSetting1
                            visible: row.active
                        }
                        Rectangle {
                            x: 1
                            y: 1
                            width: 174
                            height: 4
                            radius: 2
                            color: "#5a5a5e"
                            visible: !row.active
                        }
                    }
                }
            }
            // qmllint enable unqualified
        }
    }
}
