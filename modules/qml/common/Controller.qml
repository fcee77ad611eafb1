import QtQuick
import "Calls.js" as Calls

// The program's controller as the UI calls it: one function for each of its
// slots and invokable operations, with the same names and parameters, so
// that a misspelt call is a type error of the linter rather than a warning
// at run time (a test holds the list to the controller's own). A call the
// program's object lacks, or one that throws, is logged and gives
// undefined: the caller says what stands in for it. Arguments go on as
// given, so a parameter with a default stays optional.
QtObject {
    // The program's object; null where a test runs without it.
    property var target: null

    function clearHidBusy() { return Calls.call(target, "clearHidBusy", Array.from(arguments), undefined, "ui_View") }
    function initUI() { return Calls.call(target, "initUI", Array.from(arguments), undefined, "ui_View") }
    function runUI() { return Calls.call(target, "runUI", Array.from(arguments), undefined, "ui_View") }
    function resetApconfig() { return Calls.call(target, "resetApconfig", Array.from(arguments), undefined, "ui_View") }
    function loadMacroFile(macroFileName) { return Calls.call(target, "loadMacroFile", Array.from(arguments), undefined, "ui_View") }
    function saveMacroFile(macroFileName) { return Calls.call(target, "saveMacroFile", Array.from(arguments), undefined, "ui_View") }
    function loadProfile(profile) { return Calls.call(target, "loadProfile", Array.from(arguments), undefined, "ui_View") }
    function saveProfile(profile) { return Calls.call(target, "saveProfile", Array.from(arguments), undefined, "ui_View") }
    function resetProfile(profile) { return Calls.call(target, "resetProfile", Array.from(arguments), undefined, "ui_View") }
    function copyProfile(destprofile, srcprofile) { return Calls.call(target, "copyProfile", Array.from(arguments), undefined, "ui_View") }
    function getLangStrings(typeStr, langCode) { return Calls.call(target, "getLangStrings", Array.from(arguments), undefined, "ui_View") }
    function createMacroIni(name, macroIndex) { return Calls.call(target, "createMacroIni", Array.from(arguments), undefined, "ui_View") }
    function updataNameList(type, nameList) { return Calls.call(target, "updataNameList", Array.from(arguments), undefined, "ui_View") }
    function modifyMacroNameUpdateProfile(oldname, newname) { return Calls.call(target, "modifyMacroNameUpdateProfile", Array.from(arguments), undefined, "ui_View") }
    function deleteMacroUpdateProfile(macroName) { return Calls.call(target, "deleteMacroUpdateProfile", Array.from(arguments), undefined, "ui_View") }
    function deleteMacroIni(name) { return Calls.call(target, "deleteMacroIni", Array.from(arguments), undefined, "ui_View") }
    function getNameList(type) { return Calls.call(target, "getNameList", Array.from(arguments), undefined, "ui_View") }
    function saveMacroIni(name, macros, repeat) { return Calls.call(target, "saveMacroIni", Array.from(arguments), undefined, "ui_View") }
    function mouseSendMacroData(macroData, macroIndex) { return Calls.call(target, "mouseSendMacroData", Array.from(arguments), undefined, "ui_View") }
    function loadMacroIni(name) { return Calls.call(target, "loadMacroIni", Array.from(arguments), undefined, "ui_View") }
    function mouseSaveGundata(index, src6) { return Calls.call(target, "mouseSaveGundata", Array.from(arguments), undefined, "ui_View") }
    function mouseSendGundata(slot, src6) { return Calls.call(target, "mouseSendGundata", Array.from(arguments), undefined, "ui_View") }
    function modifyGundata(modifyType, src6) { return Calls.call(target, "modifyGundata", Array.from(arguments), undefined, "ui_View") }
    function getGunData(name) { return Calls.call(target, "getGunData", Array.from(arguments), undefined, "ui_View") }
    function getGunDataKey() { return Calls.call(target, "getGunDataKey", Array.from(arguments), undefined, "ui_View") }
    function getXYSensitive(index) { return Calls.call(target, "getXYSensitive", Array.from(arguments), undefined, "ui_View") }
    function getselectGun(index) { return Calls.call(target, "getselectGun", Array.from(arguments), undefined, "ui_View") }
    function setXYSensitive(index, xyData) { return Calls.call(target, "setXYSensitive", Array.from(arguments), undefined, "ui_View") }
    function setSelectGun(index, xyData) { return Calls.call(target, "setSelectGun", Array.from(arguments), undefined, "ui_View") }
    function setCurrentProfile(profile) { return Calls.call(target, "setCurrentProfile", Array.from(arguments), undefined, "ui_View") }
    function mouseSetKeyboardoption(byte1, byte2, byte3, byte4) { return Calls.call(target, "mouseSetKeyboardoption", Array.from(arguments), undefined, "ui_View") }
    function mouseSetReportRate(rate) { return Calls.call(target, "mouseSetReportRate", Array.from(arguments), undefined, "ui_View") }
    function mouseSetCurrentDPI(currentDPI) { return Calls.call(target, "mouseSetCurrentDPI", Array.from(arguments), undefined, "ui_View") }
    function mouseResetKeyMatrix() { return Calls.call(target, "mouseResetKeyMatrix", Array.from(arguments), undefined, "ui_View") }
    function mouseGetCurrentDPI() { return Calls.call(target, "mouseGetCurrentDPI", Array.from(arguments), undefined, "ui_View") }
    function mouseSetKeyMatrix(src64, isSendData, otherParam) { return Calls.call(target, "mouseSetKeyMatrix", Array.from(arguments), undefined, "ui_View") }
    function mouseSetDpi(dpiCount, sensorType, dpiValueArray) { return Calls.call(target, "mouseSetDpi", Array.from(arguments), undefined, "ui_View") }
    function mouseSetRGBEffect(effect, option1, option2) { return Calls.call(target, "mouseSetRGBEffect", Array.from(arguments), undefined, "ui_View") }
    function mouseSetRGBColor(type, src24) { return Calls.call(target, "mouseSetRGBColor", Array.from(arguments), undefined, "ui_View") }
    function mouseSetProfile(profileNo) { return Calls.call(target, "mouseSetProfile", Array.from(arguments), undefined, "ui_View") }
    function mouseReadProfile(profileNo) { return Calls.call(target, "mouseReadProfile", Array.from(arguments), undefined, "ui_View") }
    function mouseReadCurrentProfile() { return Calls.call(target, "mouseReadCurrentProfile", Array.from(arguments), undefined, "ui_View") }
    function mouseSwitchKeyMatrix(indexNo) { return Calls.call(target, "mouseSwitchKeyMatrix", Array.from(arguments), undefined, "ui_View") }
    // A QML function's name starts in lower case; the call keeps the slot's.
    function getKeyboardoption() { return Calls.call(target, "GetKeyboardoption", Array.from(arguments), undefined, "ui_View") }
    function mouseSetCursorSpeed(cursorSpeed) { return Calls.call(target, "mouseSetCursorSpeed", Array.from(arguments), undefined, "ui_View") }
    function mouseSetVerticalScrollLines(lines) { return Calls.call(target, "mouseSetVerticalScrollLines", Array.from(arguments), undefined, "ui_View") }
    function mouseSetDoubleClickSpeed(speed) { return Calls.call(target, "mouseSetDoubleClickSpeed", Array.from(arguments), undefined, "ui_View") }
    function mouseGetKeydefine(index, isRecovery) { return Calls.call(target, "mouseGetKeydefine", Array.from(arguments), undefined, "ui_View") }
    function openUpdateExe() { return Calls.call(target, "openUpdateExe", Array.from(arguments), undefined, "ui_View") }
    function getData(key, isRecovery) { return Calls.call(target, "getData", Array.from(arguments), undefined, "ui_View") }
    function getGlobalData(key) { return Calls.call(target, "getGlobalData", Array.from(arguments), undefined, "ui_View") }
    function getDataList(key, isRecovery) { return Calls.call(target, "getDataList", Array.from(arguments), undefined, "ui_View") }
    function setData(key, value) { return Calls.call(target, "setData", Array.from(arguments), undefined, "ui_View") }
    function setGlobalData(key, tmpdata) { return Calls.call(target, "setGlobalData", Array.from(arguments), undefined, "ui_View") }
    function setDataList(key, datalist) { return Calls.call(target, "setDataList", Array.from(arguments), undefined, "ui_View") }
    function setBusy(busyTime) { return Calls.call(target, "setBusy", Array.from(arguments), undefined, "ui_View") }
    function setCurrentDPI(dpiValue) { return Calls.call(target, "setCurrentDPI", Array.from(arguments), undefined, "ui_View") }
    function usesFamily560() { return Calls.call(target, "usesFamily560", Array.from(arguments), undefined, "ui_View") }
    function pointerSettingTaken(setting) { return Calls.call(target, "pointerSettingTaken", Array.from(arguments), undefined, "ui_View") }
    function flushSettings() { return Calls.call(target, "flushSettings", Array.from(arguments), undefined, "ui_View") }
    function beginDeviceAction(name) { return Calls.call(target, "beginDeviceAction", Array.from(arguments), undefined, "ui_View") }
    function endDeviceAction() { return Calls.call(target, "endDeviceAction", Array.from(arguments), undefined, "ui_View") }
    function lastDeviceOutcome() { return Calls.call(target, "lastDeviceOutcome", Array.from(arguments), undefined, "ui_View") }
    function mouseBehind() { return Calls.call(target, "mouseBehind", Array.from(arguments), undefined, "ui_View") }
    function quitProgram() { return Calls.call(target, "quitProgram", Array.from(arguments), undefined, "ui_View") }
    function nameNextExport(name) { return Calls.call(target, "nameNextExport", Array.from(arguments), undefined, "ui_View") }
    function lastFileOutcome() { return Calls.call(target, "lastFileOutcome", Array.from(arguments), undefined, "ui_View") }
    function setEnabled(enabled) { return Calls.call(target, "setEnabled", Array.from(arguments), undefined, "ui_View") }
}
