import QtQuick

// The ring around a control that has the keyboard's focus.
Rectangle {
    property Item target: parent

    anchors.fill: parent
    anchors.margins: -3
    radius: 4
    color: "transparent"
    border.width: 2
    border.color: "#ff9a66"
    visible: !!target && target.activeFocus
}
