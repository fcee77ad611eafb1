.pragma library

// Calls target[name](args...) when the target offers that function and
// returns its result; otherwise logs once per name and returns `fallback`.
// Pages and controller operations arrive at different times, and a missing
// one must not stop the rest of a start-up or reset sequence.
var reported = {}

// A call that throws is logged and gives `fallback` too, so one faulty page
// cannot leave the UI locked behind its start-up logo.
function call(target, name, args, fallback, owner) {
    var what = (owner ? owner + "." : "") + name
    if (target && typeof target[name] === "function") {
        try {
            return target[name].apply(target, args || [])
        } catch (error) {
            console.warn("ui: " + what + " failed: " + error)
            return fallback
        }
    }
    if (!reported[what]) {
        reported[what] = true
        console.warn("ui: " + what + " is not available")
    }
    return fallback
}

// Sets a property only where the target has it.
function assign(target, name, value) {
    if (target && name in target) {
        target[name] = value
        return true
    }
    return false
}

function has(target, name) {
    return !!target && (name in target)
}
