import QtQuick
import QtTest

// The system settings dialog in the shell, against the recording controller:
// what it shows from the profile, what it stores and what it applies.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "SystemSettingPage"
    when: windowShown

    property var shell: null
    property var page: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
        page = shell.systemSetting
        verify(page)
    }

    // The dialog open on a profile with these values; the calls so far are
    // forgotten.
    function open(stored) {
        ui_View.profile = stored
        page.init(false, false)
        shell.visible = true
        shell.panelsShown = true
        shell.showCentred(page)
        waitForRendering(page)
        ui_View.calls = []
    }

    function child(name) {
        var item = findChild(page, name)
        verify(item, "no item " + name)
        return item
    }

    function applied() {
        return ui_View.calls.filter(function(c) { return c[0].indexOf("mouseSet") === 0 })
    }

    function stored() {
        return ui_View.callsOf("setData").map(function(c) { return c[1] + "=" + c[2] })
    }

    // The fake writes into the object it answers from: a fresh one each time.
    function factory() {
        return { "mouse/mouseRate": 170, "mouse/doubleRate": "187", "mouse/scrollRate": "3" }
    }

    function test_stored_scroll_rate_picks_the_mode_data() {
        return [
            { tag: "one screen", scroll: 1000, oneScreen: true, field: "7" },
            { tag: "rows", scroll: 100, oneScreen: false, field: "100" },
            { tag: "nothing stored", scroll: undefined, oneScreen: false, field: "7" }
        ]
    }

    function test_stored_scroll_rate_picks_the_mode(data) {
        child("rowsInput").text = "7"
        page.isOneScreen = !data.oneScreen
        open({ "mouse/mouseRate": "40", "mouse/doubleRate": 305, "mouse/scrollRate": data.scroll })
        compare(page.isOneScreen, data.oneScreen)
        compare(child("rowsInput").text, data.field)
        compare(page.mouseSpeedSlider.xPosition, 40)
        compare(page.doubleClickSlider.xPosition, 305)
        compare(applied(), [], "start-up applies nothing")
    }

    function test_moving_one_slider_applies_only_that_setting_data() {
        return [
            { tag: "pointer speed by a click on the track", section: "mouseSpeedSection", drag: false,
              expect: ["mouseSetCursorSpeed", 10] },
            { tag: "double click by dragging the knob", section: "doubleClickSection", drag: true,
              expect: ["mouseSetDoubleClickSpeed", 0] }
        ]
    }

    function test_moving_one_slider_applies_only_that_setting(data) {
        open(factory())
        var slider = child(data.section).slider
        if (data.drag) {
            var knob = findChild(slider, "knob")
            mouseDrag(knob, 6, 6, -400, 0)
        } else {
            mouseClick(slider, slider.width - 2, slider.height / 2)
        }
        tryCompare(slider, "gliding", false)
        compare(applied(), [data.expect])
        compare(ui_View.callsOf("setData").length, 3, "all three are stored")
        verify(stored().indexOf("mouse/scrollRate=3") >= 0)
    }

    function test_scroll_mode_choices() {
        open(factory())
        mouseClick(child("oneScreenChoice"))
        verify(page.isOneScreen)
        compare(applied(), [["mouseSetVerticalScrollLines", 1000]])
        verify(stored().indexOf("mouse/scrollRate=1000") >= 0)

        ui_View.calls = []
        mouseClick(child("rowsChoice"))
        compare(applied(), [["mouseSetVerticalScrollLines", 3]])
        verify(stored().indexOf("mouse/scrollRate=3") >= 0)
    }

    function test_row_field_commits_when_left_data() {
        return [
            { tag: "cleared", keys: [Qt.Key_Backspace], field: "1", lines: 1 },
            { tag: "too many", keys: [Qt.Key_2, Qt.Key_5, Qt.Key_0], field: "100", lines: 100 },
            { tag: "typed", keys: [Qt.Key_1, Qt.Key_2], field: "12", lines: 12 }
        ]
    }

    function test_row_field_commits_when_left(data) {
        open(factory())
        var field = child("rowsInput")
        mouseClick(field)
        verify(field.activeFocus)
        field.selectAll()
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        compare(applied(), [], "nothing while typing")
        mouseClick(shell, 20, 600)   // a press on the mask
        verify(!field.activeFocus)
        compare(field.text, data.field)
        compare(applied(), [["mouseSetVerticalScrollLines", data.lines]])
    }

    function test_close_drops_an_uncommitted_row_count() {
        open(factory())
        var field = child("rowsInput")
        mouseClick(field)
        field.selectAll()
        keyClick(Qt.Key_9)
        mouseClick(child("systemSettingClose"))
        verify(!page.visible)
        compare(ui_View.callsOf("setData"), [])
        compare(applied(), [])
        compare(field.text, "3")
    }

    function test_reset_takes_the_default_profile() {
        open({ "mouse/mouseRate": 3, "mouse/doubleRate": 3, "mouse/scrollRate": 1000 })
        ui_View.profile = factory()
        mouseClick(child("systemSettingReset"))
        verify(ui_View.callsOf("getData").every(function(c) { return c[2] === true }), "reads the default profile")
        compare(stored(), ["mouse/mouseRate=170", "mouse/doubleRate=187", "mouse/scrollRate=3"])
        compare(applied().length, 3)
    }

    function test_a_refused_setting_is_said_until_one_is_taken() {
        open(factory())
        var notice = child("refusedNotice")
        ui_View.answers = { pointerSettingTaken: function(setting) { return setting === 1 } }
        page.saveData(true, 0)
        verify(notice.visible)
        compare(page.refused, [2, 3])
        verify(findChild(child("doubleClickSection"), "refusedMark").visible)

        ui_View.answers = { pointerSettingTaken: true }
        page.saveData(true, 2)
        compare(page.refused, [3])
        verify(notice.visible)
        page.saveData(true, 3)
        verify(!notice.visible)
    }
}
}
