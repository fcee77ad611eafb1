import QtQuick
import "../common"
import ".."

// A radio choice of the system settings: the skin's round button and its
// text; a click chooses it.
Item {
    id: choice

    required property Skin skin
    property string text: ""
    property bool checked: false

    signal chosen()

    width: row.width
    height: Math.max(row.height, 20)

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8

        Image {
            anchors.verticalCenter: parent.verticalCenter
            source: choice.checked ? choice.skin.sourceRadioBtnS : choice.skin.sourceRadioBtn
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: choice.text
            color: choice.checked || area.containsMouse ? Theme.fontColor : Theme.gray3
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: choice.chosen()
    }
}
