import QtQuick
import ".."

// A drop-down list: a box showing the chosen item and, while open, the list
// of items below it (or above it with `upward`). The items are either an
// array of texts or a ListModel whose role `textRole` holds the text.
// Only a choice by the user emits itemChosen; select() from code does not.
// From the keyboard: Tab reaches it, Space, Enter or Down open it, the
// arrows walk the list, Enter chooses and Escape closes it. An empty list
// shows `emptyText` in its box.
Item {
    id: menu

    property var items: []
    property string textRole: ""
    property int currentIndex: -1
    property bool isOpen: false
    property bool upward: false
    property int rowHeight: 24
    property int maxRows: 6
    property string emptyText: ""
    // The row the arrow keys are on while the list is open.
    property int keyIndex: -1

    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color textColor: "#ffffff"
    property color boxColor: "#000000"
    property color listColor: "#1a1a1a"
    property color borderColor: "#3c3c3c"
    property color hoverColor: Theme.accent
    property color selectedColor: "#09347f"
    property url dropSource: "qrc:/index/modules/img/skin1/index/dropBtn.png"
    property url dropOpenSource: "qrc:/index/modules/img/skin1/index/dropBtnU.png"

    readonly property int count: revision, countOf()
    readonly property string currentText: revision, textAt(currentIndex)

    property int revision: 0

    signal itemChosen(int index)
    signal opened()

    width: 144
    height: 24

    function countOf() {
        if (!items)
            return 0
        if (items.count !== undefined)
            return items.count
        return items.length !== undefined ? items.length : 0
    }

    function textAt(index) {
        if (index < 0 || index >= countOf())
            return ""
        var entry = items.count !== undefined ? items.get(index) : items[index]
        if (textRole !== "" && entry !== undefined && entry !== null)
            entry = entry[textRole]
        return entry === undefined || entry === null ? "" : String(entry)
    }

    function open() {
        if (!isOpen) {
            keyIndex = currentIndex
            isOpen = true
            forceActiveFocus()
            opened()
        }
    }

    function close() {
        isOpen = false
    }

    function stepKey(step) {
        var n = countOf()
        if (n === 0)
            return
        keyIndex = Math.max(0, Math.min(n - 1, keyIndex + step))
        view.positionViewAtIndex(keyIndex, ListView.Contain)
    }

    activeFocusOnTab: enabled
    Keys.onPressed: function(event) {
        var enter = event.key === Qt.Key_Return || event.key === Qt.Key_Enter
        if (event.key === Qt.Key_Escape && isOpen) {
            close()
        } else if (!isOpen && (enter || event.key === Qt.Key_Space || event.key === Qt.Key_Down)) {
            open()
        } else if (isOpen && (event.key === Qt.Key_Down || event.key === Qt.Key_Up)) {
            stepKey(event.key === Qt.Key_Down ? 1 : -1)
        } else if (isOpen && (enter || event.key === Qt.Key_Space)) {
            if (keyIndex >= 0)
                choose(keyIndex)
            else
                close()
        } else {
            event.accepted = false
            return
        }
        event.accepted = true
    }

    function select(index) {
        var i = Number(index)
        currentIndex = (i >= 0 && i < countOf()) ? i : -1
    }

    function choose(index) {
        select(index)
        close()
        if (currentIndex >= 0)
            itemChosen(currentIndex)
    }

    onItemsChanged: revision++

    Connections {
        target: menu.items && menu.items.count !== undefined ? menu.items : null
        ignoreUnknownSignals: true
        function onCountChanged() { menu.revision++ }
        function onDataChanged() { menu.revision++ }
    }

    Rectangle {
        id: box
        anchors.fill: parent
        radius: 3
        color: menu.boxColor
        border.color: menu.isOpen || boxArea.containsMouse || menu.activeFocus ? menu.hoverColor : menu.borderColor
        border.width: menu.activeFocus && !menu.isOpen ? 2 : 1

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 10
            anchors.right: arrow.left
            anchors.rightMargin: 4
            anchors.verticalCenter: parent.verticalCenter
            text: menu.count === 0 && menu.emptyText !== "" ? menu.emptyText : menu.currentText
            elide: Text.ElideRight
            color: menu.count === 0 ? "#969696" : menu.enabled ? menu.textColor : "#969696"
            font.family: menu.fontFamily
            font.pixelSize: menu.fontSize
        }

        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            source: menu.isOpen ? menu.dropOpenSource : menu.dropSource
        }

        MouseArea {
            id: boxArea
            objectName: "menuBox"
            anchors.fill: parent
            hoverEnabled: true
            onClicked: menu.isOpen ? menu.close() : menu.open()
        }
    }

    Rectangle {
        id: shadow
        visible: list.visible
        x: list.x + 3
        y: list.y + 4
        z: 9
        width: list.width
        height: list.height
        radius: list.radius
        color: "#000000"
        opacity: 0.55
    }

    Rectangle {
        id: list
        objectName: "menuList"
        visible: menu.isOpen
        x: 0
        y: menu.upward ? -height - 2 : menu.height + 2
        z: 10
        width: menu.width
        height: Math.min(menu.count, menu.maxRows) * menu.rowHeight + 2
        color: menu.listColor
        border.color: menu.borderColor
        radius: 3

        ListView {
            id: view
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            model: menu.items
            boundsBehavior: Flickable.StopAtBounds
            interactive: menu.count > menu.maxRows

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                id: row
                required property int index
                width: view.width
                height: menu.rowHeight
                color: rowArea.containsMouse || index === menu.keyIndex ? menu.hoverColor
                     : (index === menu.currentIndex ? menu.selectedColor : "transparent")

                Text {
                    anchors.left: parent.left
                    anchors.leftMargin: 10
                    anchors.right: parent.right
                    anchors.rightMargin: 6
                    anchors.verticalCenter: parent.verticalCenter
                    text: (menu.revision, menu.textAt(row.index))
                    elide: Text.ElideRight
                    color: menu.textColor
                    font.family: menu.fontFamily
                    font.pixelSize: menu.fontSize
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menu.choose(row.index)
                }
            }
            // qmllint enable unqualified
        }
    }
}
