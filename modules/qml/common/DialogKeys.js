.pragma library

// What Escape and Enter do in the window, from what is open: the topmost
// dialog answers, as its close or cancel button (Escape) or its OK (Enter)
// would. A running key capture or macro recording takes the keys itself.

// Topmost first; each open thing and what Escape does to it.
var escapeOrder = [
    ["resetDialog", "cancelReset"],
    ["insertKey", "cancelInsertKey"],
    ["recording", ""],
    ["macroEditor", "closeMacroEditor"],
    ["capture", "stopCapture"],
    ["keyAssigment", "closeKeyAssigment"],
    ["gunControl", "closeGunControl"],
    ["systemSetting", "closeSystemSetting"],
    ["profilePage", "closeProfilePage"],
    ["helpMenu", "closeHelpMenu"]
]

var enterOrder = [
    ["resetDialog", "acceptReset"],
    ["insertKey", ""],
    ["recording", ""],
    ["macroEditor", ""],
    ["capture", ""],
    ["keyAssigment", "closeKeyAssigment"]
]

function actionFor(order, open) {
    var state = open || {}
    for (var i = 0; i < order.length; ++i) {
        if (state[order[i][0]] === true)
            return order[i][1]
    }
    return ""
}

// "" when Escape is left to whatever else takes it.
function escapeAction(open) { return actionFor(escapeOrder, open) }

function enterAction(open) { return actionFor(enterOrder, open) }

// The keyboard's Escape key in the notices the capture sees (a USB usage).
var escapeUsage = 0x29
