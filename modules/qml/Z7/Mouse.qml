import QtQuick
import "../common"
import ".."
import "Mouse.js" as Drawing

// The picture of the mouse in the middle of the window, from the top or the
// left side, with a button on each of its keys and numbered badges. A key
// lights while hovered here or in the key list, shows its marked picture
// while its dialog is open, and a click opens the dialog as the list does.
Item {
    id: mousePage

    required property ShellApi shell
    required property Skin skin
    // The key list: which key is selected or hovered, and opening a key.
    required property var keyMatrix

    // "mouse/keyCount", as the main window read it.
    readonly property int keyCount: shell.keyCount
    property bool sideView: false
    readonly property int selectedKey: keyMatrix ? keyMatrix.selectedKey : -1
    readonly property int hoveredKey: keyMatrix ? keyMatrix.hoveredKey : -1
    readonly property alias picture: picture

    function hover(key, isIn) {
        if (keyMatrix)
            keyMatrix.hover(key, isIn)
    }

    function open(key) {
        if (keyMatrix)
            keyMatrix.openKey(key)
    }

    Image {
        id: picture
        objectName: "mousePicture"
        x: Math.round((mousePage.width - width) / 2)
        y: 92
        width: Drawing.pictureWidth
        height: Drawing.pictureHeight
        source: mousePage.skin[Drawing.pictureProperty(mousePage.sideView, mousePage.selectedKey, mousePage.hoveredKey,
                                                    mousePage.keyCount)]

        Repeater {
            model: Drawing.keysOf(mousePage.sideView, mousePage.keyCount)

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            Item {
                id: badge
                required property var modelData
                readonly property var line: Drawing.leader(modelData.badgeX, modelData.badgeY,
                                                           modelData.anchorX, modelData.anchorY)
                readonly property bool lit: mousePage.selectedKey === modelData.key || mousePage.hoveredKey === modelData.key

                Rectangle {
                    x: badge.modelData.badgeX
                    y: badge.modelData.badgeY - 0.5
                    width: badge.line.length
                    height: 1
                    transformOrigin: Item.Left
                    rotation: badge.line.angle
                    color: badge.lit ? Theme.accent : "#5a5a60"
                    antialiasing: true
                }
                Rectangle {
                    x: badge.modelData.anchorX - 2.5
                    y: badge.modelData.anchorY - 2.5
                    width: 5; height: 5; radius: 2.5
                    color: badge.lit ? "#ff7a3a" : "#969696"
                }
                Rectangle {
                    objectName: "mouseBadge" + badge.modelData.key
                    x: badge.modelData.badgeX - 11
                    y: badge.modelData.badgeY - 11
                    width: 22; height: 22; radius: 11
                    color: badge.lit ? Theme.accent : "#111114"
                    border.color: badge.lit ? "#ff9a66" : "#5a5a60"
                    Text {
                        anchors.centerIn: parent
                        text: badge.modelData.key + 1
                        color: "#ffffff"
                        font.family: Theme.fontFamily
                        font.pixelSize: 11
                        font.bold: true
                    }
                    MouseArea {
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onContainsMouseChanged: mousePage.hover(badge.modelData.key, containsMouse)
                        onClicked: mousePage.open(badge.modelData.key)
                    }
                }
            }
            // qmllint enable unqualified
        }

        Repeater {
            model: Drawing.keysOf(mousePage.sideView, mousePage.keyCount)

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            MouseArea {
                required property var modelData
                objectName: "mouseKey" + modelData.key
                x: modelData.x
                y: modelData.y
                width: modelData.width
                height: modelData.height
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onContainsMouseChanged: mousePage.hover(modelData.key, containsMouse)
                onClicked: mousePage.open(modelData.key)
            }
            // qmllint enable unqualified
        }
    }

    Image {
        id: viewSwitch
        objectName: "mouseViewSwitch"
        x: Math.round((mousePage.width - width) / 2)
        y: picture.y + picture.height + 8
        source: switchArea.containsMouse ? mousePage.skin.sourceMouseSidebtnH
              : mousePage.sideView ? mousePage.skin.sourceMouseSidebtnS : mousePage.skin.sourceMouseSidebtnN
        MouseArea {
            id: switchArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: mousePage.sideView = !mousePage.sideView
        }
    }
}
