import QtQuick
import ".."
import "../common/InputRules.js" as InputRules

// The list of macros: one row of 27 per name, the selected one in the
// button colour; a double click opens the name for editing, Enter or a click
// elsewhere ends it, Escape drops it.
Rectangle {
    id: list

    property alias model: view.model
    property int currentIndex: -1
    property int editingIndex: -1
    property int maxNameLength: 40
    property int rowHeight: 27
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"
    property color hoverColor: "#3c3c3c"
    property color selectedColor: "#09347f"
    property color accentColor: Theme.accent

    signal rowClicked(int index)
    signal contextMenuRequested(int index, real px, real py)
    signal renameRequested(int index, string name)

    width: 168
    height: 328
    color: "#0b0b0d"
    border.color: "#3c3c3c"
    radius: 3

    function startRename(index) {
        editingIndex = index
    }

    // Ends an open name edit as Enter would.
    function finishRename() {
        if (editingIndex < 0)
            return
        var item = view.itemAtIndex(editingIndex)
        var index = editingIndex
        editingIndex = -1
        if (item)
            renameRequested(index, item.editedText) // qmllint disable type
    }

    function cancelRename() { editingIndex = -1 }

    function positionViewAtIndex(index) { view.positionViewAtIndex(index, ListView.Contain) }

    // Clicks on the free space below the rows still open the context menu.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: list.finishRename()
        onClicked: function(mouse) {
            if (mouse.button === Qt.RightButton)
                list.contextMenuRequested(-1, mouse.x, mouse.y)
        }
    }

    ListView {
        id: view
        objectName: "macroNameView"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
        // qmllint disable unqualified
        delegate: Rectangle {
            id: row
            required property int index
            required property string textValue
            readonly property bool selected: index === list.currentIndex
            readonly property bool editing: index === list.editingIndex
            readonly property string editedText: editor.text

            width: ListView.view.width
            height: list.rowHeight
            color: selected ? list.selectedColor : area.containsMouse ? list.hoverColor : "transparent"

            Rectangle {
                visible: row.selected
                width: 3
                height: parent.height
                color: list.accentColor
            }

            Text {
                x: 12
                width: parent.width - 20
                anchors.verticalCenter: parent.verticalCenter
                visible: !row.editing
                text: row.textValue
                elide: Text.ElideRight
                color: list.textColor
                font.family: list.fontFamily
                font.pixelSize: list.fontSize
            }

            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: if (!row.editing) list.finishRename()
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
                    if (mouse.button === Qt.LeftButton)
                        list.startRename(row.index)
                }
            }

            Rectangle {
                x: 6
                width: parent.width - 12
                height: parent.height - 6
                anchors.verticalCenter: parent.verticalCenter
                visible: row.editing
                color: "#000000"
                border.color: list.accentColor
                radius: 2

                TextInput {
                    id: editor
                    objectName: "macroNameEditor"
                    x: 6
                    width: parent.width - 18 - nameLimit.width
                    anchors.verticalCenter: parent.verticalCenter
                    clip: true
                    maximumLength: list.maxNameLength
                    color: list.textColor
                    selectionColor: list.accentColor
                    selectByMouse: true
                    font.family: list.fontFamily
                    font.pixelSize: list.fontSize
                    Keys.onReturnPressed: list.finishRename()
                    Keys.onEnterPressed: list.finishRename()
                    Keys.onEscapePressed: list.cancelRename()
                    onActiveFocusChanged: if (!activeFocus && row.editing) list.finishRename()
                }

                // The name's length against its limit, so the cut is no surprise.
                Text {
                    id: nameLimit
                    objectName: "macroNameLimit"
                    anchors.right: parent.right
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    text: InputRules.lengthText(editor.text, list.maxNameLength)
                    color: editor.text.length >= list.maxNameLength ? list.accentColor : "#969696"
                    font.family: list.fontFamily
                    font.pixelSize: list.fontSize - 2
                }
            }

            onEditingChanged: {
                if (!editing)
                    return
                editor.text = textValue
                editor.selectAll()
                editor.forceActiveFocus()
            }
        }
        // qmllint enable unqualified
    }

    Rectangle {
        id: scrollIndicator
        visible: view.contentHeight > view.height
        x: parent.width - 4
        width: 2
        radius: 1
        y: 1 + view.visibleArea.yPosition * (parent.height - 2)
        height: view.visibleArea.heightRatio * (parent.height - 2)
        color: "#969696"
    }
}
