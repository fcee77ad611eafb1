import QtQuick

// An icon button of the title bar: its image, the hover image while the
// pointer is over it and the pressed image while held; `tip` says on hover
// what it does. Tab reaches it and Enter or Space press it.
Image {
    id: button

    property url normalSource: ""
    property url hoverSource: ""
    property url pressedSource: ""
    property string tip: ""
    readonly property bool hovered: area.containsMouse
    // Once clicked, the tip would cover what the click opened: it stays
    // away until the pointer leaves.
    property bool tipDismissed: false

    signal clicked()

    activeFocusOnTab: visible && enabled
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    Keys.onSpacePressed: clicked()

    source: area.pressed && String(pressedSource) !== "" ? pressedSource
          : area.containsMouse && String(hoverSource) !== "" ? hoverSource
          : normalSource

    MouseArea {
        id: area
        anchors.fill: parent
        anchors.margins: -3
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            button.tipDismissed = true
            button.clicked()
        }
        onContainsMouseChanged: if (!containsMouse) button.tipDismissed = false
    }

    FocusRing { target: button }

    HoverTip {
        objectName: "hoverTip"
        text: button.tip
        hovered: area.containsMouse && !button.tipDismissed
    }
}
