pragma Singleton
import QtQuick

// The window's look, one home for every page: colours, fonts, sizes and the
// frameless window's frame.
QtObject {
    readonly property string fontFamily: "微软雅黑"
    readonly property int fontMinSize: 10
    readonly property int fontNormalSize: 12
    readonly property int fontMiddleSize: 14
    readonly property int fontMaxSize: 16

    readonly property color fontColor: "#ffffff"
    readonly property color gray0: "#1a1a1a"
    readonly property color gray1: "#3c3c3c"
    readonly property color gray2: "#969696"
    readonly property color gray3: "#d1d1d1"
    readonly property color blue: "#09347f"
    // Hover, selection and everything lit.
    readonly property color accent: "#cf3e00"
    readonly property color black: Qt.rgba(0, 0, 0, 1)

    readonly property int animationSpeed: 300

    readonly property int windowWidth: 1024
    readonly property int windowHeight: 640
    // The key list, the DPI and lighting panels and the controls under them.
    readonly property int columnWidth: 232

    function withAlpha(colour, alpha) {
        return Qt.rgba(colour.r, colour.g, colour.b, alpha)
    }

    // Where a dialog of `size` dragged to `position` stays, whole, inside an
    // area of `areaSize` (the window).
    function clampInto(position, size, areaSize) {
        return Math.max(0, Math.min(areaSize - size, Math.round(position)))
    }
}
