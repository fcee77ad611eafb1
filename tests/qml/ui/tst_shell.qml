import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    id: testCase
    name: "Shell"
    when: windowShown

    property var shell: null
    // What a request's callbacks were called with.
    property var said: []
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    SignalSpy { id: spy }

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
    }

    function child(name) {
        var item = findChild(shell, name)
        verify(item, "no item " + name)
        return item
    }

    function reveal() {
        shell.visible = true
        shell.panelsShown = true
    }

    function callNames(fake) {
        return fake.calls.map(function(c) { return c[0] })
    }

    function test_set_current_dpi() {
        shell.setCurrentDPI(0)
        compare(shell.currentDPI, -1, "0 changes nothing")
        shell.setCurrentDPI(3)
        compare(shell.currentDPI, 2)
        shell.setCurrentDPI(0)
        compare(shell.currentDPI, 2)
        shell.setCurrentDPI("5")
        compare(shell.currentDPI, 4)
        shell.setCurrentDPI(undefined)
        compare(shell.currentDPI, 4)
    }

    function test_protect_zero_ends_at_next_turn() {
        var busy = child("busyIndicator")
        shell.setProtectUI(0)
        verify(busy.busy)
        verify(!ui_View.enabled)
        tryVerify(function() { return ui_View.enabled }, 500)
        verify(!busy.busy)
    }

    function test_control_ui_enable_has_no_timer() {
        var busy = child("busyIndicator")
        shell.controlUIEnable(false)
        verify(busy.busy)
        verify(!ui_View.enabled)
        wait(50)
        verify(!ui_View.enabled)
        shell.controlUIEnable(true)
        verify(!busy.busy)
        verify(ui_View.enabled)
    }

    function test_busy_text_pulses() {
        shell.controlUIEnable(false)
        var text = child("busyText")
        compare(text.text, "LOADING ......")
        tryVerify(function() { return text.opacity < 0.6 }, 600)
        tryVerify(function() { return text.opacity > 0.9 }, 900)
        shell.controlUIEnable(true)
    }

    // Made afresh at every lock, the indicator left memory behind: a
    // thousand saves grew the program by 16 MiB.
    function test_busy_text_is_made_once() {
        shell.controlUIEnable(false)
        var first = child("busyText")
        shell.controlUIEnable(true)
        shell.controlUIEnable(false)
        verify(child("busyText") === first)
        shell.controlUIEnable(true)
    }

    function test_first_init_reads_settings_and_texts() {
        ui_View.globals = {
            "mouse/isColorful": "true", "mouse/icType": "560", "mouse/is55328": "false",
            "mouse/isGun": "false", "mouse/keyCount": "6", "common/language": "English",
            "common/url": "http://example.org/mouse", "mouse/profileNo": "2"
        }
        ui_View.languages = { "main": ["Bearbeiten", "Makro"], "keyCode": ["Ä"] }
        ui_View.deviceDpi = 3
        shell.initUI()
        verify(shell.visible)
        verify(shell.isPownOn)
        verify(shell.isColorful)
        verify(!shell.is55328)
        verify(!shell.isGun)
        compare(shell.icType, "560")
        compare(shell.keyCount, 6)
        compare(shell.language, "English")
        compare(shell.url, "http://example.org/mouse")
        compare(child("helpMenu").entries[0], "http://example.org/mouse")
        compare(shell.mainLang[0], "Bearbeiten")
        compare(shell.mainLang[1], "Makro")
        compare(shell.mainLang[2], "Gun Editor", "missing texts keep the built-in ones")
        compare(shell.profileNo, 2)
        compare(shell.currentDPI, 2)

        var groups = ui_View.callsOf("getLangStrings").map(function(c) { return c[1] })
        compare(groups, ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
                         "macroEditor", "systemSetting", "gunControl", "profile", "saves", "keyCode", "other",
                         "storage", "hint", "notice"])
        ui_View.callsOf("getLangStrings").forEach(function(c) { compare(c[2], "English") })
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 2]])
        compare(ui_View.callsOf("getData")[0], ["getData", "mouse/reportRate", false])
        compare(ui_View.callsOf("mouseSetReportRate").length, 0, "start-up sends no report rate")

        verify(child("startupLogo").visible)
        verify(!shell.panelsShown)
        tryCompare(shell, "panelsShown", true, 2000)
        verify(!child("startupLogo").visible)
        verify(ui_View.enabled)
    }

    // The stored number of the profile in use names one of the profile files;
    // any other number starts the first.
    function test_stored_profile_number_data() {
        return [
            { tag: "last slot", stored: "9", used: 9 },
            { tag: "past the last slot", stored: "10", used: 0, warns: true },
            { tag: "below the first", stored: "-1", used: 0, warns: true },
            { tag: "not a number", stored: "x", used: 0 }
        ]
    }

    function test_stored_profile_number(data) {
        ui_View.globals = { "mouse/profileNo": data.stored }
        if (data.warns)
            ignoreWarning(/stored profile number out of range/)
        shell.initUI()
        compare(shell.profileNo, data.used)
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", data.used]])
    }

    function test_start_survives_failing_operations_data() {
        return [
            { tag: "language strings", failing: ["getLangStrings"] },
            { tag: "device profile", failing: ["mouseReadCurrentProfile"] },
            { tag: "settings", failing: ["getGlobalData", "getData"] },
            { tag: "current DPI", failing: ["mouseGetCurrentDPI"] }
        ]
    }

    function test_start_survives_failing_operations(data) {
        ui_View.family560 = true
        ui_View.failing = data.failing
        shell.initUI()
        verify(shell.isPownOn)
        compare(shell.mainLang[0], "Editor")
        tryCompare(shell, "panelsShown", true, 2000)
        verify(ui_View.enabled)
    }

    function test_560_starts_in_profile_one_data() {
        return [
            { tag: "560 in profile 1", is560: true, current: 1, switched: false },
            { tag: "560 in profile 1, as text", is560: true, current: "1", switched: false },
            { tag: "560 in profile 3", is560: true, current: 3, switched: true },
            { tag: "560 not answering", is560: true, current: undefined, switched: true },
            { tag: "553 never asked", is560: false, current: 3, switched: false },
            { tag: "the controller's family, not the settings text", is560: false, icType: "560", current: 3,
              switched: false }
        ]
    }

    function test_560_starts_in_profile_one(data) {
        ui_View.family560 = data.is560
        if (data.icType !== undefined)
            ui_View.globals = { "mouse/icType": data.icType }
        ui_View.deviceProfile = data.current
        shell.initUI()
        compare(hid.calls.length, data.switched ? 1 : 0)
        if (data.switched)
            compare(hid.calls[0], ["hid560_02H_SetCurrentProfile", 1])
        compare(ui_View.callsOf("mouseReadCurrentProfile").length, data.is560 ? 1 : 0)
    }

    // The shell's own tests run it without its pages: it starts all the
    // same and names the pages it leaves out.
    function test_start_without_pages() {
        ignoreWarning(/pages not loaded, left out of every sequence: mouseMain, keyMatrixMain, .*, profilePage$/)
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        verify(ui_View.enabled)
    }

    function test_second_init_reloads_nothing() {
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        ui_View.calls = []
        ui_View.deviceDpi = 4
        shell.initUI()
        compare(callNames(ui_View).filter(function(n) {
            return n === "getGlobalData" || n === "getLangStrings" || n === "getData"
        }), [])
        compare(ui_View.callsOf("mouseGetCurrentDPI").length, 1)
        compare(shell.currentDPI, 3)
        verify(!ui_View.enabled, "locked again for a while")
        tryVerify(function() { return ui_View.enabled }, 2000)
    }

    function test_editor_box_data() {
        return [
            { tag: "gun mouse", isGun: "true", height: 100, gun: true },
            { tag: "gun mouse, number", isGun: 1, height: 100, gun: true },
            { tag: "no gun", isGun: "false", height: 76, gun: false },
            { tag: "no gun, zero", isGun: "0", height: 76, gun: false }
        ]
    }

    function test_editor_box(data) {
        ui_View.globals = { "mouse/isGun": data.isGun }
        shell.initUI()
        reveal()
        var box = child("editorBox")
        compare(box.height, data.height)
        compare(box.width, 232)
        compare(child("gunEditorButton").visible, data.gun)
        verify(child("macroEditorButton").visible)
    }

    function test_report_rate_sends_stored_rate_data() {
        return [
            { tag: "125Hz as text", stored: "0", sent: 8 },
            { tag: "250Hz as number", stored: 1, sent: 4 },
            { tag: "500Hz as text", stored: "2", sent: 2 },
            { tag: "500Hz as number", stored: 2, sent: 2 },
            { tag: "1000Hz as text", stored: "3", sent: 1 },
            { tag: "1000Hz as number", stored: 3, sent: 1 },
            { tag: "out of range", stored: "4", sent: 0 },
            { tag: "negative", stored: -1, sent: 0 },
            { tag: "not a number", stored: "fast", sent: 0 },
            { tag: "missing", stored: undefined, sent: 0 }
        ]
    }

    function test_report_rate_sends_stored_rate(data) {
        ui_View.profile = { "mouse/reportRate": data.stored }
        var box = child("reportRateBox")
        box.init(false)
        compare(ui_View.callsOf("mouseSetReportRate").length, 0)
        box.init(true)
        var sent = ui_View.callsOf("mouseSetReportRate")
        if (data.sent === 0) {
            compare(sent.length, 0)
            compare(box.currentIndex, -1)
        } else {
            compare(sent, [["mouseSetReportRate", data.sent]])
            compare(box.deviceValue(box.currentIndex), data.sent)
        }
    }

    function test_report_rate_choice_data() {
        return [
            { tag: "125Hz", index: 0, sent: 8 },
            { tag: "250Hz", index: 1, sent: 4 },
            { tag: "500Hz", index: 2, sent: 2 },
            { tag: "1000Hz", index: 3, sent: 1 }
        ]
    }

    function test_report_rate_choice(data) {
        reveal()
        var list = child("reportRateList")
        mouseClick(list)
        verify(list.isOpen)
        // The list opens upwards: four rows of 24 and a border above the box.
        mouseClick(list, list.width / 2, -(4 * 24 + 2) - 2 + 1 + data.index * 24 + 12)
        verify(!list.isOpen)
        compare(list.currentText, ["125Hz", "250Hz", "500Hz", "1000Hz"][data.index])
        compare(ui_View.callsOf("setData"), [["setData", "mouse/reportRate", data.index]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", data.sent]])
    }

    function test_dragging_moves_the_window() {
        reveal()
        spy.target = shell
        spy.signalName = "emptyAreaPressed"
        spy.clear()
        mousePress(shell, 500, 300)
        compare(spy.count, 1)
        mouseMove(shell, 530, 290)
        mouseRelease(shell, 530, 290)
        compare(ui_Ctl.calls, [["onXChanged", 30], ["onYChanged", -10]])
    }

    function test_main_focus_closes_lists() {
        reveal()
        var rate = child("reportRateList")
        var profiles = child("profileList")
        var help = child("helpMenu")
        rate.open()
        verify(rate.isOpen)
        profiles.open()
        verify(!rate.isOpen, "opening one list closes the other")
        help.visible = true
        shell.mainFocus()
        verify(!profiles.isOpen)
        verify(!help.visible)
    }

    // A list left open floated over the dialog and its mask.
    function test_opening_a_dialog_closes_the_lists_data() {
        return [
            { tag: "report rate under the reset dialog", list: "reportRateList", dialog: "reset" },
            { tag: "report rate under a question", list: "reportRateList", dialog: "question" },
            { tag: "profiles under the reset dialog", list: "profileList", dialog: "reset" },
            { tag: "profiles under a question", list: "profileList", dialog: "question" }
        ]
    }

    function test_opening_a_dialog_closes_the_lists(data) {
        reveal()
        var list = child(data.list)
        list.open()
        verify(list.isOpen)
        if (data.dialog === "reset")
            child("resetDialog").visible = true
        else
            shell.ask("Go on?", ["OK"], function() {})
        verify(shell.dialogOpen)
        verify(!list.isOpen)
    }

    // What a page asks of the window through its ShellApi reaches the window.
    function test_page_requests_reach_the_window_data() {
        return [
            { tag: "notice", request: function(api) { api.showNotice("failure", "Disk full", "disk") },
              check: function() { compare(child("noticeArea").notices.map(n => n.text), ["Disk full"]) } },
            { tag: "question", request: function(api) { api.ask("Go on?", ["Yes", "No"], function() {}, "Title") },
              check: function() { verify(child("questionDialog").visible) } },
            { tag: "confirmation", request: function(api) { api.confirm("Reset", "Reset all?", "OK", function() {}) },
              check: function() { verify(child("questionDialog").visible) } },
            { tag: "device action", request: function(api) { api.deviceAction("reportRate", function() { ui_View.mouseSetReportRate(2) }) },
              check: function() {
                  compare(callNames(ui_View).filter(n => n !== "mouseBehind"),
                          ["beginDeviceAction", "mouseSetReportRate", "endDeviceAction"])
              } },
            { tag: "focus back to the window", request: function(api) { child("helpMenu").visible = true; api.mainFocus() },
              check: function() { verify(!child("helpMenu").visible) } },
            { tag: "leaving without edits", request: function(api) { api.askBeforeLeaving(() => said.push("left")) },
              check: function() { compare(said, ["left"]); verify(!shell.dialogOpen) } },
            { tag: "the title bar's profile list closes", request: function(api) { child("profileList").open(); api.closeProfileList() },
              check: function() { verify(!child("profileList").isOpen) } }
        ]
    }

    function test_page_requests_reach_the_window(data) {
        said = []
        reveal()
        ui_View.calls = []
        data.request(shell.shellApi)
        data.check()
    }

    // The facts a page reads follow the window's.
    function test_page_facts_follow_the_window() {
        var api = shell.shellApi
        shell.profileNo = 4
        shell.isGun = false
        shell.mainLang = ["Bearbeiten"]
        compare(api.profileNo, 4)
        verify(!api.isGun)
        compare(api.mainLang, ["Bearbeiten"])
        shell.width = 900
        var box = { x: 0, y: 0, width: 300, height: 200, visible: false }
        api.showCentred(box)
        compare([box.x, box.y, box.visible], [300, 220, true])
    }

    // A question answered by a click kept the focus while hidden and took
    // the next Escape, so the reset dialog opened after it stayed open.
    function test_escape_after_a_question_was_answered() {
        reveal()
        shell.ask("Go on?", ["OK"], function() {})
        mouseClick(child("questionButton0"))
        verify(!shell.dialogOpen)
        mouseClick(child("resetButton"))
        verify(child("resetDialog").visible)
        wait(20)
        keyClick(Qt.Key_Escape)
        verify(!child("resetDialog").visible, "Escape closes the reset dialog")
    }

    function test_title_buttons() {
        reveal()
        mouseClick(child("minimiseButton"))
        mouseClick(child("closeButton"))
        compare(ui_Ctl.calls, [["onMinimize"], ["onClose"]])
        var help = child("helpMenu")
        mouseClick(child("helpButton"))
        verify(help.visible)
        compare(help.entries[1], "Version 1.0")
        mouseClick(help, 100, 1 + 24 + 12)
        verify(!help.visible, "choosing an entry hides the menu")
    }

    function test_reset_dialog_stays_inside_data() {
        return [
            { tag: "far left and down", x: -50, y: 9999, ex: 0, ey: 538 },
            { tag: "far right and up", x: 2000, y: -3, ex: 597, ey: 0 },
            { tag: "inside", x: 100, y: 200, ex: 100, ey: 200 }
        ]
    }

    function test_reset_dialog_stays_inside(data) {
        reveal()
        var dialog = child("resetDialog")
        mouseClick(child("resetButton"))
        verify(dialog.visible)
        compare(dialog.width, 427)
        compare(dialog.height, 102)
        mousePress(dialog, 200, 50)
        mouseMove(dialog, 200 + data.x - dialog.x, 50 + data.y - dialog.y)
        mouseRelease(dialog, 200, 50)
        compare(dialog.x, data.ex)
        compare(dialog.y, data.ey)
    }

    function test_reset_dialog_cancel_and_mask() {
        reveal()
        var mask = child("dialogMask")
        verify(!mask.visible)
        mouseClick(child("resetButton"))
        verify(mask.visible)
        compare(mask.color.a.toFixed(3), (0x90 / 255).toFixed(3))
        mouseClick(child("resetCancelButton"))
        verify(!child("resetDialog").visible)
        verify(!mask.visible)
        compare(ui_View.callsOf("resetProfile").length, 0)
    }

    function test_reset_dialog_ok_resets_profile() {
        ui_View.globals = { "mouse/profileNo": 1, "mouse/isGun": "true" }
        ui_View.profile = { "mouse/reportRate": "2" }
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        ui_View.calls = []
        mouseClick(child("resetButton"))
        mouseClick(child("resetOkButton"))
        verify(!child("resetDialog").visible)
        verify(!child("dialogMask").visible)
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 1]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", 2]])
        compare(ui_View.callsOf("mouseSwitchKeyMatrix"), [["mouseSwitchKeyMatrix", 1]])
        compare(ui_View.callsOf("mouseResetKeyMatrix").length, 1)
        compare(ui_View.callsOf("mouseSetCurrentDPI"), [["mouseSetCurrentDPI", 2]])
        compare(shell.currentDPI, 1)
        verify(ui_View.enabled)
        verify(!child("busyIndicator").visible)
    }

    function test_profile_change() {
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
        ui_View.profile = { "mouse/reportRate": 3 }
        shell.initUI()
        ui_View.calls = []
        var list = child("profileList")
        list.itemChosen(0)
        compare(ui_View.calls.length, 0, "choosing the profile in use does nothing")
        list.itemChosen(4)
        compare(shell.profileNo, 4)
        compare(ui_View.callsOf("setGlobalData"), [["setGlobalData", "mouse/profileNo", 4]])
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 4]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", 1]])
        compare(ui_View.callsOf("mouseSwitchKeyMatrix").length, 0, "not on a mouse without gun")
        verify(ui_View.enabled)
    }

    function test_notices_are_reemitted() {
        spy.target = shell
        spy.signalName = "msg_KB"
        spy.clear()
        shell.detectKeyboard(true, 0x04)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], true)
        compare(spy.signalArguments[0][1], 0x04)
        spy.signalName = "msg_MS"
        spy.clear()
        shell.detectMouse(false, 0xF1, 10, 20)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][1], 0xF1)
        compare(spy.signalArguments[0][3], 20)
    }

    function test_save_button_idle_without_changes() {
        reveal()
        mouseClick(child("saveButton"))
        compare(ui_View.callsOf("setEnabled").length, 0, "nothing to save, no lock")
        verify(!shell.hasUnsaved)
    }

    // A change of profile or a reset asked for in a pause of a running
    // command starts when the link is free, from the event loop.
    function test_sequences_wait_for_a_free_link() {
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
        ui_View.profile = { "mouse/reportRate": 3 }
        shell.initUI()
        ui_View.calls = []
        hid.commandRunning = true
        child("profileList").itemChosen(2)
        child("resetDialog").accepted()
        wait(0)
        compare(ui_View.calls.length, 0, "nothing starts inside the running command")
        hid.commandRunning = false
        compare(ui_View.calls.length, 0, "not inside the command's end either")
        tryVerify(function() { return ui_View.callsOf("resetProfile").length === 1 })
        compare(shell.profileNo, 2)
        var names = callNames(ui_View)
        verify(names.indexOf("setCurrentProfile") < names.indexOf("resetProfile"), names.join(" "))
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 2]])
        verify(ui_View.enabled)
    }
}
}
