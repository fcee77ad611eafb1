import QtQuick

// Stands in for the transport's command slots that the UI calls directly.
QtObject {
    property var calls: []
    function reset() { calls = [] }
    function hid560_02H_SetCurrentProfile(n) { calls.push(["hid560_02H_SetCurrentProfile", n]); return 1 }
}
