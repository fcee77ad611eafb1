import QtQuick
import "../common"
import ".."
import "LightControl.js" as Light

// A caption, the step as a percentage and a five-step slider: the speed and
// the brightness of the lighting panel.
Item {
    id: stepRow
    property string caption: ""
    property int step: 0
    property string fontFamily: ""
    property int fontSize: 12
    property color captionColor: "#d1d1d1"
    property color textColor: "#ffffff"
    property color accent: Theme.accent
    property url trackSource: ""
    property url knobSource: ""
    signal stepMoved(int step)
    signal stepReleased()

    height: 30

    function place() {
        if (!stepSlider.dragging && !stepSlider.gliding)
            stepSlider.setValue(stepSlider.stepPosition(step))
    }
    onStepChanged: place()
    onWidthChanged: place()
    Component.onCompleted: place()

    Text {
        text: stepRow.caption
        color: stepRow.captionColor
        font.family: stepRow.fontFamily
        font.pixelSize: stepRow.fontSize
    }
    Text {
        objectName: "percent"
        anchors.right: parent.right
        text: Light.percentText(stepRow.step)
        color: stepRow.textColor
        font.family: stepRow.fontFamily
        font.pixelSize: stepRow.fontSize
        font.bold: true
    }
    SliderButton {
        id: stepSlider
        objectName: "stepSlider"
        y: 17
        trackWidth: stepRow.width
        knobWidth: 12
        knobHeight: 12
        steps: Light.sliderSteps
        trackSource: stepRow.trackSource
        knobSource: stepRow.knobSource
        fillColor: stepRow.accent
        onXPositionChanged: if (dragging || gliding) stepRow.stepMoved(stepOf(xPosition))
        onPositionReported: function(position) {
            stepRow.stepMoved(stepOf(position))
            stepRow.stepReleased()
        }
    }
}
