import QtQuick
import QtTest
import "qrc:/modules/qml/common/StorageNotices.js" as Notices

// Settings files that could not be used: a save whose profile file was not
// written leaves its pages unsaved, and the window names the file in its
// language until the user closes the line.
Item {
    id: stage
    width: 1024
    height: 640

    TestCase {
        name: "StorageNoticeLines"

        function test_added_data() {
            return [
                { tag: "first", before: [], entry: { kind: 0, path: "/a" }, after: [{ kind: 0, path: "/a" }] },
                { tag: "same fault again moves to the end",
                  before: [{ kind: 0, path: "/a" }, { kind: 1, path: "/b" }], entry: { kind: 0, path: "/a" },
                  after: [{ kind: 1, path: "/b" }, { kind: 0, path: "/a" }] },
                { tag: "same file, other fault", before: [{ kind: 0, path: "/a" }], entry: { kind: 2, path: "/a" },
                  after: [{ kind: 0, path: "/a" }, { kind: 2, path: "/a" }] },
                { tag: "oldest gives way",
                  before: [{ kind: 0, path: "/1" }, { kind: 0, path: "/2" }, { kind: 0, path: "/3" }],
                  entry: { kind: 0, path: "/4" },
                  after: [{ kind: 0, path: "/2" }, { kind: 0, path: "/3" }, { kind: 0, path: "/4" }] }
            ]
        }

        function test_added(data) {
            compare(Notices.added(data.before, data.entry), data.after)
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
            ui_View.languages = { storage: ["未保存到本机：", "", "", ""] }
            shell = createTemporaryObject(shellComponent, stage)
            verify(shell, shellComponent.errorString())
            shell.initUI()
            tryCompare(shell, "panelsShown", true, 2000)
        }

        function test_save_not_stored_leaves_the_pages_unsaved_data() {
            return [
                { tag: "stored", stored: true, unsaved: false },
                { tag: "not stored", stored: false, unsaved: true }
            ]
        }

        function test_save_not_stored_leaves_the_pages_unsaved(data) {
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
            var notice = findChild(shell, "storageNotice")
            verify(!notice.visible)
            ui_View.storageFailed(0, "/home/ann/.local/share/orbex-mouse/modules/setting/p1.bin")
            ui_View.storageFailed(1, "/home/ann/big.pf")
            verify(notice.visible)
            compare(notice.entries.length, 2)
            compare(Notices.line(notice.texts, notice.entries[0]),
                    "未保存到本机： /home/ann/.local/share/orbex-mouse/modules/setting/p1.bin")
            compare(Notices.line(notice.texts, notice.entries[1]), Notices.builtInTexts[1] + " /home/ann/big.pf")
            mouseClick(findChild(notice, "storageNoticeClose"))
            verify(!notice.visible)
        }
    }
}
