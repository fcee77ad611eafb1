import QtQuick
import QtTest

// The profiles dialog in the shell, against the recording controller: what
// it stores, which slot each of its elements reaches, and what it refuses.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "ProfilePage"
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
    }

    // The shell started with this stored name list and slot in use; the
    // dialog is open and the calls of the start are forgotten.
    function start(stored, inUse) {
        ui_View.answers = { getNameList: stored }
        ui_View.globals = { "mouse/profileNo": inUse, "mouse/isGun": "false" }
        shell.initUI()
        shell.panelsShown = true
        page = shell.profilePage
        verify(page)
        shell.showCentred(page)
        waitForRendering(page)
        ui_View.calls = []
    }

    function child(name) {
        var item = findChild(shell, name)
        verify(item, "no item " + name)
        return item
    }

    function shown() {
        var texts = []
        for (var i = 0; i < page.listModel.count; ++i)
            texts.push(page.listModel.get(i).textValue + page.listModel.get(i).profileNo)
        return texts
    }

    function lastStored() {
        var stores = ui_View.callsOf("updataNameList")
        verify(stores.length > 0, "the name list was not stored")
        compare(stores[stores.length - 1][1], 2)
        return stores[stores.length - 1][2]
    }

    function type(text) {
        for (var i = 0; i < text.length; ++i)
            keyClick(text.charAt(i))
    }

    function rightClickRow(position) {
        var row = child("profileRow" + position)
        mouseClick(row, 60, row.height / 2, Qt.RightButton)
        verify(child("profileMenu").visible)
    }

    function test_start_shows_the_stored_list_data() {
        return [
            { tag: "one profile padded with the sentinel", stored: ["Standard0", "loaderzorvex"],
              inUse: 0, lang: [], shown: ["Standard0"], titleIndex: 0 },
            { tag: "the first takes the language's standard name", stored: ["Mine0", "Game3"],
              inUse: 3, lang: ["配置", "新建", "导入", "删除", "导出", "标准"],
              shown: ["标准0", "Game3"], titleIndex: 1 },
            { tag: "the title bar selects the slot in use, not its number",
              stored: ["Standard0", "Game3", "Work1"], inUse: 1, lang: [],
              shown: ["Standard0", "Game3", "Work1"], titleIndex: 2 },
            { tag: "an empty list gets the standard profile", stored: [], inUse: 0, lang: [],
              shown: ["Standard0"], titleIndex: 0 }
        ]
    }

    function test_start_shows_the_stored_list(data) {
        ui_View.languages = { profile: data.lang }
        ui_View.answers = { getNameList: data.stored }
        ui_View.globals = { "mouse/profileNo": data.inUse }
        shell.initUI()
        page = shell.profilePage
        compare(shown(), data.shown)
        compare(lastStored(), data.shown)
        var title = child("profileList")
        compare(title.count, data.shown.length)
        compare(title.currentIndex, data.titleIndex)
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", data.inUse]])
    }

    function test_new_takes_the_first_free_slot_and_name() {
        start(["Standard0", "profile_01", "profile_23"], 0)
        mouseClick(child("profileNewButton"))
        compare(shown(), ["Standard0", "profile_01", "profile_23", "profile_12"])
        compare(page.selectedIndex, 3)
        compare(lastStored(), shown())
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 2]])
    }

    function test_six_elements_refuse_new() {
        start(["A0", "B1", "C2", "D3", "E4", "F5"], 0)
        var button = child("profileNewButton")
        verify(!button.enabled)
        mouseClick(button)
        compare(page.newProfile(), -1)
        compare(page.listModel.count, 6)
        compare(ui_View.calls, [])
    }

    function test_delete_is_refused_for_the_first_and_the_one_in_use() {
        start(["Standard0", "Game3", "Work1"], 1)
        rightClickRow(0)
        mouseClick(child("profileMenuDelete"))
        mouseClick(child("profileDelete2"))
        compare(shown(), ["Standard0", "Game3", "Work1"])
        compare(ui_View.callsOf("updataNameList"), [])

        rightClickRow(1)
        mouseClick(child("profileMenuDelete"))
        compare(shown(), ["Standard0", "Game3", "Work1"], "Delete asks first")
        child("questionDialog").choose(0)
        compare(shown(), ["Standard0", "Work1"])
        compare(lastStored(), ["Standard0", "Work1"])
        compare(ui_View.callsOf("resetProfile"), [], "no profile file changes")
        compare(child("profileList").currentIndex, 1, "the title bar keeps the profile in use")
    }

    function test_every_element_reaches_its_own_slot_after_a_delete() {
        start(["Standard0", "Game1", "Work2", "Raid3"], 0)
        rightClickRow(1)
        mouseClick(child("profileMenuDelete"))
        child("questionDialog").choose(0)
        compare(shown(), ["Standard0", "Work2", "Raid3"])

        mouseClick(child("profileCloseButton"))
        var title = child("profileList")
        mouseClick(title)
        verify(title.isOpen)
        var rows = findChild(title, "menuList")
        waitForRendering(rows)
        mouseClick(rows, 40, 2 * 24 + 12)
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 3]])
        compare(ui_View.callsOf("setGlobalData"), [["setGlobalData", "mouse/profileNo", 3]])
        compare(page.profileNo, 3)
        compare(title.currentText, "Raid")

        // Deleting before the one in use moves its place, not its slot.
        shell.showCentred(page)
        rightClickRow(1)
        mouseClick(child("profileMenuDelete"))
        child("questionDialog").choose(0)
        compare(title.currentIndex, 1)
        compare(title.currentText, "Raid")

        rightClickRow(1)
        mouseClick(child("profileMenuExport"))
        compare(ui_View.callsOf("saveProfile"), [["saveProfile", 3]])
        verify(!child("profileMenu").visible)

        // A New fills the gap at slot 1 at the end of the list.
        mouseClick(child("profileNewButton"))
        compare(shown(), ["Standard0", "Raid3", "profile_01"])
        ui_View.answers = { loadProfile: true }
        mouseClick(child("profileImportButton"))
        compare(ui_View.callsOf("loadProfile"), [["loadProfile", 2]])
        compare(shown(), ["Standard0", "Raid3", "profile_01", "profile_12"])
    }

    function test_a_cancelled_import_takes_its_new_element_back() {
        start(["Standard0", "Game3"], 0)
        ui_View.answers = { loadProfile: false }
        mouseClick(child("profileImportButton"))
        compare(ui_View.callsOf("loadProfile"), [["loadProfile", 1]])
        compare(shown(), ["Standard0", "Game3"])
        compare(lastStored(), ["Standard0", "Game3"])
        compare(ui_View.callsOf("resetProfile"), [])
    }

    function test_import_over_the_profile_in_use_reloads_it() {
        start(["A0", "B1", "C2", "D3", "E4", "F5"], 4)
        ui_View.profile = { "mouse/reportRate": 0 }
        mouseClick(child("profileRow5"))
        ui_View.answers = { loadProfile: true }
        mouseClick(child("profileImportButton"))
        compare(ui_View.callsOf("loadProfile"), [["loadProfile", 5]])
        compare(ui_View.callsOf("mouseSetReportRate"), [], "another slot: nothing to reload")

        mouseClick(child("profileRow4"))
        mouseClick(child("profileImportButton"))
        compare(ui_View.callsOf("loadProfile")[1], ["loadProfile", 4])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", 8]])
        compare(page.listModel.count, 6)
        verify(ui_View.enabled)
    }

    function test_rename_by_double_click() {
        start(["Standard0", "Game3", "Work1"], 0)
        var row = child("profileRow2")
        mouseDoubleClickSequence(row, 60, row.height / 2)
        compare(page.editingIndex, 2)
        var editor = findChild(row, "profileNameEditor")
        verify(editor.activeFocus)
        type("Game")
        keyClick(Qt.Key_Return)
        compare(page.editingIndex, -1)
        compare(shown(), ["Standard0", "Game3", "Work1"], "another element's name is refused")
        compare(ui_View.callsOf("updataNameList"), [])

        mouseDoubleClickSequence(row, 60, row.height / 2)
        type("Raid")
        mouseClick(page, 200, 20)   // a click elsewhere ends the input
        compare(shown(), ["Standard0", "Game3", "Raid1"])
        compare(lastStored(), ["Standard0", "Game3", "Raid1"])
    }

    function test_the_mask_ends_a_rename_and_closes_the_menu() {
        start(["Standard0", "Game3"], 0)
        rightClickRow(1)
        mouseClick(shell, 20, 600)
        verify(!child("profileMenu").visible)
        page.startRename(1)
        mouseClick(shell, 20, 600)
        compare(page.editingIndex, -1)
        verify(page.visible)

        mouseClick(child("profileCloseButton"))
        verify(!page.visible)
        verify(!child("dialogMask").visible)
    }
}
}
