import QtQuick
import ".."

// The factory reset question: a small dialog that can be dragged anywhere
// inside its parent but never out of it.
Rectangle {
    id: dialog

    property string title: "Reset"
    property string question: "Reset the profile in use to its factory settings?"
    property string okText: "OK"
    property string cancelText: "Cancel"
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color fontColor: "#ffffff"
    property color titleColor: "#000000"
    property color buttonColor: "#09347f"
    property color hoverColor: Theme.accent
    property int areaWidth: parent ? parent.width : Theme.windowWidth
    property int areaHeight: parent ? parent.height : Theme.windowHeight

    signal accepted()
    signal cancelled()

    width: 427
    height: 102
    color: "#1a1a1a"
    border.color: "#3c3c3c"
    visible: false

    function clampX(v) { return Math.max(0, Math.min(areaWidth - width, Math.round(v))) }
    function clampY(v) { return Math.max(0, Math.min(areaHeight - height, Math.round(v))) }

    function moveTo(px, py) {
        x = clampX(px)
        y = clampY(py)
    }

    function centre() {
        moveTo((areaWidth - width) / 2, (areaHeight - height) / 2)
    }

    MouseArea {
        id: dragArea
        anchors.fill: parent
        property real pressX: 0
        property real pressY: 0
        onPressed: function(mouse) { pressX = mouse.x; pressY = mouse.y }
        onPositionChanged: function(mouse) {
            if (pressed)
                dialog.moveTo(dialog.x + mouse.x - pressX, dialog.y + mouse.y - pressY)
        }
    }

    Rectangle {
        id: titleBar
        x: 1; y: 1
        width: parent.width - 2
        height: 30
        color: dialog.titleColor

        Rectangle {
            width: 3; height: 14
            anchors.verticalCenter: parent.verticalCenter
            color: dialog.hoverColor
        }

        Text {
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.title
            color: dialog.fontColor
            font.family: dialog.fontFamily
            font.pixelSize: dialog.fontSize
            font.bold: true
        }
    }

    Text {
        x: 16
        y: 30 + (dialog.height - 30 - 25 - 8) / 2 - height / 2
        width: dialog.width - 32
        text: dialog.question
        elide: Text.ElideRight
        color: "#d1d1d1"
        font.family: dialog.fontFamily
        font.pixelSize: dialog.fontSize
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 10

        Button {
            objectName: "resetCancelButton"
            width: 88
            height: 25
            text: dialog.cancelText
            normalColor: dialog.buttonColor
            hoverColor: dialog.hoverColor
            fontFamily: dialog.fontFamily
            fontSize: dialog.fontSize
            onClicked: dialog.cancelled()
        }

        Button {
            objectName: "resetOkButton"
            width: 88
            height: 25
            text: dialog.okText
            normalColor: dialog.buttonColor
            hoverColor: dialog.hoverColor
            fontFamily: dialog.fontFamily
            fontSize: dialog.fontSize
            onClicked: dialog.accepted()
        }
    }
}
