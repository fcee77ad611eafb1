import QtQuick
import "../common"
import ".."
import "MacroEvents.js" as MacroEvents

// Below the event list: the record button, the box that decides whether
// pauses are recorded, and the repeat count.
Item {
    id: bar

    property string recordText: "Start Record"
    property string delayText: "Delay"
    property string timesText: "Times"
    property bool isInputting: false
    property bool isDelayRecorded: false
    property bool hasMacro: false
    property alias repeatText: repeatInput.text
    property string elapsedText: ""
    // The shell, for the skin's images.
    property var skin: null
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color buttonColor: "#09347f"
    property color accentColor: Theme.accent
    property color recordingColor: "#a01818"

    signal recordClicked()
    signal delayToggled()
    signal repeatEdited()

    height: 26

    Button {
        id: recordButton
        objectName: "macroRecordButton"
        width: 136
        height: parent.height
        text: bar.recordText
        enabled: bar.hasMacro
        iconSource: bar.skin ? bar.skin.sourcemacroRecordBtn : ""
        iconHoverSource: bar.skin ? bar.skin.sourcemacroRecordBtnH : ""
        iconPressedSource: bar.skin ? bar.skin.sourcemacroRecordBtnP : ""
        normalColor: bar.isInputting ? bar.recordingColor : bar.buttonColor
        hoverColor: bar.isInputting ? Qt.lighter(bar.recordingColor, 1.25) : bar.accentColor
        fontFamily: bar.fontFamily
        fontSize: bar.fontSize
        onClicked: bar.recordClicked()

        SequentialAnimation on opacity {
            running: bar.isInputting
            loops: Animation.Infinite
            onStopped: recordButton.opacity = 1
            NumberAnimation { to: 0.65; duration: 500 }
            NumberAnimation { to: 1; duration: 500 }
        }
    }

    Item {
        objectName: "macroDelayBox"
        x: recordButton.width + 20
        width: delayRow.width
        height: parent.height
        opacity: bar.isInputting ? 0.5 : 1

        Row {
            id: delayRow
            anchors.verticalCenter: parent.verticalCenter
            spacing: 6
            Image {
                anchors.verticalCenter: parent.verticalCenter
                source: bar.skin ? (bar.isDelayRecorded ? bar.skin.sourcemacroCheck1 : bar.skin.sourcemacroCheck0) : ""
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: bar.delayText
                color: delayArea.containsMouse ? "#ffffff" : "#d1d1d1"
                font.family: bar.fontFamily
                font.pixelSize: bar.fontSize
            }
        }

        // The choice holds for a whole recording.
        MouseArea {
            id: delayArea
            anchors.fill: parent
            enabled: !bar.isInputting
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: bar.delayToggled()
        }
    }

    Row {
        objectName: "macroRecordTime"
        x: recordButton.width + 20 + delayRow.width + 24
        height: parent.height
        spacing: 6
        visible: bar.isInputting

        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 8
            radius: 4
            color: "#ff3030"
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: bar.elapsedText
            color: "#d1d1d1"
            font.family: bar.fontFamily
            font.pixelSize: bar.fontSize
        }
    }

    Row {
        anchors.right: parent.right
        height: parent.height
        spacing: 8

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: bar.timesText
            color: "#d1d1d1"
            font.family: bar.fontFamily
            font.pixelSize: bar.fontSize
        }

        Rectangle {
            width: 64
            height: parent.height
            radius: 2
            color: "#000000"
            border.color: repeatInput.activeFocus ? bar.accentColor : "#3c3c3c"
            opacity: repeatInput.enabled ? 1 : 0.5

            TextInput {
                id: repeatInput
                objectName: "macroRepeatInput"
                anchors.fill: parent
                anchors.leftMargin: 8
                anchors.rightMargin: 8
                verticalAlignment: TextInput.AlignVCenter
                horizontalAlignment: TextInput.AlignHCenter
                enabled: bar.hasMacro && !bar.isInputting
                maximumLength: MacroEvents.repeatDigits
                validator: RegularExpressionValidator { regularExpression: /[0-9]{0,4}/ }
                text: "1"
                color: "#ffffff"
                selectionColor: bar.accentColor
                selectByMouse: true
                font.family: bar.fontFamily
                font.pixelSize: bar.fontSize
                onEditingFinished: bar.repeatEdited()
            }
        }
    }
}
