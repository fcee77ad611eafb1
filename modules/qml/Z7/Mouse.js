.pragma library
.import "MouseKeys.js" as Keys

// Where the keys sit on the two drawings of the mouse (400 x 440 each, in
// the drawings' own pixels), where their number badges go, and which picture
// shows a hovered or selected key. Key numbers follow the key list: 0 left,
// 1 right, 2 wheel, 3 forward, 4 back, 5 DPI up, 6 DPI down, 7 fire key.

// The hit boxes and badges, from the skin's description of the drawings
// beside the keys' outlines; later rows lie on top.
var pictureWidth = Keys.pictureWidth
var pictureHeight = Keys.pictureHeight
var frontKeys = Keys.frontKeys
var sideKeys = Keys.sideKeys

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
