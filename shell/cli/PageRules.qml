import QtQml
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/common/ReportRate.js" as ReportRate
import "qrc:/modules/qml/common/MacroPayload.js" as MacroPayload
import "qrc:/modules/qml/common/Texts.js" as Texts
import "qrc:/modules/qml/common/Values.js" as Values
import "qrc:/modules/qml/Z7/DpiSetting.js" as DpiSetting
import "qrc:/modules/qml/Z7/LightControl.js" as LightControl
import "qrc:/modules/qml/Z7/KeyAssigment.js" as KeyAssigment
import "qrc:/modules/qml/Z7/KeyMatrix.js" as KeyMatrix
import "qrc:/modules/qml/Z7/SystemSetting.js" as SystemSetting
import "qrc:/modules/qml/Z7/Profile.js" as Profile
import "qrc:/modules/qml/Z7/GunControl.js" as GunControl
import "qrc:/modules/qml/Z7/MacroNames.js" as MacroNames

// The pages' own scripts, for the command line: it reads ranges, names and
// what a change writes and sends from them, so that the window and the
// command line never disagree.
QtObject {
    readonly property var libraries: ({
        ReportRate: ReportRate, Texts: Texts, Values: Values, DpiSetting: DpiSetting,
        LightControl: LightControl, KeyAssigment: KeyAssigment, KeyMatrix: KeyMatrix,
        SystemSetting: SystemSetting, Profile: Profile, GunControl: GunControl, MacroNames: MacroNames
    })
    property KeyCodeString keyNames: KeyCodeString { }

    function call(library, name, args) {
        return libraries[library][name].apply(null, args)
    }

    function value(library, name) {
        return libraries[library][name]
    }

    // The text the key list shows for an entry; macroNames[slot] is the
    // name stored for a macro slot.
    function entryText(entry, texts, macroNames) {
        return KeyAssigment.entryText(entry, texts, keyName, function(slot) {
            var name = macroNames[slot]
            return name === undefined || name === null ? "" : String(name)
        })
    }

    // The fire periods the key list sends for gun slots 1 to 3.
    function gunPeriods(slots, periodsByPosition) {
        return KeyMatrix.gunPeriods(slots, function(p) { return periodsByPosition[p] })
    }

    // What the macro editor sends for a stored macro.
    function macroPayload(stored) {
        var macro = MacroPayload.fromStored(stored)
        return MacroPayload.build(macro.events, macro.repeat, keyNames)
    }

    function setKeyNames(names) { keyNames.setNames(names) }
    function keyName(code) { return keyNames.keycodeTostr(code) }
    function keyCode(name) { return keyNames.strTokeycode(name) }
    function keyNameList() { return keyNames.keyCodeStr }
    function keyCodeList() { return keyNames.keyCode }
}
