import QtQuick
import QtTest
import "qrc:/modules/qml/common/Notices.js" as Notices
import "qrc:/modules/qml/common/Outcome.js" as Outcome
import "qrc:/modules/qml/common/Leave.js" as Leave

// The rules behind the window's notices and its unsaved-changes question.
TestCase {
    name: "SavesLogic"

    function outcome(action, ok, kind, commands) {
        return { action: action, ok: ok, kind: kind, commands: commands, failed: ok ? 0 : 1, command: "x" }
    }

    function test_outcome_notice_data() {
        return [
            { tag: "save done", o: outcome("save", true, "done", 4), behind: false, kind: "done", text: Outcome.text.saved },
            { tag: "unplugged", o: outcome("save", false, "gone", 4), behind: true, kind: "failure", text: Outcome.text.gone },
            { tag: "no answer", o: outcome("reportRate", false, "noAnswer", 1), behind: true, kind: "failure", text: Outcome.text.noAnswer },
            { tag: "busy", o: outcome("profile", false, "busy", 3), behind: true, kind: "failure", text: Outcome.text.busy },
            { tag: "refused", o: outcome("macro", false, "refused", 1), behind: true, kind: "failure", text: Outcome.text.refused },
            { tag: "not kept", o: outcome("save", false, "notKept", 8), behind: true, kind: "failure", text: Outcome.text.notKept },
            { tag: "unknown kind", o: outcome("save", false, "strange", 1), behind: true, kind: "failure", text: Outcome.text.refused },
            { tag: "catch-up done", o: outcome("catchUp", true, "done", 9), behind: false, kind: "done", text: Outcome.text.sent },
            { tag: "part saved while behind", o: outcome("reportRate", true, "done", 1), behind: true, kind: "", text: -1 },
            { tag: "nothing sent", o: outcome("gun", true, "done", 0), behind: false, kind: "", text: -1 },
            { tag: "all held by the mouse", o: { action: "profile", ok: true, kind: "done", commands: 0, held: 12 },
              behind: false, kind: "done", text: Outcome.text.saved },
            { tag: "held while behind", o: { action: "save", ok: true, kind: "done", commands: 0, held: 3 },
              behind: true, kind: "", text: -1 },
            { tag: "inner action", o: {}, behind: false, kind: "", text: -1 },
            { tag: "no controller", o: undefined, behind: false, kind: "", text: -1 }
        ]
    }

    function test_outcome_notice(data) {
        var n = Outcome.notice(data.o, data.behind)
        if (data.kind === "") {
            compare(n, null)
            return
        }
        compare(n.kind, data.kind)
        compare(n.text, data.text)
        compare(n.tag, "mouse")
    }

    function test_notices_one_per_tag() {
        var list = Notices.put([], { kind: "failure", text: "unplugged", tag: "mouse" })
        list = Notices.put(list, { kind: "failure", text: "disk full", tag: "computer" })
        list = Notices.put(list, { kind: "done", text: "sent", tag: "mouse" })
        compare(list.map(function(n) { return n.tag + ":" + n.kind + ":" + n.text }),
                ["computer:failure:disk full", "mouse:done:sent"])
        verify(Notices.hasFailure(list))
        list = Notices.without(list, "computer")
        verify(!Notices.hasFailure(list))
        compare(Notices.put(list, { kind: "odd", text: 3 })[1].kind, "info", "an unknown kind is shown as info")
        verify(Notices.fades("done") && Notices.fades("info") && !Notices.fades("failure"))
    }

    function test_leave_data() {
        return [
            { tag: "nothing unsaved", pages: [{ isSave: false }, null], choice: -2, asked: false, steps: "proceed" },
            { tag: "save", pages: [{ isSave: true }], choice: Leave.save, asked: true, steps: "save proceed" },
            { tag: "discard", pages: [null, { isSave: true }], choice: Leave.discard, asked: true, steps: "discard proceed" },
            { tag: "cancel", pages: [{ isSave: true }], choice: Leave.cancel, asked: true, steps: "cancel" },
            { tag: "question closed", pages: [{ isSave: true }], choice: -1, asked: true, steps: "cancel" }
        ]
    }

    function test_leave(data) {
        var done = []
        var step = function(name) { return function() { done.push(name) } }
        var asked = Leave.guard(data.pages, function(chosen) { chosen(data.choice) },
                                { save: step("save"), discard: step("discard"), proceed: step("proceed"),
                                  cancel: step("cancel") })
        compare(asked, data.asked)
        compare(done.join(" "), data.steps)
    }
}
