import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/common"
import "qrc:/modules/qml/common/Values.js" as Values

Item {
    id: stage
    width: 600
    height: 400

    Component {
        id: menuComponent
        Menu_Down { x: 20; y: 20; items: ["125Hz", "250Hz", "500Hz", "1000Hz"] }
    }
    Component {
        id: menuUpComponent
        Menu_Up { x: 20; y: 300; items: ["a", "b"] }
    }
    Component {
        id: sliderComponent
        SliderButton { x: 20; y: 100 }
    }
    Component {
        id: buttonComponent
        Button { x: 20; y: 200; text: "Save" }
    }
    Component {
        id: iconComponent
        ImageButton { x: 300; y: 20; width: 20; height: 20; tip: "Help" }
    }
    ListModel { id: profiles }

    SignalSpy { id: spy }

    TestCase {
        name: "Components"
        when: windowShown

        function watch(target, signalName) {
            spy.target = null
            spy.signalName = signalName
            spy.target = target
            spy.clear()
        }

        function test_menu_choice_by_user_only() {
            var menu = createTemporaryObject(menuComponent, stage)
            watch(menu, "itemChosen")
            menu.select(2)
            compare(menu.currentText, "500Hz")
            compare(spy.count, 0, "select() from code emits nothing")
            menu.select(9)
            compare(menu.currentIndex, -1)
            compare(menu.currentText, "")
            mouseClick(menu)
            verify(menu.isOpen)
            mouseClick(menu, 30, menu.height + 2 + 1 + 3 * 24 + 12)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], 3)
            compare(menu.currentText, "1000Hz")
            verify(!menu.isOpen)
        }

        function test_menu_follows_a_list_model() {
            profiles.clear()
            profiles.append({ textValue: "Standard", profileNo: 0 })
            var menu = createTemporaryObject(menuComponent, stage, { items: profiles, textRole: "textValue" })
            compare(menu.count, 1)
            menu.select(0)
            compare(menu.currentText, "Standard")
            profiles.setProperty(0, "textValue", "Arena")
            compare(menu.currentText, "Arena")
            profiles.append({ textValue: "Office", profileNo: 1 })
            compare(menu.count, 2)
            menu.select(1)
            compare(menu.currentText, "Office")
            profiles.remove(1)
            compare(menu.count, 1)
            compare(menu.currentText, "")
        }

        function test_menu_up_opens_above() {
            var menu = createTemporaryObject(menuUpComponent, stage)
            menu.open()
            var list = findChild(menu, "menuList")
            verify(list.visible)
            verify(list.y + list.height <= 0)
            compare(list.height, 2 * 24 + 2)
        }

        function test_slider_range() {
            var slider = createTemporaryObject(sliderComponent, stage)
            compare(slider.width, 352)
            compare(slider.minPosition, 3)
            compare(slider.maxPosition, 337)
            var narrow = createTemporaryObject(sliderComponent, stage, { trackWidth: 176 })
            compare(narrow.maxPosition, 161)
        }

        function test_slider_click_glides_and_reports_once_data() {
            return [
                { tag: "middle", click: 200, end: 194 },
                { tag: "left end", click: 1, end: 3 },
                { tag: "right end", click: 351, end: 337 }
            ]
        }

        function test_slider_click_glides_and_reports_once(data) {
            var slider = createTemporaryObject(sliderComponent, stage)
            slider.setValue(100)
            watch(slider, "positionReported")
            mousePress(slider, data.click, slider.height / 2)
            mouseRelease(slider, data.click, slider.height / 2)
            verify(slider.gliding)
            compare(spy.count, 0, "nothing before the glide ends")
            wait(60)
            verify(slider.xPosition !== 100 || data.end === 100)
            tryCompare(spy, "count", 1, 500)
            compare(spy.signalArguments[0][0], data.end)
            compare(slider.xPosition, data.end)
            wait(150)
            compare(spy.count, 1)
        }

        function test_slider_glide_eases_out() {
            var slider = createTemporaryObject(sliderComponent, stage, { glideDuration: 400 })
            slider.setValue(3)
            mousePress(slider, 340, slider.height / 2)
            wait(100)
            // Ease-out covers more than a quarter of the way in the first quarter.
            verify(slider.xPosition > 3 + (334 - 3) / 4, "at " + slider.xPosition)
        }

        function test_slider_drag_reports_on_release() {
            var slider = createTemporaryObject(sliderComponent, stage)
            slider.setValue(100)
            watch(slider, "positionReported")
            var knob = findChild(slider, "knob")
            mousePress(knob, 6, 6)
            mouseMove(knob, 60, 6)
            mouseMove(knob, 600, 6)
            compare(spy.count, 0)
            compare(slider.xPosition, 337)
            mouseRelease(knob, 600, 6)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], 337)
            mousePress(knob, 6, 6)
            mouseMove(knob, 0, 6)
            mouseMove(slider, 0, 6)
            mouseRelease(slider, 0, 6)
            compare(spy.signalArguments[1][0], 3)
            compare(knob.x, 3)
        }

        function test_slider_set_value_reports_nothing_data() {
            return [
                { tag: "inside", value: 120, expect: 120 },
                { tag: "below", value: -40, expect: 3 },
                { tag: "above", value: 999, expect: 337 },
                { tag: "text", value: "50", expect: 50 },
                { tag: "not a number", value: "left", expect: 3 }
            ]
        }

        function test_slider_set_value_reports_nothing(data) {
            var slider = createTemporaryObject(sliderComponent, stage)
            watch(slider, "positionReported")
            slider.setValue(data.value)
            compare(slider.xPosition, data.expect)
            compare(findChild(slider, "knob").x, data.expect)
            wait(150)
            compare(spy.count, 0)
        }

        function test_slider_steps() {
            var slider = createTemporaryObject(sliderComponent, stage, { trackWidth: 160, steps: 5 })
            compare(slider.stepPosition(0), slider.minPosition)
            compare(slider.stepPosition(4), slider.maxPosition)
            for (var i = 0; i < 5; ++i)
                compare(slider.stepOf(slider.stepPosition(i)), i)
            slider.setValue(slider.stepPosition(2) + 5)
            compare(slider.xPosition, slider.stepPosition(2), "snaps to the nearest step")
        }

        function test_button_colours() {
            var button = createTemporaryObject(buttonComponent, stage)
            watch(button, "clicked")
            compare(button.color, button.normalColor)
            mouseMove(button, 10, 10)
            tryCompare(button, "color", button.hoverColor, 500)
            mouseClick(button)
            compare(spy.count, 1)
            button.enabled = false
            tryCompare(button, "color", button.disabledColor, 500)
            mouseClick(button)
            compare(spy.count, 1, "a disabled button does not click")
        }

        // The tip would cover what the click opened (the help menu): gone
        // on a click, back on the next visit.
        function test_icon_tip_hides_on_click() {
            var icon = createTemporaryObject(iconComponent, stage)
            var tip = findChild(icon, "hoverTip")
            mouseMove(icon, 10, 10)
            tryVerify(function() { return tip.shown }, 2000, "shown while hovered")
            mouseClick(icon, 10, 10)
            verify(!tip.shown, "hidden by the click")
            wait(tip.delayMs + 100)
            verify(!tip.shown, "still hidden while the pointer stays")
            mouseMove(stage, 5, 390)
            mouseMove(icon, 10, 10)
            tryVerify(function() { return tip.shown }, 2000, "shown again on the next visit")
        }

        function test_settings_values_data() {
            return [
                { tag: "text true", value: "true", bool: true, int: undefined },
                { tag: "text false", value: "false", bool: false, int: undefined },
                { tag: "text one", value: "1", bool: true, int: 1 },
                { tag: "text zero", value: "0", bool: false, int: 0 },
                { tag: "number", value: 7, bool: true, int: 7 },
                { tag: "negative text", value: "-2", bool: "fallback", int: -2 },
                { tag: "fraction", value: 2.5, bool: true, int: undefined },
                { tag: "missing", value: undefined, bool: "fallback", int: undefined },
                { tag: "list", value: ["1"], bool: "fallback", int: undefined }
            ]
        }

        function test_settings_values(data) {
            compare(Values.toBool(data.value, "fallback"), data.bool)
            compare(Values.toInt(data.value, undefined), data.int)
        }
    }
}
