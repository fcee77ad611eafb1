import QtQuick
import ".."

// A question with up to three answers, over the window's mask. ask() shows
// it; the answer goes to the function given there as the position of the
// button, or -1 when the question is closed with Escape or replaced by a new
// one. The window stays live: the question waits, nothing else does.
Rectangle {
    id: dialog

    property string title: ""
    property string question: ""
    property var answers: []
    property var onChosen: null
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color titleColor: "#000000"
    property color buttonColor: "#09347f"
    property color hoverColor: Theme.accent
    property int areaWidth: parent ? parent.width : Theme.windowWidth
    property int areaHeight: parent ? parent.height : Theme.windowHeight

    width: 440
    height: 30 + 14 + questionText.height + 14 + 25 + 10
    color: "#1a1a1a"
    border.color: "#3c3c3c"
    visible: false

    function ask(text, buttons, chosen, titleText) {
        if (visible)
            choose(-1)
        question = String(text)
        answers = (buttons || []).slice(0, 3).map(String)
        onChosen = chosen || null
        title = titleText === undefined ? "" : String(titleText)
        x = Math.round((areaWidth - width) / 2)
        y = Math.round((areaHeight - height) / 2)
        visible = true
        forceActiveFocus()
    }

    function choose(index) {
        var chosen = onChosen
        onChosen = null
        visible = false
        if (typeof chosen === "function")
            chosen(index)
    }

    Keys.onEscapePressed: choose(-1)

    MouseArea { anchors.fill: parent } // presses stay in the dialog

    Rectangle {
        x: 1; y: 1
        width: parent.width - 2
        height: 30
        color: dialog.titleColor

        Rectangle {
            width: 3; height: 14
            anchors.verticalCenter: parent.verticalCenter
            color: dialog.hoverColor
        }

        Text {
            x: 14
            width: parent.width - 28
            anchors.verticalCenter: parent.verticalCenter
            text: dialog.title
            elide: Text.ElideRight
            color: "#ffffff"
            font.family: dialog.fontFamily
            font.pixelSize: dialog.fontSize
            font.bold: true
        }
    }

    Text {
        id: questionText
        x: 16
        y: 30 + 14
        width: dialog.width - 32
        text: dialog.question
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: "#d1d1d1"
        font.family: dialog.fontFamily
        font.pixelSize: dialog.fontSize
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        spacing: 10

        Repeater {
            model: dialog.answers

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            Button {
                id: answerButton
                required property string modelData
                required property int index
                objectName: "questionButton" + index
                width: Math.max(88, implicitTextWidth + 24)
                height: 25
                text: modelData
                normalColor: dialog.buttonColor
                hoverColor: dialog.hoverColor
                fontFamily: dialog.fontFamily
                fontSize: dialog.fontSize
                onClicked: dialog.choose(index)

                readonly property int implicitTextWidth: metrics.advanceWidth
                TextMetrics {
                    id: metrics
                    font.family: dialog.fontFamily
                    font.pixelSize: dialog.fontSize
                    text: answerButton.modelData
                }
            }
            // qmllint enable unqualified
        }
    }
}
