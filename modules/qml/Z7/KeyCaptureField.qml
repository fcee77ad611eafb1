import QtQuick
import ".."

// A field that takes a key from the keyboard: a click starts the capture,
// the frame pulses while it waits, and the captured names show in it. While
// the field is empty it shows the hint, or while capturing that it waits.
Rectangle {
    id: field

    property string text: ""
    property string hint: ""
    property string waitingHint: ""
    property bool capturing: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color accentColor: Theme.accent

    signal clicked()

    width: 200
    height: 28
    radius: 3
    color: capturing ? "#1f130d" : "#0b0b0d"
    border.width: 1
    border.color: capturing ? accentColor : area.containsMouse ? "#969696" : "#3c3c3c"

    Rectangle {
        id: pulse
        anchors.fill: parent
        anchors.margins: -3
        radius: 5
        color: "transparent"
        border.width: 2
        border.color: field.accentColor
        visible: field.capturing
        SequentialAnimation on opacity {
            running: field.capturing
            loops: Animation.Infinite
            NumberAnimation { from: 0.9; to: 0.15; duration: 500 }
            NumberAnimation { from: 0.15; to: 0.9; duration: 500 }
        }
    }

    Text {
        anchors.left: parent.left
        anchors.leftMargin: 10
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: field.text !== "" ? field.text : field.capturing && field.waitingHint !== "" ? field.waitingHint : field.hint
        elide: Text.ElideRight
        color: field.text !== "" ? "#ffffff" : field.capturing ? "#ff9a66" : "#6e6e74"
        font.family: field.fontFamily
        font.pixelSize: field.fontSize
        font.bold: field.text !== ""
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.IBeamCursor
        onClicked: field.clicked()
    }
}
