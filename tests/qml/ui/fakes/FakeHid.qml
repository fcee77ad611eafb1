import QtQuick

// Stands in for the transport's command slots that the UI calls directly.
QtObject {
    property var calls: []
    property bool commandRunning: false
    function reset() { calls = []; commandRunning = false }
    function hid560_02H_SetCurrentProfile(n) { calls.push(["hid560_02H_SetCurrentProfile", n]); return 1 }
}
