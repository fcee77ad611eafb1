import QtQuick

// The window's backdrop: background, title bar and the logo at the top left.
Item {
    id: environment

    property url backgroundSource: "qrc:/modules/img/background.png"
    property url titleBarSource: "qrc:/modules/img/titleBar.png"
    property url titleLogoSource: "qrc:/modules/img/titleLogo.png"
    property string title: ""
    property string fontFamily: "微软雅黑"
    property color fontColor: "#969696"

    Image {
        id: background
        anchors.fill: parent
        source: environment.backgroundSource
        smooth: false
    }

    Image {
        id: titleBar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        source: environment.titleBarSource
    }

    Image {
        id: titleLogo
        x: 20
        y: 10
        source: environment.titleLogoSource
    }

    Text {
        anchors.left: titleLogo.right
        anchors.leftMargin: 14
        anchors.verticalCenter: titleLogo.verticalCenter
        text: environment.title
        visible: text !== ""
        color: environment.fontColor
        font.family: environment.fontFamily
        font.pixelSize: 12
        font.letterSpacing: 1
    }
}
