import QtQuick
import ".."

// What a page may read from the main window and ask of it. main.qml makes
// the one instance, binds its facts and carries out its requests; each page
// gets it as a typed collaborator instead of reaching the window's ids, so
// the linter checks every use.
QtObject {
    // Texts shared by the pages (MainTexts.Index, Hints.Index name them).
    property var mainLang: []
    property var hintLang: []
    property string language
    property string url

    // The mouse and the profile in use.
    property bool isGun
    property bool isColorful
    property bool is55328
    property string icType
    property int keyCount
    property int profileNo: -1
    property int currentDPI: -1
    // The pages are made and the texts loaded.
    property bool isPownOn
    // A write failed and the mouse is still to get the stored profile.
    property bool mouseBehind
    property bool hasUnsaved

    // The window, which dialogs are centred in and dragged inside.
    property int areaWidth: Theme.windowWidth
    property int areaHeight: Theme.windowHeight

    // Arguments pass as given (a notice without a tag, a question without
    // a title), as the window's own functions take them.
    signal noticeShown(var kind, var text, var tag)
    signal noticeCleared(var tag)
    signal questionAsked(var text, var buttons, var onChosen, var title)
    signal confirmationAsked(var title, var question, var okText, var action)
    signal deviceActionRun(var name, var body)
    signal focusTaken()
    signal leavingAsked(var proceed, var cancel)
    signal profileListClosing()

    // "done" and "info" fade; a "failure" stays until dismissed or replaced
    // by a notice of the same tag.
    function showNotice(kind, text, tag) { noticeShown(kind, text, tag) }
    function clearNotice(tag) { noticeCleared(tag) }
    // Up to three buttons; onChosen(index) gets the one pressed.
    function ask(text, buttons, onChosen, title) { questionAsked(text, buttons, onChosen, title) }
    // OK runs `action`; Cancel or Escape leave everything as it was.
    function confirm(title, question, okText, action) { confirmationAsked(title, question, okText, action) }
    // Runs `body` as a user action on the mouse and shows its outcome.
    function deviceAction(name, body) { deviceActionRun(name, body) }
    // Open lists and menus of the window close; the window takes the keys.
    function mainFocus() { focusTaken() }
    // Unsaved edits first: with none `proceed` runs at once; otherwise the
    // user saves or discards them (then `proceed` runs) or keeps them
    // (then `cancel` runs).
    function askBeforeLeaving(proceed, cancel) { leavingAsked(proceed, cancel) }
    // The title bar's list of profiles closes.
    function closeProfileList() { profileListClosing() }

    function showCentred(dialog) {
        if (!dialog)
            return
        dialog.x = Math.round((areaWidth - dialog.width) / 2)
        dialog.y = Math.round((areaHeight - dialog.height) / 2)
        dialog.visible = true
    }
}
