import QtQuick

// Stands in for the controller: answers from the tables below and records
// every call as [name, arguments...].
QtObject {
    property var calls: []
    property var globals: ({})
    property var profile: ({})
    property var languages: ({})
    property var deviceProfile: 1
    property var deviceDpi: 1
    property bool enabled: true
    property var failing: []

    function reset() {
        calls = []
        globals = {}
        profile = {}
        languages = {}
        deviceProfile = 1
        deviceDpi = 1
        enabled = true
        failing = []
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

    function callsOf(name) {
        return calls.filter(function(c) { return c[0] === name })
    }

    function setEnabled(isEnabled) { record("setEnabled", arguments); enabled = isEnabled }
    function getGlobalData(key) { record("getGlobalData", arguments); return globals[key] }
    function setGlobalData(key, value) { record("setGlobalData", arguments); globals[key] = value }
    function getData(key, isRecovery) { record("getData", arguments); return profile[key] }
    function setData(key, value) { record("setData", arguments); profile[key] = value }
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
}
