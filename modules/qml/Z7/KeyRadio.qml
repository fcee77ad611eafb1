import QtQuick
import ".."

// A choice of the assignment dialog: the skin's radio button and its text,
// which may take two lines. The whole row answers to the pointer.
Item {
    id: radio

    property string text: ""
    property bool checked: false
    property url normalSource: ""
    property url checkedSource: ""
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color hoverColor: "#3c3c3c"
    property color checkedColor: Theme.accent

    signal clicked()

    width: 180
    height: Math.max(30, label.implicitHeight + 12)

    Rectangle {
        anchors.fill: parent
        radius: 3
        color: radio.checked ? Qt.rgba(radio.checkedColor.r, radio.checkedColor.g, radio.checkedColor.b, 0.16)
             : area.containsMouse ? radio.hoverColor : "transparent"
        border.width: radio.checked ? 1 : 0
        border.color: radio.checkedColor
    }

    Image {
        id: mark
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        source: radio.checked ? radio.checkedSource : radio.normalSource
    }

    Text {
        id: label
        x: mark.x + 14 + 10
        width: radio.width - x - 8
        anchors.verticalCenter: parent.verticalCenter
        text: radio.text
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
        color: radio.checked ? "#ffffff" : "#d1d1d1"
        font.family: radio.fontFamily
        font.pixelSize: radio.fontSize
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: radio.clicked()
    }
}
