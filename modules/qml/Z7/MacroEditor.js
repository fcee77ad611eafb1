.pragma library
.import "../common/Values.js" as Values
.import "../common/MacroPayload.js" as MacroPayload
.import "../common/Hints.js" as Hints
.import "../common/InputRules.js" as InputRules
.import "MacroEvents.js" as MacroEvents
.import "MacroNames.js" as MacroNames
.import "MacroRecording.js" as MacroRecording

// The macro editor's behaviour: the macro list, the events of the selected
// macro, recording and the insert-key wait. Every function takes the editor
// `e`, which holds the state
//     macroModel, eventModel (list models of { textValue } and { type, info }),
//     currentMacro, currentEvent, isInputting, isInsertting, isDelayRecorded,
//     encodedLength, saveFailed, savedRepeat, recording, elapsedText,
// the macro library `e.library`
//     names(), storeNames(list), load(name), save(name, texts, repeat),
//     create(name), remove(name), importFile(name), exportFile(name),
//     fileOutcome(), send(bytes, slot),
// and what the page shows
//     endEdits(), showMacro(i), showEvent(i), grabFocus(), openKeyDialog(),
//     hideKeyDialog(), offerKey(code, name), repeatText(), showRepeat(n),
//     notify(text, problem), confirm(title, question, ok, action),
//     handOverNames(list), closed(), now(), keyName(code), hintTexts(),
//     keyNames (the key name table), macroEditorLang,
// and its signals deleteMacro(name), modifyMacroName(old, name),
// modifyMacroData(name).

function names(e) {
    var list = []
    for (var i = 0; i < e.macroModel.count; ++i)
        list.push(e.macroModel.get(i).textValue)
    return list
}

function currentName(e) { return e.currentMacro >= 0 ? e.macroModel.get(e.currentMacro).textValue : "" }

function storeNames(e) {
    e.library.storeNames(names(e))
    e.handOverNames(names(e))
}

function updateLength(e) { e.encodedLength = MacroPayload.encodedLength(e.eventModel) }

function init(e) {
    e.macroModel.clear()
    e.eventModel.clear()
    e.currentMacro = -1
    var stored = MacroNames.fromStored(e.library.names())
    for (var i = 0; i < stored.length; ++i)
        e.macroModel.append({ textValue: stored[i] })
    if (e.macroModel.count > 0)
        selectMacro(e, 0)
    e.handOverNames(names(e))
}

function loadEvents(e) {
    e.eventModel.clear()
    e.currentEvent = -1
    e.saveFailed = false
    var macro = MacroEvents.fromStored(e.currentMacro >= 0 ? e.library.load(currentName(e)) : [])
    if (macro.skipped > 0)
        console.warn("ui: macro " + currentName(e) + ": " + macro.skipped + " unreadable events left out")
    for (var i = 0; i < macro.events.length; ++i)
        e.eventModel.append(macro.events[i])
    e.savedRepeat = MacroEvents.repeatFromInput(macro.repeat)
    e.showRepeat(e.savedRepeat)
    updateLength(e)
}

// Every change is saved at once. A file that went missing under the list is
// made again rather than the change lost; a save that still fails is shown
// and not passed on to the mouse.
function autoSave(e) {
    if (e.currentMacro < 0)
        return false
    var name = currentName(e)
    var texts = MacroEvents.toStored(e.eventModel)
    var repeat = MacroEvents.repeatFromInput(e.repeatText())
    var saved = Values.toBool(e.library.save(name, texts, repeat), false)
    if (!saved) {
        e.library.create(name)
        saved = Values.toBool(e.library.save(name, texts, repeat), false)
    }
    e.saveFailed = !saved
    if (!saved) {
        console.warn("ui: macro " + name + " could not be saved")
        return false
    }
    e.savedRepeat = repeat
    e.modifyMacroData(name)
    return true
}

function selectMacro(e, index) {
    if (index === e.currentMacro && index >= 0)
        return
    stopRecording(e)
    e.endEdits()
    e.currentMacro = index >= 0 && index < e.macroModel.count ? index : -1
    loadEvents(e)
    if (e.currentMacro >= 0)
        e.showMacro(e.currentMacro)
}

function startRecording(e) {
    if (e.currentMacro < 0 || e.isInputting)
        return
    e.endEdits()
    closeInsertKey(e)
    e.eventModel.clear()
    e.currentEvent = -1
    updateLength(e)
    e.recording = MacroRecording.start(e.now())
    e.elapsedText = MacroRecording.elapsedText(e.recording, e.recording.started)
    e.isInputting = true
    // Keys typed into the window while recording must not land in a field.
    e.grabFocus()
}

function stopRecording(e) {
    if (!e.isInputting)
        return
    e.isInputting = false
    autoSave(e)
}

// The recording clock's tick: the pause so far and the time shown.
function tick(e) {
    var now = e.now()
    MacroRecording.tick(e.recording, now)
    e.elapsedText = MacroRecording.elapsedText(e.recording, now)
}

function appendEvents(e, events) {
    for (var i = 0; i < events.length; ++i)
        e.eventModel.append(events[i])
    if (events.length > 0) {
        e.currentEvent = e.eventModel.count - 1
        e.showEvent(e.currentEvent)
        updateLength(e)
    }
}

// A key from the keyboard hook while recording.
function detectKeyboard(e, isDown, usbCode) {
    if (!e.isInputting || e.currentMacro < 0)
        return
    var code = Number(usbCode) & 0xFF
    appendEvents(e, MacroRecording.take(e.recording, e.eventModel, isDown, code, e.keyName(code),
                                        e.isDelayRecorded, e.now()))
}

// A key from the keyboard hook while the insert-key dialog waits.
function detectInput(e, isDown, usbCode) {
    if (!e.isInsertting || !isDown)
        return
    var code = Number(usbCode) & 0xFF
    var name = e.keyName(code)
    if (code < MacroEvents.firstButtonCode && name !== "")
        e.offerKey(code, name)
}

function insertEvents(e, index, events) {
    for (var i = 0; i < events.length; ++i)
        e.eventModel.insert(index + i, events[i])
    e.currentEvent = index + events.length - 1
    e.showEvent(e.currentEvent)
    updateLength(e)
    autoSave(e)
}

function insertDelay(e) {
    insertEvents(e, MacroEvents.delayIndex(e.currentEvent, e.eventModel.count),
                 [{ type: MacroEvents.Delay, info: String(MacroEvents.insertedDelayMs) }])
}

function insertButton(e, code) {
    insertEvents(e, MacroEvents.buttonIndex(e.currentEvent, e.eventModel.count), MacroEvents.tap(code, e.keyName(code)))
}

function openInsertKey(e) {
    e.openKeyDialog()
    e.isInsertting = true
}

function closeInsertKey(e) {
    e.hideKeyDialog()
    e.isInsertting = false
}

// The key the insert-key dialog took, tapped after the selected event.
function insertKey(e, code, name) {
    closeInsertKey(e)
    insertEvents(e, MacroEvents.keyIndex(e.currentEvent, e.eventModel.count), MacroEvents.tap(code, name))
}

function removeEvent(e) {
    if (e.currentEvent < 0 || e.currentEvent >= e.eventModel.count)
        return
    e.eventModel.remove(e.currentEvent)
    e.currentEvent = Math.min(e.currentEvent, e.eventModel.count - 1)
    updateLength(e)
    autoSave(e)
}

function editDelay(e, index, text) {
    var old = Number(e.eventModel.get(index).info)
    var value = MacroEvents.delayFromInput(text, old)
    if (value === MacroEvents.maxDelayMs && String(text).trim() !== String(value))
        e.notify(InputRules.filled(hint(e, Hints.Index.corrected), value,
                                   InputRules.rangeText(0, MacroEvents.maxDelayMs)), true)
    if (value === old)
        return
    e.eventModel.setProperty(index, "info", String(value))
    updateLength(e)
    autoSave(e)
}

function commitRepeat(e) {
    var repeat = MacroEvents.repeatFromInput(e.repeatText())
    e.showRepeat(repeat)
    if (repeat !== e.savedRepeat)
        autoSave(e)
}

function newMacro(e) {
    if (!MacroNames.canAdd(names(e)))
        return
    stopRecording(e)
    var name = MacroNames.nextFree(names(e))
    e.macroModel.append({ textValue: name })
    e.library.create(name)
    selectMacro(e, e.macroModel.count - 1)
    storeNames(e)
}

// Delete asks first; the macro and its file go only on OK.
function askRemove(e) {
    if (e.currentMacro < 0)
        return
    e.confirm(e.macroEditorLang[3], InputRules.filled(hint(e, Hints.Index.deleteMacro), currentName(e)),
              e.macroEditorLang[3], function() { removeMacro(e) })
}

function removeMacro(e) {
    if (e.currentMacro < 0)
        return
    stopRecording(e)
    e.endEdits()
    var index = e.currentMacro
    var name = currentName(e)
    e.library.remove(name)
    e.eventModel.clear()
    e.deleteMacro(name)
    e.macroModel.remove(index)
    e.currentMacro = -1
    selectMacro(e, Math.min(index, e.macroModel.count - 1))
    storeNames(e)
}

// The imported macro takes the file's name, made unique; a cancelled or
// failed import adds nothing.
function importMacro(e) {
    if (!MacroNames.canAdd(names(e)))
        return
    stopRecording(e)
    e.endEdits()
    var name = MacroNames.nextFree(names(e))
    var taken = Values.toBool(e.library.importFile(name), false)
    var outcome = e.library.fileOutcome()
    if (taken) {
        var index = e.currentMacro >= 0 ? e.currentMacro : e.macroModel.count
        e.macroModel.insert(index, { textValue: name })
        e.currentMacro = index
        storeNames(e)
        var others = names(e).filter(function(n, i) { return i !== index })
        var wanted = InputRules.importedName(outcome ? outcome.name : "", others, MacroNames.maxNameLength, name)
        if (wanted !== name)
            renameMacro(e, index, wanted)
        loadEvents(e)
        e.showMacro(index)
    }
    showFileNotice(e, outcome, true)
}

function exportMacro(e) {
    if (e.currentMacro < 0)
        return
    e.library.exportFile(currentName(e))
    showFileNotice(e, e.library.fileOutcome(), false)
}

function hint(e, index) { return Hints.text(e.hintTexts(), index) }

function showFileNotice(e, outcome, isImport) {
    var line = Hints.fileNotice(e.hintTexts(), outcome, isImport)
    if (line)
        e.notify(line.text, line.problem)
}

// A name another macro has, or one a macro file left behind has, would make
// two macros one; such a rename changes nothing.
function renameMacro(e, index, name) {
    var problem = MacroNames.renameProblem(names(e), index, name)
    if (problem === "" && e.library.load(name).length > 0)
        problem = "taken"
    if (problem !== "") {
        if (problem !== "unchanged")
            console.warn("ui: macro " + names(e)[index] + " keeps its name (" + problem + "): " + name)
        return false
    }
    stopRecording(e)
    var old = e.macroModel.get(index).textValue
    e.modifyMacroName(old, name)
    e.macroModel.setProperty(index, "textValue", name)
    storeNames(e)
    return true
}

// Sends the stored macro `macroName` to the mouse's macro slot `index`.
function sendMacro(e, index, macroName) {
    var stored = e.library.load(macroName)
    if (!stored || stored.length === 0) {
        console.warn("ui: macro " + macroName + " has no file; macro slot " + index + " not sent")
        return false
    }
    var macro = MacroPayload.fromStored(stored)
    e.library.send(MacroPayload.build(macro.events, macro.repeat, e.keyNames), index)
    return true
}

function close(e) {
    stopRecording(e)
    closeInsertKey(e)
    e.endEdits()
    e.grabFocus()
    e.visible = false
    e.closed()
}
