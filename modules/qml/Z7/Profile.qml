import QtQuick
import "../common"
import ".."
import "../common/Values.js" as Values
import "../common/Hints.js" as Hints
import "../common/InputRules.js" as InputRules
import "Profile.js" as Rules
import "ProfilePrograms.js" as Programs

// The profiles dialog: the list of up to six profiles with New and Import,
// renaming by double click, and Delete and Export from the context menu.
// Every element names its profile by the slot stored with it; the title
// bar's list shows this page's model in the same order.
Item {
    id: page
    objectName: "profilePage"
    width: 415
    height: 288
    visible: false

    readonly property var defaultProfileLang: Rules.defaultTexts
    property var profileLang: defaultProfileLang.slice(0)
    property int profileNo: -1
    property alias listModel: elements
    property int selectedIndex: 0
    property int editingIndex: -1
    // Where the element of the profile in use stands; the title bar selects it.
    readonly property int inUsePosition: (elements.count, positionOfSlot(profileNo))
    readonly property bool canAdd: elements.count < Rules.maxProfiles
    // The program's automatic switching (its AutoProfile), handed over by
    // the window; null without it.
    property var autoProfile: null

    signal changeProfile(int tmpProfileNo)
    // Import wrote the file of `slot`; the profile in use must then be reloaded.
    signal profileReplaced(int slot)

    required property Controller controller
    required property ShellApi shell
    required property Skin skin

    function hint(index) { return Hints.text(shell.hintLang, index) }

    function showFileNotice(outcome, isImport) {
        var line = Hints.fileNotice(shell.hintLang, outcome, isImport)
        if (line)
            notice.show(line.text, line.problem)
    }

    // An imported profile takes the file's name, made unique; the standard
    // profile keeps its own.
    function nameImported(position, baseName) {
        if (position <= 0 || position >= elements.count)
            return
        var others = snapshot().filter(function(e, i) { return i !== position }).map(function(e) { return e.textValue })
        var name = InputRules.importedName(baseName, others, Rules.maxNameLength, elements.get(position).textValue)
        elements.setProperty(position, "textValue", name)
        store()
    }

    function snapshot() {
        var list = []
        for (var i = 0; i < elements.count; ++i) {
            var e = elements.get(i)
            list.push({ textValue: e.textValue, profileNo: e.profileNo }) // qmllint disable type
        }
        return list
    }

    function positionOfSlot(slot) { return Rules.positionOfSlot(snapshot(), slot) }
    function slotAt(position) { return Rules.slotAt(snapshot(), Values.toInt(position, -1)) }

    function store() {
        controller.updataNameList(2, Rules.storedList(snapshot()))
    }

    function init() {
        profileFocus()
        var parsed = Rules.parseList(controller.getNameList(2) ?? [])
        if (parsed.rejected.length > 0)
            console.warn("profile: name list entries without a free slot digit left out:", parsed.rejected.join(", "))
        if (parsed.elements.length === 0)
            parsed.elements.push({ textValue: profileLang[5], profileNo: 0 })
        elements.clear()
        for (var i = 0; i < parsed.elements.length; ++i)
            elements.append(parsed.elements[i])
        selectedIndex = Math.max(0, positionOfSlot(profileNo))
        elements.setProperty(0, "textValue", profileLang[5])
        store()
    }

    function appendElement() {
        var list = snapshot()
        if (!Rules.canAdd(list))
            return -1
        var slot = Rules.freeSlot(list)
        elements.append({ textValue: Rules.freeName(list, hint(Hints.Index.profilePrefix)), profileNo: slot })
        selectedIndex = elements.count - 1
        store()
        return slot
    }

    // A new profile starts as the factory profile. -1 when six exist.
    function newProfile() {
        profileFocus()
        var slot = appendElement()
        if (slot >= 0)
            controller.resetProfile(slot)
        return slot
    }

    // Imports into a new element, or into the selected one when six exist.
    // A cancelled dialog takes the new element away again: its slot file
    // holds whatever an earlier profile left there.
    function importProfile() {
        profileFocus()
        var previous = selectedIndex
        var appended = appendElement() >= 0
        var slot = slotAt(selectedIndex)
        if (slot < 0)
            return false
        var undo = function() {
            if (appended) {
                elements.remove(elements.count - 1)
                selectedIndex = previous
                store()
            }
        }
        var load = function() {
            var taken = Values.toBool(controller.loadProfile(slot), false)
            var outcome = controller.lastFileOutcome() ?? null
            if (!taken)
                undo()
            else
                nameImported(selectedIndex, outcome ? outcome.name : "")
            showFileNotice(outcome, true)
            if (taken && slot === profileNo)
                profileReplaced(slot)
            return taken
        }
        // An import over the profile in use would drop its unsaved edits.
        if (slot === profileNo && shell.hasUnsaved) {
            shell.askBeforeLeaving(load, undo)
            return false
        }
        return load()
    }

    function canDeleteAt(position) {
        return Rules.canDelete(snapshot(), position, profileNo)
    }

    // The trash icon and the menu's Delete ask first.
    function askDelete(position) {
        closeMenu()
        if (!canDeleteAt(position))
            return false
        var name = elements.get(position).textValue
        shell.confirm(profileLang[3], InputRules.filled(hint(Hints.Index.deleteProfile), name), profileLang[3],
                      function() { page.deleteAt(position) })
        return true
    }

    function deleteAt(position) {
        closeMenu()
        if (!canDeleteAt(position))
            return false
        elements.remove(position)
        if (selectedIndex >= position)
            selectedIndex = Math.max(0, selectedIndex - 1)
        store()
        return true
    }

    function exportAt(position) {
        closeMenu()
        var slot = slotAt(position)
        if (slot < 0)
            return
        controller.nameNextExport(elements.get(position).textValue)
        controller.saveProfile(slot)
        showFileNotice(controller.lastFileOutcome() ?? null, false)
    }

    // The title bar's choice at `position` asks for the profile of that
    // element's slot.
    function chooseAt(position) {
        var slot = slotAt(position)
        if (slot >= 0)
            changeProfile(slot)
    }

    function startRename(position) {
        closeMenu()
        if (position < 0 || position >= elements.count)
            return
        selectedIndex = position
        editingIndex = position
    }

    function finishRename(newName) {
        var position = editingIndex
        editingIndex = -1
        if (position < 0 || position >= elements.count)
            return false
        var name = Rules.renamed(snapshot(), newName)
        if (name === "")
            return false
        elements.setProperty(position, "textValue", name)
        store()
        return true
    }

    function openMenu(position, px, py) {
        selectedIndex = position
        contextMenu.position = position
        contextMenu.x = Math.min(px, page.width - contextMenu.width - 4)
        contextMenu.y = Math.min(py, page.height - contextMenu.height - 4)
        contextMenu.visible = true
    }

    function closeMenu() { contextMenu.visible = false }

    // Ends a running rename (keeping what was typed) and closes the menu.
    function profileFocus() {
        if (editingIndex >= 0)
            list.commitEditor()
        closeMenu()
    }

    // The programs the selected profile is used for while one of them is in
    // front; the first profile is the one used for every other program.
    function openPrograms() {
        profileFocus()
        if (selectedIndex <= 0 || selectedIndex >= elements.count)
            return false
        programs.open(slotAt(selectedIndex), elements.get(selectedIndex).textValue)
        return true
    }

    function close() {
        programs.close()
        profileFocus()
        page.visible = false
        shell.closeProfileList()
    }

    function moveTo(px, py) {
        x = Theme.clampInto(px, width, shell.areaWidth)
        y = Theme.clampInto(py, height, shell.areaHeight)
    }

    ListModel { id: elements }

    // Decoded when the dialog opens, not at start.
    Image { anchors.fill: parent; source: page.visible ? page.skin.sourceProfileBG : "" }

    // The background takes presses: they end a rename and drag the dialog.
    MouseArea {
        anchors.fill: parent
        property real pressX: 0
        property real pressY: 0
        onPressed: function(mouse) { pressX = mouse.x; pressY = mouse.y; page.profileFocus() }
        onPositionChanged: function(mouse) {
            if (pressed)
                page.moveTo(page.x + mouse.x - pressX, page.y + mouse.y - pressY)
        }
    }

    Text {
        x: 16
        height: 40
        verticalAlignment: Text.AlignVCenter
        text: page.profileLang[0]
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
        font.capitalization: Font.Capitalize
    }

    Text {
        anchors.right: closeButton.left
        anchors.rightMargin: 12
        height: 40
        verticalAlignment: Text.AlignVCenter
        text: elements.count + " / " + Rules.maxProfiles
        color: Theme.gray2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }

    Rectangle {
        id: closeButton
        objectName: "profileCloseButton"
        x: page.width - 16 - width
        y: 10
        width: 20
        height: 20
        radius: 3
        color: closeArea.containsMouse ? "#e0301e" : "transparent"
        Image { anchors.centerIn: parent; source: page.skin.sourceprofileCloseBtn }
        MouseArea {
            id: closeArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: page.close()
        }
    }

    ProfileRows {
        id: list
        skin: page.skin
        objectName: "profileRows"
        x: 16
        y: 52
        width: page.width - 32
        model: elements
        page: page
    }

    Button {
        id: programsButton
        objectName: "profileProgramsButton"
        x: 16
        anchors.verticalCenter: buttons.verticalCenter
        visible: page.selectedIndex > 0 && page.editingIndex < 0
        width: 150
        height: 26
        text: Programs.text(page.profileLang, Programs.Index.open)
        normalColor: Theme.gray1
        hoverColor: Theme.accent
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        onClicked: page.openPrograms()
    }

    Text {
        x: 16
        visible: !programsButton.visible
        anchors.verticalCenter: buttons.verticalCenter
        width: buttons.x - 28
        text: page.profileLang[7]
        elide: Text.ElideRight
        color: Theme.gray2
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMinSize
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: 16
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        spacing: 10

        Button {
            objectName: "profileNewButton"
            width: 88
            height: 26
            text: page.profileLang[1]
            iconSource: page.skin.sourceProfileNewBtn
            enabled: page.canAdd
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: page.newProfile()
        }
        Button {
            objectName: "profileImportButton"
            width: 88
            height: 26
            text: page.profileLang[2]
            iconSource: page.skin.sourceProfileCopyBtn
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: page.importProfile()
        }
    }

    NoticeLine {
        id: notice
        objectName: "profileNotice"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: buttons.top
        anchors.bottomMargin: 8
        z: 5
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontMinSize
    }

    ProfilePrograms {
        id: programs
        anchors.fill: parent
        anchors.topMargin: 44
        anchors.margins: 1
        z: 20
        autoProfile: page.autoProfile
        texts: page.profileLang
    }

    ProfileMenu {
        id: contextMenu
        objectName: "profileMenu"
        page: page
    }
}
