import QtQuick

// Stands in for the UI's root item and records the calls the program makes.
Item {
    width: 1024
    height: 640
    property string log: ""
    property var profiles: []
    property bool asking: false

    function initUI() { log += "initUI;" }
    function run() { log += "run;" }
    function setProtectUI(interval) { log += "setProtectUI(" + interval + ");" }
    function setCurrentDPI(dpiValue) { log += "setCurrentDPI(" + dpiValue + ");" }
    function detectKeyboard(isDown, usbCode) { log += "kb(" + isDown + "," + usbCode + ");" }
    function profileEntries() { return profiles }
    function trayProfile(slot) { log += "trayProfile(" + slot + ");"; return asking }
    function detectMouse(isDown, code, x, y) { log += "ms(" + isDown + "," + code + "," + x + "," + y + ");" }
}
