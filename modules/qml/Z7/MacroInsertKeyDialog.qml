import QtQuick
import "../common"
import ".."

// Insert Key: shows the name of the last key pressed on the keyboard; OK
// hands it over, the close button drops it.
Rectangle {
    id: dialog

    property string title: "Insert Key"
    property string okText: "OK"
    property int keyCode: -1
    property string keyName: ""
    property url closeSource: ""
    property url closeHoverSource: ""
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"
    property color titleColor: "#000000"
    property color buttonColor: "#09347f"
    property color hoverColor: Theme.accent

    signal accepted(int keyCode, string keyName)
    signal cancelled()

    width: 240
    height: 80
    color: "#1a1a1a"
    border.color: "#3c3c3c"
    radius: 4
    visible: false

    function open() {
        keyCode = -1
        keyName = ""
        visible = true
    }

    function take(code, name) {
        keyCode = code
        keyName = name
    }

    // Swallows clicks so that nothing below reacts.
    MouseArea { anchors.fill: parent }

    Rectangle {
        x: 1; y: 1
        width: parent.width - 2
        height: 26
        radius: 3
        color: dialog.titleColor

        Rectangle {
            width: 3; height: 12
            anchors.verticalCenter: parent.verticalCenter
            color: dialog.hoverColor
        }

        Text {
            x: 12
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.title
            color: dialog.textColor
            font.family: dialog.fontFamily
            font.pixelSize: dialog.fontSize
            font.bold: true
        }

        ImageButton {
            objectName: "insertKeyClose"
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            width: 14
            height: 14
            fillMode: Image.PreserveAspectFit
            normalSource: dialog.closeSource
            hoverSource: dialog.closeHoverSource
            onClicked: dialog.cancelled()
        }
    }

    Rectangle {
        id: keyField
        objectName: "insertKeyField"
        x: 12
        y: 40
        width: 132
        height: 26
        radius: 2
        color: "#000000"
        border.color: dialog.keyCode >= 0 ? dialog.hoverColor : "#3c3c3c"

        Text {
            anchors.centerIn: parent
            text: dialog.keyCode >= 0 ? dialog.keyName : "···"
            color: dialog.keyCode >= 0 ? dialog.textColor : "#969696"
            font.family: dialog.fontFamily
            font.pixelSize: dialog.fontSize + 1
            font.bold: dialog.keyCode >= 0
        }
    }

    Button {
        objectName: "insertKeyOk"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 40
        width: 72
        height: 26
        text: dialog.okText
        enabled: dialog.keyCode >= 0
        normalColor: dialog.buttonColor
        hoverColor: dialog.hoverColor
        fontFamily: dialog.fontFamily
        fontSize: dialog.fontSize
        onClicked: dialog.accepted(dialog.keyCode, dialog.keyName)
    }
}
