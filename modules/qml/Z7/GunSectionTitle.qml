import QtQuick
import ".."

// A section caption of the gun editor: an accent bar, the caption and a
// thin rule to the right edge.
Item {
    id: title

    property string text: ""
    property string fontFamily: "微软雅黑"
    property color accentColor: Theme.accent

    width: 292
    height: 20

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: 3
        height: 12
        radius: 1.5
        color: title.accentColor
    }

    Text {
        id: caption
        x: 9
        anchors.verticalCenter: parent.verticalCenter
        text: title.text
        color: "#d1d1d1"
        font.family: title.fontFamily
        font.pixelSize: 12
        font.bold: true
    }

    Rectangle {
        anchors.left: caption.right
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        height: 1
        color: "#2e2e33"
    }
}
