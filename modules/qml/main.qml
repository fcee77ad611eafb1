import QtQuick

// The root of the UI. The program calls its functions by name.
Item {
    id: root
    width: 1024
    height: 640
    visible: false

    property bool isPownOn: false
    property int currentDPI: -1

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vostCode, int x, int y)

    function setProtectUI(interval) {
        protectTimer.interval = interval
        ui_View.setEnabled(false)
        protectTimer.restart()
    }

    function setCurrentDPI(dpiValue) {
        if (dpiValue !== 0)
            currentDPI = dpiValue - 1
    }

    function initUI() {
        setProtectUI(1000)
        root.visible = true
        if (!isPownOn)
            isPownOn = true
    }

    function run() {
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vostCode, x, y) {
        msg_MS(isDown, vostCode, x, y)
    }

    Timer {
        id: protectTimer
        interval: 1000
        onTriggered: ui_View.setEnabled(true)
    }

    Rectangle {
        anchors.fill: parent
        color: "#1a1a1a"
        radius: 8
        border.color: "#3c3c3c"
    }
}
