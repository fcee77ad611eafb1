import QtQuick
import ".."

// One gun of the editor's list: its picture, its name, a line with its
// values and a badge for each gun slot that holds it. A click chooses it;
// the pencil (or a double click on the name) opens the name for editing.
Rectangle {
    id: item

    property string name: ""
    property url pictureSource: ""
    property string summary: ""
    property var heldBy: []
    property bool shown: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property string slotPrefix: "Gun"
    property color accentColor: Theme.accent
    property url editSource: ""
    property url editHoverSource: ""
    readonly property bool editing: nameField.visible
    readonly property alias nameField: nameField

    signal chosen()
    signal renamed(string text)

    width: 300
    height: 56
    radius: 3
    color: shown ? "#2a1a12" : area.containsMouse ? "#26262b" : "#1f1f23"
    border.color: shown ? accentColor : area.containsMouse ? "#5a5a5a" : "#2e2e33"
    Behavior on color { ColorAnimation { duration: 90 } }

    function beginRename() {
        nameField.text = name
        nameField.visible = true
        nameField.beginInput()
    }

    function endInput() {
        nameField.endInput()
    }

    MouseArea {
        id: area
        objectName: "gunItemArea"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: item.chosen()
    }

    Rectangle {
        visible: item.shown
        x: 0
        y: 6
        width: 3
        height: parent.height - 12
        radius: 1.5
        color: item.accentColor
    }

    Image {
        id: picture
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        width: 128
        height: 45
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
        source: item.pictureSource
        opacity: item.shown || area.containsMouse ? 1 : 0.8
    }

    Column {
        x: picture.x + picture.width + 12
        anchors.verticalCenter: parent.verticalCenter
        width: badges.x - x - 6
        spacing: 3

        Item {
            width: parent.width
            height: 20

            Text {
                id: nameText
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, parent.width - 20)
                visible: !nameField.visible
                text: item.name
                elide: Text.ElideRight
                color: item.shown ? "#ffffff" : "#d1d1d1"
                font.family: item.fontFamily
                font.pixelSize: item.fontSize + 1
                font.bold: item.shown

                MouseArea {
                    anchors.fill: parent
                    onClicked: item.chosen()
                    onDoubleClicked: item.beginRename()
                }
            }

            Image {
                objectName: "gunRenameButton"
                anchors.left: nameText.right
                anchors.leftMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                visible: !nameField.visible && (area.containsMouse || editArea.containsMouse)
                source: editArea.containsMouse ? item.editHoverSource : item.editSource
                MouseArea {
                    id: editArea
                    anchors.fill: parent
                    anchors.margins: -3
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: item.beginRename()
                }
            }

            GunField {
                id: nameField
                objectName: "gunNameField"
                visible: false
                width: parent.width
                height: 22
                anchors.verticalCenter: parent.verticalCenter
                maximumLength: 16
                horizontalAlignment: TextInput.AlignLeft
                fontFamily: item.fontFamily
                fontSize: item.fontSize
                accentColor: item.accentColor
                onCancelled: visible = false
                onCommitted: function(text) {
                    visible = false
                    item.renamed(text)
                }
            }
        }

        Text {
            text: item.summary
            color: "#969696"
            font.family: item.fontFamily
            font.pixelSize: item.fontSize - 1
        }
    }

    Row {
        id: badges
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4

        Repeater {
            model: item.heldBy
            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                required property var modelData
                width: 22
                height: 18
                radius: 3
                color: item.accentColor
                Text {
                    anchors.centerIn: parent
                    text: String(parent.modelData)
                    color: "#ffffff"
                    font.family: item.fontFamily
                    font.pixelSize: 11
                    font.bold: true
                }
            }
            // qmllint enable unqualified
        }
    }
}
