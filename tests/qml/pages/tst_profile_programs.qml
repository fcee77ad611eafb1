import QtQuick
import QtTest
import "qrc:/modules/qml/Z7/ProfilePrograms.js" as Programs

// The programs a profile is used for while one of them is in front: the
// list's rules, the panel over the profiles dialog against a stand-in for
// the program's AutoProfile, and the shell's answers to a switch for the
// program in front and to the tray's choice.
Item {
    id: stage
    width: 1024
    height: 640

    // Keeps lists per slot as the program would, refuses while `failing`.
    QtObject {
        id: follower
        property bool available: true
        property bool listsWindows: true
        property bool failing: false
        property var stored: ({})
        property var windows: []
        property int writes: 0
        function programs(slot) { return (stored[slot] || []).slice(0) }
        function setPrograms(slot, list) {
            ++writes
            if (failing)
                return false
            var copy = Object.assign({}, stored)
            copy[slot] = list.slice(0)
            stored = copy
            return true
        }
        function openWindows() { return windows }
    }

    TestCase {
        name: "ProgramRules"

        function test_added_data() {
            return [
                { tag: "appended, trimmed", list: ["a"], typed: "  Steam ", result: ["a", "Steam"] },
                { tag: "blank refused", list: ["a"], typed: "   ", result: null },
                { tag: "listed already, letter case aside", list: ["Steam"], typed: "steam", result: null },
                { tag: "nothing yet", list: undefined, typed: "x", result: ["x"] },
                { tag: "cut to the longest name", list: [], typed: "q".repeat(200), result: ["q".repeat(Programs.maxLength)] },
                { tag: "a full list takes no more", list: Array.from({ length: Programs.maxPrograms }, (_, i) => "p" + i),
                  typed: "one more", result: null },
            ]
        }
        function test_added(data) {
            compare(Programs.added(data.list, data.typed), data.result)
        }

        function test_removed_data() {
            return [
                { tag: "middle", index: 1, result: ["a", "c"] },
                { tag: "outside: unchanged", index: 5, result: ["a", "b", "c"] },
                { tag: "negative: unchanged", index: -1, result: ["a", "b", "c"] },
            ]
        }
        function test_removed(data) {
            var list = ["a", "b", "c"]
            compare(Programs.removed(list, data.index), data.result)
            compare(list, ["a", "b", "c"])
        }

        function test_pickable() {
            var windows = [
                { windowClass: "Steam", title: "Steam" },
                { windowClass: "quake", title: "Quake III" },
                { windowClass: "firefox", title: "News — Mozilla Firefox" },
                { windowClass: "firefox", title: "Mail" },
                { windowClass: "", title: "no class" },
                { windowClass: "xterm", title: "" },
            ]
            compare(Programs.pickable(windows, ["Quake"]), [
                { windowClass: "Steam", label: "Steam" },
                { windowClass: "firefox", label: "News — Mozilla Firefox — firefox" },
                { windowClass: "xterm", label: "xterm" },
            ])
        }

        function test_texts() {
            var texts = ["", "", "", "", "", "", "", "", "前台时使用", ""]
            compare(Programs.text(texts, Programs.Index.open), "前台时使用")
            compare(Programs.text(texts, Programs.Index.title), Programs.defaultTexts[Programs.Index.title])
            compare(Programs.text(null, Programs.Index.done), "Done")
        }
    }

    TestCase {
        name: "ProgramsPanel"
        when: windowShown

        property var shell: null
        property var page: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function init() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            follower.available = true
            follower.listsWindows = true
            follower.failing = false
            follower.stored = { 3: ["Quake"] }
            follower.windows = []
            follower.writes = 0
            compare(shellComponent.status, Component.Ready, shellComponent.errorString())
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell)
            ui_View.answers = { getNameList: ["Standard0", "Game3", "Office1"] }
            ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
            shell.initUI()
            shell.panelsShown = true
            page = shell.profilePage
            verify(page)
            page.autoProfile = follower
            shell.showCentred(page)
            waitForRendering(page)
            ui_View.calls = []
        }

        function child(name) {
            var item = findChild(page, name)
            verify(item, "no item " + name)
            return item
        }

        function openFor(position) {
            page.selectedIndex = position
            mouseClick(child("profileProgramsButton"))
            var panel = child("profilePrograms")
            tryCompare(panel, "visible", true)
            waitForRendering(panel)
            return panel
        }

        function type(text) {
            var field = child("programField")
            field.text = text
            mouseClick(child("programAddButton"))
        }

        // The first profile is used whenever no listed program is in front.
        function test_firstProfileHasNoPrograms() {
            page.selectedIndex = 0
            verify(!child("profileProgramsButton").visible)
            verify(!page.openPrograms())
            page.selectedIndex = 1
            verify(child("profileProgramsButton").visible)
        }

        function test_addAndRemoveAreStoredInTheProfilesSlot() {
            var panel = openFor(1)
            compare(panel.slot, 3)
            compare(panel.programs, ["Quake"])
            type("  Steam ")
            compare(follower.stored[3], ["Quake", "Steam"])
            compare(child("programField").text, "")
            // A program listed already is not written again.
            type("STEAM")
            compare(follower.writes, 1)
            mouseClick(child("programRemove0"))
            compare(follower.stored[3], ["Steam"])
            // Another profile keeps its own list.
            panel.close()
            panel = openFor(2)
            compare(panel.slot, 1)
            compare(panel.programs, [])
        }

        function test_aRefusedWriteIsSaidAndNotShown() {
            var panel = openFor(1)
            follower.failing = true
            type("Steam")
            verify(child("programsNotStored").visible)
            compare(panel.programs, ["Quake"])
            compare(child("programField").text, "Steam")
            follower.failing = false
            mouseClick(child("programAddButton"))
            verify(!child("programsNotStored").visible)
            compare(panel.programs, ["Quake", "Steam"])
        }

        function test_pickAnOpenWindow() {
            follower.windows = [{ windowClass: "Quake", title: "Quake III" }, { windowClass: "Steam", title: "Library" }]
            openFor(1)
            mouseClick(child("programPickButton"))
            verify(child("programPicker").visible)
            // The listed program is not offered again.
            verify(!findChild(page, "pickRow1"))
            mouseClick(child("pickRow0"))
            verify(!child("programPicker").visible)
            compare(follower.stored[3], ["Quake", "Steam"])
        }

        function test_withoutASourceThePanelSaysSo() {
            follower.available = false
            openFor(1)
            verify(child("programsUnavailable").visible)
            verify(!child("programPickButton").enabled)
            // The lists can still be kept for a desktop that tells.
            type("Steam")
            compare(follower.stored[3], ["Quake", "Steam"])
            follower.available = true
            verify(!child("programsUnavailable").visible)
        }

        function test_closingTheDialogClosesThePanel() {
            var panel = openFor(1)
            page.close()
            verify(!panel.visible)
        }

        // A switch for the program in front never drops edits and never
        // changes the profile under an open dialog.
        function test_switchForTheProgramInFront() {
            verify(!shell.followProgramInFront(3))
            compare(ui_View.callsOf("setCurrentProfile").length, 0)
            page.close()
            shell.keyMatrixMain.isSave = true
            verify(!shell.followProgramInFront(3))
            compare(ui_View.callsOf("setCurrentProfile").length, 0)
            shell.keyMatrixMain.isSave = false
            verify(shell.followProgramInFront(3))
            compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 3]])
            compare(shell.profileNo, 3)
            compare(shell.profileEntries().map(function(e) { return e.profileNo }), [0, 3, 1])
        }

        // The tray's choice asks about unsaved edits, as the title bar does.
        function test_trayChoiceAsksAboutUnsavedEdits() {
            page.close()
            shell.keyMatrixMain.isSave = true
            verify(shell.trayProfile(1))
            compare(ui_View.callsOf("setCurrentProfile").length, 0)
            shell.keyMatrixMain.isSave = false
            ui_View.calls = []
            verify(!shell.trayProfile(1))
            compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 1]])
            // The profile in use already: nothing.
            verify(!shell.trayProfile(1))
        }
    }
}
