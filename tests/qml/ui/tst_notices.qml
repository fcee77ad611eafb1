import QtQuick
import QtTest

// The window's notices and question, as any part of the UI uses them, and
// the outcomes of actions on the mouse turned into notices.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "Notices"
    when: windowShown

    property var shell: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell, shellComponent.errorString())
        shell.visible = true
        shell.panelsShown = true
    }

    function shown() {
        return child("noticeArea").notices.map(function(n) { return n.kind + ":" + n.text })
    }

    function child(name) {
        var item = findChild(shell, name)
        verify(item, "no item " + name)
        return item
    }

    function failing(kind) {
        return function(name) { return { action: name, ok: false, kind: kind, commands: 2, failed: 1, command: "c" } }
    }

    function test_action_outcomes_data() {
        return [
            { tag: "saved", outcomeOf: null, text: 0, kind: "done" },
            { tag: "unplugged", outcomeOf: failing("gone"), text: 1, kind: "failure" },
            { tag: "not kept", outcomeOf: failing("notKept"), text: 5, kind: "failure" }
        ]
    }

    function test_action_outcomes(data) {
        ui_View.outcomeOf = data.outcomeOf
        var ran = false
        shell.deviceAction("save", function() { ran = true })
        verify(ran)
        compare(callNames(), ["beginDeviceAction", "endDeviceAction", "mouseBehind"])
        compare(shown(), [data.kind + ":" + shell.savesLang[data.text]])
        compare(shell.mouseBehind, data.kind === "failure")
    }

    function callNames() {
        return ui_View.calls.map(function(c) { return c[0] })
    }

    // A failure stays until dismissed, a confirmation fades by itself.
    function test_failure_stays_confirmation_fades() {
        shell.showNotice("failure", "Not saved on this computer: the disk is full.", "computer")
        shell.showNotice("done", "Saved to the mouse", "mouse")
        compare(shown().length, 2)
        var area = child("noticeArea")
        tryVerify(function() { return area.notices.length === 1 }, 6000)
        compare(shown(), ["failure:Not saved on this computer: the disk is full."])
        mouseClick(child("noticeDismiss"))
        compare(shown(), [])
    }

    // The failure stays through good saves of single parts until the mouse
    // has caught up with the whole profile.
    function test_failure_stays_until_caught_up() {
        ui_View.outcomeOf = failing("gone")
        shell.deviceAction("save", function() {})
        ui_View.outcomeOf = null
        shell.deviceAction("reportRate", function() {})
        compare(shown(), ["failure:" + shell.savesLang[1]])
        verify(shell.mouseBehind)
        shell.deviceAction("catchUp", function() {})
        compare(shown(), ["done:" + shell.savesLang[6]])
        verify(!shell.mouseBehind)
    }

    // An action inside another is reported once, with the outer one.
    function test_inner_action_reported_with_outer() {
        ui_View.outcomeOf = function(name) { return { action: name, ok: true, kind: "done", commands: 3 } }
        shell.deviceAction("profile", function() { shell.deviceAction("gun", function() {}) })
        compare(ui_View.callsOf("endDeviceAction").length, 2)
        compare(shown().length, 1)
    }

    function test_question_answers_data() {
        return [
            { tag: "first", button: "questionButton0", answer: 0 },
            { tag: "third", button: "questionButton2", answer: 2 },
            { tag: "escape", button: "", answer: -1 }
        ]
    }

    function test_question_answers(data) {
        var answers = []
        shell.ask("Delete the macro?", ["Delete", "Keep", "Cancel", "ignored"],
                  function(i) { answers.push(i) }, "Macro")
        var dialog = child("questionDialog")
        verify(dialog.visible)
        verify(child("dialogMask").visible, "the window is dimmed under the question")
        compare(dialog.answers.length, 3)
        waitForRendering(dialog)
        if (data.button !== "")
            mouseClick(child(data.button))
        else
            keyClick(Qt.Key_Escape)
        compare(answers, [data.answer])
        verify(!dialog.visible)
    }

    function test_new_question_closes_the_old() {
        var answers = []
        shell.ask("one", ["A"], function(i) { answers.push("one " + i) })
        shell.ask("two", ["A", "B"], function(i) { answers.push("two " + i) })
        compare(answers, ["one -1"])
        child("questionDialog").choose(1)
        compare(answers, ["one -1", "two 1"])
    }

    // The tray's Quit: nothing unsaved quits at once through the controller.
    function test_quit_without_edits() {
        compare(shell.confirmQuit(), false)
        tryVerify(function() { return ui_View.callsOf("quitProgram").length === 1 })
    }
}
}
