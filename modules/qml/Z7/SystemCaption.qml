import QtQuick
import ".."

// A section caption of the system settings, with an amber dot when the
// desktop did not take the section's last value.
Row {
    id: caption

    property string text: ""
    property bool refused: false

    spacing: 6

    Text {
        text: caption.text
        color: Theme.gray3
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        font.bold: true
    }
    Text {
        objectName: "refusedMark"
        visible: caption.refused
        anchors.verticalCenter: parent.verticalCenter
        text: "●"
        color: "#e0a030"
        font.pixelSize: Theme.fontMinSize
    }
}
