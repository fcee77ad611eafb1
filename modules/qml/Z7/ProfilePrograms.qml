import QtQuick
import ".."
import "../common"
import "ProfilePrograms.js" as Programs

// Over the profiles dialog: the programs a profile is used for while one of
// them is in front. A list to remove from, a field for a class name, and
// the windows open now to pick from. The program's AutoProfile keeps the
// list in the profile's own file.
Rectangle {
    id: panel
    objectName: "profilePrograms"
    visible: false
    color: "#17171a"
    radius: 3

    // The program's AutoProfile; null where the program has none.
    required property var autoProfile
    // The "profile" language group.
    property var texts: []
    property int slot: -1
    property string profileName: ""
    property var programs: []
    property var windows: []
    property bool pickerOpen: false
    property bool storeFailed: false
    readonly property bool available: !!autoProfile && autoProfile.available === true

    function text(index) { return Programs.text(texts, index) }

    function open(slotNo, name) {
        slot = slotNo
        profileName = name
        storeFailed = false
        pickerOpen = false
        field.text = ""
        reload()
        visible = true
    }

    function close() {
        pickerOpen = false
        visible = false
    }

    function reload() {
        programs = autoProfile ? autoProfile.programs(slot) : []
    }

    // What is shown is read back from the file's store, so a refused write
    // never looks kept.
    function store(list) {
        var stored = !!autoProfile && autoProfile.setPrograms(slot, list) === true
        storeFailed = !stored
        reload()
        return stored
    }

    function addTyped() {
        var list = Programs.added(programs, field.text)
        if (list === null)
            return false
        if (store(list))
            field.text = ""
        return true
    }

    function removeAt(index) { return store(Programs.removed(programs, index)) }

    function openPicker() {
        var open = autoProfile && autoProfile.listsWindows === true ? autoProfile.openWindows() : []
        windows = Programs.pickable(open, programs)
        pickerOpen = true
    }

    function pick(windowClass) {
        pickerOpen = false
        var list = Programs.added(programs, windowClass)
        return list !== null && store(list)
    }

    // Presses on the panel stay on it.
    MouseArea { anchors.fill: parent; onPressed: panel.pickerOpen = false }

    Text {
        id: title
        x: 15
        y: 8
        width: panel.width - 30
        text: panel.text(Programs.Index.title) + " " + panel.profileName
        elide: Text.ElideRight
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        font.bold: true
    }

    Text {
        id: unavailable
        objectName: "programsUnavailable"
        visible: !panel.available
        x: 15
        anchors.top: title.bottom
        anchors.topMargin: 6
        width: panel.width - 30
        text: panel.text(Programs.Index.unavailable)
        wrapMode: Text.Wrap
        color: Theme.accent
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }

    ListView {
        id: list
        objectName: "programsList"
        x: 15
        anchors.top: unavailable.visible ? unavailable.bottom : title.bottom
        anchors.topMargin: 8
        anchors.bottom: fieldRow.top
        anchors.bottomMargin: 8
        width: panel.width - 30
        clip: true
        spacing: 3
        model: panel.programs

        // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
        // qmllint disable unqualified
        delegate: Rectangle {
            id: row
            required property int index
            required property string modelData
            objectName: "programRow" + index
            width: list.width
            height: 24
            radius: 3
            color: rowArea.containsMouse ? "#1f1f23" : "#131316"
            border.color: "#242428"
            MouseArea { id: rowArea; anchors.fill: parent; hoverEnabled: true }
            Text {
                x: 10
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 44
                text: row.modelData
                elide: Text.ElideRight
                color: Theme.gray3
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }
            Rectangle {
                objectName: "programRemove" + row.index
                anchors.right: parent.right
                anchors.rightMargin: 4
                anchors.verticalCenter: parent.verticalCenter
                width: 18
                height: 18
                radius: 3
                color: removeArea.containsMouse ? "#e0301e" : "transparent"
                Text {
                    anchors.centerIn: parent
                    text: "✕"
                    color: Theme.fontColor
                    font.pixelSize: Theme.fontMinSize
                }
                MouseArea {
                    id: removeArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: panel.removeAt(row.index)
                }
            }
        }
        // qmllint enable unqualified

        Text {
            visible: list.count === 0
            width: list.width
            topPadding: 6
            text: panel.text(Programs.Index.empty)
            wrapMode: Text.Wrap
            color: Theme.gray2
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize
        }
    }

    Row {
        id: fieldRow
        x: 15
        anchors.bottom: bottomRow.top
        anchors.bottomMargin: 10
        spacing: 8

        Rectangle {
            width: panel.width - 30 - addButton.width - fieldRow.spacing
            height: 26
            radius: 3
            color: "#0f0f12"
            border.color: field.activeFocus ? Theme.accent : "#3a3a40"
            TextInput {
                id: field
                objectName: "programField"
                anchors.fill: parent
                anchors.leftMargin: 8
                anchors.rightMargin: 8
                verticalAlignment: TextInput.AlignVCenter
                clip: true
                maximumLength: Programs.maxLength
                color: Theme.fontColor
                selectionColor: Theme.blue
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
                onAccepted: panel.addTyped()
            }
            Text {
                visible: field.text === "" && !field.activeFocus
                anchors.left: parent.left
                anchors.leftMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                text: panel.text(Programs.Index.placeholder)
                color: Theme.gray2
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontMinSize
            }
        }
        Button {
            id: addButton
            objectName: "programAddButton"
            width: 88
            height: 26
            text: panel.text(Programs.Index.add)
            enabled: field.text.trim() !== ""
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: panel.addTyped()
        }
    }

    Text {
        objectName: "programsNotStored"
        visible: panel.storeFailed
        x: 15
        anchors.verticalCenter: bottomRow.verticalCenter
        width: bottomRow.x - 25
        text: panel.text(Programs.Index.notStored)
        wrapMode: Text.Wrap
        color: "#ff5a4a"
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }

    Row {
        id: bottomRow
        anchors.right: parent.right
        anchors.rightMargin: 15
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 13
        spacing: 10

        Button {
            id: pickButton
            objectName: "programPickButton"
            width: 120
            height: 26
            text: panel.text(Programs.Index.pick)
            enabled: panel.available && !!panel.autoProfile && panel.autoProfile.listsWindows === true
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: panel.pickerOpen ? panel.pickerOpen = false : panel.openPicker()
        }
        Button {
            objectName: "programDoneButton"
            width: 88
            height: 26
            text: panel.text(Programs.Index.done)
            normalColor: Theme.accent
            hoverColor: Qt.lighter(Theme.accent, 1.2)
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: panel.close()
        }
    }

    // The windows open now, above the button that opened them.
    Rectangle {
        id: picker
        objectName: "programPicker"
        visible: panel.pickerOpen
        z: 10
        width: panel.width - 30
        height: Math.min(5, Math.max(1, panel.windows.length)) * 27 + 8
        x: 15
        anchors.bottom: bottomRow.top
        anchors.bottomMargin: 4
        radius: 3
        color: "#202024"
        border.color: "#4a4a4f"

        ListView {
            id: pickList
            anchors.fill: parent
            anchors.margins: 4
            clip: true
            spacing: 3
            model: panel.windows

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                id: choice
                required property int index
                required property var modelData
                objectName: "pickRow" + index
                width: pickList.width
                height: 24
                radius: 3
                color: choiceArea.containsMouse ? Theme.blue : "transparent"
                Text {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 16
                    text: choice.modelData.label
                    elide: Text.ElideMiddle
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: choiceArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: panel.pick(choice.modelData.windowClass)
                }
            }
            // qmllint enable unqualified
        }

        Text {
            visible: panel.windows.length === 0
            anchors.centerIn: parent
            text: panel.text(Programs.Index.noWindows)
            color: Theme.gray2
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontMinSize
        }
    }
}
