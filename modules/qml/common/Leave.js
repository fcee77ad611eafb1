.pragma library

// Before a step that would lose the pages' edits (quitting, hiding the
// window, switching profile, importing over the profile in use): when any
// page has unsaved changes (its isSave flag) the user is asked first:
// Save (0), Discard (1) or Cancel (2; closing the question counts as Cancel).

var save = 0
var discard = 1
var cancel = 2

function unsaved(pages) {
    return (pages || []).filter(function(p) { return !!p && p.isSave === true })
}

// What a choice does, in this order.
function plan(choice) {
    if (choice === save)
        return { save: true, discard: false, proceed: true }
    if (choice === discard)
        return { save: false, discard: true, proceed: true }
    return { save: false, discard: false, proceed: false }
}

// Runs `steps.proceed` at once when nothing is unsaved; otherwise calls
// `ask(onChosen)` and carries out the choice with steps.save, steps.discard,
// steps.proceed, or steps.cancel. True when the user is being asked.
function guard(pages, ask, steps) {
    if (unsaved(pages).length === 0) {
        steps.proceed()
        return false
    }
    ask(function(choice) {
        var p = plan(choice)
        if (p.save)
            steps.save()
        if (p.discard)
            steps.discard()
        if (p.proceed)
            steps.proceed()
        else if (steps.cancel)
            steps.cancel()
    })
    return true
}
