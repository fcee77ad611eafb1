import QtQuick
import ".."

// A check box with its caption; `toggled` reports a click, the page decides
// what `checked` becomes.
Item {
    id: box

    property bool checked: false
    property string text: ""
    property url checkSource: "qrc:/index/modules/img/skin1/index/checkBtn.png"
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color hoverColor: Theme.accent

    signal toggled()

    implicitWidth: row.width
    implicitHeight: 24
    width: implicitWidth
    height: implicitHeight

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        spacing: 6

        Rectangle {
            width: 14
            height: 14
            radius: 2.5
            anchors.verticalCenter: parent.verticalCenter
            color: "#050506"
            border.color: area.containsMouse ? box.hoverColor : "#969696"
            Image {
                anchors.fill: parent
                visible: box.checked
                source: box.checkSource
            }
        }

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: box.text
            color: area.containsMouse ? "#ffffff" : "#d1d1d1"
            font.family: box.fontFamily
            font.pixelSize: box.fontSize
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: box.toggled()
    }
}
