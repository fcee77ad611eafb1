import QtQuick
import ".."

// How much of the mouse's macro memory the macro takes: the encoded length
// against the length at which the editor stops adding events.
Item {
    id: bar

    property string caption: "Memory"
    property int used: 2
    property int limit: 126
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#d1d1d1"
    property color fillColor: "#09347f"
    property color fullColor: Theme.accent
    readonly property bool full: used >= limit

    width: row.width
    height: 20

    Row {
        id: row
        spacing: 8
        anchors.verticalCenter: parent.verticalCenter

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: bar.caption
            color: bar.textColor
            font.family: bar.fontFamily
            font.pixelSize: bar.fontSize
        }

        Rectangle {
            id: track
            anchors.verticalCenter: parent.verticalCenter
            width: 96
            height: 6
            radius: 3
            color: "#1a1a1a"
            border.color: "#3c3c3c"

            Rectangle {
                width: Math.max(height, Math.min(1, bar.used / bar.limit) * parent.width)
                height: parent.height
                radius: 3
                color: bar.full ? bar.fullColor : bar.fillColor
                Behavior on width { NumberAnimation { duration: 120 } }
            }
        }

        Text {
            objectName: "memoryText"
            anchors.verticalCenter: parent.verticalCenter
            text: bar.used + " / " + bar.limit
            color: bar.full ? bar.fullColor : bar.textColor
            font.family: bar.fontFamily
            font.pixelSize: bar.fontSize
            font.bold: bar.full
        }
    }
}
