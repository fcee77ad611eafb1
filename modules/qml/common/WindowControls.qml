import QtQuick
import "../basic"
import ".."
import "Calls.js" as Calls
import "Hints.js" as Hints
import "InputRules.js" as InputRules
import "MainTexts.js" as MainTexts

// The window's own controls around the pages: the editor buttons, report
// rate and system setting under the key list, the profile list and window
// buttons in the title bar, the profile, reset and save buttons at the
// bottom, and the help menu. Loaded by the main window after its first
// frame; like the pages it reaches the window through root.
Item {
    id: controls

    readonly property alias reportRateBox: reportRateBox
    readonly property alias profileList: profileList
    readonly property alias helpMenu: helpMenu

    Column {
        x: root.leftControlsX
        y: root.leftControlsY
        spacing: 8

        EditorBox {
            id: editorBox
            objectName: "editorBox"
            caption: root.mainLang[MainTexts.Index.editor]
            macroText: root.mainLang[MainTexts.Index.macroEditor]
            gunText: root.mainLang[MainTexts.Index.gunEditor]
            isGun: root.isGun
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            buttonColor: Theme.blue
            hoverColor: Theme.accent
            onMacroEditorClicked: root.showCentred(root.macroEditor)
            onGunEditorClicked: if (root.gunControl) root.gunControl.visible = true
        }

        ReportRateBox {
            id: reportRateBox
            objectName: "reportRateBox"
            controller: typeof ui_View === "undefined" ? null : ui_View
            shell: root
            caption: root.mainLang[MainTexts.Index.reportRate]
            skin_No: root.skin_No
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            hoverColor: Theme.accent
            onListOpened: { profileList.close(); helpMenu.visible = false }
        }

        Button {
            objectName: "systemSettingButton"
            width: Theme.columnWidth
            height: 24
            text: root.mainLang[MainTexts.Index.systemSetting]
            iconSource: root.sourceConfigBtn
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            onClicked: root.showCentred(root.systemSetting)
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
        items: root.profilePage && root.profilePage.listModel ? root.profilePage.listModel : []
        textRole: "textValue"
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
        dropSource: root.sourceDropBtn
        dropOpenSource: root.sourceDropBtnU
        onOpened: { reportRateBox.closeList(); helpMenu.visible = false }
        onItemChosen: function(index) { root.chooseProfileAt(index) }
    }

    Row {
        id: titleButtons
        x: 920
        y: 16
        spacing: 16

        ImageButton {
            objectName: "helpButton"
            normalSource: root.sourceAsk
            hoverSource: root.sourceAskH
            tip: Hints.text(root.hintLang, Hints.Index.help)
            onClicked: {
                root.mainFocus()
                helpMenu.visible = true
            }
        }
        ImageButton {
            objectName: "minimiseButton"
            normalSource: root.sourceMinBtn
            hoverSource: root.sourceMinBtnH
            tip: Hints.text(root.hintLang, Hints.Index.minimise)
            onClicked: Calls.call(root.windowControl(), "onMinimize", [], undefined, "ui_Ctl")
        }
        ImageButton {
            objectName: "closeButton"
            normalSource: root.sourceCloseBtn
            hoverSource: root.sourceCloseBtnH
            tip: Hints.text(root.hintLang, Hints.Index.closeToTray)
            onClicked: root.closeWindow()
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
            text: root.mainLang[MainTexts.Index.config]
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: root.showCentred(root.profilePage)
        }
        Button {
            objectName: "resetButton"
            text: root.mainLang[MainTexts.Index.reset]
            normalColor: Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: {
                root.mainFocus()
                root.resetDialog.centre()
                root.resetDialog.visible = true
            }
        }
        Button {
            objectName: "saveButton"
            text: root.mainLang[MainTexts.Index.save]
            normalColor: root.hasUnsaved || root.mouseBehind ? "#ff3030" : Theme.blue
            hoverColor: Theme.accent
            fontFamily: Theme.fontFamily
            onClicked: root.saveAll()
        }
    }

    HelpMenu {
        id: helpMenu
        objectName: "helpMenu"
        x: root.width - 300
        y: 30
        z: 40
        url: root.url
        versionText: InputRules.filled(Hints.text(root.hintLang, Hints.Index.version), "1.0")
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
    }
}
