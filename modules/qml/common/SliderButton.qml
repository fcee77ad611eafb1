import QtQuick
import ".."

// A horizontal slider: a track and a knob image. The knob's position
// (xPosition, in pixels) runs from a quarter of the knob's width to the track
// width less one and a quarter knob widths. A click on the track glides the
// knob there; dragging moves it. The final position is reported once, when
// the glide ends or the knob is released; setValue() reports nothing.
// With steps > 1 the knob snaps to that many evenly spaced positions.
Item {
    id: slider

    property int trackWidth: 352
    property int knobWidth: 12
    property int knobHeight: 12
    property int steps: 0
    property url trackSource: "qrc:/index/modules/img/skin1/index/scale.png"
    property url knobSource: "qrc:/index/modules/img/skin1/index/slide.png"
    property color fillColor: Theme.accent
    property int glideDuration: 120

    readonly property int minPosition: Math.floor(knobWidth / 4)
    readonly property int maxPosition: trackWidth - knobWidth - Math.floor(knobWidth / 4)
    property int xPosition: minPosition
    readonly property bool dragging: knobArea.drag.active
    readonly property bool gliding: glide.running

    signal positionReported(int xPosition)

    width: trackWidth
    height: Math.max(knobHeight, track.implicitHeight)

    function clamp(x) {
        var v = Math.round(Number(x))
        if (isNaN(v))
            v = minPosition
        v = Math.max(minPosition, Math.min(maxPosition, v))
        if (steps > 1) {
            var span = (maxPosition - minPosition) / (steps - 1)
            v = Math.round(minPosition + Math.round((v - minPosition) / span) * span)
        }
        return v
    }

    // The position of step i (0 to steps - 1) and the step of a position.
    function stepPosition(i) {
        if (steps < 2)
            return minPosition
        var n = Math.max(0, Math.min(steps - 1, Math.round(Number(i))))
        return Math.round(minPosition + n * (maxPosition - minPosition) / (steps - 1))
    }

    function stepOf(position) {
        if (steps < 2)
            return 0
        return Math.round((clamp(position) - minPosition) * (steps - 1) / (maxPosition - minPosition))
    }

    function setValue(x) {
        glide.stop()
        xPosition = clamp(x)
    }

    Image {
        id: track
        anchors.verticalCenter: parent.verticalCenter
        width: slider.trackWidth
        source: slider.trackSource
    }

    Rectangle {
        anchors.verticalCenter: track.verticalCenter
        anchors.verticalCenterOffset: -track.height / 2 + 5
        x: 1
        width: Math.max(0, knob.x + slider.knobWidth / 2 - 1)
        height: 2
        radius: 1
        color: slider.fillColor
        visible: slider.enabled
    }

    MouseArea {
        id: trackArea
        anchors.fill: parent
        onPressed: function(mouse) {
            glide.to = slider.clamp(mouse.x - slider.knobWidth / 2)
            glide.restart()
        }
    }

    Image {
        id: knob
        objectName: "knob"
        x: slider.xPosition
        anchors.verticalCenter: parent.verticalCenter
        width: slider.knobWidth
        height: slider.knobHeight
        source: slider.knobSource

        MouseArea {
            id: knobArea
            anchors.fill: parent
            anchors.margins: -4
            drag.target: knob
            drag.axis: Drag.XAxis
            drag.minimumX: slider.minPosition
            drag.maximumX: slider.maxPosition
            drag.threshold: 0
            onPressed: glide.stop()
            onPositionChanged: if (drag.active) slider.xPosition = slider.clamp(knob.x)
            onReleased: {
                slider.xPosition = slider.clamp(knob.x)
                knob.x = Qt.binding(function() { return slider.xPosition })
                slider.positionReported(slider.xPosition)
            }
        }
    }

    NumberAnimation {
        id: glide
        target: slider
        property: "xPosition"
        duration: slider.glideDuration
        easing.type: Easing.OutQuad
        onFinished: slider.positionReported(slider.xPosition)
    }
}
