.pragma library

// Calls an operation of one of the program's objects (ui_View, hid, ui_Ctl)
// by name and returns its result; when the object lacks it, logs once per
// name and returns `fallback`. The program's objects arrive from C++ and
// may lack an operation; the pages are called directly.
var reported = {}

// A call that throws is logged and gives `fallback` too, so one faulty
// operation cannot stop the rest of a start-up, reset or save.
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
