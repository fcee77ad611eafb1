import QtQuick
import "KeyAssigment.js" as Assign

// Captures, from the shell's keyboard notices, the key a rapid-fire entry
// repeats or the keys of a combination; what it takes becomes the key
// dialog's pending entry through `taken`.
QtObject {
    id: capture

    property bool isFireInput: false
    property bool isComboInput: false
    property var combo: Assign.comboStart()

    // The dialog's pending entry: its combination shows when no capture runs.
    property var pending: [0, 0, 0, 0]
    property int fireRate: Assign.rateDefault
    property int fireTimes: 0
    // Names key codes (keycodeTostr); without it no key has a name.
    property var keyNames: null

    signal taken(var entry, string text)

    function keyName(code) { return keyNames ? keyNames.keycodeTostr(code) : "" }

    function pendingCombo() {
        if (pending[0] !== Assign.Type.combo)
            return Assign.comboStart()
        return { modifiers: pending[1], keys: [pending[2], pending[3]].filter(function(c) { return c !== 0 }) }
    }

    function reset() {
        isFireInput = false
        isComboInput = false
        combo = pendingCombo()
    }

    function stop() {
        isFireInput = false
        if (isComboInput) {
            isComboInput = false
            combo = pendingCombo()
        }
    }

    function startFire() {
        isComboInput = false
        isFireInput = true
    }

    function startCombo() {
        isFireInput = false
        combo = Assign.comboStart()
        isComboInput = true
    }

    // An empty combination is no entry: the capture goes on. Without a
    // capture running the confirm button is dimmed and takes nothing.
    function confirmCombo() {
        var entry = isComboInput ? Assign.comboEntry(combo) : null
        if (!entry)
            return
        taken(entry, Assign.comboText(combo, keyName))
        isComboInput = false
    }

    // mode 0 feeds the rapid-fire capture, 1 the combination's.
    function detect(isDown, usbCode, mode) {
        if (!isDown)
            return
        var code = Number(usbCode) & 0xFF
        if (mode === 0 && isFireInput) {
            var name = keyName(code)
            if (name === "")
                return
            taken(Assign.fireEntry(code, fireRate, fireTimes), name)
            isFireInput = false
        } else if (mode === 1 && isComboInput) {
            combo = Assign.comboAdd(combo, code)
        }
    }
}
