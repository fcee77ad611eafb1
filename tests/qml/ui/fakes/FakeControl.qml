import QtQuick

// Stands in for the window control: records moves, minimise and close.
QtObject {
    property var calls: []
    function reset() { calls = [] }
    function onXChanged(x) { calls.push(["onXChanged", x]) }
    function onYChanged(y) { calls.push(["onYChanged", y]) }
    function onMinimize() { calls.push(["onMinimize"]) }
    function onClose() { calls.push(["onClose"]) }
}
