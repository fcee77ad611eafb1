import QtQuick
import "../common"
import ".."
import "SystemSetting.js" as Rules

// One slider section of the system settings: caption, the 352-pixel slider
// with the tick of the current step lit under it, "Slow" and "Fast" at its
// ends.
Item {
    id: section

    required property Skin skin
    property string caption: ""
    property string slowText: ""
    property string fastText: ""
    property bool refused: false
    readonly property alias slider: knob
    readonly property int step: Rules.indexOfPosition(knob.xPosition)

    signal positionReported(int xPosition)

    x: 32
    width: 352
    height: 60

    SystemCaption {
        text: section.caption
        refused: section.refused
    }

    SliderButton {
        id: knob
        y: 22
        trackSource: section.skin.sourceScale
        knobSource: section.skin.sourceSlide
        fillColor: Theme.accent
        onPositionReported: function(x) { section.positionReported(x) }
    }

    Image {
        y: 36
        source: section.skin["sourcemouseRate" + section.step]
    }

    Text {
        y: 46
        text: section.slowText
        color: Theme.gray2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }
    Text {
        y: 46
        anchors.right: parent.right
        text: section.fastText
        color: Theme.gray2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }
}
