import QtQuick
import QtTest

// The window made without its pages and controls, as the program maps it:
// they come with makePages or at the latest with initUI, and the start-up
// then asks the controller and the transport exactly what a window made with
// its pages asks.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        name: "StartupOrder"
        when: windowShown

        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
        readonly property var pageNames: [
            "keyMatrixMain", "mouseMain", "dpiSettingMain", "lightControlMain", "keyAssigmentMain",
            "macroEditor", "gunControl", "systemSetting", "profilePage",
            "reportRateBox", "profileList", "helpMenu", "resetDialog"
        ]

        function fresh() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            ui_View.globals = {
                "mouse/icType": "560", "mouse/keyCount": "8", "mouse/profileNo": "3",
                "common/language": "English"
            }
            ui_View.deviceDpi = 2
        }

        // Every call from the making of the window to the end of initUI;
        // `beforeInit` runs on the new window first.
        function start(properties, beforeInit) {
            fresh()
            var shell = createTemporaryObject(shellComponent, stage, properties)
            verify(shell, shellComponent.errorString())
            if (beforeInit)
                beforeInit(shell)
            shell.initUI()
            pageNames.forEach(function(name) { verify(shell[name], name + " is there after initUI") })
            return { shell: shell, view: JSON.stringify(ui_View.calls), hid: JSON.stringify(hid.calls) }
        }

        function test_start_is_the_same_with_pages_made_late_data() {
            return [
                { tag: "pages made by initUI", early: false },
                { tag: "pages made before initUI", early: true }
            ]
        }

        function test_start_is_the_same_with_pages_made_late(data) {
            var eager = start({})
            verify(ui_View.callsOf("getLangStrings").length > 0)
            var late = start({ pagesWanted: false }, function(shell) {
                pageNames.forEach(function(name) { compare(shell[name], null, name + " waits") })
                compare(ui_View.calls.length, 0, "the bare window asks nothing")
                if (data.early)
                    shell.makePages()
            })
            compare(late.view, eager.view)
            compare(late.hid, eager.hid)
            compare(late.shell.profileNo, 3)
            compare(late.shell.dpiSettingMain.currentDPI, 1)
            tryCompare(late.shell, "panelsShown", true, 2000)
        }

        // The program's second initUI (the mouse back after a pull) neither
        // makes the pages again nor starts them again.
        function test_second_init_keeps_the_pages() {
            var first = start({ pagesWanted: false })
            var matrix = first.shell.keyMatrixMain
            ui_View.reset()
            first.shell.initUI()
            verify(first.shell.keyMatrixMain === matrix)
            compare(ui_View.callsOf("getLangStrings").length, 0)
        }
    }
}
