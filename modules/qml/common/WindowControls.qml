import QtQuick
import "../basic"
import ".."
import "Hints.js" as Hints
import "InputRules.js" as InputRules
import "MainTexts.js" as MainTexts

// The window's own controls around the pages: the editor buttons, report
// rate and system setting under the key list, the profile list and window
// buttons in the title bar, the profile, reset and save buttons at the
// bottom, and the help menu. Loaded by the main window after its first
// frame with its collaborators; what a control asks of the window goes out
// as a signal that the window carries out.
Item {
    id: controls

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    // Where the column under the key list starts.
    required property int leftX
    required property int leftY
    // The profile page's elements for the title bar's list.
    required property var profileItems

    signal macroEditorWanted()
    signal gunEditorWanted()
    signal systemSettingWanted()
    signal profilesWanted()
    signal resetWanted()
    signal saveWanted()
    signal closeWanted()
    signal minimiseWanted()
    signal profileChosen(int index)

    readonly property alias reportRateBox: reportRateBox
    readonly property alias profileList: profileList
    readonly property alias helpMenu: helpMenu

    Column {
        x: controls.leftX
        y: controls.leftY
        spacing: 8

        EditorBox {
            id: editorBox
            objectName: "editorBox"
            caption: controls.shell.mainLang[MainTexts.Index.editor]
            macroText: controls.shell.mainLang[MainTexts.Index.macroEditor]
            gunText: controls.shell.mainLang[MainTexts.Index.gunEditor]
            isGun: controls.shell.isGun
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            buttonColor: Theme.blue
            hoverColor: Theme.accent
            onMacroEditorClicked: controls.macroEditorWanted()
            onGunEditorClicked: controls.gunEditorWanted()
        }

        ReportRateBox {
            id: reportRateBox
            objectName: "reportRateBox"
            controller: controls.controller
            shell: controls.shell
            caption: controls.shell.mainLang[MainTexts.Index.reportRate]
            skin_No: controls.skin.skin_No
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            hoverColor: Theme.accent
            onListOpened: { profileList.close(); helpMenu.visible = false }
        }

        Button {
            objectName: "systemSettingButton"
            width: Theme.columnWidth
            height: 24
            text: controls.shell.mainLang[MainTexts.Index.systemSetting]
            iconSource: controls.skin.sourceConfigBtn
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: controls.systemSettingWanted()
        }
    }

    Menu_Down {
        id: profileList
        objectName: "profileList"
        x: titleButtons.x - 16 - width
        y: 14
        z: 30
        width: 144
        height: 24
        items: controls.profileItems
        textRole: "textValue"
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
        dropSource: controls.skin.sourceDropBtn
        dropOpenSource: controls.skin.sourceDropBtnU
        onOpened: { reportRateBox.closeList(); helpMenu.visible = false }
        onItemChosen: function(index) { controls.profileChosen(index) }
    }

    Row {
        id: titleButtons
        x: 920
        y: 16
        spacing: 16

        ImageButton {
            objectName: "helpButton"
            normalSource: controls.skin.sourceAsk
            hoverSource: controls.skin.sourceAskH
            tip: Hints.text(controls.shell.hintLang, Hints.Index.help)
            onClicked: {
                controls.shell.mainFocus()
                helpMenu.visible = true
            }
        }
        ImageButton {
            objectName: "minimiseButton"
            normalSource: controls.skin.sourceMinBtn
            hoverSource: controls.skin.sourceMinBtnH
            tip: Hints.text(controls.shell.hintLang, Hints.Index.minimise)
            onClicked: controls.minimiseWanted()
        }
        ImageButton {
            objectName: "closeButton"
            normalSource: controls.skin.sourceCloseBtn
            hoverSource: controls.skin.sourceCloseBtnH
            tip: Hints.text(controls.shell.hintLang, Hints.Index.closeToTray)
            onClicked: controls.closeWanted()
        }
    }

    Row {
        id: bottomBar
        anchors.right: parent.right
        anchors.rightMargin: 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 16

        Button {
            objectName: "profilesButton"
            text: controls.shell.mainLang[MainTexts.Index.config]
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: controls.profilesWanted()
        }
        Button {
            objectName: "resetButton"
            text: controls.shell.mainLang[MainTexts.Index.reset]
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: controls.resetWanted()
        }
        Button {
            objectName: "saveButton"
            text: controls.shell.mainLang[MainTexts.Index.save]
            normalColor: controls.shell.hasUnsaved || controls.shell.mouseBehind ? "#ff3030" : Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: controls.saveWanted()
        }
    }

    HelpMenu {
        id: helpMenu
        objectName: "helpMenu"
        x: controls.shell.areaWidth - 300
        y: 30
        z: 40
        url: controls.shell.url
        versionText: InputRules.filled(Hints.text(controls.shell.hintLang, Hints.Index.version), "1.0")
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
    }
}
