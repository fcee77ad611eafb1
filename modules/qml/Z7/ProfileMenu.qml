import QtQuick
import ".."

// The context menu of a profile: Delete (greyed where refused) and Export.
Rectangle {
    id: menu

    property var page
    property int position: -1
    readonly property bool canDelete: visible && page.canDeleteAt(position)

    visible: false
    z: 20
    width: 100
    height: 48 + 2
    radius: 3
    color: Theme.gray0
    border.color: Theme.gray1

    Rectangle {
        x: 3; y: 4; z: -1
        width: parent.width
        height: parent.height
        radius: parent.radius
        color: "#000000"
        opacity: 0.55
    }

    Column {
        x: 1
        y: 1
        Repeater {
            model: [
                { text: menu.page.profileLang[3], name: "profileMenuDelete" },
                { text: menu.page.profileLang[4], name: "profileMenuExport" }
            ]
            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                required property int index
                required property var modelData
                readonly property bool active: index === 1 || menu.canDelete
                objectName: modelData.name
                width: menu.width - 2
                height: 24
                radius: 2
                color: itemArea.containsMouse && active ? Theme.accent : "transparent"
                Text {
                    x: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData.text
                    color: parent.active ? Theme.fontColor : Theme.gray1
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
                MouseArea {
                    id: itemArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: index === 0 ? menu.page.askDelete(menu.position)
                                           : menu.page.exportAt(menu.position)
                }
            }
            // qmllint enable unqualified
        }
    }
}
