.pragma library

// The notices the window shows above its Save button: at most one per tag
// (what it is about, e.g. "mouse" or "computer"), the newest last. A notice
// is { tag, kind, text }: kind "done" and "info" fade by themselves, kind
// "failure" stays until it is dismissed or replaced by one of its tag.

var fadeAfterMs = 3500
var kinds = ["done", "info", "failure"]

function fades(kind) {
    return kind !== "failure"
}

function normalKind(kind) {
    return kinds.indexOf(kind) >= 0 ? kind : "info"
}

// The list with `notice` in place of the one of its tag.
function put(list, notice) {
    var tag = String(notice.tag === undefined || notice.tag === null ? "" : notice.tag)
    var result = without(list, tag)
    result.push({ tag: tag, kind: normalKind(notice.kind), text: String(notice.text === undefined ? "" : notice.text) })
    return result
}

function without(list, tag) {
    return (list || []).filter(function(n) { return n.tag !== String(tag) })
}

function hasFailure(list) {
    return (list || []).some(function(n) { return n.kind === "failure" })
}
