import QtQuick

// Stands in for the controller: every slot the UI may call records itself as
// [name, arguments...]. Settings answer from `globals` and `profile`; any
// other slot answers from `answers[name]` (a value, or a function of the
// arguments) and otherwise with what the real slot gives when nothing is
// stored.
QtObject {
    property var calls: []
    property var globals: ({})
    property var profile: ({})
    property var languages: ({})
    property var answers: ({})
    property var deviceProfile: 1
    property var deviceDpi: 1
    // The family of the controller's device model (560 or 553).
    property bool family560: false
    property bool enabled: true
    property var failing: []
    // What endDeviceAction answers, as a function of the action's name; by
    // default every action reached the mouse with one command. `behind` is
    // the controller's note that the mouse missed a write.
    property var outcomeOf: null
    property bool behind: false
    property var actions: []

    signal storageFailed(int kind, string path)

    function reset() {
        calls = []
        globals = {}
        profile = {}
        languages = {}
        answers = {}
        deviceProfile = 1
        deviceDpi = 1
        family560 = false
        enabled = true
        failing = []
        outcomeOf = null
        behind = false
        actions = []
    }

    // Records the call; a name listed in `failing` then throws, as a broken
    // operation would.
    function record(name, args) {
        var entry = [name]
        for (var i = 0; i < args.length; ++i)
            entry.push(args[i])
        calls.push(entry)
        if (failing.indexOf(name) >= 0)
            throw new Error(name + " broke")
    }

    function answer(name, args, fallback) {
        record(name, args)
        var given = answers[name]
        if (given === undefined)
            return fallback
        return typeof given === "function" ? given.apply(null, args) : given
    }

    function callsOf(name) {
        return calls.filter(function(c) { return c[0] === name })
    }

    function setEnabled(isEnabled) { record("setEnabled", arguments); enabled = isEnabled }
    function getGlobalData(key) { record("getGlobalData", arguments); return globals[key] }
    function setGlobalData(key, value) { record("setGlobalData", arguments); globals[key] = value }
    function getData(key, isRecovery) { record("getData", arguments); return profile[key] }
    function setData(key, value) { record("setData", arguments); profile[key] = value }
    function getDataList(key, isRecovery) {
        record("getDataList", arguments)
        return profile[key] === undefined ? [] : profile[key]
    }
    function setDataList(key, list) { record("setDataList", arguments); profile[key] = list }
    function getLangStrings(type, lang) {
        record("getLangStrings", arguments)
        return languages[type] === undefined ? [] : languages[type]
    }
    function setCurrentProfile(n) { record("setCurrentProfile", arguments) }
    function resetProfile(n) { record("resetProfile", arguments) }
    function mouseReadCurrentProfile() { record("mouseReadCurrentProfile", arguments); return deviceProfile }
    function mouseGetCurrentDPI() { record("mouseGetCurrentDPI", arguments); return deviceDpi }
    function mouseSetCurrentDPI(n) { record("mouseSetCurrentDPI", arguments) }
    function mouseSetReportRate(rate) { record("mouseSetReportRate", arguments) }
    function mouseSwitchKeyMatrix(n) { record("mouseSwitchKeyMatrix", arguments) }
    function mouseResetKeyMatrix() { record("mouseResetKeyMatrix", arguments) }

    function clearHidBusy() { record("clearHidBusy", arguments) }
    function initUI() { record("initUI", arguments) }
    function runUI() { record("runUI", arguments) }
    function resetApconfig() { record("resetApconfig", arguments) }
    function loadMacroFile(name) { return answer("loadMacroFile", arguments, false) }
    function saveMacroFile(name) { record("saveMacroFile", arguments) }
    function loadProfile(n) { return answer("loadProfile", arguments, false) }
    function saveProfile(n) { record("saveProfile", arguments) }
    function nameNextExport(name) { record("nameNextExport", arguments) }
    function lastFileOutcome() { return answer("lastFileOutcome", arguments, { file: "", name: "", done: false }) }
    function copyProfile(dest, src) { record("copyProfile", arguments) }
    function createMacroIni(name, index) { return answer("createMacroIni", arguments, true) }
    function updataNameList(type, names) { return answer("updataNameList", arguments, true) }
    function modifyMacroNameUpdateProfile(oldName, newName) {
        return answer("modifyMacroNameUpdateProfile", arguments, true)
    }
    function deleteMacroUpdateProfile(name) { record("deleteMacroUpdateProfile", arguments) }
    function deleteMacroIni(name) { return answer("deleteMacroIni", arguments, true) }
    function getNameList(type) { return answer("getNameList", arguments, []) }
    function saveMacroIni(name, events, repeat) { return answer("saveMacroIni", arguments, true) }
    function mouseSendMacroData(data, index) { return answer("mouseSendMacroData", arguments, 0) }
    function loadMacroIni(name) { return answer("loadMacroIni", arguments, []) }
    function mouseSaveGundata(index, values) { record("mouseSaveGundata", arguments) }
    function mouseSendGundata(index, values) { record("mouseSendGundata", arguments) }
    function modifyGundata(type, values) { record("modifyGundata", arguments) }
    function getGunData(name) { return answer("getGunData", arguments, []) }
    function getXYSensitive(index) { return answer("getXYSensitive", arguments, 0) }
    function getselectGun(index) { return answer("getselectGun", arguments, 0) }
    function setXYSensitive(index, value) { record("setXYSensitive", arguments) }
    function setSelectGun(index, value) { record("setSelectGun", arguments) }
    function mouseSetKeyboardoption(b1, b2, b3, b4) { record("mouseSetKeyboardoption", arguments) }
    function mouseSetKeyMatrix(src64, isSendData, other) { record("mouseSetKeyMatrix", arguments) }
    function mouseSetDpi(count, sensor, values) { record("mouseSetDpi", arguments) }
    function mouseSetRGBEffect(effect, option1, option2) { record("mouseSetRGBEffect", arguments) }
    function mouseSetRGBColor(type, src24) { record("mouseSetRGBColor", arguments) }
    function mouseSetProfile(n) { record("mouseSetProfile", arguments) }
    function mouseReadProfile(n) { record("mouseReadProfile", arguments) }
    function mouseSetCursorSpeed(speed) { record("mouseSetCursorSpeed", arguments) }
    function mouseSetVerticalScrollLines(lines) { record("mouseSetVerticalScrollLines", arguments) }
    function mouseSetDoubleClickSpeed(speed) { record("mouseSetDoubleClickSpeed", arguments) }
    function mouseGetKeydefine(index, isRecovery) { return answer("mouseGetKeydefine", arguments, [0, 0, 0, 0]) }
    function openUpdateExe() { record("openUpdateExe", arguments) }
    function flushSettings() { return answer("flushSettings", arguments, true) }
    function setBusy(ms) { record("setBusy", arguments) }
    function setCurrentDPI(value) { record("setCurrentDPI", arguments) }
    function pointerSettingTaken(setting) { return answer("pointerSettingTaken", arguments, true) }
    function usesFamily560() { return answer("usesFamily560", arguments, family560) }
    function beginDeviceAction(name) { record("beginDeviceAction", arguments); actions.push(String(name)) }
    function endDeviceAction() {
        record("endDeviceAction", arguments)
        var name = actions.pop()
        if (actions.length > 0)
            return {}
        var outcome = outcomeOf ? outcomeOf(name)
                                : { action: name, ok: true, kind: "done", commands: 1, failed: 0, command: "" }
        if (outcome.ok === false)
            behind = true
        else if (name === "catchUp")
            behind = false
        return outcome
    }
    function mouseBehind() { record("mouseBehind", arguments); return behind }
    function quitProgram() { record("quitProgram", arguments) }
}
