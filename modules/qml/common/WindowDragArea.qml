import QtQuick

// Moves the window by the pointer's travel while pressed. The window moves
// under the pointer, so the travel is always measured from the press point.
MouseArea {
    id: area

    property var windowControl: null
    property real pressX: 0
    property real pressY: 0

    signal dragStarted()

    acceptedButtons: Qt.LeftButton

    onPressed: function(mouse) {
        pressX = mouse.x
        pressY = mouse.y
        dragStarted()
    }

    onPositionChanged: function(mouse) {
        if (!pressed || !windowControl)
            return
        var dx = Math.round(mouse.x - pressX)
        var dy = Math.round(mouse.y - pressY)
        if (typeof windowControl.onXChanged === "function")
            windowControl.onXChanged(dx)
        if (typeof windowControl.onYChanged === "function")
            windowControl.onYChanged(dy)
    }
}
