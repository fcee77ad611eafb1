import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/GunControl.js" as Gun

// The gun editor in the shell, on the recording fake controller: what a
// choice, an edit, a rename, closing and the factory reset store and send.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "GunPage"
    when: windowShown

    property var shell: null
    property var page: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    // Distinct values per record, so a shown or sent value names its record.
    property var records: []
    readonly property var storedRecords: [
        ["M416", "L-Click", "10", "0", "11", "0"],
        ["AKM", "L-Click", "12", "0", "21", "3"],
        ["M16A4", "L-Click", "14", "0", "31", "5"],
        [],
        ["UNP9", "L-Click", "18", "0", "51", "0"],
        ["Thomson", "L-Click", "20", "0", "61", "9"]
    ]

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
        shell.visible = true
        shell.panelsShown = true
        page = shell.gunControl
        verify(page, "the shell has no gun editor")
        records = storedRecords.map(function(r) { return r.slice(0) })
        var test = this
        ui_View.answers = { getGunData: function(i) { return test.records[i] } }
        ui_View.globals = { "mouse/selectGun": ["0", "1", "2"] }
        page.init()
        page.visible = true
        ui_View.calls = []
        waitForRendering(page)
    }

    function child(name) {
        var item = findChild(page, name)
        verify(item, "no item " + name)
        return item
    }

    function callsOf(name) {
        return ui_View.callsOf(name)
    }

    function typeInto(field, text) {
        mouseClick(field)
        verify(field.editing, "the field takes no input")
        keySequence(StandardKey.SelectAll)
        for (var i = 0; i < text.length; ++i)
            keyClick(text[i])
        keyClick(Qt.Key_Return)
    }

    function chooseSlot(index) {
        var menu = child("gunSlotMenu")
        mouseClick(menu)
        mouseClick(menu, 20, menu.height + 3 + index * 24 + 12)
    }

    function close() {
        mouseClick(child("gunCloseButton"))
    }

    // The record as the page saves it: six texts.
    function saved(position, changes) {
        var record = Gun.recordOf(Gun.elementOf(position, records[position]))
        for (var i in changes)
            record[i] = changes[i]
        return record
    }

    function test_slot_two_then_third_gun_assigns_it() {
        chooseSlot(1)
        compare(page.currentSlot, 1)
        compare(child("gunYField").text, "21", "slot 2 shows the record it holds")
        mouseClick(child("gunItem2"))
        compare(callsOf("setGlobalData"), [["setGlobalData", "mouse/selectGun", [0, 2, 2]]])
        compare(child("gunYField").text, "31")
        compare(child("gunTimesField").text, "5")
        compare(child("gunRateBox").text, "14ms")
        verify(page.isSave)
        compare(child("gunItem2").heldBy, [2, 3])
        compare(page.slotPeriods(), [10, 14, 14], "the key list sends the periods of the guns held")
    }

    function test_endless_box_stores_zero_and_gives_the_count_back() {
        chooseSlot(2)
        var box = child("gunEndlessBox")
        verify(!box.checked)
        mouseClick(box)
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 2, saved(2, { 5: "0" })]])
        verify(box.checked)
        compare(child("gunTimesField").text, "0")
        mouseClick(box)
        compare(callsOf("mouseSaveGundata")[1], ["mouseSaveGundata", 2, saved(2, {})])
    }

    function test_closing_without_a_change_sends_nothing() {
        chooseSlot(2)
        chooseSlot(0)
        mouseClick(child("gunItem0"))   // the gun slot 1 holds already
        typeInto(child("gunYField"), "11")
        close()
        verify(!page.visible)
        compare(ui_View.calls.filter(function(c) { return c[0] !== "getGlobalData" }), [])
    }

    function test_closing_after_an_edit_sends_the_three_slots() {
        typeInto(child("gunYField"), "99")
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 0, saved(0, { 4: String(Gun.maxY) })]])
        chooseSlot(2)
        mouseClick(child("gunItem5"))
        close()
        compare(callsOf("mouseSendGundata"), [
            ["mouseSendGundata", 1, [0, 0, Gun.maxY]],
            ["mouseSendGundata", 2, [3, 0, 21]],
            ["mouseSendGundata", 3, [9, 0, 61]]
        ])
        verify(!page.isSave)
        if (shell.keyMatrixMain)
            compare(callsOf("mouseSetKeyMatrix").length, 1, "the key list carries the periods")
        ui_View.calls = []
        page.visible = true
        close()
        compare(callsOf("mouseSendGundata"), [], "a second close has nothing to send")
    }

    function test_a_gun_missing_from_the_file_shows_the_built_in_values() {
        chooseSlot(0)
        mouseClick(child("gunItem3"))
        compare(child("gunItem3").name, "SCAR-L")
        compare(child("gunYField").text, Gun.builtInValues.gunY)
        compare(child("gunTimesField").text, Gun.builtInValues.gunTimes)
        compare(child("gunRateBox").text, Gun.periodText(Gun.builtInValues.gunPeriod))
        verify(child("gunEndlessBox").checked)
    }

    function test_dragging_the_dot_sets_y() {
        var target = child("gunTarget")
        var dot = child("gunDot")
        var x = dot.x + dot.width / 2
        var from = dot.y + dot.height / 2
        compare(from - target.pathTop, Gun.dotOffset(11))
        mousePress(target, x, from)
        mouseMove(target, x, from + 20)
        mouseMove(target, x, from + 40)
        compare(child("gunYField").text, String(Gun.yOfOffset(Gun.dotOffset(11) + 40)), "the field follows the dot")
        mouseRelease(target, x, from + 40)
        var y = String(Gun.yOfOffset(Gun.dotOffset(11) + 40))
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 0, saved(0, { 4: y })]])
        mousePress(target, x, target.height - 1)
        mouseRelease(target, x, target.height - 1)
        compare(callsOf("mouseSaveGundata")[1][2][4], String(Gun.maxY), "the dot stops at the end of its path")
    }

    function test_rate_slider_takes_the_period_when_released() {
        var box = child("gunRateBox")
        mouseClick(box)
        var slider = child("rateSlider")
        var knob = findChild(slider, "knob")
        mousePress(knob, knob.width / 2, knob.height / 2)
        mouseMove(knob, knob.width / 2 + 20, knob.height / 2)
        mouseMove(knob, knob.width / 2 + slider.trackWidth, knob.height / 2)
        compare(box.text, Gun.periodText(Gun.minPeriod + Gun.periodSpan))
        compare(callsOf("mouseSaveGundata"), [], "nothing is taken while the knob moves")
        mouseRelease(knob, knob.width / 2 + slider.trackWidth, knob.height / 2)
        compare(callsOf("mouseSaveGundata"),
                [["mouseSaveGundata", 0, saved(0, { 2: String(Gun.minPeriod + Gun.periodSpan) })]])
        page.gunControlFocus()
        verify(!box.isOpen)
    }

    function test_rename() {
        var item = child("gunItem4")
        mouseDoubleClickSequence(item.nameField.parent, 5, 10)
        verify(item.editing)
        typeInto(item.nameField, "Vector")
        compare(item.name, "Vector")
        compare(callsOf("modifyGundata"), [["modifyGundata", 1, saved(4, { 0: "Vector" }).concat(["UNP9"])]])
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 4, saved(4, { 0: "Vector" })]])
        compare(callsOf("updataNameList"),
                [["updataNameList", 1, ["M416", "AKM", "M16A4", "SCAR-L", "Vector", "Thomson"]]])

        ui_View.calls = []
        mouseDoubleClickSequence(item.nameField.parent, 5, 10)
        typeInto(item.nameField, "AKM")
        compare(item.name, "Vector", "a name another gun has is refused")
        compare(ui_View.calls, [])
    }

    // Renaming a gun called "2" drops the key "gunData/2", which is where
    // the third gun lives; the page writes that record back.
    function test_renaming_a_gun_named_like_a_position_keeps_that_record() {
        records[5] = ["2", "L-Click", "20", "0", "61", "9"]
        page.init()
        ui_View.calls = []
        var item = child("gunItem5")
        mouseDoubleClickSequence(item.nameField.parent, 5, 10)
        typeInto(item.nameField, "Tommy")
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 5, saved(5, { 0: "Tommy" })],
                                              ["mouseSaveGundata", 2, saved(2, {})]])
    }

    function test_focus_ends_input_and_closes_the_lists() {
        var field = child("gunTimesField")
        mouseClick(field)
        keySequence(StandardKey.SelectAll)
        keyClick("4")
        mouseClick(child("gunSlotMenu"))
        verify(page.slotMenu.isOpen)
        page.gunControlFocus()
        verify(!page.slotMenu.isOpen)
        verify(!field.editing)
        compare(callsOf("mouseSaveGundata"), [["mouseSaveGundata", 0, saved(0, { 5: "4" })]])
    }

    function test_reset_data() {
        chooseSlot(2)
        mouseClick(child("gunItem5"))
        ui_View.calls = []
        page.resetData()
        compare(callsOf("setGlobalData"), [["setGlobalData", "mouse/selectGun", Gun.resetSlots]])
        compare(callsOf("mouseSaveGundata"), [
            ["mouseSaveGundata", 0, saved(0, { 2: "9", 4: "5" })],
            ["mouseSaveGundata", 1, saved(1, { 2: "9", 4: "7" })],
            ["mouseSaveGundata", 2, saved(2, { 2: "9", 4: "8" })]
        ])
        compare(callsOf("mouseSendGundata"), [
            ["mouseSendGundata", 1, [0, 0, 5]],
            ["mouseSendGundata", 2, [3, 0, 7]],
            ["mouseSendGundata", 3, [5, 0, 8]]
        ])
        compare(page.currentSlot, 0)
        compare(page.slotMenu.currentIndex, 0)
        verify(!page.isSave)
        close()
        compare(callsOf("mouseSendGundata").length, 3, "the reset is sent once")
    }
}
}
