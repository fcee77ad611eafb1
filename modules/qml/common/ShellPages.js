.pragma library
// How the main window drives its pages: start-up, language texts, profile
// change, factory reset, saving and the macro editor's notices. Every
// function takes the main window (`root`): its pages, its controller
// wrapper and its state (newState()). The pages are called directly and by
// their intents; only the program's link object goes through Calls.call,
// since it may lack an operation.
.import "Calls.js" as Calls
.import "Texts.js" as Texts
.import "Values.js" as Values
.import "LinkGuard.js" as LinkGuard
.import "DeviceActions.js" as Actions
.import "Outcome.js" as Outcome
.import "StorageNotices.js" as StorageNotices
.import "DialogKeys.js" as DialogKeys
.import "ProfileSlots.js" as Slots

// The language groups read at start, in this order, and the page and
// property whose built-in texts each group's texts replace.
var languageGroups = [
    { group: "main" },
    { group: "keyMatrix", page: "keyMatrixMain", texts: "keyMatrixLang" },
    { group: "keyAssigment", page: "keyAssigmentMain", texts: "keyAssigmentLang" },
    { group: "dpiSetting", page: "dpiSettingMain", texts: "dpiSettingLang" },
    { group: "lightControl", page: "lightControlMain", texts: "lightControlLang" },
    { group: "macroEditor", page: "macroEditor", texts: "macroEditorLang" },
    { group: "systemSetting", page: "systemSetting", texts: "systemSettingLang" },
    { group: "gunControl", page: "gunControl", texts: "gunControlLang" },
    { group: "profile", page: "profilePage", texts: "profileLang" },
    { group: "saves", rootTexts: "savesLang" },
    { group: "keyCode" },
    { group: "other" },
    { group: "storage", rootTexts: "storageLang" },
    { group: "hint", rootTexts: "hintLang" },
    { group: "notice" }
]

// What one window keeps between calls: settings files that could not be
// used, held until the window's texts are loaded so that each is told in
// its language; when a key capture last took an Escape; what waits for the
// link (LinkGuard.js).
function newState() {
    return { heldStorageFaults: [], escapeTakenAt: 0, linkWaiting: LinkGuard.create() }
}

function storageFailed(root, kind, path) {
    if (!root.isPownOn) {
        root.pagesState.heldStorageFaults.push({ kind: kind, path: path })
        return
    }
    var fault = { kind: kind, path: path }
    root.showNotice("failure", StorageNotices.line(root.storageLang, fault), StorageNotices.tag(fault))
}

function showStorageFaults(root) {
    var held = root.pagesState.heldStorageFaults
    root.pagesState.heldStorageFaults = []
    held.forEach(f => storageFailed(root, f.kind, f.path))
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
function onPage(root, page, what, action, fallback) {
    if (!page)
        return fallback
    return guarded(what, () => action(page), fallback)
}

// The shell runs without its pages in its own tests (the page module is not
// linked there); the start names the pages whose parts are left out.
function noteMissingPages(root) {
    const pages = { mouseMain: root.mouseMain, keyMatrixMain: root.keyMatrixMain,
                    dpiSettingMain: root.dpiSettingMain, lightControlMain: root.lightControlMain,
                    keyAssigmentMain: root.keyAssigmentMain, macroEditor: root.macroEditor,
                    gunControl: root.gunControl, systemSetting: root.systemSetting,
                    profilePage: root.profilePage }
    const missing = Object.keys(pages).filter(name => !pages[name])
    if (missing.length > 0)
        console.warn("ui: pages not loaded, left out of every sequence:", missing.join(", "))
}

function readGlobals(root) {
    root.isColorful = Values.toBool(root.controller.getGlobalData("mouse/isColorful"), root.isColorful)
    root.icType = Values.toText(root.controller.getGlobalData("mouse/icType"), root.icType)
    root.is55328 = Values.toBool(root.controller.getGlobalData("mouse/is55328"), root.is55328)
    root.isGun = Values.toBool(root.controller.getGlobalData("mouse/isGun"), root.isGun)
    root.keyCount = Values.toInt(root.controller.getGlobalData("mouse/keyCount"), root.keyCount)
    var language = Values.toText(root.controller.getGlobalData("common/language"), "")
    if (language !== "")
        root.language = language
    var url = Values.toText(root.controller.getGlobalData("common/url"), "")
    if (url !== "")
        root.url = url
}

// A 560 mouse must start in its first on-board profile. The controller
// tells the family, as it does for every command it sends.
function checkDeviceProfile(root) {
    if (Values.toBool(root.controller.usesFamily560(), false) !== true)
        return
    var current = Values.toInt(root.controller.mouseReadCurrentProfile(), -1)
    if (current !== 1)
        Calls.call(root.device, "hid560_02H_SetCurrentProfile", [1], undefined, "hid")
}

function loadLanguages(root) {
    for (var i = 0; i < languageGroups.length; ++i) {
        var entry = languageGroups[i]
        var texts = (root.controller.getLangStrings(entry.group, root.language) ?? [])
        if (entry.group === "main") {
            root.mainLang = Texts.merged(root.defaultMainLang, texts)
        } else if (entry.rootTexts) {
            root[entry.rootTexts] = Texts.merged(root[entry.rootTexts], texts)
        } else if (entry.group === "keyCode") {
            root.keyNames.setNames(texts)
        } else if (entry.page) {
            onPage(root, root[entry.page], entry.group + " texts", p => { p[entry.texts] = Texts.merged(p[entry.texts], texts) })
        }
        // "other" and "notice" only refresh the program's own notices.
    }
}

function storedProfileNo(root) {
    var n = Values.toInt(root.controller.getGlobalData("mouse/profileNo"), 0)
    if (n < 0 || n >= Slots.profileSlots) {
        console.warn("ui: stored profile number out of range:", n)
        n = 0
    }
    return n
}

function initPages(root) {
    noteMissingPages(root)
    root.reportRateBox.init(false)
    onPage(root, root.profilePage, "profilePage.init", p => p.init())
    var n = storedProfileNo(root)
    root.profileNo = n
    if (root.profilePage)
        root.profilePage.profileNo = n
    root.profileList.select(profilePosition(root, n))
    root.profileList.close()
    root.controller.setCurrentProfile(n)
    onPage(root, root.macroEditor, "macroEditor.init", p => p.init())
    onPage(root, root.gunControl, "gunControl.init", p => p.init())
    onPage(root, root.keyAssigmentMain, "keyAssigmentMain.init", p => p.init())
    onPage(root, root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root, root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root, root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    onPage(root, root.systemSetting, "systemSetting.init", p => p.init(false, false))
}

// Reloads the pages of the profile in use and sends them to the mouse.
function reloadAndSend(root) {
    onPage(root, root.keyMatrixMain, "keyMatrixMain.init", p => p.init(true, false))
    root.reportRateBox.init(true)
    onPage(root, root.dpiSettingMain, "dpiSettingMain.init", p => p.init(true, false))
    onPage(root, root.lightControlMain, "lightControlMain.init", p => p.init(true, false))
    onPage(root, root.systemSetting, "systemSetting.init", p => p.init(true, false))
    if (root.isGun) {
        root.controller.mouseSwitchKeyMatrix(1)
        root.controller.mouseResetKeyMatrix()
    }
}

// The stores changed behind the pages (the command line): every page shows
// what they hold now, sending nothing; changes not yet saved give way.
function reloadStored(root) {
    clearUnsaved(root)
    root.reportRateBox.init(false)
    onPage(root, root.profilePage, "profilePage.init", p => p.init())
    onPage(root, root.macroEditor, "macroEditor.init", p => p.init())
    onPage(root, root.gunControl, "gunControl.init", p => p.init())
    onPage(root, root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root, root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root, root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    onPage(root, root.systemSetting, "systemSetting.init", p => p.init(false, false))
}

// Where the element of slot n stands in the title bar's list.
function profilePosition(root, n) {
    return Values.toInt(onPage(root, root.profilePage, "profilePage.positionOfSlot", p => p.positionOfSlot(n), -1), -1)
}

// An import over the profile in use: the pages show and send its new content.
function profileReplaced(root, n) {
    if (Values.toInt(n, -1) !== root.profileNo)
        return
    root.controlUIEnable(false)
    Actions.run(root, "profile", () => reloadAndSend(root))
    root.controlUIEnable(true)
}

// The title bar's or the profile page's choice: edits of the profile in use
// are not dropped without asking (true while it asks).
function requestProfile(root, n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return false
    return root.askBeforeLeaving(function() { changeProfile(root, number) },
                                 function() { root.profileList.select(profilePosition(root, root.profileNo)) })
}

function changeProfile(root, n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return
    if (deferWhileLinkBusy(root, "profile", function() { changeProfile(root, number) }))
        return
    root.controlUIEnable(false)
    root.profileNo = number
    if (root.profilePage)
        root.profilePage.profileNo = number
    root.profileList.select(profilePosition(root, number))
    root.controller.setGlobalData("mouse/profileNo", number)
    root.controller.setCurrentProfile(number)
    clearUnsaved(root)
    Actions.run(root, "profile", () => reloadAndSend(root))
    root.controlUIEnable(true)
}

// The profiles as the profile page lists them, first to last.
function profileEntries(root) {
    return onPage(root, root.profilePage, "profilePage.snapshot", p => p.snapshot(), [])
}

// The tray's choice, as the title bar's: true while the window asks about
// edits not saved yet.
function trayProfile(root, n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return false
    return requestProfile(root, number) === true
}

// A switch for the program in front never drops edits nor changes the
// profile under an open dialog; it waits (false) until they are done.
function followProgramInFront(root, n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || root.hasUnsaved || root.dialogOpen)
        return false
    changeProfile(root, number)
    return true
}

// The pages show the stored profile again, their edits dropped.
function discardEdits(root) {
    clearUnsaved(root)
    onPage(root, root.keyMatrixMain, "keyMatrixMain.init", p => p.init(false, false))
    onPage(root, root.dpiSettingMain, "dpiSettingMain.init", p => p.init(false, false))
    onPage(root, root.lightControlMain, "lightControlMain.init", p => p.init(false, false))
    clearUnsaved(root)
}

// The stored profile in use, whole, to a mouse that missed a write: keys,
// report rate, DPI and lighting, the macros its keys play and the gun slots.
function sendStoredProfile(root) {
    reloadAndSend(root)
    for (const k of macroKeys(root)) {
        const name = macroNameOfSlot(root, k.slot)
        if (name !== "")
            onPage(root, root.macroEditor, "macroEditor.sendMacro", p => p.sendMacro(k.slot, name))
    }
    if (root.isGun)
        onPage(root, root.gunControl, "gunControl.sendSlots", p => p.sendSlots())
}

function catchUp(root) {
    if (deferWhileLinkBusy(root, "catchUp", () => catchUp(root)))
        return
    root.controlUIEnable(false)
    Actions.run(root, Outcome.catchUpAction, () => sendStoredProfile(root))
    root.controlUIEnable(true)
}

// Runs `action` now, or once the link is free, after what waits already.
function whenLinkFree(root, kind, action) {
    if (!deferWhileLinkBusy(root, kind, action))
        action()
}

function clearUnsaved(root) {
    for (const p of [root.keyMatrixMain, root.dpiSettingMain, root.lightControlMain]) {
        if (p)
            p.isSave = false
    }
}

function factoryReset(root) {
    if (deferWhileLinkBusy(root, "reset", () => factoryReset(root)))
        return
    root.controlUIEnable(false)
    root.resetDialog.visible = false
    clearUnsaved(root)
    root.controller.resetProfile(root.profileNo)
    Actions.run(root, "reset", function() {
        reloadAndSend(root)
        root.controller.mouseSetCurrentDPI(2)
        root.selectDpiStage(1)
        onPage(root, root.gunControl, "gunControl.resetData", p => p.resetData())
    })
    root.controlUIEnable(true)
}

function isUnsaved(page) {
    return !!page && page.isSave === true
}

// Key list first, then DPI, then lighting; only what has changed. A mouse
// that missed a write gets the whole stored profile as well.
function saveAll(root) {
    var behind = Actions.mouseBehind(root)
    if (!root.hasUnsaved && !behind)
        return
    if (deferWhileLinkBusy(root, "save", () => saveAll(root)))
        return
    root.controlUIEnable(false)
    Actions.run(root, behind ? Outcome.catchUpAction : "save", function() {
        var saved = savePages(root)
        // The profile file kept its old values: the pages are still unsaved.
        if ((root.controller.flushSettings() ?? true) === false)
            saved.forEach(p => { p.isSave = true })
        if (behind)
            sendStoredProfile(root)
    })
    root.controlUIEnable(true)
}

// The pages with changes save them; returns those pages.
function savePages(root) {
    var saved = []
    if (isUnsaved(root.keyMatrixMain)) {
        root.keyMatrixMain.isSave = false
        saved.push(root.keyMatrixMain)
        guarded("keyMatrixMain.saveData", () => root.keyMatrixMain.saveData())
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
function macroKeys(root) {
    return onPage(root, root.keyMatrixMain, "keyMatrixMain.macroKeys", p => p.macroKeys(), [])
}

function macroNameOfSlot(root, slot) {
    return Values.toText(root.controller.getData("mouseMacroKey/" + slot, false), "")
}

function macroDeleted(root, name) {
    var keys = macroKeys(root)
    var changed = false
    var matrix = root.keyMatrixMain
    for (var i = 0; i < keys.length; ++i) {
        if (macroNameOfSlot(root, keys[i].slot) === name && matrix.restoreDefault(keys[i].key))
            changed = true
    }
    if (changed)
        matrix.saveData()
    root.controller.deleteMacroUpdateProfile(name)
}

function macroRenamed(root, oldName, newName) {
    var keys = macroKeys(root)
    for (var i = 0; i < keys.length; ++i) {
        if (macroNameOfSlot(root, keys[i].slot) !== oldName)
            continue
        root.controller.setData("mouseMacroKey/" + keys[i].slot, newName)
        root.keyMatrixMain.renameKey(keys[i].key, newName)
    }
    root.controller.modifyMacroNameUpdateProfile(oldName, newName)
}

function macroChanged(root, name) {
    Actions.run(root, "macro", function() {
        var keys = macroKeys(root)
        for (var i = 0; i < keys.length; ++i) {
            if (macroNameOfSlot(root, keys[i].slot) === name)
                root.macroEditor.sendMacro(keys[i].slot, name)
        }
    })
}

// Keyboard notices go to whichever page is capturing keys.
function routeKeyboard(root, isDown, usbCode) {
    // Escape ends a key capture rather than becoming the captured key.
    var capturing = root.keyAssigmentMain && root.keyAssigmentMain.visible
            && (root.keyAssigmentMain.isFireInput === true || root.keyAssigmentMain.isComboInput === true)
    if (capturing && (Number(usbCode) & 0xFF) === DialogKeys.escapeUsage) {
        if (isDown) {
            root.keyAssigmentMain.stopCapture()
            root.pagesState.escapeTakenAt = Date.now()
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

function openState(root) {
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
function takeFocusBack(root, focused) {
    if (!focused || !focused.visible)
        root.forceActiveFocus()
}

// Escape or Enter pressed in the window; true when a dialog took it.
function dialogKey(root, isEscape) {
    // The capture took this Escape already: the same key press reaches the
    // window too, which must not close the dialog as well.
    if (isEscape && Date.now() - root.pagesState.escapeTakenAt < 500) {
        root.pagesState.escapeTakenAt = 0
        return true
    }
    const action = isEscape ? DialogKeys.escapeAction(openState(root)) : DialogKeys.enterAction(openState(root))
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
function openKeyAssigment(root, index) {
    return !!root.keyMatrixMain && root.keyMatrixMain.openAssignment(index) === true
}

// Pressing the mask hands the focus back to the open dialogs.
function dialogsFocus(root) {
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
function linkBusy(root) {
    var link = root.device
    return !!link && link.commandRunning === true
}

function deferWhileLinkBusy(root, kind, action) {
    return LinkGuard.deferIfBusy(root.pagesState.linkWaiting, linkBusy(root), kind, action)
}

function runWhenLinkFree(root) {
    LinkGuard.runWaiting(root.pagesState.linkWaiting, () => linkBusy(root))
}
