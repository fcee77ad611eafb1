// How the main window drives its pages: start-up, language texts, profile
// change, factory reset, saving and the macro editor's notices. Imported by
// main.qml without ".pragma library", so it runs in main.qml's context and
// sees its ids (root, the page places, ui_View). The pages are called
// directly; only the program's objects (ui_View, hid) go through Calls.call,
// since they may lack an operation.
.import "Calls.js" as Calls
.import "Texts.js" as Texts
.import "Values.js" as Values
.import "LinkGuard.js" as LinkGuard
.import "DeviceActions.js" as Actions
.import "Outcome.js" as Outcome
.import "StorageNotices.js" as StorageNotices
.import "DialogKeys.js" as DialogKeys

// The language groups read at start, in this order, and the page and
// property whose built-in texts each group's texts replace.
var languageGroups = [
    { group: "main" },
    { group: "keyMatrix", page: () => root.keyMatrixMain, texts: "keyMatrixLang" },
    { group: "keyAssigment", page: () => root.keyAssigmentMain, texts: "keyAssigmentLang" },
    { group: "dpiSetting", page: () => root.dpiSettingMain, texts: "dpiSettingLang" },
    { group: "lightControl", page: () => root.lightControlMain, texts: "lightControlLang" },
    { group: "macroEditor", page: () => root.macroEditor, texts: "macroEditorLang" },
    { group: "systemSetting", page: () => root.systemSetting, texts: "systemSettingLang" },
    { group: "gunControl", page: () => root.gunControl, texts: "gunControlLang" },
    { group: "profile", page: () => root.profilePage, texts: "profileLang" },
    { group: "saves", page: () => root, texts: "savesLang" },
    { group: "keyCode" },
    { group: "other" },
    { group: "storage", rootTexts: "storageLang" },
    { group: "hint", rootTexts: "hintLang" },
    { group: "notice" }
]

// Settings files that could not be used, held until the window's texts are
// loaded, so that each is told in its language.
var heldStorageFaults = []

function storageFailed(kind, path) {
    if (!root.isPownOn) {
        heldStorageFaults.push({ kind: kind, path: path })
        return
    }
    var fault = { kind: kind, path: path }
    root.showNotice("failure", StorageNotices.line(root.storageLang, fault), StorageNotices.tag(fault))
}

function showStorageFaults() {
    var held = heldStorageFaults
    heldStorageFaults = []
    held.forEach(f => storageFailed(f.kind, f.path))
}

function view(name, args, fallback) {
    return Calls.call(ui_View, name, args, fallback, "ui_View")
}

// One page's part of a sequence. A page that throws is logged and the
// sequence goes on, so one faulty page cannot leave the UI locked behind
// its start-up logo or stop a reset or a save half-way.
function guarded(what, action, fallback) {
    try {
        return action()
    } catch (error) {
        console.warn("ui: " + what + " failed: " + error)
        return fallback
    }
}

// A page's part of a sequence; left out while the page is not loaded.
function onPage(page, what, action, fallback) {
    if (!page)
        return fallback
    return guarded(what, () => action(page), fallback)
}

// The shell runs without its pages in its own tests (the page module is not
// linked there); the start names the pages whose parts are left out.
function noteMissingPages() {
    const pages = { mouseMain: root.mouseMain, keyMatrixMain: root.keyMatrixMain,
                    dpiSettingMain: root.dpiSettingMain, lightControlMain: root.lightControlMain,
                    keyAssigmentMain: root.keyAssigmentMain, macroEditor: root.macroEditor,
                    gunControl: root.gunControl, systemSetting: root.systemSetting,
                    profilePage: root.profilePage }
    const missing = Object.keys(pages).filter(name => !pages[name])
    if (missing.length > 0)
        console.warn("ui: pages not loaded, left out of every sequence:", missing.join(", "))
}

function readGlobals() {
    root.isColorful = Values.toBool(view("getGlobalData", ["mouse/isColorful"]), root.isColorful)
    root.icType = Values.toText(view("getGlobalData", ["mouse/icType"]), root.icType)
    root.is55328 = Values.toBool(view("getGlobalData", ["mouse/is55328"]), root.is55328)
    root.isGun = Values.toBool(view("getGlobalData", ["mouse/isGun"]), root.isGun)
    root.keyCount = Values.toInt(view("getGlobalData", ["mouse/keyCount"]), root.keyCount)
    var language = Values.toText(view("getGlobalData", ["common/language"]), "")
    if (language !== "")
        root.language = language
    var url = Values.toText(view("getGlobalData", ["common/url"]), "")
    if (url !== "")
        root.url = url
}

// A 560 mouse must start in its first on-board profile. The controller
// tells the family, as it does for every command it sends.
function checkDeviceProfile() {
    if (Values.toBool(view("usesFamily560", [], false), false) !== true)
        return
    var current = Values.toInt(view("mouseReadCurrentProfile", []), -1)
    if (current !== 1)
        Calls.call(root.device(), "hid560_02H_SetCurrentProfile", [1], undefined, "hid")
}

function loadLanguages() {
    for (var i = 0; i < languageGroups.length; ++i) {
        var entry = languageGroups[i]
        var texts = view("getLangStrings", [entry.group, root.language], [])
        if (entry.group === "main") {
            root.mainLang = Texts.merged(root.defaultMainLang, texts)
        } else if (entry.rootTexts) {
            root[entry.rootTexts] = Texts.merged(root[entry.rootTexts], texts)
        } else if (entry.group === "keyCode") {
            _KeyCodeString.setNames(texts)
        } else if (entry.page) {
            onPage(entry.page(), entry.group + " texts", p => { p[entry.texts] = Texts.merged(p[entry.texts], texts) })
        }
        // "other" and "notice" only refresh the program's own notices.
    }
}

function storedProfileNo() {
    var n = Values.toInt(view("getGlobalData", ["mouse/profileNo"]), 0)
    if (n < 0 || n > 9) {
        console.warn("ui: stored profile number out of range:", n)
        n = 0
    }
    return n
}

function initPages() {
    noteMissingPages()
    root.reportRateBox.init(false)
    onPage(root.profilePage, "profilePage.init", p => p.init())
    var n = storedProfileNo()
    root.profileNo = n
    if (root.profilePage)
        root.profilePage.profileNo = n
    root.profileList.select(profilePosition(n))
    root.profileList.close()
    view("setCurrentProfile", [n])
    onPage(root.macroEditor, "macroEditor.init", p => p.init())
    onPage(root.gunControl, "gunControl.init", p => p.init())
    onPage(root.keyAssigmentMain, "keyAssigmentMain.init", p => p.init())
    onPage(root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    onPage(root.systemSetting, "systemSetting.init", p => p.init(false, false))
}

// Reloads the pages of the profile in use and sends them to the mouse.
function reloadAndSend() {
    onPage(root.keyMatrixMain, "keyMatrixMain.init", p => p.init(true, false))
    root.reportRateBox.init(true)
    onPage(root.dpiSettingMain, "dpiSettingMain.init", p => p.init(true, false))
    onPage(root.lightControlMain, "lightControlMain.init", p => p.init(true, false))
    onPage(root.systemSetting, "systemSetting.init", p => p.init(true, false))
    if (root.isGun) {
        view("mouseSwitchKeyMatrix", [1])
        view("mouseResetKeyMatrix", [])
    }
}

// The stores changed behind the pages (the command line): every page shows
// what they hold now, sending nothing; changes not yet saved give way.
function reloadStored() {
    clearUnsaved()
    root.reportRateBox.init(false)
    onPage(root.profilePage, "profilePage.init", p => p.init())
    onPage(root.macroEditor, "macroEditor.init", p => p.init())
    onPage(root.gunControl, "gunControl.init", p => p.init())
    onPage(root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    onPage(root.systemSetting, "systemSetting.init", p => p.init(false, false))
}

// Where the element of slot n stands in the title bar's list.
function profilePosition(n) {
    return Values.toInt(onPage(root.profilePage, "profilePage.positionOfSlot", p => p.positionOfSlot(n), -1), -1)
}

// An import over the profile in use: the pages show and send its new content.
function profileReplaced(n) {
    if (Values.toInt(n, -1) !== root.profileNo)
        return
    root.controlUIEnable(false)
    Actions.run("profile", reloadAndSend)
    root.controlUIEnable(true)
}

// The title bar's or the profile page's choice: edits of the profile in use
// are not dropped without asking.
function requestProfile(n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return
    root.askBeforeLeaving(function() { changeProfile(number) },
                          function() { root.profileList.select(profilePosition(root.profileNo)) })
}

function changeProfile(n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return
    if (deferWhileLinkBusy("profile", function() { changeProfile(number) }))
        return
    root.controlUIEnable(false)
    root.profileNo = number
    if (root.profilePage)
        root.profilePage.profileNo = number
    root.profileList.select(profilePosition(number))
    view("setGlobalData", ["mouse/profileNo", number])
    view("setCurrentProfile", [number])
    clearUnsaved()
    Actions.run("profile", reloadAndSend)
    root.controlUIEnable(true)
}

// The pages show the stored profile again, their edits dropped.
function discardEdits() {
    clearUnsaved()
    onPage(root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    clearUnsaved()
}

// The stored profile in use, whole, to a mouse that missed a write: keys,
// report rate, DPI and lighting, the macros its keys play and the gun slots.
function sendStoredProfile() {
    reloadAndSend()
    for (const k of macroKeys()) {
        const name = macroNameOfSlot(k.slot)
        if (name !== "")
            onPage(root.macroEditor, "macroEditor.sendMacro", p => p.sendMacro(k.slot, name))
    }
    if (root.isGun)
        onPage(root.gunControl, "gunControl.sendSlots", p => p.sendSlots())
}

function catchUp() {
    if (deferWhileLinkBusy("catchUp", catchUp))
        return
    root.controlUIEnable(false)
    Actions.run(Outcome.catchUpAction, sendStoredProfile)
    root.controlUIEnable(true)
}

// Runs `action` now, or once the link is free, after what waits already.
function whenLinkFree(kind, action) {
    if (!deferWhileLinkBusy(kind, action))
        action()
}

function clearUnsaved() {
    for (const p of [root.keyMatrixMain, root.dpiSettingMain, root.lightControlMain]) {
        if (p)
            p.isSave = false
    }
}

function factoryReset() {
    if (deferWhileLinkBusy("reset", factoryReset))
        return
    root.controlUIEnable(false)
    root.resetDialog.visible = false
    clearUnsaved()
    view("resetProfile", [root.profileNo])
    Actions.run("reset", function() {
        reloadAndSend()
        view("mouseSetCurrentDPI", [2])
        root.selectDpiStage(1)
        onPage(root.gunControl, "gunControl.resetData", p => p.resetData())
    })
    root.controlUIEnable(true)
}

function isUnsaved(page) {
    return !!page && page.isSave === true
}

// Key list first, then DPI, then lighting; only what has changed. A mouse
// that missed a write gets the whole stored profile as well.
function saveAll() {
    var behind = Actions.mouseBehind()
    if (!root.hasUnsaved && !behind)
        return
    if (deferWhileLinkBusy("save", saveAll))
        return
    root.controlUIEnable(false)
    Actions.run(behind ? Outcome.catchUpAction : "save", function() {
        var saved = savePages()
        // The profile file kept its old values: the pages are still unsaved.
        if (view("flushSettings", [], true) === false)
            saved.forEach(p => { p.isSave = true })
        if (behind)
            sendStoredProfile()
    })
    root.controlUIEnable(true)
}

// The pages with changes save them; returns those pages.
function savePages() {
    var saved = []
    if (isUnsaved(root.keyMatrixMain)) {
        root.keyMatrixMain.isSave = false
        saved.push(root.keyMatrixMain)
        guarded("keyMatrixMain.saveData", () => root.keyMatrixMain.modKeys.saveData())
    }
    if (isUnsaved(root.dpiSettingMain)) {
        root.dpiSettingMain.isSave = false
        saved.push(root.dpiSettingMain)
        guarded("dpiSettingMain.saveData", () => root.dpiSettingMain.saveData(true))
    }
    if (isUnsaved(root.lightControlMain)) {
        root.lightControlMain.isSave = false
        saved.push(root.lightControlMain)
        guarded("lightControlMain.saveData", () => root.lightControlMain.saveData(true, 0))
    }
    return saved
}

// The keys of the current profile that play a macro, as { key, slot }.
function macroKeys() {
    return onPage(root.keyMatrixMain, "keyMatrixMain.macroKeys", p => p.macroKeys(), [])
}

function macroNameOfSlot(slot) {
    return Values.toText(view("getData", ["mouseMacroKey/" + slot, false]), "")
}

function macroDeleted(name) {
    var keys = macroKeys()
    var changed = false
    var matrix = root.keyMatrixMain
    for (var i = 0; i < keys.length; ++i) {
        if (macroNameOfSlot(keys[i].slot) !== name)
            continue
        var defaults = matrix.modKeys_tmp ? matrix.modKeys_tmp.get(keys[i].key) : null
        if (defaults) {
            matrix.modKeys.set(keys[i].key, {
                keyCode0: defaults.keyCode0, keyCode1: defaults.keyCode1,
                keyCode2: defaults.keyCode2, keyCode3: defaults.keyCode3,
                keyText: defaults.keyText
            })
            changed = true
        }
    }
    if (changed)
        matrix.modKeys.saveData()
    view("deleteMacroUpdateProfile", [name])
}

function macroRenamed(oldName, newName) {
    var keys = macroKeys()
    for (var i = 0; i < keys.length; ++i) {
        if (macroNameOfSlot(keys[i].slot) !== oldName)
            continue
        view("setData", ["mouseMacroKey/" + keys[i].slot, newName])
        root.keyMatrixMain.modKeys.setProperty(keys[i].key, "keyText", newName)
    }
    view("modifyMacroNameUpdateProfile", [oldName, newName])
}

function macroChanged(name) {
    Actions.run("macro", function() {
        var keys = macroKeys()
        for (var i = 0; i < keys.length; ++i) {
            if (macroNameOfSlot(keys[i].slot) === name)
                root.macroEditor.sendMacro(keys[i].slot, name)
        }
    })
}

// Keyboard notices go to whichever page is capturing keys.
function routeKeyboard(isDown, usbCode) {
    // Escape ends a key capture rather than becoming the captured key.
    var capturing = root.keyAssigmentMain && root.keyAssigmentMain.visible
            && (root.keyAssigmentMain.isFireInput === true || root.keyAssigmentMain.isComboInput === true)
    if (capturing && (Number(usbCode) & 0xFF) === DialogKeys.escapeUsage) {
        if (isDown) {
            root.keyAssigmentMain.stopCapture()
            escapeTakenAt = Date.now()
        }
        return
    }
    var macro = root.macroEditor
    if (macro && macro.visible) {
        if (macro.isInsertting === true)
            macro.detectInput(isDown, usbCode)
        else if (macro.isInputting === true)
            macro.detectKeyboard(isDown, usbCode)
    }
    var assign = root.keyAssigmentMain
    if (assign && assign.visible) {
        if (assign.isFireInput === true)
            assign.detectKeyboard(isDown, usbCode, 0)
        else if (assign.isComboInput === true)
            assign.detectKeyboard(isDown, usbCode, 1)
    }
}

// When the capture last took an Escape: the same key press then reaches the
// window's Escape too, which must not close the dialog as well.
var escapeTakenAt = 0

function openState() {
    const isOpen = p => !!p && p.visible === true
    const assign = root.keyAssigmentMain
    const macro = root.macroEditor
    return {
        resetDialog: isOpen(root.resetDialog),
        insertKey: isOpen(macro) && macro.isInsertting === true,
        recording: isOpen(macro) && macro.isInputting === true,
        macroEditor: isOpen(macro),
        capture: isOpen(assign) && (assign.isFireInput === true || assign.isComboInput === true),
        keyAssigment: isOpen(assign),
        gunControl: isOpen(root.gunControl),
        systemSetting: isOpen(root.systemSetting),
        profilePage: isOpen(root.profilePage),
        helpMenu: isOpen(root.helpMenu)
    }
}

// The window's keys reach the shell only through a shown, focused item.
function takeFocusBack(focused) {
    if (!focused || !focused.visible)
        root.forceActiveFocus()
}

// Escape or Enter pressed in the window; true when a dialog took it.
function dialogKey(isEscape) {
    if (isEscape && Date.now() - escapeTakenAt < 500) {
        escapeTakenAt = 0
        return true
    }
    const action = isEscape ? DialogKeys.escapeAction(openState()) : DialogKeys.enterAction(openState())
    switch (action) {
    case "cancelReset": root.resetDialog.cancelled(); break
    case "acceptReset": root.resetDialog.accepted(); break
    case "cancelInsertKey": root.macroEditor.closeInsertKey(); break
    case "closeMacroEditor": root.macroEditor.closeEditor(); break
    case "stopCapture": root.keyAssigmentMain.stopCapture(); break
    case "closeKeyAssigment": root.keyAssigmentMain.close(); break
    case "closeGunControl": root.gunControl.close(); break
    case "closeSystemSetting": root.systemSetting.close(); break
    case "closeProfilePage": root.profilePage.close(); break
    case "closeHelpMenu": root.helpMenu.visible = false; break
    default: return false
    }
    return true
}

// Opens the key assignment dialog for key `index`, unless it is the only
// left button, which must stay assigned.
function openKeyAssigment(index) {
    var matrix = root.keyMatrixMain
    var dialog = root.keyAssigmentMain
    if (!matrix || !dialog)
        return false
    if (matrix.checkOneLeftKey(index) === true)
        return false
    var entry = matrix.modKeys.get(index)
    dialog.keyIndex = index
    if (entry) {
        dialog.keyString = entry.keyText
        dialog.keyCode0 = entry.keyCode0
        dialog.keyCode1 = entry.keyCode1
        dialog.keyCode2 = entry.keyCode2
        dialog.keyCode3 = entry.keyCode3
    }
    dialog.visible = true
    return true
}

// Pressing the mask hands the focus back to the open dialogs.
function dialogsFocus() {
    const isOpen = p => !!p && p.visible === true
    if (isOpen(root.macroEditor))
        root.macroEditor.macroEditorFocus()
    if (isOpen(root.gunControl))
        root.gunControl.gunControlFocus()
    if (isOpen(root.systemSetting))
        root.systemSetting.systemSettingFocus()
    if (isOpen(root.profilePage))
        root.profilePage.profileFocus()
    if (isOpen(root.keyAssigmentMain))
        root.keyAssigmentMain.keyAssigmentFocus()
}

// A save, a change of profile or a reset asked for in a pause of a running
// command starts once the link is free (LinkGuard.js).
var linkWaiting = LinkGuard.create()

function linkBusy() {
    var link = root.device()
    return !!link && link.commandRunning === true
}

function deferWhileLinkBusy(kind, action) {
    return LinkGuard.deferIfBusy(linkWaiting, linkBusy(), kind, action)
}

function runWhenLinkFree() {
    LinkGuard.runWaiting(linkWaiting, linkBusy)
}
