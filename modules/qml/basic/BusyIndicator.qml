import QtQuick
import ".."

// "LOADING ......" pulsing while the UI is locked.
Item {
    id: indicator

    property bool busy: false
    property string fontFamily: "微软雅黑"
    property int fontSize: 16
    property color textColor: "#ffffff"
    property color accentColor: Theme.accent

    width: 220
    height: 48
    // Made when first shown: the window's first text costs a font look-up
    // that the first frame, with only the logo on it, does without. Kept
    // after that: made and dropped at every lock, it left memory behind.
    property bool made: false

    visible: busy
    onBusyChanged: if (busy) made = true

    Loader {
        anchors.fill: parent
        active: indicator.made
        // Qt 6.4's linter takes this file's ids inside a component for unqualified names.
        // qmllint disable unqualified
        sourceComponent: Item {
            Rectangle {
                anchors.fill: parent
                radius: height / 2
                color: "#000000"
                opacity: 0.78
                border.color: "#3c3c3c"
            }

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                width: 64
                height: 2
                radius: 1
                color: indicator.accentColor
                opacity: label.opacity
            }

            Text {
                id: label
                objectName: "busyText"
                anchors.centerIn: parent
                text: "LOADING ......"
                color: indicator.textColor
                font.family: indicator.fontFamily
                font.pixelSize: indicator.fontSize
                font.bold: true
                font.letterSpacing: 2

                SequentialAnimation on opacity {
                    running: indicator.busy
                    loops: Animation.Infinite
                    alwaysRunToEnd: false
                    NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
                    NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
                }
            }
        }
        // qmllint enable unqualified
    }
}
