import QtQuick

// A tooltip: shown a moment after `hovered` turns true, beside the item it
// belongs to (below it, or above when `above`), hidden as the pointer leaves.
Rectangle {
    id: tip

    property string text: ""
    property bool hovered: false
    property bool above: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property int delayMs: 500

    readonly property bool shown: opacity > 0

    x: 0
    y: above ? -height - 6 : (parent ? parent.height + 6 : 0)
    z: 200
    width: label.implicitWidth + 16
    height: label.implicitHeight + 8
    radius: 3
    color: "#f0101012"
    border.color: "#5a5a60"
    opacity: 0
    visible: opacity > 0 && text !== ""

    onHoveredChanged: {
        if (hovered) {
            showTimer.restart()
        } else {
            showTimer.stop()
            opacity = 0
        }
    }

    // Centred on its item, but kept inside the window.
    function place() {
        if (!parent)
            return
        var wanted = Math.round((parent.width - width) / 2)
        var p = parent.mapToItem(null, wanted, 0)
        var over = p.x + width + 4 - tip.Window.width
        if (tip.Window.width > 0 && over > 0)
            wanted -= Math.ceil(over)
        if (p.x < 4)
            wanted += Math.ceil(4 - p.x)
        x = wanted
    }

    Timer {
        id: showTimer
        interval: tip.delayMs
        onTriggered: {
            tip.place()
            tip.opacity = 1
        }
    }

    Text {
        id: label
        anchors.centerIn: parent
        text: tip.text
        color: "#ffffff"
        font.family: tip.fontFamily
        font.pixelSize: tip.fontSize
    }
}
