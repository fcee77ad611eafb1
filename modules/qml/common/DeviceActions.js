// The user's actions on the mouse as the window reports them: each runs
// between the controller's beginDeviceAction and endDeviceAction, and its
// outcome becomes a notice (Outcome.js). Imported without ".pragma library":
// it runs in main.qml's context and sees root and ui_View.
.import "Calls.js" as Calls
.import "Outcome.js" as Outcome

function view(name, args, fallback) {
    return Calls.call(typeof ui_View === "undefined" ? null : ui_View, name, args, fallback, "ui_View")
}

function mouseBehind() {
    return view("mouseBehind", [], false) === true
}

// Runs `body` as the action `name` and shows its outcome; an action inside
// another one is reported with the outer one.
function run(name, body) {
    view("beginDeviceAction", [name])
    try {
        body()
    } finally {
        report(view("endDeviceAction", [], {}))
    }
}

function report(outcome) {
    var behind = mouseBehind()
    var notice = Outcome.notice(outcome, behind)
    if (notice)
        root.showNotice(notice.kind, root.savesLang[notice.text], notice.tag)
    root.mouseBehind = behind
}
