import QtQuick
import "../common"
import ".."
import "GunControl.js" as Gun

// The gun editor: the six gun records on the left, on the right the gun
// slot chosen in the drop-down with the cursor and fire adjustments of the
// record it holds. Every edit saves the record; closing after a change puts
// the three slots into the mouse and saves the key list, which carries
// their fire periods.
Rectangle {
    id: gunPage
    objectName: "gunControlPage"

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    // The key list, which sends the fire periods of the guns in the slots.
    required property var keyMatrix

    property var gunControlLang: ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis", "Y axis",
                                  "Fire adjust", "Rate", "Times", "Endness"]
    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    property bool isSave: false
    property int currentSlot: 0
    readonly property int shownPosition: [selectGun1, selectGun2, selectGun3][currentSlot]
    readonly property alias listModel: gunModel
    readonly property var slotNames: [1, 2, 3].map(function(g) { return gunControlLang[1] + g }) // qmllint disable type

    // Bumped on every change of the model, so that the values shown on the
    // right follow it.
    property int revision: 0
    readonly property var shown: (revision, gunModel.count > shownPosition ? gunModel.get(shownPosition) : null)
    property string lastCount: "1"

    readonly property string fontFamily: Theme.fontFamily
    readonly property int fontSize: Theme.fontNormalSize
    readonly property color accentColor: Theme.accent

    width: 640
    height: 448
    x: Math.round((shell.areaWidth - width) / 2)
    y: Math.round((shell.areaHeight - height) / 2)
    visible: false
    radius: 4
    color: Theme.gray0
    border.color: Theme.gray1

    function slots() {
        return [selectGun1, selectGun2, selectGun3]
    }

    function setSlots(list) {
        selectGun1 = list[0]
        selectGun2 = list[1]
        selectGun3 = list[2]
    }

    function element(position) {
        return gunModel.get(position)
    }

    function fill(position, values) {
        gunModel.set(position, values)
        revision++
    }

    function init() {
        for (var i = 0; i < Gun.gunCount; ++i) {
            var stored = controller.getGunData(i) ?? []
            if (!stored || stored.length < 6)
                console.warn("ui: gun record " + i + " is missing or short in the record file; showing its built-in values")
            fill(i, Gun.elementOf(i, stored))
        }
        setSlots(Gun.slotsOf(controller.getGlobalData("mouse/selectGun")))
        chooseSlot(0)
        rememberCount()
    }

    function chooseSlot(slot) {
        currentSlot = Math.max(0, Math.min(Gun.slotCount - 1, slot))
        slotMenu.select(currentSlot)
    }

    function choosePosition(position) {
        var next = Gun.assigned(slots(), currentSlot, position)
        if (next[currentSlot] === slots()[currentSlot])
            return
        setSlots(next)
        controller.setGlobalData("mouse/selectGun", next)
        isSave = true
    }

    function saveRecord(position) {
        controller.mouseSaveGundata(position, Gun.recordOf(element(position)))
    }

    // Changes one value of the shown record; an unchanged value is no edit.
    function edit(role, value) {
        var position = shownPosition
        if (String(element(position)[role]) === String(value))
            return false
        gunModel.setProperty(position, role, String(value))
        revision++
        saveRecord(position)
        isSave = true
        return true
    }

    function setY(text) {
        var y = Gun.typedNumber(text, Gun.minY, Gun.maxY)
        return y !== null && edit("gunY", y)
    }

    function setTimes(text) {
        var times = Gun.typedNumber(text, Gun.minTimes, Gun.maxTimes)
        if (times === null || !edit("gunTimes", times))
            return false
        rememberCount()
        return true
    }

    function setPeriod(period) {
        return edit("gunPeriod", period)
    }

    // Ticking "Endness" makes the count 0; unticking brings back the last
    // non-zero count shown (1 when there was none).
    function toggleEndless() {
        if (shown && shown.gunTimes === "0")
            setTimes(lastCount)
        else
            setTimes("0")
    }

    function rename(position, text) {
        var names = []
        for (var i = 0; i < gunModel.count; ++i)
            names.push(element(i).gunName) // qmllint disable type
        var name = Gun.acceptedName(names, position, text)
        if (name === "")
            return false
        var oldName = names[position]
        gunModel.setProperty(position, "gunName", name)
        revision++
        names[position] = name
        controller.modifyGundata(1, Gun.recordOf(element(position)).concat([oldName]))
        // The page reads its records by position: without this the new name
        // would be gone at the next start.
        saveRecord(position)
        // An old name that was a position took that record with it.
        if (Gun.isPositionText(oldName) && Number(oldName) < gunModel.count && Number(oldName) !== position)
            saveRecord(Number(oldName))
        controller.updataNameList(1, names)
        return true
    }

    // The fire periods of the guns in slots 1 to 3, which the key list sends.
    function slotPeriods() {
        return slots().map(function(position) { return Number(element(position).gunPeriod) })
    }

    function sendSlots() {
        var held = slots()
        for (var g = 1; g <= Gun.slotCount; ++g)
            controller.mouseSendGundata(g, Gun.slotValues(element(held[g - 1])))
    }

    function saveKeyList() {
        if (keyMatrix)
            keyMatrix.saveData()
    }

    function close() {
        gunControlFocus()
        visible = false
        if (!isSave)
            return
        isSave = false
        shell.deviceAction("gun", function() { gunPage.sendSlots(); gunPage.saveKeyList() })
    }

    function resetData() {
        setSlots(Gun.resetSlots)
        controller.setGlobalData("mouse/selectGun", Gun.resetSlots.slice(0))
        for (var i = 0; i < Gun.resetSlots.length; ++i) {
            var position = Gun.resetSlots[i]
            gunModel.setProperty(position, "gunY", String(Gun.resetY[i]))
            gunModel.setProperty(position, "gunPeriod", String(Gun.resetPeriod))
            saveRecord(position)
        }
        revision++
        sendSlots()
        // The periods travel with the key list; the mouse must have the
        // new ones too.
        saveKeyList()
        isSave = false
        chooseSlot(0)
    }

    function gunControlFocus() {
        slotMenu.close()
        rateBox.close()
        yField.endInput()
        timesField.endInput()
        for (var i = 0; i < gunList.count; ++i)
            gunList.itemAt(i).endInput() // qmllint disable type
    }

    function summaryOf(gunY, gunPeriod, gunTimes) {
        return "Y " + gunY + "   " + Gun.periodText(gunPeriod) + "   "
             + (gunTimes === "0" ? "∞" : "× " + gunTimes)
    }

    function rememberCount() {
        var times = gunModel.count > shownPosition ? element(shownPosition).gunTimes : "0"
        if (times !== "0")
            lastCount = times
    }

    onShownPositionChanged: rememberCount()

    ListModel { id: gunModel }

    Component.onCompleted: {
        for (var i = 0; i < Gun.gunCount; ++i)
            gunModel.append(Gun.elementOf(i, []))
        revision++
    }

    // Pressing the background ends input and drags the page inside the
    // main window.
    MouseArea {
        anchors.fill: parent
        drag.target: gunPage
        drag.minimumX: 0
        drag.minimumY: 0
        drag.maximumX: gunPage.shell.areaWidth - gunPage.width
        drag.maximumY: gunPage.shell.areaHeight - gunPage.height
        drag.threshold: 2
        onPressed: gunPage.gunControlFocus()
    }

    Rectangle {
        id: titleBar
        x: 1
        y: 1
        width: parent.width - 2
        height: 30
        radius: 3
        color: Theme.black

        Rectangle {
            x: 14
            anchors.verticalCenter: parent.verticalCenter
            width: 3
            height: 14
            radius: 1.5
            color: gunPage.accentColor
        }

        Text {
            x: 24
            anchors.verticalCenter: parent.verticalCenter
            text: gunPage.gunControlLang[0]
            color: "#ffffff"
            font.family: gunPage.fontFamily
            font.pixelSize: Theme.fontMiddleSize
        }

        ImageButton {
            objectName: "gunCloseButton"
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            normalSource: gunPage.skin.sourceCloseBtn
            hoverSource: gunPage.skin.sourceCloseBtnH
            onClicked: gunPage.close()
        }
    }

    GunSectionTitle {
        x: 16
        y: 42
        text: gunPage.gunControlLang[2]
        fontFamily: gunPage.fontFamily
        accentColor: gunPage.accentColor
    }

    Column {
        x: 16
        y: 68
        spacing: 5

        Repeater {
            id: gunList
            objectName: "gunList"
            model: gunModel
            // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
            // qmllint disable unqualified
            delegate: GunListItem {
                required property int index
                required property string gunName
                required property string picture
                required property string gunY
                required property string gunPeriod
                required property string gunTimes
                objectName: "gunItem" + index
                name: gunName
                pictureSource: gunPage.skin.gunImage(picture)
                summary: gunPage.summaryOf(gunY, gunPeriod, gunTimes)
                heldBy: (gunPage.revision, Gun.slotsHolding(gunPage.slots(), index))
                shown: index === gunPage.shownPosition
                fontFamily: gunPage.fontFamily
                fontSize: gunPage.fontSize
                accentColor: gunPage.accentColor
                editSource: gunPage.skin.sourceProfileEditBtn
                editHoverSource: gunPage.skin.sourceProfileEditBtnS
                onChosen: {
                    gunPage.gunControlFocus()
                    gunPage.choosePosition(index)
                }
                onRenamed: function(text) { gunPage.rename(index, text) }
            }
            // qmllint enable unqualified
        }
    }

    GunAdjustPanel {
        id: adjust
        x: 332
        y: 42
        page: gunPage
    }

    // Shortcuts for the page's tests and the shell.
    readonly property alias slotMenu: adjust.slotMenu
    readonly property alias yField: adjust.yField
    readonly property alias timesField: adjust.timesField
    readonly property alias rateBox: adjust.rateBox
    readonly property alias endlessBox: adjust.endlessBox
    readonly property alias target: adjust.target
}
