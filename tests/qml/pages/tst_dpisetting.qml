import QtQuick
import QtTest
import "qrc:/modules/qml"
import "qrc:/modules/qml/Z7/DpiSetting.js" as Dpi

Item {
    id: stage
    width: 1024
    height: 640

    // The panel's arithmetic, without a window.
    TestCase {
        name: "DpiRules"

        function test_value_at_position_data() {
            return [
                { tag: "left end", p: 3, min: 200, max: 6000, base: 50, value: 200 },
                { tag: "right end", p: 161, min: 200, max: 6000, base: 50, value: 6000 },
                { tag: "middle", p: 82, min: 200, max: 6000, base: 50, value: 3100 },
                { tag: "rounded down to the step", p: 41, min: 200, max: 6000, base: 100, value: 1500 },
                { tag: "next pixel", p: 42, min: 200, max: 6000, base: 100, value: 1600 },
                { tag: "left of the travel", p: 0, min: 200, max: 6000, base: 50, value: 200 },
                { tag: "right of the travel", p: 170, min: 400, max: 12000, base: 100, value: 12000 }
            ]
        }

        function test_value_at_position(data) {
            compare(Dpi.valueAt(data.p, data.min, data.max, data.base), data.value)
        }

        function test_position_of_value_data() {
            return [
                { tag: "minimum", v: 200, p: 3 },
                { tag: "maximum", v: 6000, p: 161 },
                { tag: "middle", v: 3100, p: 82 },
                { tag: "below the range", v: 50, p: 3 },
                { tag: "above the range", v: 9000, p: 161 },
                { tag: "not a number", v: "x", p: 3 }
            ]
        }

        function test_position_of_value(data) {
            compare(Dpi.positionOf(data.v, 200, 6000), data.p)
        }

        // Every knob position gives a value whose knob position gives it back.
        function test_positions_and_values_agree() {
            for (var p = Dpi.travelStart; p <= Dpi.travelEnd; ++p) {
                var v = Dpi.valueAt(p, 200, 6000, 1)
                compare(Dpi.valueAt(Dpi.positionOf(v, 200, 6000), 200, 6000, 1), v, "position " + p)
            }
        }

        function test_unusable_settings_data() {
            return [
                { tag: "range backwards", args: [6000, 200, 50], want: { minDPI: 200, maxDPI: 6000, dpiBase: 50 } },
                { tag: "step 0 takes the factory step", args: [400, 8000, 0], want: { minDPI: 400, maxDPI: 8000, dpiBase: 100 } },
                { tag: "texts", args: ["100", "12000", "100"], want: { minDPI: 100, maxDPI: 12000, dpiBase: 100 } },
                { tag: "missing takes the factory values", args: [undefined, undefined, undefined], want: { minDPI: 200, maxDPI: 6000, dpiBase: 100 } }
            ]
        }

        function test_unusable_settings(data) {
            compare(Dpi.limits(data.args[0], data.args[1], data.args[2]), data.want)
        }

        function test_stage_count_data() {
            return [
                { tag: "text", value: "5", most: 8, count: 5 },
                { tag: "past eight", value: 9, most: 8, count: 8 },
                { tag: "zero", value: 0, most: 8, count: 1 },
                { tag: "past what the mouse offers", value: 6, most: 4, count: 4 },
                { tag: "garbage", value: "many", most: 8, count: 4 },
                { tag: "missing", value: undefined, most: 8, count: 4 }
            ]
        }

        function test_stage_count(data) {
            compare(Dpi.stageCount(data.value, 4, data.most), data.count)
        }

        function test_stored_values_keep_what_is_unreadable() {
            compare(Dpi.stageValues(["800", 1600, "x"]), [800, 1600, 1500, 2000, 3000, 4000, 5000, 6000])
            compare(Dpi.stageValues("800, 1600"), Dpi.defaultValues)
            compare(Dpi.stageValues([1, 2, 3, 4, 5, 6, 7, 8, 9]), [1, 2, 3, 4, 5, 6, 7, 8])
        }

        // Stored values outside the device's range would wrap in the sensor code.
        function test_stored_values_in_range_data() {
            return [
                { tag: "far above, far below", stored: [99999, -500, 70000, 800, 0, 6000, 200, 6001],
                  range: { minDPI: 200, maxDPI: 6000, dpiBase: 50 },
                  want: [6000, 200, 6000, 800, 200, 6000, 200, 6000] },
                { tag: "between steps", stored: [820, 849, 5990, 230, 224, 1000, 1000, 1000],
                  range: { minDPI: 200, maxDPI: 6000, dpiBase: 50 },
                  want: [800, 850, 6000, 250, 200, 1000, 1000, 1000] },
                { tag: "top off the steps", stored: [26000, 100, 400, 400, 400, 400, 400, 400],
                  range: { minDPI: 100, maxDPI: 25950, dpiBase: 100 },
                  want: [25900, 100, 400, 400, 400, 400, 400, 400] }
            ]
        }

        function test_stored_values_in_range(data) {
            compare(Dpi.stageValues(data.stored, data.range), data.want)
        }
    }

    TestCase {
        name: "DpiPanel"
        when: windowShown

        property var shell: null
        property var panel: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function init() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            ui_View.globals = { "mouse/minDPI": 200, "mouse/maxDPI": 6000, "mouse/dpiBase": 100,
                                "mouse/sensorType": "3389", "mouse/isGun": "false" }
            ui_View.profile = { "mouse/dpiCount": 5, "mouse/currentDpiCount": "3",
                                "mouse/dpiValueArray": ["400", "800", "1600", "3200", "6000", "6000", "6000", "6000"] }
            ui_View.deviceDpi = 2
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell, shellComponent.errorString())
            shell.initUI()
            shell.panelsShown = true
            panel = shell.dpiSettingMain
            verify(panel)
            // The window's Loaders make the panels once it is complete, so
            // their column places them at the next polish; until then the
            // lighting panel lies over this one and takes its clicks.
            waitForItemPolished(panel.parent.parent)
            ui_View.calls = []
        }

        function row(i) { return findChild(panel, "dpiStage" + i) }

        function test_stored_values_outside_the_range_are_shown_and_sent_inside_it() {
            ui_View.profile["mouse/dpiValueArray"] = ["99999", "-500", "70000", "800", "800", "800", "800", "800"]
            ui_View.calls = []
            panel.init(true, false)
            compare(panel.stageValues.slice(0, 4), [6000, 200, 6000, 800])
            compare(ui_View.callsOf("mouseSetDpi")[0][3].slice(0, 4), [6000, 200, 6000, 800])
        }
        function slider(i) { return findChild(row(i), "dpiSlider") }
        function label(i) { return findChild(row(i), "stageValue").text }
        function shownRows() {
            var shown = []
            for (var i = 0; i < 8; ++i)
                shown.push(row(i).visible)
            return shown
        }

        function test_init_places_the_stored_stages() {
            var list = findChild(panel, "dpiCountList")
            compare(list.count, 5, "the list offers the stages the mouse has")
            compare(list.currentText, "3")
            compare(shownRows(), [true, true, true, false, false, false, false, false])
            compare([label(0), label(1), label(2)], ["400", "800", "1600"])
            compare(slider(2).xPosition, Dpi.positionOf(1600, 200, 6000))
            verify(!panel.isSave, "reading is no change")
        }

        function test_moving_a_stage_and_saving() {
            var s = slider(1)
            mouseClick(s, 48, s.height / 2)
            tryCompare(s, "gliding", false)
            compare(label(1), String(Dpi.valueAt(s.xPosition, 200, 6000, 100)))
            verify(label(1) !== "800")
            verify(panel.isSave)
            var values = [400, Number(label(1)), 1600, 3200, 6000, 6000, 6000, 6000]
            mouseClick(findChild(shell, "saveButton"))
            var outcome = ["setEnabled", "mouseBehind", "beginDeviceAction", "endDeviceAction"]
            var saved = ui_View.calls.filter(function(c) { return outcome.indexOf(c[0]) < 0 })
            compare(saved, [["setDataList", "mouse/dpiValueArray", values],
                            ["setData", "mouse/currentDpiCount", 3],
                            ["mouseSetDpi", 3, "3389", values],
                            ["flushSettings"]])
            verify(!panel.isSave)
        }

        function test_choosing_the_stage_count() {
            var list = findChild(panel, "dpiCountList")
            mouseClick(findChild(list, "menuBox"))
            verify(list.isOpen)
            list.choose(4)
            compare(shownRows(), [true, true, true, true, true, false, false, false])
            verify(panel.isSave)
            shell.mainFocus()
            panel.saveData(true)
            compare(ui_View.callsOf("mouseSetDpi")[0][1], 5)
        }

        // Fewer stages in use leave no empty rows, and the lighting panel
        // below moves up to the DPI panel's foot.
        function test_panel_fits_the_stages_in_use_data() {
            return [ { tag: "one", count: 1 }, { tag: "three", count: 3 }, { tag: "all five", count: 5 } ]
        }

        function test_panel_fits_the_stages_in_use(data) {
            findChild(panel, "dpiCountList").choose(data.count - 1)
            var last = row(data.count - 1)
            var light = shell.lightControlMain
            verify(light)
            // Columns lay out at the next frame.
            waitForItemPolished(last.parent)
            waitForItemPolished(light.parent.parent)
            var bottom = last.mapToItem(panel, 0, last.height).y
            verify(bottom <= panel.height, "the last stage inside the panel")
            verify(panel.height - bottom <= 12, "an empty foot of " + (panel.height - bottom) + " px")
            compare(light.mapToItem(panel, 0, 0).y, panel.height + 8)
        }

        function test_reset_takes_the_default_profile() {
            mouseClick(findChild(panel, "dpiResetButton"))
            compare(ui_View.callsOf("getDataList"), [["getDataList", "mouse/dpiValueArray", true]])
            compare(ui_View.callsOf("getData").length, 0, "the stage counts stay")
            verify(panel.isSave)
        }

        // The mouse's DPI button reaches the panel whatever dialog covers it.
        function test_highlight_follows_the_mouse() {
            verify(row(1).active, "initUI selects what the mouse reports")
            findChild(shell, "resetDialog").visible = true
            verify(shell.dialogOpen)
            shell.setCurrentDPI(3)
            verify(row(2).active)
            verify(!row(1).active)
            compare(String(findChild(row(2), "stageBadge").color), String(Theme.accent))
        }

        function test_init_with_sending_saves_at_once() {
            panel.init(true, false)
            compare(ui_View.callsOf("mouseSetDpi"),
                    [["mouseSetDpi", 3, "3389", [400, 800, 1600, 3200, 6000, 6000, 6000, 6000]]])
        }
    }
}
