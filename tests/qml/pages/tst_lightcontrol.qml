import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/LightControl.js" as Light

Item {
    id: stage
    width: 1024
    height: 640

    // The panel's rules, without a window.
    TestCase {
        name: "LightRules"

        // The skin's bar is 194 pixels: six segments of 32.
        function test_colour_bar_segments_data() {
            return [
                { tag: "before the bar", p: -1, rgb: [255, 0, 0] },
                { tag: "red", p: 0, rgb: [255, 0, 0] },
                { tag: "end of red to yellow", p: 31, rgb: [255, 247, 0] },
                { tag: "yellow", p: 32, rgb: [255, 255, 0] },
                { tag: "end of yellow to green", p: 63, rgb: [8, 255, 0] },
                { tag: "green", p: 64, rgb: [0, 255, 0] },
                { tag: "end of green to cyan", p: 95, rgb: [0, 255, 247] },
                { tag: "cyan", p: 96, rgb: [0, 255, 255] },
                { tag: "end of cyan to blue", p: 127, rgb: [0, 8, 255] },
                { tag: "blue", p: 128, rgb: [0, 0, 255] },
                { tag: "end of blue to magenta", p: 159, rgb: [247, 0, 255] },
                { tag: "magenta", p: 160, rgb: [255, 0, 255] },
                { tag: "end of magenta to red", p: 191, rgb: [255, 0, 8] },
                { tag: "past the end", p: 192, rgb: [255, 255, 255] },
                { tag: "far past the end", p: 400, rgb: [255, 255, 255] }
            ]
        }

        function test_colour_bar_segments(data) {
            compare(Light.colourAt(data.p, 194), data.rgb)
        }

        function test_colour_back_to_its_position_data() {
            return [{ tag: "skin bar", width: 194 }, { tag: "panel bar", width: 208 }]
        }

        function test_colour_back_to_its_position(data) {
            var end = 6 * Light.segmentWidth(data.width)
            for (var p = 0; p <= end; ++p) {
                var c = Light.colourAt(p, data.width)
                compare(Light.positionOf(c[0], c[1], c[2], data.width), p, "position " + p)
            }
        }

        function test_colours_off_the_bar_data() {
            return [
                { tag: "grey has no hue", rgb: [128, 128, 128], p: 0 },
                { tag: "black", rgb: [0, 0, 0], p: 0 },
                { tag: "pale orange keeps its hue", rgb: [255, 128, 64], p: Light.positionOf(255, 85, 0, 194) },
                { tag: "out of range values", rgb: [300, -5, 0], p: 0 }
            ]
        }

        function test_colours_off_the_bar(data) {
            compare(Light.positionOf(data.rgb[0], data.rgb[1], data.rgb[2], 194), data.p)
        }

        function test_colour_blocks_shown_data() {
            // Arguments: dpiCount, isColorful, is55328, effect; one flag a block.
            return [
                { tag: "plain, four stages", args: [4, false, false, 0], shown: "11110000" },
                { tag: "plain, eight stages", args: [8, false, false, 0], shown: "11111111" },
                { tag: "colourful, no stages", args: [0, true, false, 3], shown: "11111111" },
                { tag: "55328 static", args: [8, false, true, 0], shown: "10000000" },
                { tag: "55328 breath loop", args: [8, false, true, 4], shown: "11111110" }
            ]
        }

        function test_colour_blocks_shown(data) {
            var shown = ""
            for (var i = 0; i < 8; ++i)
                shown += Light.blockShown(i, data.args[0], data.args[1], data.args[2], data.args[3]) ? "1" : "0"
            compare(shown, data.shown)
        }

        function test_stored_values_are_read_safely() {
            var blocks = Light.blocksFrom([0, 255, 0, "12", 300, -4, 1, 2])
            compare(blocks[0], [0, 255, 0])
            compare(blocks[1], [12, 255, 0])
            compare(blocks[2], [255, 0, 0], "an incomplete colour keeps the start colour")
            compare(Light.effectFrom([12, 9, "2"], 11), { effect: 0, speed: 0, brightness: 2 })
        }

        function test_save_steps_data() {
            return [
                { tag: "everything", step: 0, send: true,
                  names: ["lightValue", "colorValue", "mouseSetRGBEffect", "mouseSetRGBColor"] },
                { tag: "effect only", step: 1, send: true, names: ["lightValue", "mouseSetRGBEffect"] },
                { tag: "colours only", step: 2, send: true, names: ["colorValue", "mouseSetRGBColor"] },
                { tag: "stored, not sent", step: 0, send: false, names: ["lightValue", "colorValue"] }
            ]
        }

        function test_save_steps(data) {
            var state = { effect: 5, speed: 1, brightness: 3, blocks: Light.startBlocks(),
                          is55328: false, isColorful: true }
            var names = Light.saveCalls(state, data.send, data.step).map(function(c) {
                return c[0] === "setDataList" ? c[1][0].split("/")[1] : c[0]
            })
            compare(names, data.names)
        }
    }

    TestCase {
        name: "LightPanel"
        when: windowShown

        property var shell: null
        property var panel: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
        readonly property var colours: [255, 0, 0, 255, 128, 0, 255, 255, 0, 0, 255, 0,
                                        0, 255, 255, 0, 0, 255, 255, 0, 255, 255, 255, 255]

        function start(globals) {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            ui_View.globals = globals
            ui_View.profile = { "mouse/dpiCount": 8, "mouse/lightValue": [0, 0, 4], "mouse/colorValue": colours }
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell, shellComponent.errorString())
            shell.initUI()
            shell.panelsShown = true
            panel = shell.lightControlMain
            verify(panel)
            ui_View.calls = []
        }

        function effects() { return findChild(panel, "effectList") }

        function test_first_start_adds_the_model_effects() {
            start({ "mouse/isColorful": "true", "mouse/is55328": "true" })
            compare(effects().count, 12)
            compare(effects().textAt(11), "Breath Loop")
            panel.init(true, false)
            shell.initUI()
            compare(effects().count, 12, "a later start adds nothing")
        }

        function test_choosing_wave() {
            start({ "mouse/isColorful": "true" })
            panel.selectBlock(3)
            mouseClick(findChild(effects(), "menuBox"))
            effects().choose(5)
            compare(effects().currentText, "Wave")
            verify(findChild(panel, "speedRow").visible && findChild(panel, "brightnessRow").visible)
            compare([panel.speed, panel.brightness, panel.selectedBlock], [0, 4, 0])
            verify(panel.isSave)
            mouseClick(findChild(shell, "saveButton"))
            compare(ui_View.callsOf("mouseSetRGBEffect"), [["mouseSetRGBEffect", 5, 0, 4]])
            compare(ui_View.callsOf("mouseSetRGBColor"), [["mouseSetRGBColor", 0, colours]])
        }

        function test_55328_sends_the_last_colour_black_without_breath_loop() {
            start({ "mouse/is55328": "true" })
            panel.saveData(true, 0)
            var sent = ui_View.callsOf("mouseSetRGBColor")[0]
            compare(sent[1], 1, "plain model")
            compare(sent[2].slice(0, 21), colours.slice(0, 21))
            compare(sent[2].slice(21), [0, 0, 0])
            ui_View.calls = []
            effects().choose(4)
            panel.saveData(true, 2)
            compare(ui_View.callsOf("mouseSetRGBColor")[0][2], colours)
        }

        // Off lights nothing: no colours to pick while it is chosen.
        function test_colour_controls_follow_the_effect_data() {
            return [
                { tag: "static", choices: [0], shown: true },
                { tag: "breath", choices: [1], shown: true },
                { tag: "wave", choices: [5], shown: true },
                { tag: "off", choices: [3], shown: false },
                { tag: "static after off", choices: [3, 0], shown: true }
            ]
        }

        function test_colour_controls_follow_the_effect(data) {
            start({ "mouse/isColorful": "true" })
            var fullHeight = panel.height
            data.choices.forEach(function(effect) { effects().choose(effect) })
            var controls = ["colourBlock0", "colourBar", "channelField0", "colourSwatch"]
            controls.forEach(function(name) {
                compare(findChild(panel, name).visible, data.shown, name)
            })
            waitForItemPolished(findChild(panel, "speedRow").parent)
            if (!data.shown)
                verify(panel.height < fullHeight - 60, "the panel shrinks with them")
        }

        function test_typed_colour_and_bar() {
            start({ "mouse/isColorful": "true" })
            panel.selectBlock(2)
            var red = findChild(panel, "channelField0")
            mouseClick(red)
            keySequence("Ctrl+A")
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_0)
            compare(panel.blocks[2], [10, 255, 0])
            compare(String(findChild(panel, "colourSwatch").color), "#0aff00")
            verify(panel.isSave)
            var bar = findChild(panel, "colourBar")
            mouseClick(bar, 101, bar.height / 2)
            compare(panel.blocks[2], Light.colourAt(100, panel.barWidth))
            compare(panel.blocks[1], [255, 128, 0], "other blocks stay")
        }

        function test_back_button_reloads_the_default_profile() {
            start({ "mouse/isColorful": "true" })
            mouseClick(findChild(panel, "lightBackButton"))
            var question = findChild(shell, "questionDialog")
            verify(question.visible, "the reset asks first")
            compare(ui_View.callsOf("getDataList"), [])
            question.choose(0)
            compare(ui_View.callsOf("getDataList"), [["getDataList", "mouse/lightValue", true],
                                                      ["getDataList", "mouse/colorValue", true]])
            verify(panel.isSave)
        }

        // The save button: the key list first, then DPI, then lighting, and
        // only the panels with changes.
        function test_save_order() {
            start({ "mouse/isColorful": "true" })
            effects().choose(1)
            mouseClick(findChild(shell, "saveButton"))
            compare(ui_View.callsOf("mouseSetDpi").length, 0, "DPI had no changes")
            compare(ui_View.callsOf("mouseSetRGBEffect").length, 1)

            ui_View.calls = []
            var keys = shell.keyMatrixMain
            if (keys)
                keys.isSave = true
            shell.dpiSettingMain.chooseStageCount(2)
            effects().choose(5)
            mouseClick(findChild(shell, "saveButton"))
            var names = ui_View.calls.map(function(c) { return c[0] === "setDataList" ? c[1] : c[0] })
            var order = ["mouse/dpiValueArray", "mouseSetDpi", "mouse/lightValue", "mouseSetRGBEffect"]
                .map(function(n) { return names.indexOf(n) })
            compare(order.slice(0).sort(function(a, b) { return a - b }), order, names.join(" "))
            verify(order[0] >= 0, names.join(" "))
            if (keys) {
                var first = names.filter(function(n) { return n !== "setEnabled" })[0]
                verify(names.indexOf(first) < order[0], "the key list goes first: " + names.join(" "))
            }
        }
    }
}
