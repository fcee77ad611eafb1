import QtQuick
import "../common"
import ".."
import "../common/MacroPayload.js" as MacroPayload

// The top of the macro editor: title and close button on the skin's title
// band, the captions of the two lists, and above the events how much of the
// mouse's macro memory the macro takes, or that it could not be saved.
Item {
    id: header

    property string title: "Macro Editor"
    property string listCaption: "Macro Name"
    property string eventCaption: "Action"
    property string memoryCaption: "Memory"
    property string failureText: "Not saved"
    property bool hasMacro: false
    property bool saveFailed: false
    property int encodedLength: 2
    // The shell, for the skin's images and sizes.
    property var skin: null
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color buttonColor: "#09347f"
    property color accentColor: Theme.accent
    property color captionColor: "#d1d1d1"

    signal closeClicked()

    height: 72

    Text {
        x: 16
        y: 20 - height / 2 + 1
        text: header.title
        color: "#ffffff"
        font.family: header.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }

    ImageButton {
        objectName: "macroEditorClose"
        x: header.width - 16 - width
        y: 20 - height / 2
        normalSource: header.skin ? header.skin.sourceCloseBtn : ""
        hoverSource: header.skin ? header.skin.sourceCloseBtnH : ""
        onClicked: header.closeClicked()
    }

    Text {
        x: 16
        y: 60 - height / 2
        text: header.listCaption
        color: header.captionColor
        font.family: header.fontFamily
        font.pixelSize: header.fontSize
    }

    Text {
        x: 200
        y: 60 - height / 2
        text: header.eventCaption
        color: header.captionColor
        font.family: header.fontFamily
        font.pixelSize: header.fontSize
    }

    Text {
        objectName: "saveFailedNotice"
        anchors.right: memoryBar.left
        anchors.rightMargin: 16
        y: 60 - height / 2
        visible: header.saveFailed
        text: header.failureText
        color: "#ff3030"
        font.family: header.fontFamily
        font.pixelSize: header.fontSize
        font.bold: true
    }

    MacroMemoryBar {
        id: memoryBar
        objectName: "memoryBar"
        x: header.width - 16 - width
        y: 60 - height / 2
        visible: header.hasMacro
        caption: header.memoryCaption
        used: header.encodedLength
        limit: MacroPayload.editorLimit
        fontFamily: header.fontFamily
        fontSize: header.fontSize
        fillColor: Qt.lighter(header.buttonColor, 1.6)
        fullColor: header.accentColor
    }
}
