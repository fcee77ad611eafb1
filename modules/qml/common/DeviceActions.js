.pragma library
// The user's actions on the mouse as the window reports them: each runs
// between the controller's beginDeviceAction and endDeviceAction, and its
// outcome becomes a notice (Outcome.js). `shell` is the main window: its
// controller wrapper, savesLang, showNotice and mouseBehind.
.import "Outcome.js" as Outcome

function mouseBehind(shell) {
    return shell.controller.mouseBehind() === true
}

// Runs `body` as the action `name` and shows its outcome; an action inside
// another one is reported with the outer one.
function run(shell, name, body) {
    shell.controller.beginDeviceAction(name)
    try {
        body()
    } finally {
        report(shell, shell.controller.endDeviceAction() ?? {})
    }
}

function report(shell, outcome) {
    var behind = mouseBehind(shell)
    var notice = Outcome.notice(outcome, behind)
    if (notice)
        shell.showNotice(notice.kind, shell.savesLang[notice.text], notice.tag)
    shell.mouseBehind = behind
}
