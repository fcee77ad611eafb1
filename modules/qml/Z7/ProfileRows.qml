import QtQuick
import "../common"
import ".."
import "Profile.js" as Rules
import "../common/InputRules.js" as InputRules

// The rows of the profiles dialog: the profile in use marked, the selected
// row highlighted, hover tools to rename and delete, a right click for the
// context menu and a double click to rename in place.
Column {
    id: rows

    property var model
    property var page
    required property Skin skin
    readonly property int rowHeight: 28

    spacing: 3

    // Ends a rename with what was typed.
    function commitEditor() {
        var row = repeater.itemAt(page.editingIndex)
        page.finishRename(row ? row.editorText : "")
    }

    Repeater {
        id: repeater
        model: rows.model

        // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
        // qmllint disable unqualified
        delegate: Rectangle {
            id: row
            required property int index
            required property string textValue
            required property int profileNo
            readonly property bool inUse: profileNo === rows.page.profileNo
            readonly property bool selected: index === rows.page.selectedIndex
            readonly property bool editing: index === rows.page.editingIndex
            readonly property bool hovered: rowArea.containsMouse || renameArea.containsMouse
                                            || deleteArea.containsMouse
            readonly property bool deletable: (rows.model.count, rows.page.profileNo,
                                               rows.page.canDeleteAt(index))
            readonly property string editorText: editor.text

            objectName: "profileRow" + index
            width: rows.width
            height: rows.rowHeight
            radius: 3
            color: selected ? "#0d2452" : hovered ? "#1f1f23" : "#131316"
            border.color: selected ? "#1d4fa8" : hovered ? "#4a4a4f" : "#242428"

            Behavior on color { ColorAnimation { duration: 90 } }

            Rectangle {
                visible: row.inUse
                x: 1; y: 5
                width: 3
                height: parent.height - 10
                radius: 1
                color: Theme.accent
            }

            Image {
                id: mark
                x: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 20
                height: 20
                source: row.inUse ? rows.skin.sourceprofileStartBtnH : rows.skin.sourceprofileStartBtn
                opacity: row.inUse || row.hovered ? 1 : 0.45
            }

            Text {
                id: name
                visible: !row.editing
                anchors.left: mark.right
                anchors.leftMargin: 10
                anchors.right: badge.visible ? badge.left : tools.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: row.textValue
                elide: Text.ElideRight
                color: row.inUse || row.selected ? Theme.fontColor : Theme.gray3
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                font.bold: row.inUse
            }

            Rectangle {
                id: badge
                visible: row.inUse && !row.editing
                anchors.right: tools.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: badgeText.implicitWidth + 12
                height: 16
                radius: 8
                color: "transparent"
                border.color: Theme.accent
                Text {
                    id: badgeText
                    anchors.centerIn: parent
                    text: rows.page.profileLang[6]
                    color: "#ff7a3d"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                }
            }

            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: function(mouse) {
                    if (!row.editing && rows.page.editingIndex >= 0)
                        rows.commitEditor()
                    rows.page.closeMenu()
                    rows.page.selectedIndex = row.index
                    if (mouse.button === Qt.RightButton) {
                        var p = mapToItem(rows.page, mouse.x, mouse.y)
                        rows.page.openMenu(row.index, p.x, p.y)
                    }
                }
                onDoubleClicked: function(mouse) {
                    if (mouse.button === Qt.LeftButton)
                        rows.page.startRename(row.index)
                }
            }

            Rectangle {
                visible: row.editing
                anchors.left: mark.right
                anchors.leftMargin: 6
                anchors.right: tools.left
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                height: 22
                radius: 2
                color: "#050506"
                border.color: Theme.accent

                TextInput {
                    id: editor
                    objectName: "profileNameEditor"
                    anchors.fill: parent
                    anchors.leftMargin: 4
                    anchors.rightMargin: 4 + limitText.width + 4
                    verticalAlignment: TextInput.AlignVCenter
                    maximumLength: Rules.maxNameLength
                    clip: true
                    selectByMouse: true
                    color: Theme.fontColor
                    selectionColor: Theme.accent
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                    Keys.onReturnPressed: rows.commitEditor()
                    Keys.onEnterPressed: rows.commitEditor()
                    Keys.onEscapePressed: rows.page.editingIndex = -1
                }

                // The name's length against its limit, so the cut is no surprise.
                Text {
                    id: limitText
                    objectName: "profileNameLimit"
                    anchors.right: parent.right
                    anchors.rightMargin: 4
                    anchors.verticalCenter: parent.verticalCenter
                    text: InputRules.lengthText(editor.text, Rules.maxNameLength)
                    color: editor.text.length >= Rules.maxNameLength ? Theme.accent : Theme.gray2
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                }
            }

            onEditingChanged: {
                if (editing) {
                    editor.text = textValue
                    editor.selectAll()
                    editor.forceActiveFocus()
                } else {
                    editor.focus = false
                }
            }

            Row {
                id: tools
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                opacity: row.hovered || row.selected ? 1 : 0

                Image {
                    objectName: "profileRename" + row.index
                    source: renameArea.containsMouse ? rows.skin.sourceProfileEditBtnS : rows.skin.sourceProfileEditBtn
                    MouseArea {
                        id: renameArea
                        anchors.fill: parent
                        anchors.margins: -3
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: rows.page.startRename(row.index)
                    }
                }
                Image {
                    objectName: "profileDelete" + row.index
                    source: !row.deletable ? rows.skin.sourceProfileDeleteBtn0
                          : deleteArea.containsMouse ? rows.skin.sourceProfileDeleteBtnS : rows.skin.sourceProfileDeleteBtn
                    MouseArea {
                        id: deleteArea
                        anchors.fill: parent
                        anchors.margins: -3
                        hoverEnabled: true
                        cursorShape: row.deletable ? Qt.PointingHandCursor : Qt.ArrowCursor
                        onClicked: rows.page.askDelete(row.index)
                    }
                }
            }
        }
        // qmllint enable unqualified
    }

    // The free places, faintly, so the list shows how many more fit.
    Repeater {
        model: Math.max(0, Rules.maxProfiles - (rows.model ? rows.model.count : 0))
        // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
        // qmllint disable unqualified
        delegate: Rectangle {
            width: rows.width
            height: rows.rowHeight
            radius: 3
            color: "transparent"
            border.color: "#1c1c20"
        }
        // qmllint enable unqualified
    }
}
