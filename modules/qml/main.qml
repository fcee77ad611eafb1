import QtQuick
import "basic"
import "common"
import "common/Calls.js" as Calls
import "common/Values.js" as Values
import "common/ShellPages.js" as Pages
import "common/StorageNotices.js" as StorageNotices
import "common/DeviceActions.js" as Actions
import "common/Leave.js" as Leave
import "common/Hints.js" as Hints
import "common/MainTexts.js" as MainTexts

// The main window of the UI. The program calls setProtectUI, setCurrentDPI,
// initUI, run, detectKeyboard and detectMouse by name. The pages under Z7/
// are loaded into their places below; the shell reaches them through the
// properties keyMatrixMain, mouseMain, dpiSettingMain, lightControlMain,
// keyAssigmentMain, macroEditor, gunControl, systemSetting and profilePage.
//
// For every part of the UI: showNotice(kind, text, tag) shows a notice
// beside the Save button ("done" and "info" fade, "failure" stays until
// dismissed or replaced by a notice of the same tag), clearNotice(tag)
// takes it away, ask(text, buttons, onChosen, title) asks a question with up
// to three buttons, deviceAction(name, body) runs a user action on the mouse
// and shows its outcome.
Skin {
    id: root
    width: Theme.windowWidth
    height: Theme.windowHeight
    visible: false

    readonly property var defaultMainLang: MainTexts.defaultTexts
    property var mainLang: defaultMainLang.slice(0)
    property var storageLang: StorageNotices.builtInTexts.slice(0)
    readonly property var defaultSavesLang: [
        "Saved to the mouse",
        "Not saved to the mouse: it was unplugged. Your settings are kept and will be sent when it is back.",
        "Not saved to the mouse: it does not answer. Your settings are kept; press Save to send them again.",
        "Not saved to the mouse: it was busy with another change. Your settings are kept; press Save to send them again.",
        "Not saved to the mouse: it refused the settings. Your settings are kept; press Save to send them again.",
        "Not saved to the mouse: it did not keep what was written. Your settings are kept; press Save to send them again.",
        "Your settings were sent to the mouse",
        "Some changes are not saved yet.", "Save", "Discard", "Cancel", "Unsaved changes"
    ]
    property var savesLang: defaultSavesLang.slice(0)
    // A write failed and the mouse is still to get the stored profile.
    property bool mouseBehind: false
    // Notices, confirmations, reasons and tooltips of every page.
    property var hintLang: Hints.defaultTexts.slice(0)
    property string language: "ChineseSimplified"
    property string url: "https://www.meridan-orbex.example"
    property bool isColorful: false
    property bool isGun: true
    property string icType: "553"
    property bool is55328: false
    property bool isPownOn: false
    property bool initProfile: true
    property bool isScrollRateFocus: false

    property int currentDPI: -1
    property int profileNo: -1
    property int keyCount: 8
    property bool panelsShown: false
    // The program creates the window without its pages, maps it with the
    // start-up logo and has the pages made right after its first frame
    // (makePages, which the program calls by name); initUI makes them at
    // the latest.
    property bool pagesWanted: true

    readonly property var keyMatrixMain: keyMatrixPlace.item
    readonly property var mouseMain: mousePlace.item
    readonly property var dpiSettingMain: dpiPlace.item
    readonly property var lightControlMain: lightPlace.item
    readonly property var keyAssigmentMain: keyAssigmentPlace.item
    readonly property var macroEditor: macroEditorPlace.item
    readonly property var gunControl: gunControlPlace.item
    readonly property var systemSetting: systemSettingPlace.item
    readonly property var profilePage: profilePlace.item
    // The window's own controls are hidden behind the logo until the lock
    // ends, so they are made with the pages, after the first frame.
    readonly property var reportRateBox: controlsPlace.item ? controlsPlace.item.reportRateBox : null // qmllint disable type
    readonly property var profileList: controlsPlace.item ? controlsPlace.item.profileList : null // qmllint disable type
    readonly property var helpMenu: controlsPlace.item ? controlsPlace.item.helpMenu : null // qmllint disable type
    readonly property var resetDialog: resetDialogPlace.item
    // Where the window's controls start, under the key list.
    readonly property int leftControlsX: keyMatrixArea.x
    readonly property int leftControlsY: keyMatrixArea.y + keyMatrixArea.height + 8
    readonly property bool hasUnsaved: Pages.isUnsaved(keyMatrixMain) || Pages.isUnsaved(dpiSettingMain)
                                       || Pages.isUnsaved(lightControlMain)
    readonly property bool dialogOpen: questionDialog.visible || (!!resetDialog && resetDialog.visible)
                                       || [keyAssigmentMain, macroEditor, gunControl, systemSetting, profilePage]
                                          .some(function(p) { return !!p && p.visible === true }) // qmllint disable type

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int vostCode, int x, int y)
    signal emptyAreaPressed()

    // The program hands the UI its three objects as context properties; these
    // lines are their one way in. Every page gets what it needs from here.
    readonly property var programController: typeof ui_View === "undefined" ? null : ui_View // qmllint disable unqualified
    readonly property var device: typeof hid === "undefined" ? null : hid // qmllint disable unqualified
    readonly property var windowControl: typeof ui_Ctl === "undefined" ? null : ui_Ctl // qmllint disable unqualified

    readonly property Controller controller: Controller { target: root.programController }
    readonly property KeyCodeString keyNames: _KeyCodeString
    // What the shell's sequences keep between calls (ShellPages.js).
    readonly property var pagesState: Pages.newState()

    // The pages' view of the window: facts bound here, requests carried out here.
    readonly property ShellApi shellApi: ShellApi {
        mainLang: root.mainLang
        hintLang: root.hintLang
        language: root.language
        url: root.url
        isGun: root.isGun
        isColorful: root.isColorful
        is55328: root.is55328
        icType: root.icType
        keyCount: root.keyCount
        profileNo: root.profileNo
        currentDPI: root.currentDPI
        isPownOn: root.isPownOn
        mouseBehind: root.mouseBehind
        hasUnsaved: root.hasUnsaved
        areaWidth: root.width
        areaHeight: root.height
        onNoticeShown: function(kind, text, tag) { root.showNotice(kind, text, tag) }
        onNoticeCleared: function(tag) { root.clearNotice(tag) }
        onQuestionAsked: function(text, buttons, onChosen, title) { root.ask(text, buttons, onChosen, title) }
        onConfirmationAsked: function(title, question, okText, action) { root.confirm(title, question, okText, action) }
        onDeviceActionRun: function(name, body) { root.deviceAction(name, body) }
        onFocusTaken: root.mainFocus()
        onLeavingAsked: function(proceed, cancel) { root.askBeforeLeaving(proceed, cancel) }
        onProfileListClosing: if (root.profileList) root.profileList.close()
    }

    // What every converted page is made with.
    function pageCollaborators() {
        return { controller: root.controller, shell: root.shellApi, skin: root }
    }
    // The program's automatic switching (AutoProfile), for the profile page.
    function profileFollower() { return typeof autoProfile === "undefined" ? null : autoProfile } // qmllint disable unqualified

    function setViewEnabled(isEnabled) {
        controller.setEnabled(isEnabled)
    }

    function setProtectUI(interval) {
        busyIndicator.busy = true
        setViewEnabled(false)
        var ms = Values.toInt(interval, 0)
        protectTimer.interval = Math.max(0, ms)
        protectTimer.restart()
    }

    function controlUIEnable(isEnable) {
        busyIndicator.busy = !isEnable
        setViewEnabled(isEnable)
    }

    function selectDpiStage(index) {
        currentDPI = index
        if (dpiSettingMain)
            dpiSettingMain.currentDPI = index
    }

    function setCurrentDPI(dpiValue) {
        var value = Values.toInt(dpiValue, 0)
        if (value > 0)
            selectDpiStage(value - 1)
    }

    function showNotice(kind, text, tag) { noticeArea.show(kind, text, tag) }
    function clearNotice(tag) { noticeArea.clear(tag) }
    function ask(text, buttons, onChosen, title) { questionDialog.ask(text, buttons, onChosen, title) }

    // Asks before `action` destroys something: OK runs it, Cancel or Escape
    // leave everything as it was.
    function confirm(title, question, okText, action) {
        mainFocus()
        ask(question, [okText, mainLang[MainTexts.Index.cancel]], function(index) { if (index === 0) action() }, title)
    }
    function deviceAction(name, body) { Actions.run(root, name, body) }

    // Runs `proceed` now, or after the user answered the unsaved-changes
    // question with Save or Discard; `cancel` when the answer is Cancel.
    // True while the question is asked.
    function askBeforeLeaving(proceed, cancel) {
        var pages = [keyMatrixMain, dpiSettingMain, lightControlMain]
        return Leave.guard(pages, function(chosen) {
            ask(savesLang[7], [savesLang[8], savesLang[9], savesLang[10]], chosen, savesLang[11])
        }, { save: saveAll, discard: function() { Pages.discardEdits(root) },
             proceed: function() { Pages.whenLinkFree(root, "leave", proceed) },
             cancel: cancel })
    }

    // The close button hides the window; the tray's Quit asks here first
    // (the program calls it by name) and quits through the controller.
    function closeWindow() {
        askBeforeLeaving(function() { Calls.call(windowControl, "onClose", [], undefined, "ui_Ctl") })
    }
    function confirmQuit() {
        return askBeforeLeaving(function() {
            controller.quitProgram()
        })
    }

    function makePages() {
        pagesWanted = true
    }

    function initUI() {
        makePages()
        setProtectUI(1000)
        root.visible = true
        if (!isPownOn) {
            Pages.readGlobals(root)
            Pages.checkDeviceProfile(root)
            Pages.loadLanguages(root)
            Pages.initPages(root)
            isPownOn = true
            Pages.showStorageFaults(root)
        }
        setCurrentDPI(controller.mouseGetCurrentDPI() ?? 0)
        // A mouse that missed a write gets the stored profile now.
        mouseBehind = Actions.mouseBehind(root)
        if (mouseBehind)
            Pages.catchUp(root)
    }

    function run() {
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vostCode, x, y) {
        msg_MS(isDown, vostCode, x, y)
    }

    function mainFocus() {
        if (reportRateBox)
            reportRateBox.closeList()
        if (profileList)
            profileList.close()
        if (dpiSettingMain)
            dpiSettingMain.closeList()
        if (lightControlMain)
            lightControlMain.closeList()
        if (helpMenu)
            helpMenu.visible = false
    }

    function askMenuCmd(cmd) {
        if (helpMenu)
            helpMenu.choose(Values.toInt(cmd, -1))
    }

    function openKeyAssigment(index) { return Pages.openKeyAssigment(root, index) }

    function saveAll() { Pages.saveAll(root) }
    // Once per turn of the event loop, however often the link fell free.
    function runWhenLinkFree() { Pages.runWhenLinkFree(root) }
    // The command line changed the stores or the profile in use.
    function storedSettingsChanged() { Pages.reloadStored(root) }
    function useProfile(slot) { Pages.changeProfile(root, slot) }
    // The tray's profile entries and automatic switching (the shell's
    // AutoProfile): the profiles in list order, a choice from the tray (true
    // while it asks about unsaved edits), and a switch for the window in
    // front (false: not now).
    function profileEntries() { return Pages.profileEntries(root) }
    function trayProfile(slot) { return Pages.trayProfile(root, slot) }
    function followProgramInFront(slot) { return Pages.followProgramInFront(root, slot) }

    // The title bar's profile list: the page's elements name their slots; a
    // place in the list is none.
    function chooseProfileAt(index) {
        if (profilePage)
            profilePage.chooseAt(index)
        else
            Pages.requestProfile(root, index)
    }

    function showCentred(dialog) {
        if (!dialog)
            return
        dialog.x = Math.round((width - dialog.width) / 2)
        dialog.y = Math.round((height - dialog.height) / 2)
        dialog.visible = true
    }

    onMsg_KB: function(isDown, usbCode) { Pages.routeKeyboard(root, isDown, usbCode) }

    // Escape closes and Enter confirms the topmost dialog; keys a field or
    // list takes never arrive here.
    focus: true
    // Keys go to the focused item even when it is hidden (an answered
    // question) and nowhere when none has it: the window then takes the
    // focus back, so that Escape and Enter arrive here.
    Window.onActiveFocusItemChanged: if (!Window.activeFocusItem) focusBack.restart()
    Keys.onEscapePressed: function(event) { event.accepted = Pages.dialogKey(root, true) }
    Keys.onReturnPressed: function(event) { event.accepted = Pages.dialogKey(root, false) }
    Keys.onEnterPressed: function(event) { event.accepted = Pages.dialogKey(root, false) }
    onCurrentDPIChanged: if (dpiSettingMain) dpiSettingMain.currentDPI = currentDPI
    // A list left open would float over the dialog and its mask.
    onDialogOpenChanged: {
        if (dialogOpen)
            mainFocus()
        focusBack.restart()
    }

    KeyCodeString { id: _KeyCodeString }

    Timer { id: focusBack; interval: 0; onTriggered: Pages.takeFocusBack(root, root.Window.activeFocusItem) }

    Timer {
        id: protectTimer
        objectName: "protectTimer"
        interval: 1000
        onTriggered: {
            root.setViewEnabled(true)
            busyIndicator.busy = false
            if (root.isPownOn && !root.panelsShown)
                root.panelsShown = true
        }
    }

    // Pressing anywhere else drags the window.
    WindowDragArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        windowControl: root.windowControl
        onDragStarted: { root.emptyAreaPressed(); root.mainFocus() }
    }

    Item {
        id: panels
        anchors.fill: parent
        visible: root.panelsShown
        opacity: root.panelsShown ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: Theme.animationSpeed; easing.type: Easing.OutCubic } }

        // Hidden behind the start-up logo until the lock ends: decoded with
        // the pages, not before the first frame.
        Environment {
            anchors.fill: parent
            backgroundSource: root.pagesWanted ? root.sourceBackground : ""
            titleBarSource: root.pagesWanted ? root.sourceTitleBar : ""
            titleLogoSource: root.pagesWanted ? root.sourceTitleLogo : ""
        }

        Loader {
            id: mousePlace
            anchors.fill: parent
            active: root.pagesWanted
            Component.onCompleted: mousePlace.setSource("Z7/Mouse.qml", {
                shell: root.shellApi, skin: root,
                keyMatrix: Qt.binding(function() { return keyMatrixPlace.item })
            })
        }

        Item {
            id: keyMatrixArea
            x: 24
            y: 88
            width: Theme.columnWidth
            height: keyMatrixPlace.item ? keyMatrixPlace.item.height : 316 // qmllint disable type
            Loader {
                id: keyMatrixPlace
                active: root.pagesWanted
                Component.onCompleted: keyMatrixPlace.setSource("Z7/KeyMatrix.qml", Object.assign(root.pageCollaborators(), {
                    keyAssigment: Qt.binding(function() { return keyAssigmentPlace.item }),
                    macroEditor: Qt.binding(function() { return macroEditorPlace.item }),
                    gunControl: Qt.binding(function() { return gunControlPlace.item })
                }))
            }
        }

        Column {
            id: rightColumn
            x: 768
            y: 56
            spacing: 8
            Loader {
                id: dpiPlace
                active: root.pagesWanted
                Component.onCompleted: dpiPlace.setSource("Z7/DpiSetting.qml", root.pageCollaborators())
            }
            Loader {
                id: lightPlace
                active: root.pagesWanted
                Component.onCompleted: lightPlace.setSource("Z7/LightControl.qml", Object.assign(root.pageCollaborators(), {
                    dpiSetting: Qt.binding(function() { return dpiPlace.item })
                }))
            }
        }

        Loader {
            id: controlsPlace
            anchors.fill: parent
            active: root.pagesWanted
            Component.onCompleted: controlsPlace.setSource("common/WindowControls.qml", Object.assign(root.pageCollaborators(), {
                leftX: Qt.binding(function() { return root.leftControlsX }),
                leftY: Qt.binding(function() { return root.leftControlsY }),
                profileItems: Qt.binding(function() {
                    return root.profilePage && root.profilePage.listModel ? root.profilePage.listModel : [] // qmllint disable type
                })
            }))
        }

        Connections {
            target: controlsPlace.item
            ignoreUnknownSignals: true
            function onMacroEditorWanted() { root.showCentred(root.macroEditor) }
            function onGunEditorWanted() { if (root.gunControl) root.gunControl.visible = true }
            function onSystemSettingWanted() { root.showCentred(root.systemSetting) }
            function onProfilesWanted() { root.showCentred(root.profilePage) }
            function onResetWanted() {
                root.mainFocus()
                root.resetDialog.centre()
                root.resetDialog.visible = true
            }
            function onSaveWanted() { root.saveAll() }
            function onCloseWanted() { root.closeWindow() }
            function onMinimiseWanted() { Calls.call(root.windowControl, "onMinimize", [], undefined, "ui_Ctl") }
            function onProfileChosen(index) { root.chooseProfileAt(index) }
        }
    }

    // The mask under an open dialog: dims the window, hands the focus back
    // to the dialogs when pressed and drags the window.
    Rectangle {
        id: dialogMask
        objectName: "dialogMask"
        anchors.fill: parent
        z: 50
        radius: 10
        color: "#90000000"
        visible: root.dialogOpen

        WindowDragArea {
            anchors.fill: parent
            hoverEnabled: true      // the buttons under the mask lose their hover
            windowControl: root.windowControl
            onDragStarted: Pages.dialogsFocus(root)
        }
    }

    Loader {
        id: keyAssigmentPlace
        z: 51
        active: root.pagesWanted
        Component.onCompleted: keyAssigmentPlace.setSource("Z7/KeyAssigment.qml", Object.assign(root.pageCollaborators(), {
            keyNames: root.keyNames,
            keyMatrix: Qt.binding(function() { return keyMatrixPlace.item }),
            macroEditor: Qt.binding(function() { return macroEditorPlace.item })
        }))
    }
    Loader {
        id: macroEditorPlace
        z: 51
        active: root.pagesWanted
        Component.onCompleted: macroEditorPlace.setSource("Z7/MacroEditor.qml", Object.assign(root.pageCollaborators(), {
            keyNames: root.keyNames,
            keyAssigment: Qt.binding(function() { return keyAssigmentPlace.item })
        }))
    }
    Loader {
        id: gunControlPlace
        z: 51
        active: root.pagesWanted
        Component.onCompleted: gunControlPlace.setSource("Z7/GunControl.qml", Object.assign(root.pageCollaborators(), {
            keyMatrix: Qt.binding(function() { return keyMatrixPlace.item })
        }))
    }
    Loader {
        id: systemSettingPlace
        z: 51
        active: root.pagesWanted
        Component.onCompleted: systemSettingPlace.setSource("Z7/SystemSetting.qml", root.pageCollaborators())
    }
    Loader {
        id: profilePlace
        z: 51
        active: root.pagesWanted
        Component.onCompleted: profilePlace.setSource("Z7/Profile.qml", Object.assign(root.pageCollaborators(), {
            autoProfile: root.profileFollower()
        }))
    }

    Connections {
        target: root.profilePage
        ignoreUnknownSignals: true
        function onChangeProfile(tmpProfileNo) { Pages.requestProfile(root, tmpProfileNo) }
        function onInUsePositionChanged() { root.profileList.select(root.profilePage.inUsePosition) }
        function onProfileReplaced(slot) { Pages.profileReplaced(root, slot) }
    }

    Connections {
        target: root.macroEditor
        ignoreUnknownSignals: true
        function onDeleteMacro(macroName) { Pages.macroDeleted(root, macroName) }
        function onModifyMacroName(oldMacroName, newMacroName) { Pages.macroRenamed(root, oldMacroName, newMacroName) }
        function onModifyMacroData(macroName) { Pages.macroChanged(root, macroName) }
    }

    // The link's last command has ended: what was asked for meanwhile starts
    // from the event loop, not inside the operation that sent it.
    Connections {
        target: root.device
        ignoreUnknownSignals: true
        function onCommandRunningChanged() {
            if (!root.device.commandRunning)
                Qt.callLater(root.runWhenLinkFree)
        }
    }

    Loader {
        id: resetDialogPlace
        z: 60
        active: root.pagesWanted
        // Qt 6.4's linter takes this file's ids inside a component for unqualified names.
        // qmllint disable unqualified
        sourceComponent: ResetDialog {
            objectName: "resetDialog"
            areaWidth: root.width
            areaHeight: root.height
            title: root.mainLang[MainTexts.Index.reset]
            question: root.mainLang[MainTexts.Index.resetQuestion]
            okText: root.mainLang[MainTexts.Index.ok]
            cancelText: root.mainLang[MainTexts.Index.cancel]
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            titleColor: Theme.black
            buttonColor: Theme.blue
            hoverColor: Theme.accent
            onCancelled: visible = false
            onAccepted: Pages.factoryReset(root)
        }
        // qmllint enable unqualified
    }

    Connections {
        target: root.programController
        ignoreUnknownSignals: true
        function onStorageFailed(kind, path) { Pages.storageFailed(root, kind, path) }
    }

    NoticeArea {
        id: noticeArea
        objectName: "noticeArea"
        z: 80
        anchors.right: parent.right
        anchors.rightMargin: 264
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6
        visible: root.panelsShown
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        failureColor: "#ff3030"
    }

    QuestionDialog {
        id: questionDialog
        objectName: "questionDialog"
        z: 60
        areaWidth: root.width
        areaHeight: root.height
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        titleColor: Theme.black
        buttonColor: Theme.blue
        hoverColor: Theme.accent
    }

    Image {
        id: startupLogo
        objectName: "startupLogo"
        anchors.centerIn: parent
        z: 90
        source: root.sourcePowerOn
        asynchronous: true
        visible: !root.panelsShown
    }

    BusyIndicator {
        id: busyIndicator
        objectName: "busyIndicator"
        anchors.centerIn: parent
        anchors.verticalCenterOffset: root.panelsShown ? 0 : 150
        z: 100
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontMaxSize
        accentColor: Theme.accent
    }
}
