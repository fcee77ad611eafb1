import QtQuick
import QtTest

Item {
    id: stage
    width: 1024
    height: 640

TestCase {
    id: testCase
    name: "Shell"
    when: windowShown

    property var shell: null
    property var shellComponent: Qt.createComponent("qrc:/modules/qml/main.qml")

    SignalSpy { id: spy }

    function init() {
        ui_View.reset()
        ui_Ctl.reset()
        hid.reset()
        compare(shellComponent.status, Component.Ready, shellComponent.errorString())
        shell = createTemporaryObject(shellComponent, stage)
        verify(shell)
    }

    function child(name) {
        var item = findChild(shell, name)
        verify(item, "no item " + name)
        return item
    }

    function reveal() {
        shell.visible = true
        shell.panelsShown = true
    }

    function callNames(fake) {
        return fake.calls.map(function(c) { return c[0] })
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
        compare(shell.fontFamily, "微软雅黑")
        compare(String(shell.colorBlack), "#000000")
        compare(shell.animation_speed, 300)
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

    function test_set_current_dpi() {
        shell.setCurrentDPI(0)
        compare(shell.currentDPI, -1, "0 changes nothing")
        shell.setCurrentDPI(3)
        compare(shell.currentDPI, 2)
        shell.setCurrentDPI(0)
        compare(shell.currentDPI, 2)
        shell.setCurrentDPI("5")
        compare(shell.currentDPI, 4)
        shell.setCurrentDPI(undefined)
        compare(shell.currentDPI, 4)
    }

    function test_protect_zero_ends_at_next_turn() {
        var busy = child("busyIndicator")
        shell.setProtectUI(0)
        verify(busy.busy)
        verify(!ui_View.enabled)
        tryVerify(function() { return ui_View.enabled }, 500)
        verify(!busy.busy)
    }

    function test_control_ui_enable_has_no_timer() {
        var busy = child("busyIndicator")
        shell.controlUIEnable(false)
        verify(busy.busy)
        verify(!ui_View.enabled)
        wait(50)
        verify(!ui_View.enabled)
        shell.controlUIEnable(true)
        verify(!busy.busy)
        verify(ui_View.enabled)
    }

    function test_busy_text_pulses() {
        var busy = child("busyIndicator")
        var text = child("busyText")
        compare(text.text, "LOADING ......")
        shell.controlUIEnable(false)
        tryVerify(function() { return text.opacity < 0.6 }, 600)
        tryVerify(function() { return text.opacity > 0.9 }, 900)
        shell.controlUIEnable(true)
    }

    function test_first_init_reads_settings_and_texts() {
        ui_View.globals = {
            "mouse/isColorful": "true", "mouse/icType": "560", "mouse/is55328": "false",
            "mouse/isGun": "false", "mouse/keyCount": "6", "common/language": "English",
            "common/url": "http://example.org/mouse", "mouse/profileNo": "2"
        }
        ui_View.languages = { "main": ["Bearbeiten", "Makro"], "keyCode": ["Ä"] }
        ui_View.deviceDpi = 3
        shell.initUI()
        verify(shell.visible)
        verify(shell.isPownOn)
        verify(shell.isColorful)
        verify(!shell.is55328)
        verify(!shell.isGun)
        compare(shell.icType, "560")
        compare(shell.keyCount, 6)
        compare(shell.language, "English")
        compare(shell.url, "http://example.org/mouse")
        compare(child("helpMenu").entries[0], "http://example.org/mouse")
        compare(shell.mainLang[0], "Bearbeiten")
        compare(shell.mainLang[1], "Makro")
        compare(shell.mainLang[2], "Gun Editor", "missing texts keep the built-in ones")
        compare(shell.profileNo, 2)
        compare(shell.currentDPI, 2)

        var groups = ui_View.callsOf("getLangStrings").map(function(c) { return c[1] })
        compare(groups, ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
                         "macroEditor", "systemSetting", "gunControl", "profile", "keyCode", "other"])
        ui_View.callsOf("getLangStrings").forEach(function(c) { compare(c[2], "English") })
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 2]])
        compare(ui_View.callsOf("getData")[0], ["getData", "mouse/reportRate", false])
        compare(ui_View.callsOf("mouseSetReportRate").length, 0, "start-up sends no report rate")

        verify(child("startupLogo").visible)
        verify(!shell.panelsShown)
        tryCompare(shell, "panelsShown", true, 2000)
        verify(!child("startupLogo").visible)
        verify(ui_View.enabled)
    }

    function test_start_survives_failing_operations_data() {
        return [
            { tag: "language strings", failing: ["getLangStrings"] },
            { tag: "device profile", failing: ["mouseReadCurrentProfile"] },
            { tag: "settings", failing: ["getGlobalData", "getData"] },
            { tag: "current DPI", failing: ["mouseGetCurrentDPI"] }
        ]
    }

    function test_start_survives_failing_operations(data) {
        ui_View.globals = { "mouse/icType": "560" }
        ui_View.failing = data.failing
        shell.initUI()
        verify(shell.isPownOn)
        compare(shell.mainLang[0], "Editor")
        tryCompare(shell, "panelsShown", true, 2000)
        verify(ui_View.enabled)
    }

    function test_560_starts_in_profile_one_data() {
        return [
            { tag: "560 in profile 1", icType: "560", current: 1, switched: false },
            { tag: "560 in profile 1, as text", icType: "560", current: "1", switched: false },
            { tag: "560 in profile 3", icType: "560", current: 3, switched: true },
            { tag: "560 not answering", icType: "560", current: undefined, switched: true },
            { tag: "553 never asked", icType: "553", current: 3, switched: false }
        ]
    }

    function test_560_starts_in_profile_one(data) {
        ui_View.globals = { "mouse/icType": data.icType }
        ui_View.deviceProfile = data.current
        shell.initUI()
        compare(hid.calls.length, data.switched ? 1 : 0)
        if (data.switched)
            compare(hid.calls[0], ["hid560_02H_SetCurrentProfile", 1])
        compare(ui_View.callsOf("mouseReadCurrentProfile").length, data.icType === "560" ? 1 : 0)
    }

    function test_second_init_reloads_nothing() {
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        ui_View.calls = []
        ui_View.deviceDpi = 4
        shell.initUI()
        compare(callNames(ui_View).filter(function(n) {
            return n === "getGlobalData" || n === "getLangStrings" || n === "getData"
        }), [])
        compare(ui_View.callsOf("mouseGetCurrentDPI").length, 1)
        compare(shell.currentDPI, 3)
        verify(!ui_View.enabled, "locked again for a while")
        tryVerify(function() { return ui_View.enabled }, 2000)
    }

    function test_editor_box_data() {
        return [
            { tag: "gun mouse", isGun: "true", height: 100, gun: true },
            { tag: "gun mouse, number", isGun: 1, height: 100, gun: true },
            { tag: "no gun", isGun: "false", height: 76, gun: false },
            { tag: "no gun, zero", isGun: "0", height: 76, gun: false }
        ]
    }

    function test_editor_box(data) {
        ui_View.globals = { "mouse/isGun": data.isGun }
        shell.initUI()
        reveal()
        var box = child("editorBox")
        compare(box.height, data.height)
        compare(box.width, 232)
        compare(child("gunEditorButton").visible, data.gun)
        verify(child("macroEditorButton").visible)
    }

    function test_report_rate_sends_stored_rate_data() {
        return [
            { tag: "125Hz as text", stored: "0", sent: 8 },
            { tag: "250Hz as number", stored: 1, sent: 4 },
            { tag: "500Hz as text", stored: "2", sent: 2 },
            { tag: "500Hz as number", stored: 2, sent: 2 },
            { tag: "1000Hz as text", stored: "3", sent: 1 },
            { tag: "1000Hz as number", stored: 3, sent: 1 },
            { tag: "out of range", stored: "4", sent: 0 },
            { tag: "negative", stored: -1, sent: 0 },
            { tag: "not a number", stored: "fast", sent: 0 },
            { tag: "missing", stored: undefined, sent: 0 }
        ]
    }

    function test_report_rate_sends_stored_rate(data) {
        ui_View.profile = { "mouse/reportRate": data.stored }
        var box = child("reportRateBox")
        box.init(false)
        compare(ui_View.callsOf("mouseSetReportRate").length, 0)
        box.init(true)
        var sent = ui_View.callsOf("mouseSetReportRate")
        if (data.sent === 0) {
            compare(sent.length, 0)
            compare(box.currentIndex, -1)
        } else {
            compare(sent, [["mouseSetReportRate", data.sent]])
            compare(box.deviceValue(box.currentIndex), data.sent)
        }
    }

    function test_report_rate_choice_data() {
        return [
            { tag: "125Hz", index: 0, sent: 8 },
            { tag: "250Hz", index: 1, sent: 4 },
            { tag: "500Hz", index: 2, sent: 2 },
            { tag: "1000Hz", index: 3, sent: 1 }
        ]
    }

    function test_report_rate_choice(data) {
        reveal()
        var list = child("reportRateList")
        mouseClick(list)
        verify(list.isOpen)
        // The list opens upwards: four rows of 24 and a border above the box.
        mouseClick(list, list.width / 2, -(4 * 24 + 2) - 2 + 1 + data.index * 24 + 12)
        verify(!list.isOpen)
        compare(list.currentText, ["125Hz", "250Hz", "500Hz", "1000Hz"][data.index])
        compare(ui_View.callsOf("setData"), [["setData", "mouse/reportRate", data.index]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", data.sent]])
    }

    function test_dragging_moves_the_window() {
        reveal()
        spy.target = shell
        spy.signalName = "emptyAreaPressed"
        spy.clear()
        mousePress(shell, 500, 300)
        compare(spy.count, 1)
        mouseMove(shell, 530, 290)
        mouseRelease(shell, 530, 290)
        compare(ui_Ctl.calls, [["onXChanged", 30], ["onYChanged", -10]])
    }

    function test_main_focus_closes_lists() {
        reveal()
        var rate = child("reportRateList")
        var profiles = child("profileList")
        var help = child("helpMenu")
        rate.open()
        verify(rate.isOpen)
        profiles.open()
        verify(!rate.isOpen, "opening one list closes the other")
        help.visible = true
        shell.mainFocus()
        verify(!profiles.isOpen)
        verify(!help.visible)
    }

    function test_title_buttons() {
        reveal()
        mouseClick(child("minimiseButton"))
        mouseClick(child("closeButton"))
        compare(ui_Ctl.calls, [["onMinimize"], ["onClose"]])
        var help = child("helpMenu")
        mouseClick(child("helpButton"))
        verify(help.visible)
        compare(help.entries[1], "verison:1.0")
        mouseClick(help, 100, 1 + 24 + 12)
        verify(!help.visible, "choosing an entry hides the menu")
    }

    function test_reset_dialog_stays_inside_data() {
        return [
            { tag: "far left and down", x: -50, y: 9999, ex: 0, ey: 538 },
            { tag: "far right and up", x: 2000, y: -3, ex: 597, ey: 0 },
            { tag: "inside", x: 100, y: 200, ex: 100, ey: 200 }
        ]
    }

    function test_reset_dialog_stays_inside(data) {
        reveal()
        var dialog = child("resetDialog")
        mouseClick(child("resetButton"))
        verify(dialog.visible)
        compare(dialog.width, 427)
        compare(dialog.height, 102)
        mousePress(dialog, 200, 50)
        mouseMove(dialog, 200 + data.x - dialog.x, 50 + data.y - dialog.y)
        mouseRelease(dialog, 200, 50)
        compare(dialog.x, data.ex)
        compare(dialog.y, data.ey)
    }

    function test_reset_dialog_cancel_and_mask() {
        reveal()
        var mask = child("dialogMask")
        verify(!mask.visible)
        mouseClick(child("resetButton"))
        verify(mask.visible)
        compare(mask.color.a.toFixed(3), (0x90 / 255).toFixed(3))
        mouseClick(child("resetCancelButton"))
        verify(!child("resetDialog").visible)
        verify(!mask.visible)
        compare(ui_View.callsOf("resetProfile").length, 0)
    }

    function test_reset_dialog_ok_resets_profile() {
        ui_View.globals = { "mouse/profileNo": 1, "mouse/isGun": "true" }
        ui_View.profile = { "mouse/reportRate": "2" }
        shell.initUI()
        tryCompare(shell, "panelsShown", true, 2000)
        ui_View.calls = []
        mouseClick(child("resetButton"))
        mouseClick(child("resetOkButton"))
        verify(!child("resetDialog").visible)
        verify(!child("dialogMask").visible)
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 1]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", 2]])
        compare(ui_View.callsOf("mouseSwitchKeyMatrix"), [["mouseSwitchKeyMatrix", 1]])
        compare(ui_View.callsOf("mouseResetKeyMatrix").length, 1)
        compare(ui_View.callsOf("mouseSetCurrentDPI"), [["mouseSetCurrentDPI", 2]])
        compare(shell.currentDPI, 1)
        verify(ui_View.enabled)
        verify(!child("busyIndicator").visible)
    }

    function test_profile_change() {
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
        ui_View.profile = { "mouse/reportRate": 3 }
        shell.initUI()
        ui_View.calls = []
        var list = child("profileList")
        list.itemChosen(0)
        compare(ui_View.calls.length, 0, "choosing the profile in use does nothing")
        list.itemChosen(4)
        compare(shell.profileNo, 4)
        compare(ui_View.callsOf("setGlobalData"), [["setGlobalData", "mouse/profileNo", 4]])
        compare(ui_View.callsOf("setCurrentProfile"), [["setCurrentProfile", 4]])
        compare(ui_View.callsOf("mouseSetReportRate"), [["mouseSetReportRate", 1]])
        compare(ui_View.callsOf("mouseSwitchKeyMatrix").length, 0, "not on a mouse without gun")
        verify(ui_View.enabled)
    }

    function test_notices_are_reemitted() {
        spy.target = shell
        spy.signalName = "msg_KB"
        spy.clear()
        shell.detectKeyboard(true, 0x04)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], true)
        compare(spy.signalArguments[0][1], 0x04)
        spy.signalName = "msg_MS"
        spy.clear()
        shell.detectMouse(false, 0xF1, 10, 20)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][1], 0xF1)
        compare(spy.signalArguments[0][3], 20)
    }

    function test_save_button_idle_without_changes() {
        reveal()
        mouseClick(child("saveButton"))
        compare(ui_View.callsOf("setEnabled").length, 0, "nothing to save, no lock")
        verify(!shell.hasUnsaved)
    }

    // A change of profile or a reset asked for in a pause of a running
    // command starts when the link is free, from the event loop.
    function test_sequences_wait_for_a_free_link() {
        ui_View.globals = { "mouse/profileNo": 0, "mouse/isGun": "false" }
        ui_View.profile = { "mouse/reportRate": 3 }
        shell.initUI()
        ui_View.calls = []
        hid.commandRunning = true
        child("profileList").itemChosen(2)
        child("resetDialog").accepted()
        wait(0)
        compare(ui_View.calls.length, 0, "nothing starts inside the running command")
        hid.commandRunning = false
        compare(ui_View.calls.length, 0, "not inside the command's end either")
        tryVerify(function() { return ui_View.callsOf("resetProfile").length === 1 })
        compare(shell.profileNo, 2)
        var names = callNames(ui_View)
        verify(names.indexOf("setCurrentProfile") < names.indexOf("resetProfile"), names.join(" "))
        compare(ui_View.callsOf("resetProfile"), [["resetProfile", 2]])
        verify(ui_View.enabled)
    }
}
}
