// How the main window drives its pages: start-up, language texts, profile
// change, factory reset, saving and the macro editor's notices. Imported by
// main.qml without ".pragma library", so it runs in main.qml's context and
// sees its ids (root, the page places, ui_View).
.import "Calls.js" as Calls
.import "Texts.js" as Texts
.import "Values.js" as Values
.import "LinkGuard.js" as LinkGuard

// The language groups read at start, in this order, and where they go.
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
    { group: "keyCode" },
    { group: "other" }
]

function view(name, args, fallback) {
    return Calls.call(ui_View, name, args, fallback, "ui_View")
}

function page(name, fn, args, fallback) {
    return Calls.call(root[name], fn, args, fallback, name)
}

function readGlobals() {
    root.isColorful = Values.toBool(view("getGlobalData", ["mouse/isColorful"]), root.isColorful)
    root.icType = Values.toText(view("getGlobalData", ["mouse/icType"]), root.icType)
    root.is55328 = Values.toBool(view("getGlobalData", ["mouse/is55328"]), root.is55328)
    root.isGun = Values.toBool(view("getGlobalData", ["mouse/isGun"]), root.isGun)
    root.keyCount = Values.toInt(view("getGlobalData", ["mouse/keyCount"]), root.keyCount)
    Calls.assign(root.mouseMain, "keyCount", root.keyCount)
    var language = Values.toText(view("getGlobalData", ["common/language"]), "")
    if (language !== "")
        root.language = language
    var url = Values.toText(view("getGlobalData", ["common/url"]), "")
    if (url !== "")
        root.url = url
}

// A 560 mouse must start in its first on-board profile.
function checkDeviceProfile() {
    if (root.icType !== "560")
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
        } else if (entry.group === "keyCode") {
            _KeyCodeString.setNames(texts)
        } else if (entry.page) {
            var target = root[entry.page]
            if (target && entry.texts in target)
                target[entry.texts] = Texts.merged(target[entry.texts], texts)
        }
        // "other" only refreshes the program's DPI notices.
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
    root.reportRateBox.init(false)
    page("profilePage", "init", [])
    var n = storedProfileNo()
    root.profileNo = n
    Calls.assign(root.profilePage, "profileNo", n)
    root.profileList.select(profilePosition(n))
    root.profileList.close()
    view("setCurrentProfile", [n])
    page("macroEditor", "init", [])
    page("gunControl", "init", [])
    page("keyAssigmentMain", "init", [])
    page("keyMatrixMain", "init", [false, false])
    page("dpiSettingMain", "init", [false, false])
    page("lightControlMain", "init", [false, false])
    page("systemSetting", "init", [false, false])
}

// Reloads the pages of the profile in use and sends them to the mouse.
function reloadAndSend() {
    page("keyMatrixMain", "init", [true, false])
    root.reportRateBox.init(true)
    page("dpiSettingMain", "init", [true, false])
    page("lightControlMain", "init", [true, false])
    page("systemSetting", "init", [true, false])
    if (root.isGun) {
        view("mouseSwitchKeyMatrix", [1])
        view("mouseResetKeyMatrix", [])
    }
}

// Where the element of slot n stands in the title bar's list.
function profilePosition(n) {
    return Values.toInt(page("profilePage", "positionOfSlot", [n], -1), -1)
}

// An import over the profile in use: the pages show and send its new content.
function profileReplaced(n) {
    if (Values.toInt(n, -1) !== root.profileNo)
        return
    root.controlUIEnable(false)
    reloadAndSend()
    root.controlUIEnable(true)
}

function changeProfile(n) {
    var number = Values.toInt(n, -1)
    if (number < 0 || number === root.profileNo)
        return
    if (deferWhileLinkBusy("profile", function() { changeProfile(number) }))
        return
    root.controlUIEnable(false)
    root.profileNo = number
    Calls.assign(root.profilePage, "profileNo", number)
    root.profileList.select(profilePosition(number))
    view("setGlobalData", ["mouse/profileNo", number])
    view("setCurrentProfile", [number])
    reloadAndSend()
    root.controlUIEnable(true)
}

function clearUnsaved() {
    Calls.assign(root.keyMatrixMain, "isSave", false)
    Calls.assign(root.dpiSettingMain, "isSave", false)
    Calls.assign(root.lightControlMain, "isSave", false)
}

function factoryReset() {
    if (deferWhileLinkBusy("reset", factoryReset))
        return
    root.controlUIEnable(false)
    root.resetDialog.visible = false
    clearUnsaved()
    view("resetProfile", [root.profileNo])
    reloadAndSend()
    view("mouseSetCurrentDPI", [2])
    root.selectDpiStage(1)
    page("gunControl", "resetData", [])
    root.controlUIEnable(true)
}

function isUnsaved(name) {
    var target = root[name]
    return !!target && target.isSave === true
}

// Key list first, then DPI, then lighting; only what has changed.
function saveAll() {
    if (!isUnsaved("keyMatrixMain") && !isUnsaved("dpiSettingMain") && !isUnsaved("lightControlMain"))
        return
    if (deferWhileLinkBusy("save", saveAll))
        return
    root.controlUIEnable(false)
    if (isUnsaved("keyMatrixMain")) {
        root.keyMatrixMain.isSave = false
        Calls.call(root.keyMatrixMain.modKeys, "saveData", [], undefined, "modKeys")
    }
    if (isUnsaved("dpiSettingMain")) {
        root.dpiSettingMain.isSave = false
        page("dpiSettingMain", "saveData", [true])
    }
    if (isUnsaved("lightControlMain")) {
        root.lightControlMain.isSave = false
        page("lightControlMain", "saveData", [true, 0])
    }
    root.controlUIEnable(true)
}

// The keys of the current profile that play a macro, as { key, slot }.
function macroKeys() {
    var keys = root.keyMatrixMain ? root.keyMatrixMain.modKeys : null
    var found = []
    if (!keys || keys.count === undefined)
        return found
    for (var i = 0; i < keys.count; ++i) {
        var entry = keys.get(i)
        if (Number(entry.keyCode0) === 4)
            found.push({ key: i, slot: Number(entry.keyCode2) })
    }
    return found
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
        Calls.call(matrix.modKeys, "saveData", [], undefined, "modKeys")
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
    var keys = macroKeys()
    for (var i = 0; i < keys.length; ++i) {
        if (macroNameOfSlot(keys[i].slot) === name)
            page("macroEditor", "sendMacro", [keys[i].slot, name])
    }
}

// Keyboard notices go to whichever page is capturing keys.
function routeKeyboard(isDown, usbCode) {
    var macro = root.macroEditor
    if (macro && macro.visible) {
        if (macro.isInsertting === true)
            page("macroEditor", "detectInput", [isDown, usbCode])
        else if (macro.isInputting === true)
            page("macroEditor", "detectKeyboard", [isDown, usbCode])
    }
    var assign = root.keyAssigmentMain
    if (assign && assign.visible) {
        if (assign.isFireInput === true)
            page("keyAssigmentMain", "detectKeyboard", [isDown, usbCode, 0])
        else if (assign.isComboInput === true)
            page("keyAssigmentMain", "detectKeyboard", [isDown, usbCode, 1])
    }
}

// Opens the key assignment dialog for key `index`, unless it is the only
// left button, which must stay assigned.
function openKeyAssigment(index) {
    var matrix = root.keyMatrixMain
    var dialog = root.keyAssigmentMain
    if (!matrix || !dialog)
        return false
    if (Calls.call(matrix, "checkOneLeftKey", [index], false, "keyMatrixMain") === true)
        return false
    var entry = matrix.modKeys && matrix.modKeys.get ? matrix.modKeys.get(index) : null
    Calls.assign(dialog, "keyIndex", index)
    if (entry) {
        Calls.assign(dialog, "keyString", entry.keyText)
        for (var c = 0; c < 4; ++c)
            Calls.assign(dialog, "keyCode" + c, entry["keyCode" + c])
    }
    dialog.visible = true
    return true
}

// Pressing the mask hands the focus back to the open dialogs.
function dialogsFocus() {
    var focusOf = [["macroEditor", "macroEditorFocus"], ["gunControl", "gunControlFocus"],
                   ["systemSetting", "systemSettingFocus"], ["profilePage", "profileFocus"],
                   ["keyAssigmentMain", "keyAssigmentFocus"]]
    for (var i = 0; i < focusOf.length; ++i) {
        var target = root[focusOf[i][0]]
        if (target && target.visible)
            page(focusOf[i][0], focusOf[i][1], [])
    }
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
