import QtQuick
import ".."

// A context menu of the macro editor: the skin's menu panel with one row per
// entry, orange under the pointer, grey where the entry cannot be used now.
// `entries` are texts, `enabledEntries` says which of them take a click.
Item {
    id: menu

    property var entries: []
    property var enabledEntries: []
    property url backgroundSource: ""
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"
    property color disabledColor: "#969696"
    property color hoverColor: Theme.accent
    property int rowHeight: 24

    signal chosen(int index)

    width: Math.max(112, widest.width + 36)
    height: entries.length * rowHeight + 8
    visible: false
    z: 20

    // Opens with its corner at (px, py) of the parent, kept inside it.
    function popup(px, py) {
        var area = parent
        x = Math.max(0, Math.min(area.width - width, Math.round(px)))
        y = Math.max(0, Math.min(area.height - height, Math.round(py)))
        visible = true
    }

    function close() { visible = false }

    function isEnabled(index) {
        return enabledEntries.length <= index || enabledEntries[index] !== false
    }

    // The widest text decides the menu's width, in every language.
    Text {
        id: widest
        visible: false
        font.family: menu.fontFamily
        font.pixelSize: menu.fontSize
        text: menu.entries.reduce(function(a, b) { return String(b).length > String(a).length ? b : a }, "")
    }

    BorderImage {
        anchors.fill: parent
        source: menu.backgroundSource
        border { left: 4; top: 4; right: 4; bottom: 4 }
    }

    Column {
        x: 4
        y: 4
        Repeater {
            model: menu.entries
            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                required property int index
                required property var modelData
                width: menu.width - 8
                height: menu.rowHeight
                radius: 2
                color: area.containsMouse && menu.isEnabled(index) ? menu.hoverColor : "transparent"

                Text {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData
                    color: menu.isEnabled(index) ? menu.textColor : menu.disabledColor
                    font.family: menu.fontFamily
                    font.pixelSize: menu.fontSize
                }

                MouseArea {
                    id: area
                    objectName: "menuEntry" + index
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: {
                        if (!menu.isEnabled(index))
                            return
                        menu.close()
                        menu.chosen(index)
                    }
                }
            }
            // qmllint enable unqualified
        }
    }
}
