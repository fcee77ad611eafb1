import QtQuick
import ".."

// A one-line notice that shows for a few seconds: a confirmation, or with
// `problem` the reason something was refused or corrected.
Rectangle {
    id: notice

    property string text: ""
    property bool problem: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property int showMs: 4000
    property int maxWidth: 420
    property bool shown: false

    function show(message, isProblem) {
        text = String(message)
        problem = isProblem === true
        shown = true
        hideTimer.restart()
    }

    function hide() {
        hideTimer.stop()
        shown = false
    }

    width: Math.min(implicitWidth, maxWidth)
    implicitWidth: label.implicitWidth + 24
    height: 24
    radius: 3
    opacity: shown ? 1 : 0
    visible: shown || opacity > 0
    color: problem ? "#3a1608" : "#0c2a52"
    border.color: problem ? Theme.accent : "#2f6fd0"
    Behavior on opacity { NumberAnimation { duration: 180 } }

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
        text: notice.text
        color: "#ffffff"
        font.family: notice.fontFamily
        font.pixelSize: notice.fontSize
    }

    Timer {
        id: hideTimer
        interval: notice.showMs
        onTriggered: notice.shown = false
    }
}
