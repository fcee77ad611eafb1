import QtQuick
import ".."
import "MacroEvents.js" as MacroEvents

// The events of the selected macro: number, icon of the event type and the
// key, button or pause. A double click on a pause opens its milliseconds for
// editing; Enter or a click elsewhere ends it, Escape drops it.
Rectangle {
    id: list

    property alias model: view.model
    property int currentIndex: -1
    property int editingIndex: -1
    // Icon per event type: delay, key press, key release, button press,
    // button release.
    property var iconSources: []
    property int rowHeight: 27
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"
    property color dimColor: "#969696"
    property color hoverColor: "#3c3c3c"
    property color selectedColor: "#09347f"
    property color accentColor: Theme.accent

    signal rowClicked(int index)
    signal contextMenuRequested(int index, real px, real py)
    signal delayEdited(int index, string text)

    width: 424
    height: 328
    color: "#0b0b0d"
    border.color: "#3c3c3c"
    radius: 3

    function finishEdit() {
        if (editingIndex < 0)
            return
        var item = view.itemAtIndex(editingIndex)
        var index = editingIndex
        editingIndex = -1
        if (item)
            delayEdited(index, item.editedText) // qmllint disable type
    }

    function cancelEdit() { editingIndex = -1 }

    function positionViewAtIndex(index) { view.positionViewAtIndex(index, ListView.Contain) }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: list.finishEdit()
        onClicked: function(mouse) {
            if (mouse.button === Qt.RightButton)
                list.contextMenuRequested(-1, mouse.x, mouse.y)
        }
    }

    ListView {
        id: view
        objectName: "macroEventView"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
        // qmllint disable unqualified
        delegate: Rectangle {
            id: row
            required property int index
            required property int type
            required property string info
            readonly property bool selected: index === list.currentIndex
            readonly property bool editing: index === list.editingIndex
            readonly property string editedText: editor.text

            width: ListView.view.width
            height: list.rowHeight
            color: selected ? list.selectedColor
                 : area.containsMouse ? list.hoverColor
                 : index % 2 ? "#101012" : "transparent"

            Rectangle {
                visible: row.selected
                width: 3
                height: parent.height
                color: list.accentColor
            }

            Text {
                x: 8
                width: 30
                anchors.verticalCenter: parent.verticalCenter
                horizontalAlignment: Text.AlignRight
                text: row.index + 1
                color: list.dimColor
                font.family: list.fontFamily
                font.pixelSize: list.fontSize - 1
            }

            Image {
                x: 50
                anchors.verticalCenter: parent.verticalCenter
                source: list.iconSources[row.type] || ""
            }

            Text {
                x: 78
                width: parent.width - 90
                anchors.verticalCenter: parent.verticalCenter
                visible: !row.editing
                text: MacroEvents.label(row)
                elide: Text.ElideRight
                color: MacroEvents.isDelay(row.type) ? "#d1d1d1" : list.textColor
                font.family: list.fontFamily
                font.pixelSize: list.fontSize
            }

            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: if (!row.editing) list.finishEdit()
                onClicked: function(mouse) {
                    if (row.editing)
                        return
                    list.rowClicked(row.index)
                    if (mouse.button === Qt.RightButton) {
                        var p = mapToItem(list, mouse.x, mouse.y)
                        list.contextMenuRequested(row.index, p.x, p.y)
                    }
                }
                onDoubleClicked: function(mouse) {
                    if (mouse.button === Qt.LeftButton && MacroEvents.isDelay(row.type))
                        list.editingIndex = row.index
                }
            }

            Rectangle {
                x: 72
                width: 96
                height: parent.height - 6
                anchors.verticalCenter: parent.verticalCenter
                visible: row.editing
                color: "#000000"
                border.color: list.accentColor
                radius: 2

                TextInput {
                    id: editor
                    objectName: "macroDelayEditor"
                    x: 6
                    width: parent.width - 30
                    anchors.verticalCenter: parent.verticalCenter
                    maximumLength: 5
                    validator: RegularExpressionValidator { regularExpression: /[0-9]{0,5}/ }
                    clip: true
                    color: list.textColor
                    selectionColor: list.accentColor
                    selectByMouse: true
                    inputMethodHints: Qt.ImhDigitsOnly
                    font.family: list.fontFamily
                    font.pixelSize: list.fontSize
                    Keys.onReturnPressed: list.finishEdit()
                    Keys.onEnterPressed: list.finishEdit()
                    Keys.onEscapePressed: list.cancelEdit()
                    onActiveFocusChanged: if (!activeFocus && row.editing) list.finishEdit()
                }

                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: "ms"
                    color: list.dimColor
                    font.family: list.fontFamily
                    font.pixelSize: list.fontSize
                }
            }

            onEditingChanged: {
                if (!editing)
                    return
                editor.text = info
                editor.selectAll()
                editor.forceActiveFocus()
            }
        }
        // qmllint enable unqualified
    }

    Rectangle {
        visible: view.contentHeight > view.height
        x: parent.width - 4
        width: 2
        radius: 1
        y: 1 + view.visibleArea.yPosition * (parent.height - 2)
        height: view.visibleArea.heightRatio * (parent.height - 2)
        color: "#969696"
    }
}
