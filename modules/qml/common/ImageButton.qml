import QtQuick

// An icon button of the title bar: its image, the hover image while the
// pointer is over it and the pressed image while held.
Image {
    id: button

    property url normalSource: ""
    property url hoverSource: ""
    property url pressedSource: ""
    readonly property bool hovered: area.containsMouse

    signal clicked()

    source: area.pressed && String(pressedSource) !== "" ? pressedSource
          : area.containsMouse && String(hoverSource) !== "" ? hoverSource
          : normalSource

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -3
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
