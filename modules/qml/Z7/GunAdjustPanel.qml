import QtQuick
import "../common/Hints.js" as Hints
import "../basic"
import ".."
import "GunControl.js" as Gun

// The right half of the gun editor: the gun slot drop-down with the record
// the slot holds, the cursor adjustment (target and fields) and the fire
// adjustment (rate, repeat count, endless). It shows and edits the page's
// shown record through the page's functions.
Item {
    id: panel

    property var page: null
    readonly property var shell: page ? page.shell : null
    readonly property var skin: page ? page.skin : null
    readonly property var shown: page ? page.shown : null
    readonly property var lang: page ? page.gunControlLang : []
    readonly property string fontFamily: page ? page.fontFamily : "微软雅黑"
    readonly property int fontSize: page ? page.fontSize : 12
    readonly property color accentColor: page ? page.accentColor : Theme.accent
    readonly property alias slotMenu: slotMenu
    readonly property alias yField: yField
    readonly property alias timesField: timesField
    readonly property alias rateBox: rateBox
    readonly property alias endlessBox: endlessBox
    readonly property alias target: target

    width: 292
    height: 392

    // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
    // qmllint disable unqualified
    component Caption: Text {
        color: "#969696"
        font.family: panel.fontFamily
        font.pixelSize: panel.fontSize
        elide: Text.ElideRight
    }
    // qmllint enable unqualified

    // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
    // qmllint disable unqualified
    component Panel: Rectangle {
        width: panel.width
        radius: 3
        color: "#141416"
        border.color: "#2e2e33"
    }
    // qmllint enable unqualified

    Menu_Down {
        id: slotMenu
        objectName: "gunSlotMenu"
        z: 5
        width: 130
        items: panel.page ? panel.page.slotNames : []
        fontFamily: panel.fontFamily
        fontSize: panel.fontSize
        hoverColor: panel.accentColor
        dropSource: panel.skin ? panel.skin.sourceDropBtn : ""
        dropOpenSource: panel.skin ? panel.skin.sourceDropBtnU : ""
        onOpened: panel.page.rateBox.close()
        onItemChosen: function(index) { panel.page.chooseSlot(index) }
    }

    Text {
        anchors.right: parent.right
        anchors.left: slotMenu.right
        anchors.leftMargin: 12
        anchors.verticalCenter: slotMenu.verticalCenter
        horizontalAlignment: Text.AlignRight
        text: panel.shown ? panel.shown.gunName : ""
        elide: Text.ElideRight
        color: panel.accentColor
        font.family: panel.fontFamily
        font.pixelSize: Theme.fontMaxSize
        font.bold: true
    }

    Panel {
        y: 32
        height: 68
        gradient: Gradient {
            GradientStop { position: 0; color: "#1d1d21" }
            GradientStop { position: 1; color: "#0e0e10" }
        }
        Image {
            anchors.centerIn: parent
            width: 176
            height: 62
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
            source: panel.shown && panel.skin ? panel.skin.gunImage(panel.shown.picture) : ""
        }
    }

    GunSectionTitle {
        y: 112
        text: panel.lang[3]
        fontFamily: panel.fontFamily
        accentColor: panel.accentColor
    }

    Panel {
        y: 136
        height: 144

        GunTarget {
            id: target
            objectName: "gunTarget"
            x: 12
            y: 8
            yValue: panel.shown ? Number(panel.shown.gunY) : 0
            source: panel.skin ? panel.skin.sourceTarget : ""
            fontFamily: panel.fontFamily
            onYReleased: function(y) {
                panel.page.gunControlFocus()
                panel.page.setY(String(y))
            }
        }

        Caption { x: 156; y: 28; width: 56; text: panel.lang[4] }
        GunField {
            objectName: "gunXField"
            x: 216
            y: 24
            readOnly: true
            readOnlyTip: Hints.text(panel.shell ? panel.shell.hintLang : null, Hints.Index.gunSetsX)
            text: panel.shown ? panel.shown.gunX : ""
            fontFamily: panel.fontFamily
            fontSize: panel.fontSize
        }

        Caption { x: 156; y: 68; width: 56; text: panel.lang[5] }
        GunField {
            id: yField
            objectName: "gunYField"
            x: 216
            y: 64
            maximumLength: 2
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,2}/ }
            text: target.dragging ? String(target.shownY) : panel.shown ? panel.shown.gunY : ""
            fontFamily: panel.fontFamily
            fontSize: panel.fontSize
            accentColor: panel.accentColor
            onCommitted: function(text) { panel.page.setY(text) }
        }
        Text {
            x: 216
            y: 92
            width: 64
            horizontalAlignment: Text.AlignHCenter
            text: Gun.minY + " – " + Gun.maxY
            color: "#5f5f66"
            font.family: panel.fontFamily
            font.pixelSize: 10
        }
    }

    GunSectionTitle {
        y: 292
        text: panel.lang[6]
        fontFamily: panel.fontFamily
        accentColor: panel.accentColor
    }

    Panel {
        y: 316
        height: 76

        Caption { x: 12; y: 14; width: 64; text: panel.lang[7] }
        GunRateBox {
            id: rateBox
            objectName: "gunRateBox"
            x: 80
            y: 10
            z: 5
            period: panel.shown ? Number(panel.shown.gunPeriod) : 10
            fontFamily: panel.fontFamily
            fontSize: panel.fontSize
            hoverColor: panel.accentColor
            dropSource: panel.skin ? panel.skin.sourceDropBtn : ""
            dropOpenSource: panel.skin ? panel.skin.sourceDropBtnU : ""
            onOpened: panel.page.slotMenu.close()
            onPeriodChosen: function(period) { panel.page.setPeriod(period) }
        }

        Caption { x: 12; y: 46; width: 64; text: panel.lang[8] }
        GunField {
            id: timesField
            objectName: "gunTimesField"
            x: 80
            y: 42
            maximumLength: 3
            validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
            text: panel.shown ? panel.shown.gunTimes : ""
            fontFamily: panel.fontFamily
            fontSize: panel.fontSize
            accentColor: panel.accentColor
            onCommitted: function(text) { panel.page.setTimes(text) }
        }
        GunCheckBox {
            id: endlessBox
            objectName: "gunEndlessBox"
            x: 156
            y: 42
            checked: panel.shown ? panel.shown.gunTimes === "0" : false
            text: panel.lang[9]
            checkSource: panel.skin ? panel.skin.sourceCheckBtn : ""
            fontFamily: panel.fontFamily
            fontSize: panel.fontSize
            hoverColor: panel.accentColor
            onToggled: {
                panel.page.gunControlFocus()
                panel.page.toggleEndless()
            }
        }
    }
}
