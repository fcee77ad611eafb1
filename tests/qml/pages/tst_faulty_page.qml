import QtQuick
import QtTest

// A page that throws in the middle of the start, a reset or a save: the
// pages after it still do their part, the lock ends and the fault is logged,
// so the window never stays behind its start-up logo or busy indicator.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    name: "FaultyPage"
    when: windowShown

    property var shell: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "true" }
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
    }

    // An answer that breaks the page reading it: its length cannot be read.
    function unreadable(what) {
        return function() { return { get length() { throw new Error(what) } } }
    }

    function started() {
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        ui_View.calls = []
    }

    function keys(calls) {
        return calls.map(function(c) { return c[1] })
    }

    function verifyUnlocked() {
        verify(ui_View.enabled, "the view is enabled again")
        verify(!findChild(shell, "busyIndicator").busy)
    }

    function test_start_goes_on_past_a_throwing_page() {
        ignoreWarning(/gunControl\.init failed: .*gun records unreadable/)
        ui_View.answers = { getGunData: unreadable("gun records unreadable") }
        shell.initUI()
        verify(shell.isPownOn)
        compare(ui_View.callsOf("mouseGetKeydefine").length, 32, "the key list read its keys and defaults")
        verify(keys(ui_View.callsOf("getDataList")).indexOf("mouse/dpiValueArray") >= 0, "DPI page started")
        verify(keys(ui_View.callsOf("getDataList")).indexOf("mouse/lightValue") >= 0, "lighting page started")
        verify(keys(ui_View.callsOf("getData")).indexOf("mouse/scrollRate") >= 0, "system page started")
        verify(findChild(shell, "startupLogo").visible)
        tryCompare(shell, "panelsShown", true, 2000)
        verify(!findChild(shell, "startupLogo").visible)
        verifyUnlocked()
    }

    function test_reset_goes_on_past_a_throwing_page() {
        started()
        ignoreWarning(/keyMatrixMain\.init failed: .*key list unreadable/)
        ui_View.answers = { mouseGetKeydefine: unreadable("key list unreadable") }
        findChild(shell, "resetDialog").accepted()
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 0]])
        compare(ui_View.callsOf("mouseSetDpi").length, 1)
        verify(ui_View.callsOf("mouseSetRGBEffect").length > 0, "lighting sent")
        compare(ui_View.callsOf("mouseSetCursorSpeed").length, 1)
        compare(ui_View.callsOf("mouseSetCurrentDPI"), [["mouseSetCurrentDPI", 2]])
        compare(ui_View.callsOf("mouseSendGundata").length, 3, "the gun slots reset after the key list broke")
        verifyUnlocked()
    }

    function test_save_goes_on_past_a_throwing_page() {
        started()
        ignoreWarning(/dpiSettingMain\.saveData failed/)
        shell.keyMatrixMain.isSave = true
        shell.dpiSettingMain.isSave = true
        shell.lightControlMain.isSave = true
        shell.dpiSettingMain.stageValues = ({})     // no list: saving it throws
        mouseClick(findChild(shell, "saveButton"))
        compare(ui_View.callsOf("mouseSetKeyMatrix").length, 1)
        compare(ui_View.callsOf("mouseSetDpi").length, 0)
        verify(ui_View.callsOf("mouseSetRGBEffect").length > 0, "lighting saved after the DPI page broke")
        verify(!shell.hasUnsaved)
        verifyUnlocked()
    }
}
}
