import QtQuick
import QtTest
import "qrc:/modules/qml"

// The shell's theme and every image of the skin it names.
Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    id: testCase
    name: "ShellSkin"
    when: windowShown

    property var shell: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
    }

    function test_root_and_theme() {
        compare(shell.width, 1024)
        compare(shell.height, 640)
        verify(!shell.visible, "invisible until initUI")
        compare(shell.mainLang.length, 15)
        compare(shell.mainLang[10], "Save")
        compare(shell.language, "ChineseSimplified")
        compare(shell.icType, "553")
        verify(shell.isGun)
        compare(shell.skin_No, 1)
        compare(Theme.fontFamily, "微软雅黑")
        compare(String(Theme.black), "#000000")
        compare(Theme.animationSpeed, 300)
    }

    function test_image_property_data() {
        return [
            { tag: "sourceMouseFront", url: "qrc:/mouse/modules/img/skin1/mouse/MouseFront.png" },
            { tag: "sourceMouseSide", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide.png" },
            { tag: "sourceMouse0", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse0.png" },
            { tag: "sourceMouse1", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse1.png" },
            { tag: "sourceMouse2", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse2.png" },
            { tag: "sourceMouse3", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse3.png" },
            { tag: "sourceMouse4", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse4.png" },
            { tag: "sourceMouse5", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse5.png" },
            { tag: "sourceMouse6", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse6.png" },
            { tag: "sourceMouse7", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse7.png" },
            { tag: "sourceMouse0S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse0S.png" },
            { tag: "sourceMouse1S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse1S.png" },
            { tag: "sourceMouse2S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse2S.png" },
            { tag: "sourceMouse3S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse3S.png" },
            { tag: "sourceMouse4S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse4S.png" },
            { tag: "sourceMouse5S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse5S.png" },
            { tag: "sourceMouse6S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse6S.png" },
            { tag: "sourceMouse7S", url: "qrc:/mouse/modules/img/skin1/mouse/Mouse7S.png" },
            { tag: "sourceMouseSide0", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide0.png" },
            { tag: "sourceMouseSide1", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide1.png" },
            { tag: "sourceMouseSide2", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide2.png" },
            { tag: "sourceMouseSide3", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide3.png" },
            { tag: "sourceMouseSide4", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide4.png" },
            { tag: "sourceMouseSide5", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide5.png" },
            { tag: "sourceMouseSide6", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide6.png" },
            { tag: "sourceMouseSide7", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide7.png" },
            { tag: "sourceMouseSide0S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide0S.png" },
            { tag: "sourceMouseSide1S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide1S.png" },
            { tag: "sourceMouseSide2S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide2S.png" },
            { tag: "sourceMouseSide3S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide3S.png" },
            { tag: "sourceMouseSide4S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide4S.png" },
            { tag: "sourceMouseSide5S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide5S.png" },
            { tag: "sourceMouseSide6S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide6S.png" },
            { tag: "sourceMouseSide7S", url: "qrc:/mouse/modules/img/skin1/mouse/MouseSide7S.png" },
            { tag: "sourceMouseSidebtnN", url: "qrc:/mouse/modules/img/skin1/mouse/mouseSidebtnN.png" },
            { tag: "sourceMouseSidebtnH", url: "qrc:/mouse/modules/img/skin1/mouse/mouseSidebtnH.png" },
            { tag: "sourceMouseSidebtnS", url: "qrc:/mouse/modules/img/skin1/mouse/mouseSidebtnS.png" },
            { tag: "sourcelightBtn", url: "qrc:/mouse/modules/img/skin1/mouse/lightBtn.png" },
            { tag: "sourcelightBtnS", url: "qrc:/mouse/modules/img/skin1/mouse/lightBtnS.png" },
            { tag: "sourceMinBtn", url: "qrc:/index/modules/img/skin1/index/minBtn.png" },
            { tag: "sourceMinBtnH", url: "qrc:/index/modules/img/skin1/index/minBtnH.png" },
            { tag: "sourceCloseBtn", url: "qrc:/index/modules/img/skin1/index/closeBtn.png" },
            { tag: "sourceCloseBtnH", url: "qrc:/index/modules/img/skin1/index/closeBtnH.png" },
            { tag: "sourceSureBtn", url: "qrc:/index/modules/img/skin1/index/sureBtn.png" },
            { tag: "sourceSureBtnH", url: "qrc:/index/modules/img/skin1/index/sureBtnH.png" },
            { tag: "sourceAsk", url: "qrc:/index/modules/img/skin1/index/ask.png" },
            { tag: "sourceAskH", url: "qrc:/index/modules/img/skin1/index/askH.png" },
            { tag: "sourceRestBtn", url: "qrc:/index/modules/img/skin1/index/restBtn.png" },
            { tag: "sourceRestBtnH", url: "qrc:/index/modules/img/skin1/index/restBtnH.png" },
            { tag: "sourceRestBtnP", url: "qrc:/index/modules/img/skin1/index/restBtnP.png" },
            { tag: "sourceSaveBtn", url: "qrc:/index/modules/img/skin1/index/saveBtn.png" },
            { tag: "sourceSaveBtnH", url: "qrc:/index/modules/img/skin1/index/saveBtnH.png" },
            { tag: "sourceSaveBtnP", url: "qrc:/index/modules/img/skin1/index/saveBtnP.png" },
            { tag: "sourceMacroKeyBg", url: "qrc:/index/modules/img/skin1/index/macroKeyBg.png" },
            { tag: "sourceSingleKeyBg", url: "qrc:/index/modules/img/skin1/index/singleKeyBg.png" },
            { tag: "sourceMacroTypeCheck", url: "qrc:/index/modules/img/skin1/index/macroTypeCheck.png" },
            { tag: "sourceMacroTypeCheck0", url: "qrc:/index/modules/img/skin1/index/macroTypeCheck0.png" },
            { tag: "sourcePowerOn", url: "qrc:/index/modules/img/skin1/index/powerOn.png" },
            { tag: "sourceBack", url: "qrc:/index/modules/img/skin1/index/back.png" },
            { tag: "sourceBackH", url: "qrc:/index/modules/img/skin1/index/backH.png" },
            { tag: "sourceDropBtn", url: "qrc:/index/modules/img/skin1/index/dropBtn.png" },
            { tag: "sourceDropBtnU", url: "qrc:/index/modules/img/skin1/index/dropBtnU.png" },
            { tag: "sourceConfigBtn", url: "qrc:/index/modules/img/skin1/index/configBtn.png" },
            { tag: "sourceSlide", url: "qrc:/index/modules/img/skin1/index/slide.png" },
            { tag: "sourceScale", url: "qrc:/index/modules/img/skin1/index/scale.png" },
            { tag: "sourceRadioBtn", url: "qrc:/index/modules/img/skin1/index/radioBtn.png" },
            { tag: "sourceRadioBtnS", url: "qrc:/index/modules/img/skin1/index/radioBtnS.png" },
            { tag: "sourceCheckBtn", url: "qrc:/index/modules/img/skin1/index/checkBtn.png" },
            { tag: "sourcePageUp", url: "qrc:/index/modules/img/skin1/index/pageUp.png" },
            { tag: "sourcePageDown", url: "qrc:/index/modules/img/skin1/index/pageDown.png" },
            { tag: "sourcexy0", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy0.png" },
            { tag: "sourcexy1", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy1.png" },
            { tag: "sourcexy2", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy2.png" },
            { tag: "sourcexy3", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy3.png" },
            { tag: "sourcexy4", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy4.png" },
            { tag: "sourcexy5", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy5.png" },
            { tag: "sourcexy6", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy6.png" },
            { tag: "sourcexy7", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy7.png" },
            { tag: "sourcexy8", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy8.png" },
            { tag: "sourcexy9", url: "qrc:/xySetting/modules/img/skin1/xySetting/xy9.png" },
            { tag: "sourcexyBtn", url: "qrc:/xySetting/modules/img/skin1/xySetting/xyBtn.png" },
            { tag: "sourcexyNumber", url: "qrc:/xySetting/modules/img/skin1/xySetting/xyNumber.png" },
            { tag: "sourceprofileStartBtn", url: "qrc:/profile/modules/img/skin1/profile/profileStartBtn.png" },
            { tag: "sourceprofileStartBtnS", url: "qrc:/profile/modules/img/skin1/profile/profileStartBtnS.png" },
            { tag: "sourceprofileStartBtnH", url: "qrc:/profile/modules/img/skin1/profile/profileStartBtnH.png" },
            { tag: "sourceProfileBG", url: "qrc:/profile/modules/img/skin1/profile/profileBG.png" },
            { tag: "sourceProfileCopyBtn", url: "qrc:/profile/modules/img/skin1/profile/profileCopyBtn.png" },
            { tag: "sourceProfileCopyBtnS", url: "qrc:/profile/modules/img/skin1/profile/profileCopyBtnS.png" },
            { tag: "sourceProfileDeleteBtn", url: "qrc:/profile/modules/img/skin1/profile/profileDeleteBtn.png" },
            { tag: "sourceProfileDeleteBtnS", url: "qrc:/profile/modules/img/skin1/profile/profileDeleteBtnS.png" },
            { tag: "sourceProfileDeleteBtn0", url: "qrc:/profile/modules/img/skin1/profile/profileDeleteBtn0.png" },
            { tag: "sourceProfileEditBtn", url: "qrc:/profile/modules/img/skin1/profile/profileEditBtn.png" },
            { tag: "sourceProfileEditBtnS", url: "qrc:/profile/modules/img/skin1/profile/profileEditBtnS.png" },
            { tag: "sourceProfileNewBtn", url: "qrc:/profile/modules/img/skin1/profile/profileNewBtn.png" },
            { tag: "sourceProfileSettingBtn", url: "qrc:/profile/modules/img/skin1/profile/profileSettingBtn.png" },
            { tag: "sourceprofileCloseBtn", url: "qrc:/profile/modules/img/skin1/profile/profileCloseBtn.png" },
            { tag: "sourceLightControl0", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControl0.png" },
            { tag: "sourceLightControl1", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControl1.png" },
            { tag: "sourceLightControl2", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControl2.png" },
            { tag: "sourceLightControl3", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControl3.png" },
            { tag: "sourceLightControl4", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControl4.png" },
            { tag: "sourceLightControlBtn", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlBtn.png" },
            { tag: "sourceLightControlBtn0", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlBtn0.png" },
            { tag: "sourceLightControlBtn1", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlBtn1.png" },
            { tag: "sourceLightControlTxt0", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlTxt0.png" },
            { tag: "sourceLightControlTxt1", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlTxt1.png" },
            { tag: "sourceLightControlTxt2", url: "qrc:/lightControl/modules/img/skin1/lightControl/lightControlTxt2.png" },
            { tag: "sourceColorBar", url: "qrc:/lightControl/modules/img/skin1/lightControl/colorBar.png" },
            { tag: "sourceSpeedScale", url: "qrc:/lightControl/modules/img/skin1/lightControl/speedScale.png" },
            { tag: "sourcedpiSettingBG", url: "qrc:/dpiSetting/modules/img/skin1/dpiSetting/dpiSettingBG.png" },
            { tag: "sourcedpiSetting0", url: "qrc:/dpiSetting/modules/img/skin1/dpiSetting/dpiSetting0.png" },
            { tag: "sourcedpiSetting1", url: "qrc:/dpiSetting/modules/img/skin1/dpiSetting/dpiSetting1.png" },
            { tag: "sourcereportRate0", url: "qrc:/reportRate/modules/img/skin1/reportRate/reportRate0.png" },
            { tag: "sourcereportRate1", url: "qrc:/reportRate/modules/img/skin1/reportRate/reportRate1.png" },
            { tag: "sourcereportRate2", url: "qrc:/reportRate/modules/img/skin1/reportRate/reportRate2.png" },
            { tag: "sourcereportRate3", url: "qrc:/reportRate/modules/img/skin1/reportRate/reportRate3.png" },
            { tag: "sourcemouseRate0", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate0.png" },
            { tag: "sourcemouseRate1", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate1.png" },
            { tag: "sourcemouseRate2", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate2.png" },
            { tag: "sourcemouseRate3", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate3.png" },
            { tag: "sourcemouseRate4", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate4.png" },
            { tag: "sourcemouseRate5", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate5.png" },
            { tag: "sourcemouseRate6", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate6.png" },
            { tag: "sourcemouseRate7", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate7.png" },
            { tag: "sourcemouseRate8", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate8.png" },
            { tag: "sourcemouseRate9", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate9.png" },
            { tag: "sourcemouseRate10", url: "qrc:/mouseRate/modules/img/skin1/mouseRate/mouseRate10.png" },
            { tag: "sourceMacroStartBtn", url: "qrc:/macros/modules/img/skin1/macros/macroStartBtn.png" },
            { tag: "sourceMacroStartBtnH", url: "qrc:/macros/modules/img/skin1/macros/macroStartBtnH.png" },
            { tag: "sourceMacroStartBtnP", url: "qrc:/macros/modules/img/skin1/macros/macroStartBtnP.png" },
            { tag: "sourcemacroBg", url: "qrc:/macros/modules/img/skin1/macros/macroBg.png" },
            { tag: "sourcemacroCheck0", url: "qrc:/macros/modules/img/skin1/macros/macroCheck0.png" },
            { tag: "sourcemacroCheck1", url: "qrc:/macros/modules/img/skin1/macros/macroCheck1.png" },
            { tag: "sourcemacroKeyDelay", url: "qrc:/macros/modules/img/skin1/macros/macroKeyDelay.png" },
            { tag: "sourcemacroKeyPress", url: "qrc:/macros/modules/img/skin1/macros/macroKeyPress.png" },
            { tag: "sourcemacroKeyRelease", url: "qrc:/macros/modules/img/skin1/macros/macroKeyRelease.png" },
            { tag: "sourcemacroMousePress", url: "qrc:/macros/modules/img/skin1/macros/macroMousePress.png" },
            { tag: "sourcemacroMouseRelease", url: "qrc:/macros/modules/img/skin1/macros/macroMouseRelease.png" },
            { tag: "sourcemacroNewBtn", url: "qrc:/macros/modules/img/skin1/macros/macroNewBtn.png" },
            { tag: "sourcemacroNewBtnH", url: "qrc:/macros/modules/img/skin1/macros/macroNewBtnH.png" },
            { tag: "sourcemacroNewBtnP", url: "qrc:/macros/modules/img/skin1/macros/macroNewBtnP.png" },
            { tag: "sourcemacroRecordBtn", url: "qrc:/macros/modules/img/skin1/macros/macroRecordBtn.png" },
            { tag: "sourcemacroRecordBtnH", url: "qrc:/macros/modules/img/skin1/macros/macroRecordBtnH.png" },
            { tag: "sourcemacroRecordBtnP", url: "qrc:/macros/modules/img/skin1/macros/macroRecordBtnP.png" },
            { tag: "sourcemacroSaveBtn", url: "qrc:/macros/modules/img/skin1/macros/macroSaveBtn.png" },
            { tag: "sourcemacroSaveBtnH", url: "qrc:/macros/modules/img/skin1/macros/macroSaveBtnH.png" },
            { tag: "sourcemacroSaveBtnP", url: "qrc:/macros/modules/img/skin1/macros/macroSaveBtnP.png" },
            { tag: "sourcemacroMenuBG", url: "qrc:/macros/modules/img/skin1/macros/macroMenuBG.png" },
            { tag: "sourcescrollRate0", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate0.png" },
            { tag: "sourcescrollRate1", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate1.png" },
            { tag: "sourcescrollRate2", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate2.png" },
            { tag: "sourcescrollRate3", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate3.png" },
            { tag: "sourcescrollRate4", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate4.png" },
            { tag: "sourcescrollRate5", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate5.png" },
            { tag: "sourcescrollRate6", url: "qrc:/scrollRate/modules/img/skin1/scrollRate/scrollRate6.png" },
            { tag: "sourceM416", url: "qrc:/gun/modules/img/skin1/gun/M416.png" },
            { tag: "sourceAKM", url: "qrc:/gun/modules/img/skin1/gun/AKM.png" },
            { tag: "sourceM16A4", url: "qrc:/gun/modules/img/skin1/gun/M16A4.png" },
            { tag: "sourceSCARL", url: "qrc:/gun/modules/img/skin1/gun/SCAR-L.png" },
            { tag: "sourceThomson", url: "qrc:/gun/modules/img/skin1/gun/Thomson.png" },
            { tag: "sourceUNP9", url: "qrc:/gun/modules/img/skin1/gun/UNP9.png" },
            { tag: "sourceTarget", url: "qrc:/gun/modules/img/skin1/gun/target.png" },
            { tag: "sourceBackground", url: "qrc:/modules/img/background.png" },
            { tag: "sourceTitleBar", url: "qrc:/modules/img/titleBar.png" },
            { tag: "sourceTitleLogo", url: "qrc:/modules/img/titleLogo.png" }
        ]
    }

    // Every image loads and draws something: on a magenta card, at least
    // one pixel must differ from magenta.
    function test_image_property(data) {
        verify(data.tag in shell, "no property " + data.tag)
        compare(String(shell[data.tag]), data.url)
        var card = createTemporaryQmlObject(
            "import QtQuick; Rectangle { color: '#ff00ff'; width: image.width; height: image.height; "
            + "property alias image: image; Image { id: image } }", stage)
        card.image.source = shell[data.tag]
        tryCompare(card.image, "status", Image.Ready, 2000)
        var w = card.image.sourceSize.width
        var h = card.image.sourceSize.height
        verify(w > 0 && h > 0)
        card.z = 1000
        var grab = grabImage(card)
        var step = w * h > 60000 ? 3 : 1
        var drawn = false
        for (var y = 0; y < h && !drawn; y += step) {
            for (var x = 0; x < w && !drawn; x += step) {
                var p = grab.pixel(x, y)
                drawn = Math.abs(p.r - 1) > 0.02 || p.g > 0.02 || Math.abs(p.b - 1) > 0.02
            }
        }
        verify(drawn, data.tag + " draws nothing")
    }
}
}
