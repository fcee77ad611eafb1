import QtQuick
import "GunControl.js" as Gun

// The target picture with the red dot of the Y adjustment. The dot moves
// on a vertical path of Gun.dotTravel pixels through the centre, from Y 0 at
// the top to the largest Y at the bottom. Dragging the dot, or pressing on
// the path, moves it; the new Y is reported once, on release.
Item {
    id: target

    property int yValue: 0
    property url source: ""
    property string fontFamily: "微软雅黑"
    property color dotColor: "#ff3030"
    readonly property bool dragging: area.pressed
    readonly property int pathTop: Math.round((height - Gun.dotTravel) / 2)
    readonly property int shownY: dragging ? Gun.yOfOffset(area.offset) : yValue
    readonly property alias dot: dot

    signal yReleased(int y)

    width: 128
    height: 128

    Image {
        anchors.fill: parent
        source: target.source
    }

    // The dot's path.
    Rectangle {
        x: Math.round(target.width / 2) - 1
        y: target.pathTop
        width: 2
        height: Gun.dotTravel
        radius: 1
        color: target.dotColor
        opacity: area.containsMouse || target.dragging ? 0.35 : 0.15
    }

    Rectangle {
        id: dot
        objectName: "gunDot"
        width: 12
        height: 12
        radius: 6
        x: Math.round(target.width / 2) - width / 2
        y: target.pathTop + (target.dragging ? area.offset : Gun.dotOffset(target.yValue)) - height / 2
        color: target.dotColor
        border.color: "#ffffff"
        border.width: target.dragging || area.containsMouse ? 2 : 1
    }

    Rectangle {
        visible: target.dragging
        x: dot.x + dot.width + 6
        y: dot.y + dot.height / 2 - height / 2
        width: label.implicitWidth + 10
        height: 18
        radius: 3
        color: "#cc000000"
        border.color: target.dotColor
        Text {
            id: label
            anchors.centerIn: parent
            text: "Y " + target.shownY
            color: "#ffffff"
            font.family: target.fontFamily
            font.pixelSize: 11
        }
    }

    MouseArea {
        id: area
        objectName: "gunDotArea"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.SizeVerCursor
        property int offset: 0
        property int grab: 0

        function follow(mouseY) {
            offset = Math.max(0, Math.min(Gun.dotTravel, Math.round(mouseY - grab - target.pathTop)))
        }

        onPressed: function(mouse) {
            var centre = dot.y + dot.height / 2
            // Holding the dot keeps the grip where it was taken.
            grab = Math.abs(mouse.y - centre) <= dot.height ? mouse.y - centre : 0
            follow(mouse.y)
        }
        onPositionChanged: function(mouse) { if (pressed) follow(mouse.y) }
        onReleased: target.yReleased(Gun.yOfOffset(offset))
    }
}
