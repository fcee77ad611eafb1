import QtQuick
import ".."

// The help menu under the title bar: the maker's web address, which opens
// in the browser, and the version line.
Rectangle {
    id: menu

    property string url: ""
    property string versionText: "verison:1.0"
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color fontColor: "#ffffff"
    property color hoverColor: Theme.accent
    readonly property var entries: [url, versionText]

    signal entryChosen(int index)

    width: 200
    height: entries.length * 24 + 2
    color: "#1a1a1a"
    border.color: "#3c3c3c"
    visible: false

    function choose(index) {
        visible = false
        if (index === 0 && url !== "")
            Qt.openUrlExternally(url)
        entryChosen(index)
    }

    Rectangle {
        x: 3; y: 4; z: -1
        width: parent.width
        height: parent.height
        color: "#000000"
        opacity: 0.55
    }

    Rectangle {
        x: 1; y: 1
        width: 2
        height: parent.height - 2
        color: menu.hoverColor
    }

    Column {
        x: 1; y: 1

        Repeater {
            model: menu.entries

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                id: entry
                required property int index
                required property string modelData
                width: menu.width - 2
                height: 24
                color: area.containsMouse ? menu.hoverColor : "transparent"

                Text {
                    x: 10
                    width: parent.width - 20
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.modelData
                    elide: Text.ElideMiddle
                    color: menu.fontColor
                    font.family: menu.fontFamily
                    font.pixelSize: menu.fontSize
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: menu.choose(entry.index)
                }
            }
            // qmllint enable unqualified
        }
    }
}
