import QtQuick
import ".."

// One key of the key list: its name and its function on the skin's key
// plate (the macro plate for a macro). Lit while hovered here or on the
// mouse picture, marked while its dialog is open; a refused click flashes.
Item {
    id: button

    property string name: ""
    property string functionText: ""
    property bool isMacro: false
    property bool selected: false
    property bool lit: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color accentColor: Theme.accent
    property url singleSource: ""
    property url macroSource: ""
    readonly property bool hovered: area.containsMouse

    signal clicked()

    width: 216
    height: 28

    function refuse() {
        refusal.restart()
    }

    Image {
        anchors.fill: parent
        source: button.isMacro ? button.macroSource : button.singleSource
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 3
        color: button.selected ? Qt.rgba(button.accentColor.r, button.accentColor.g, button.accentColor.b, 0.28)
             : button.lit || button.hovered ? Qt.rgba(1, 1, 1, 0.06) : "transparent"
        border.width: 1
        border.color: button.selected || button.lit || button.hovered ? button.accentColor : "transparent"
        Behavior on color { ColorAnimation { duration: 90 } }
    }

    Rectangle {
        id: refusalFrame
        anchors.fill: parent
        radius: 3
        color: "transparent"
        border.width: 2
        border.color: "#ff3030"
        opacity: 0
        SequentialAnimation {
            id: refusal
            NumberAnimation { target: refusalFrame; property: "opacity"; to: 1; duration: 80 }
            NumberAnimation { target: refusalFrame; property: "opacity"; to: 0; duration: 420 }
        }
    }

    Text {
        x: 12
        width: 62
        anchors.verticalCenter: parent.verticalCenter
        text: button.name
        elide: Text.ElideRight
        color: button.selected || button.lit || button.hovered ? "#ffffff" : "#969696"
        font.family: button.fontFamily
        font.pixelSize: button.fontSize
    }

    Text {
        x: 78
        width: (button.isMacro ? 184 : 206) - x
        anchors.verticalCenter: parent.verticalCenter
        horizontalAlignment: Text.AlignRight
        text: button.functionText
        elide: Text.ElideRight
        color: "#ffffff"
        font.family: button.fontFamily
        font.pixelSize: button.fontSize
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
