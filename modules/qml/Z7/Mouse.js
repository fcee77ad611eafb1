.pragma library

// Where the keys sit on the two drawings of the mouse (400 x 440 each, in
// the drawings' own pixels), where their number badges go, and which picture
// shows a hovered or selected key. Key numbers follow the key list: 0 left,
// 1 right, 2 wheel, 3 forward, 4 back, 5 DPI up, 6 DPI down, 7 fire key.

var pictureWidth = 400
var pictureHeight = 440

// The fire key lies over the edge of the left button and the DPI buttons
// below the wheel: later rows are on top.
var frontKeys = [
    { key: 0, x: 100, y: 28, width: 80, height: 182, badgeX: -34, badgeY: 70, anchorX: 140, anchorY: 84 },
    { key: 1, x: 220, y: 28, width: 80, height: 182, badgeX: 424, badgeY: 70, anchorX: 262, anchorY: 84 },
    { key: 2, x: 184, y: 70, width: 32, height: 84, badgeX: 424, badgeY: 130, anchorX: 208, anchorY: 112 },
    { key: 5, x: 184, y: 159, width: 32, height: 21, badgeX: 424, badgeY: 190, anchorX: 212, anchorY: 170 },
    { key: 6, x: 184, y: 181, width: 32, height: 21, badgeX: 424, badgeY: 250, anchorX: 212, anchorY: 192 },
    { key: 3, x: 74, y: 210, width: 28, height: 52, badgeX: -34, badgeY: 220, anchorX: 86, anchorY: 237 },
    { key: 4, x: 74, y: 264, width: 28, height: 52, badgeX: -34, badgeY: 290, anchorX: 86, anchorY: 291 },
    { key: 7, x: 88, y: 100, width: 26, height: 72, badgeX: -34, badgeY: 136, anchorX: 100, anchorY: 136 }
]

// The left side shows the right button as the same shell as the left one;
// only the left button takes it.
var sideKeys = [
    { key: 0, x: 120, y: 186, width: 108, height: 20, badgeX: 60, badgeY: 128, anchorX: 124, anchorY: 200 },
    { key: 2, x: 110, y: 168, width: 54, height: 26, badgeX: 120, badgeY: 128, anchorX: 138, anchorY: 178 },
    { key: 5, x: 166, y: 174, width: 26, height: 16, badgeX: 180, badgeY: 128, anchorX: 180, anchorY: 181 },
    { key: 6, x: 192, y: 171, width: 26, height: 16, badgeX: 240, badgeY: 128, anchorX: 204, anchorY: 178 },
    { key: 3, x: 122, y: 234, width: 70, height: 30, badgeX: 150, badgeY: 372, anchorX: 157, anchorY: 250 },
    { key: 4, x: 188, y: 232, width: 70, height: 30, badgeX: 230, badgeY: 372, anchorX: 222, anchorY: 248 },
    { key: 7, x: 58, y: 214, width: 54, height: 26, badgeX: 70, badgeY: 372, anchorX: 84, anchorY: 228 }
]

// The keys of a drawing that this mouse has (keyCount of 1 to 8).
function keysOf(side, keyCount) {
    var count = Math.max(0, Math.min(8, Number(keyCount) || 0))
    return (side ? sideKeys : frontKeys).filter(function(k) { return k.key < count })
}

// The name of the root's image property for a drawing: the plain drawing,
// or the one with key `key` lit (hovered) or marked (selected).
function pictureProperty(side, selectedKey, hoveredKey, keyCount) {
    var base = side ? "sourceMouseSide" : "sourceMouseFront"
    var count = Math.min(8, Number(keyCount) || 0)
    var shown = function(k) { return k >= 0 && k < count && (!side || k !== 1) }
    if (shown(selectedKey))
        return (side ? "sourceMouseSide" : "sourceMouse") + selectedKey + "S"
    if (shown(hoveredKey))
        return (side ? "sourceMouseSide" : "sourceMouse") + hoveredKey
    return base
}

// A badge's leader line from the badge centre to the key: its length and
// angle in degrees.
function leader(badgeX, badgeY, anchorX, anchorY) {
    var dx = anchorX - badgeX
    var dy = anchorY - badgeY
    return { length: Math.sqrt(dx * dx + dy * dy), angle: Math.atan2(dy, dx) * 180 / Math.PI }
}
