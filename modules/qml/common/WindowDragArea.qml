import QtQuick

// Moves the window while pressed: the window system moves it where it can
// (on Wayland it must), else the window follows the pointer's travel,
// measured from the press point in window pixels, since the window moves
// under the pointer and its content may be scaled.
MouseArea {
    id: area

    property var windowControl: null
    property real pressX: 0
    property real pressY: 0
    property bool systemMove: false

    signal dragStarted()

    acceptedButtons: Qt.LeftButton

    onPressed: function(mouse) {
        var scenePoint = mapToItem(null, mouse.x, mouse.y)
        pressX = scenePoint.x
        pressY = scenePoint.y
        dragStarted()
        systemMove = !!windowControl && typeof windowControl.startSystemMove === "function"
                     && windowControl.startSystemMove() === true
    }

    onReleased: systemMove = false

    onPositionChanged: function(mouse) {
        if (!pressed || !windowControl || systemMove)
            return
        var scenePoint = mapToItem(null, mouse.x, mouse.y)
        var dx = Math.round(scenePoint.x - pressX)
        var dy = Math.round(scenePoint.y - pressY)
        if (typeof windowControl.onXChanged === "function")
            windowControl.onXChanged(dx)
        if (typeof windowControl.onYChanged === "function")
            windowControl.onYChanged(dy)
    }
}
