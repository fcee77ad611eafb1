import QtQuick
import ".."

// The editor box of the left column: a caption and one button per editor;
// the gun editor button only on a gun mouse.
Rectangle {
    id: box

    property string caption: "Editor"
    property string macroText: "Macro Editor"
    property string gunText: "Gun Editor"
    property bool isGun: true
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color fontColor: "#ffffff"
    property color captionColor: "#d1d1d1"
    property color buttonColor: "#09347f"
    property color hoverColor: Theme.accent
    property color separatorColor: "#3c3c3c"

    signal macroEditorClicked()
    signal gunEditorClicked()

    width: Theme.columnWidth
    height: isGun ? 100 : 76
    radius: 4
    color: "#000000"
    border.color: "#3c3c3c"

    Rectangle {
        x: 1; y: 8
        width: 3; height: 14
        color: box.hoverColor
    }

    Text {
        x: 12
        y: 6
        text: box.caption
        color: box.captionColor
        font.family: box.fontFamily
        font.pixelSize: box.fontSize
        font.bold: true
    }

    Column {
        x: 8
        y: box.isGun ? 28 : 38
        spacing: 8

        Button {
            objectName: "macroEditorButton"
            width: 216
            height: 24
            text: box.macroText
            normalColor: box.buttonColor
            hoverColor: box.hoverColor
            fontFamily: box.fontFamily
            fontSize: box.fontSize
            textColor: box.fontColor
            onClicked: box.macroEditorClicked()
        }

        Rectangle {
            visible: box.isGun
            width: 216
            height: 1
            color: box.separatorColor
        }

        Button {
            objectName: "gunEditorButton"
            visible: box.isGun
            width: 216
            height: 24
            text: box.gunText
            normalColor: box.buttonColor
            hoverColor: box.hoverColor
            fontFamily: box.fontFamily
            fontSize: box.fontSize
            textColor: box.fontColor
            onClicked: box.gunEditorClicked()
        }
    }
}
