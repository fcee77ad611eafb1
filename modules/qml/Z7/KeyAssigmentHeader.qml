import QtQuick
import "../common"
import ".."

// The title bar of the assignment dialog: which key, what it will do, and
// the close button.
Rectangle {
    id: header

    property string title: ""
    property string pendingText: ""
    property string fontFamily: "微软雅黑"
    property color accentColor: Theme.accent
    property url closeSource: ""
    property url closeHoverSource: ""

    signal closeClicked()

    height: 40
    radius: 6
    color: "#000000"

    // Square lower corners under the rounded upper ones.
    Rectangle { y: parent.height - 8; width: parent.width; height: 8; color: parent.color }
    Rectangle { y: parent.height - 1; width: parent.width; height: 1; color: "#3c3c3c" }

    Rectangle {
        x: 14
        anchors.verticalCenter: parent.verticalCenter
        width: 3
        height: 16
        color: header.accentColor
    }

    Text {
        id: titleText
        x: 26
        anchors.verticalCenter: parent.verticalCenter
        text: header.title
        color: "#ffffff"
        font.family: header.fontFamily
        font.pixelSize: 16
        font.bold: true
    }

    Rectangle {
        objectName: "pendingBadge"
        x: titleText.x + titleText.width + 14
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(pending.implicitWidth + 24, closeButton.x - x - 16)
        height: 22
        radius: 11
        visible: header.pendingText !== ""
        color: Qt.rgba(header.accentColor.r, header.accentColor.g, header.accentColor.b, 0.22)
        border.color: header.accentColor
        Text {
            id: pending
            anchors.fill: parent
            anchors.leftMargin: 12
            anchors.rightMargin: 12
            verticalAlignment: Text.AlignVCenter
            horizontalAlignment: Text.AlignHCenter
            text: header.pendingText
            elide: Text.ElideRight
            color: "#ffffff"
            font.family: header.fontFamily
            font.pixelSize: 12
        }
    }

    ImageButton {
        id: closeButton
        objectName: "keyCloseButton"
        x: parent.width - width - 12
        anchors.verticalCenter: parent.verticalCenter
        normalSource: header.closeSource
        hoverSource: header.closeHoverSource
        onClicked: header.closeClicked()
    }
}
