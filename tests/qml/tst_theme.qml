import QtQuick
import QtTest
import "qrc:/modules/qml"

// The theme's two rules: a dragged dialog stays whole inside the window, and
// a see-through accent keeps the accent's hue.
TestCase {
    name: "Theme"

    function test_clamp_into_data() {
        return [
            { tag: "inside stays", position: 100, size: 400, area: 1024, expected: 100 },
            { tag: "left of the window", position: -30, size: 400, area: 1024, expected: 0 },
            { tag: "right edge", position: 700, size: 400, area: 1024, expected: 624 },
            { tag: "just fits", position: 624, size: 400, area: 1024, expected: 624 },
            { tag: "fraction rounded", position: 10.6, size: 400, area: 1024, expected: 11 },
            { tag: "wider than the area", position: 50, size: 1100, area: 1024, expected: 0 },
            { tag: "bottom edge", position: 500, size: 448, area: 640, expected: 192 }
        ]
    }

    function test_clamp_into(data) {
        compare(Theme.clampInto(data.position, data.size, data.area), data.expected)
    }

    function test_with_alpha_data() {
        return [
            { tag: "glow", alpha: 0x59 / 255, expected: "#59cf3e00" },
            { tag: "clear", alpha: 0, expected: "#00cf3e00" },
            { tag: "opaque", alpha: 1, expected: "#cf3e00" }
        ]
    }

    function test_with_alpha(data) {
        var colour = Theme.withAlpha(Theme.accent, data.alpha)
        compare(String(colour), data.expected)
    }
}
