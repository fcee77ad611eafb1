import QtQuick
import "../common"
import ".."
import "GunControl.js" as Gun

// The rate chooser: a box showing the fire period ("10ms") that opens a
// slider below it. The box follows the knob while it moves; the period is
// reported once, when the knob is released or its glide ends.
Item {
    id: box

    property int period: 10
    property bool isOpen: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color hoverColor: Theme.accent
    property int panelWidth: 200
    property url dropSource: "qrc:/index/modules/img/skin1/index/dropBtn.png"
    property url dropOpenSource: "qrc:/index/modules/img/skin1/index/dropBtnU.png"
    readonly property int shownPeriod: isOpen ? periodAt(slider.xPosition) : period
    readonly property alias slider: slider
    readonly property string text: Gun.periodText(shownPeriod)

    signal periodChosen(int period)
    signal opened()

    width: 120
    height: 24

    function periodAt(x) {
        return Gun.periodOfShare((x - slider.minPosition) / (slider.maxPosition - slider.minPosition))
    }

    function place() {
        slider.setValue(slider.minPosition + Gun.sliderShare(period) * (slider.maxPosition - slider.minPosition))
    }

    function open() {
        if (isOpen)
            return
        place()
        isOpen = true
        opened()
    }

    function close() {
        isOpen = false
    }

    onPeriodChanged: place()
    Component.onCompleted: place()

    Rectangle {
        anchors.fill: parent
        radius: 3
        color: "#050506"
        border.color: box.isOpen || boxArea.containsMouse ? box.hoverColor : "#3c3c3c"

        Text {
            objectName: "rateText"
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: box.text
            color: "#ffffff"
            font.family: box.fontFamily
            font.pixelSize: box.fontSize
        }

        Image {
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            source: box.isOpen ? box.dropOpenSource : box.dropSource
        }

        MouseArea {
            id: boxArea
            objectName: "rateBox"
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: box.isOpen ? box.close() : box.open()
        }
    }

    Rectangle {
        id: panel
        objectName: "ratePanel"
        visible: box.isOpen
        y: box.height + 2
        z: 10
        width: box.panelWidth
        height: 48
        radius: 3
        color: "#1a1a1a"
        border.color: "#3c3c3c"

        SliderButton {
            id: slider
            objectName: "rateSlider"
            x: 12
            y: 8
            trackWidth: parent.width - 24
            fillColor: box.hoverColor
            onPositionReported: function(x) {
                var chosen = box.periodAt(x)
                if (chosen !== box.period)
                    box.periodChosen(chosen)
            }
        }

        Text {
            anchors.left: slider.left
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 5
            text: Gun.periodText(Gun.minPeriod)
            color: "#969696"
            font.family: box.fontFamily
            font.pixelSize: 10
        }

        Text {
            anchors.right: slider.right
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 5
            text: Gun.periodText(Gun.minPeriod + Gun.periodSpan)
            color: "#969696"
            font.family: box.fontFamily
            font.pixelSize: 10
        }
    }
}
