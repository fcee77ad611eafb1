import QtQuick
import "StorageNotices.js" as Notices

// The window's line about settings files that could not be used. It stays
// until the user closes it and holds nothing up meanwhile.
Rectangle {
    id: notice

    property var texts: Notices.builtInTexts.slice(0)
    property var entries: []
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color accentColor: "#cf3e00"

    function add(kind, path) {
        entries = Notices.added(entries, { kind: kind, path: path })
    }

    visible: entries.length > 0
    width: 496
    height: lines.height + 12
    radius: 3
    color: "#e0000000"
    border.color: accentColor

    Column {
        id: lines
        x: 8
        y: 6
        width: notice.width - 40
        Repeater {
            model: notice.entries
            Text {
                required property var modelData
                width: lines.width
                text: Notices.line(notice.texts, modelData)
                textFormat: Text.PlainText
                elide: Text.ElideMiddle
                color: "#ffffff"
                font.family: notice.fontFamily
                font.pixelSize: notice.fontSize
            }
        }
    }

    Text {
        objectName: "storageNoticeClose"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: "\u00d7"
        color: closeArea.containsMouse ? notice.accentColor : "#ffffff"
        font.pixelSize: notice.fontSize + 4
        MouseArea {
            id: closeArea
            anchors.fill: parent
            anchors.margins: -6
            hoverEnabled: true
            onClicked: notice.entries = []
        }
    }
}
