import QtQuick
import QtTest
import "qrc:/modules/qml/common/StorageNotices.js" as Notices

// Settings files that could not be used: a save whose profile file was not
// written leaves its pages unsaved, and the window names the file in its
// language, also for a fault found before the texts were loaded.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        name: "StorageNoticeLines"

        // One notice per kind of fault, so that a failed save does not hide
        // a file refused at start, and no more than four stay.
        function test_tag_data() {
            return [
                { tag: "not saved", kind: 0, want: "computer" },
                { tag: "too large", kind: 1, want: "computer1" },
                { tag: "no regular file", kind: 2, want: "computer2" },
                { tag: "folder", kind: 3, want: "computer3" },
                { tag: "unknown", kind: 7, want: "computer" }
            ]
        }

        function test_tag(data) {
            compare(Notices.tag({ kind: data.kind, path: "/p" }), data.want)
        }

        function test_unknown_kind_reads_as_not_saved() {
            compare(Notices.line(Notices.builtInTexts, { kind: 9, path: "/p" }), Notices.builtInTexts[0] + " /p")
        }
    }

    TestCase {
        name: "StorageNotice"
        when: windowShown

        property var shell: null
        property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

        function init() {
            ui_View.reset()
            ui_Ctl.reset()
            hid.reset()
            ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
            ui_View.languages = { storage: ["未保存到本机：", "", "", "设置文件夹无法使用，更改不会保留："] }
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell, shellComponent.errorString())
        }

        function started() {
            shell.initUI()
            tryCompare(shell, "panelsShown", true, 2000)
        }

        function texts() {
            return findChild(shell, "noticeArea").notices.map(function(n) { return n.text })
        }

        function test_save_not_stored_leaves_the_pages_unsaved_data() {
            return [
                { tag: "stored", stored: true, unsaved: false },
                { tag: "not stored", stored: false, unsaved: true }
            ]
        }

        function test_save_not_stored_leaves_the_pages_unsaved(data) {
            started()
            ui_View.answers = { flushSettings: data.stored }
            shell.dpiSettingMain.isSave = true
            shell.lightControlMain.isSave = true
            mouseClick(findChild(shell, "saveButton"))
            compare(ui_View.callsOf("mouseSetDpi").length, 1)
            compare(shell.dpiSettingMain.isSave, data.unsaved)
            compare(shell.lightControlMain.isSave, data.unsaved)
            compare(shell.keyMatrixMain.isSave, false, "a page that had nothing to save stays so")
        }

        function test_failure_names_the_file_in_the_window_language() {
            ui_View.storageFailed(3, "/home/ann/.local/share/orbex-mouse")
            compare(texts(), [], "held until the texts are loaded")
            started()
            ui_View.storageFailed(0, "/home/ann/.local/share/orbex-mouse/modules/setting/p1.bin")
            ui_View.storageFailed(1, "/home/ann/big.pf")
            compare(texts(), ["设置文件夹无法使用，更改不会保留： /home/ann/.local/share/orbex-mouse",
                              "未保存到本机： /home/ann/.local/share/orbex-mouse/modules/setting/p1.bin",
                              Notices.builtInTexts[1] + " /home/ann/big.pf"])
            ui_View.storageFailed(0, "/home/ann/.local/share/orbex-mouse/modules/setting/p2.bin")
            compare(texts().length, 3, "a later failed save takes the place of the earlier one")
        }
    }
}
