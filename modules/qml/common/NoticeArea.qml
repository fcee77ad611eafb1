import QtQuick
import "Notices.js" as Notices

// Notices beside the Save button, newest at the bottom (Notices.js): a
// short confirmation that fades by itself, or a failure that stays, with a
// cross to dismiss it, until a notice of its tag takes its place. Nothing
// here takes the focus or blocks the window.
Item {
    id: area

    property var notices: []
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color doneColor: "#2f9e44"
    property color infoColor: "#3b6fd6"
    property color failureColor: "#ff3030"
    property int maxWidth: 476

    function show(kind, text, tag) {
        notices = Notices.put(notices, { kind: kind, text: text, tag: tag })
        console.info("notice:", Notices.normalKind(kind), String(tag), String(text))
    }

    function clear(tag) {
        notices = Notices.without(notices, tag)
    }

    width: maxWidth
    height: column.height

    Column {
        id: column
        width: area.width
        spacing: 6

        Repeater {
            model: area.notices

            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: Rectangle {
                id: note
                required property var modelData
                readonly property bool failure: modelData.kind === "failure"
                readonly property int textRoom: area.maxWidth - 26 - (failure ? 26 : 0)

                objectName: "notice_" + modelData.tag
                anchors.right: parent.right
                width: Math.min(area.maxWidth, label.width + 26 + (failure ? 26 : 0))
                height: Math.max(28, label.height + 12)
                radius: 3
                color: "#f01a1a1a"
                border.color: failure ? area.failureColor : "#3c3c3c"

                Rectangle {
                    x: 1; y: 1
                    width: 4
                    height: parent.height - 2
                    radius: 2
                    color: note.failure ? area.failureColor
                         : note.modelData.kind === "done" ? area.doneColor : area.infoColor
                }

                Text {
                    id: label
                    x: 14
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(implicitWidth, note.textRoom)
                    text: note.modelData.text
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    color: note.failure ? "#ffffff" : "#d1d1d1"
                    font.family: area.fontFamily
                    font.pixelSize: area.fontSize
                }

                Text {
                    id: cross
                    objectName: "noticeDismiss"
                    visible: note.failure
                    anchors.right: parent.right
                    anchors.rightMargin: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: "\u00d7"
                    color: crossArea.containsMouse ? area.failureColor : "#d1d1d1"
                    font.pixelSize: area.fontSize + 6

                    MouseArea {
                        id: crossArea
                        anchors.fill: parent
                        anchors.margins: -6
                        hoverEnabled: true
                        onClicked: area.clear(note.modelData.tag)
                    }
                }

                Timer {
                    interval: Notices.fadeAfterMs
                    running: !note.failure
                    onTriggered: fade.start()
                }

                NumberAnimation {
                    id: fade
                    target: note
                    property: "opacity"
                    to: 0
                    duration: 700
                    onFinished: area.clear(note.modelData.tag)
                }
            }
            // qmllint enable unqualified
        }
    }
}
