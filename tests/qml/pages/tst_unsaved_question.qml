import QtQuick
import QtTest

// Unsaved edits are not dropped without asking: switching profile in the
// title bar or the profiles dialog, importing over the profile in use,
// hiding the window and quitting from the tray ask Save / Discard / Cancel.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "UnsavedQuestion"
    when: windowShown

    property var shell: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        ui_View.answers = { getNameList: ["Standard0", "Raid1", "Solo2"] }
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
        ui_View.profile = { "mouse/reportRate": 3, "mouse/lightValue": [0, 2, 3] }
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell, shellComponent.errorString())
        shell.initUI()
        shell.panelsShown = true
        waitForRendering(shell)
        ui_View.calls = []
    }

    function child(name) {
        var item = findChild(shell, name)
        verify(item, "no item " + name)
        return item
    }

    // The lighting page holds an edit that is not saved.
    function edit() {
        shell.lightControlMain.chooseEffect(5)
        verify(shell.lightControlMain.isSave)
        verify(shell.hasUnsaved)
    }

    function answer(position) {
        var dialog = child("questionDialog")
        verify(dialog.visible, "the question is asked")
        compare(dialog.answers, [shell.savesLang[8], shell.savesLang[9], shell.savesLang[10]])
        waitForRendering(dialog)
        mouseClick(child("questionButton" + position))
        verify(!dialog.visible)
    }

    function test_profile_switch_data() {
        return [
            { tag: "title bar, cancel", dialog: false, answer: 2, profile: 0, saved: false, unsaved: true },
            { tag: "title bar, discard", dialog: false, answer: 1, profile: 1, saved: false, unsaved: false },
            { tag: "title bar, save", dialog: false, answer: 0, profile: 1, saved: true, unsaved: false },
            { tag: "profiles dialog, cancel", dialog: true, answer: 2, profile: 0, saved: false, unsaved: true },
            { tag: "profiles dialog, save", dialog: true, answer: 0, profile: 1, saved: true, unsaved: false }
        ]
    }

    function test_profile_switch(data) {
        edit()
        if (data.dialog)
            shell.profilePage.chooseAt(1)
        else
            child("profileList").itemChosen(1)
        compare(shell.profileNo, 0, "nothing happens before the answer")
        compare(ui_View.callsOf("setCurrentProfile").length, 0)
        answer(data.answer)
        tryCompare(shell, "profileNo", data.profile)
        compare(shell.profileList.currentIndex, data.profile, "the title bar shows the profile in use")
        var effects = ui_View.callsOf("mouseSetRGBEffect")
        var edited = ui_View.calls.findIndex(function(c) {
            return c[0] === "setDataList" && c[1] === "mouse/lightValue" && Number(c[2][0]) === 5
        })
        compare(edited >= 0, data.saved, "the edit is stored only with Save")
        if (data.saved) {
            var names = ui_View.calls.map(function(c) { return c[0] })
            verify(edited < names.indexOf("setCurrentProfile"), "saved into the profile it was made in")
        }
        compare(shell.hasUnsaved, data.unsaved)
        if (data.answer !== 2)
            verify(effects.length > 0, "the profile switched to went to the mouse")
    }

    function test_no_question_without_edits() {
        child("profileList").itemChosen(2)
        verify(!child("questionDialog").visible)
        compare(shell.profileNo, 2)
    }

    function test_import_over_the_profile_in_use_asks_data() {
        return [
            { tag: "discard", answer: 1, loaded: 1 },
            { tag: "cancel", answer: 2, loaded: 0 }
        ]
    }

    function test_import_over_the_profile_in_use_asks(data) {
        edit()
        ui_View.answers = { getNameList: ["Standard0", "Raid1", "Solo2"], loadProfile: true }
        var page = shell.profilePage
        // Six profiles: Import goes over the selected one, the one in use.
        for (var i = 3; i < 6; ++i)
            page.listModel.append({ textValue: "p" + i, profileNo: i })
        page.selectedIndex = 0
        compare(page.importProfile(), false, "nothing imported before the answer")
        compare(ui_View.callsOf("loadProfile").length, 0)
        answer(data.answer)
        if (data.loaded > 0)
            tryVerify(function() { return ui_View.callsOf("loadProfile").length > 0 })
        else
            wait(50)
        compare(ui_View.callsOf("loadProfile").length, data.loaded)
        compare(shell.hasUnsaved, data.loaded === 0, "a cancel keeps the edit")
        compare(page.listModel.count, 6)
    }

    function test_close_and_quit_data() {
        return [
            { tag: "close, discard", quit: false, answer: 1, left: true },
            { tag: "close, cancel", quit: false, answer: 2, left: false },
            { tag: "quit, save", quit: true, answer: 0, left: true },
            { tag: "quit, cancel", quit: true, answer: 2, left: false }
        ]
    }

    function test_close_and_quit(data) {
        edit()
        if (data.quit)
            compare(shell.confirmQuit(), true, "the program waits for the answer")
        else
            mouseClick(child("closeButton"))
        answer(data.answer)
        var left = function() {
            return (data.quit ? ui_View.callsOf("quitProgram")
                              : ui_Ctl.calls.filter(function(c) { return c[0] === "onClose" })).length === 1
        }
        if (data.left)
            tryVerify(left)
        else {
            wait(50)
            verify(!left())
            verify(shell.hasUnsaved, "the edit is still there")
        }
    }
}
}
