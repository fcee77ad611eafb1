import QtQuick
import ".."

// The skin's push button: blue, orange while hovered, darker while pressed,
// with an optional icon in front of the caption. Tab reaches it, a ring
// shows it has the focus, and Enter or Space press it.
Rectangle {
    id: button

    property string text: ""
    property color normalColor: "#09347f"
    property color hoverColor: Theme.accent
    property color pressedColor: "#8a2900"
    property color disabledColor: "#3c3c3c"
    property color textColor: "#ffffff"
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property url iconSource: ""
    property url iconHoverSource: ""
    property url iconPressedSource: ""
    readonly property bool hovered: area.containsMouse
    readonly property bool pressed: area.pressed

    signal clicked()

    activeFocusOnTab: enabled
    Keys.onReturnPressed: if (enabled) clicked()
    Keys.onEnterPressed: if (enabled) clicked()
    Keys.onSpacePressed: if (enabled) clicked()

    width: 64
    height: 24
    radius: 3
    color: !enabled ? disabledColor
         : pressed ? pressedColor
         : hovered ? hoverColor
         : normalColor
    border.color: Qt.lighter(color, 1.35)
    border.width: 1

    Behavior on color { ColorAnimation { duration: 90 } }

    Row {
        anchors.centerIn: parent
        spacing: 6

        Image {
            id: icon
            anchors.verticalCenter: parent.verticalCenter
            visible: String(button.iconSource) !== ""
            source: button.pressed && String(button.iconPressedSource) !== "" ? button.iconPressedSource
                  : button.hovered && String(button.iconHoverSource) !== "" ? button.iconHoverSource
                  : button.iconSource
        }

        Text {
            id: caption
            anchors.verticalCenter: parent.verticalCenter
            text: button.text
            visible: text !== ""
            color: button.enabled ? button.textColor : "#969696"
            font.family: button.fontFamily
            font.pixelSize: button.fontSize
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button.clicked()
    }

    FocusRing { target: button }
}
