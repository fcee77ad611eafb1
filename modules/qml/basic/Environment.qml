import QtQuick

// The window's backdrop: background, title bar and the logo at the top left.
Item {
    id: environment

    property url backgroundSource: "qrc:/modules/img/background.png"
    property url titleBarSource: "qrc:/modules/img/titleBar.png"
    property url titleLogoSource: "qrc:/modules/img/titleLogo.png"

    Image {
        id: background
        anchors.fill: parent
        source: environment.backgroundSource
        asynchronous: true
        smooth: false
    }

    Image {
        id: titleBar
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        source: environment.titleBarSource
        asynchronous: true
    }

    Image {
        id: titleLogo
        x: 20
        y: 10
        source: environment.titleLogoSource
        asynchronous: true
    }
}
