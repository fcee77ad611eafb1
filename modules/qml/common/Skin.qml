import QtQuick

// The root of the UI carries the skin: one property per image, holding its
// resource URL. Skinned images live under their group in the folder of skin
// number skin_No; the gun pictures always come from skin 1.
Item {
    property int skin_No: 1

    function skinImage(group, name) {
        return "qrc:/" + group + "/modules/img/skin" + skin_No + "/" + group + "/" + name + ".png"
    }

    function gunImage(name) {
        return "qrc:/gun/modules/img/skin1/gun/" + name + ".png"
    }

    property url sourceBackground: "qrc:/modules/img/background.png"
    property url sourceTitleBar: "qrc:/modules/img/titleBar.png"
    property url sourceTitleLogo: "qrc:/modules/img/titleLogo.png"

    // mouse
    property url sourceMouseFront: skinImage("mouse", "MouseFront")
    property url sourceMouseSide: skinImage("mouse", "MouseSide")
    property url sourceMouse0: skinImage("mouse", "Mouse0")
    property url sourceMouse1: skinImage("mouse", "Mouse1")
    property url sourceMouse2: skinImage("mouse", "Mouse2")
    property url sourceMouse3: skinImage("mouse", "Mouse3")
    property url sourceMouse4: skinImage("mouse", "Mouse4")
    property url sourceMouse5: skinImage("mouse", "Mouse5")
    property url sourceMouse6: skinImage("mouse", "Mouse6")
    property url sourceMouse7: skinImage("mouse", "Mouse7")
    property url sourceMouse0S: skinImage("mouse", "Mouse0S")
    property url sourceMouse1S: skinImage("mouse", "Mouse1S")
    property url sourceMouse2S: skinImage("mouse", "Mouse2S")
    property url sourceMouse3S: skinImage("mouse", "Mouse3S")
    property url sourceMouse4S: skinImage("mouse", "Mouse4S")
    property url sourceMouse5S: skinImage("mouse", "Mouse5S")
    property url sourceMouse6S: skinImage("mouse", "Mouse6S")
    property url sourceMouse7S: skinImage("mouse", "Mouse7S")
    property url sourceMouseSide0: skinImage("mouse", "MouseSide0")
    property url sourceMouseSide1: skinImage("mouse", "MouseSide1")
    property url sourceMouseSide2: skinImage("mouse", "MouseSide2")
    property url sourceMouseSide3: skinImage("mouse", "MouseSide3")
    property url sourceMouseSide4: skinImage("mouse", "MouseSide4")
    property url sourceMouseSide5: skinImage("mouse", "MouseSide5")
    property url sourceMouseSide6: skinImage("mouse", "MouseSide6")
    property url sourceMouseSide7: skinImage("mouse", "MouseSide7")
    property url sourceMouseSide0S: skinImage("mouse", "MouseSide0S")
    property url sourceMouseSide1S: skinImage("mouse", "MouseSide1S")
    property url sourceMouseSide2S: skinImage("mouse", "MouseSide2S")
    property url sourceMouseSide3S: skinImage("mouse", "MouseSide3S")
    property url sourceMouseSide4S: skinImage("mouse", "MouseSide4S")
    property url sourceMouseSide5S: skinImage("mouse", "MouseSide5S")
    property url sourceMouseSide6S: skinImage("mouse", "MouseSide6S")
    property url sourceMouseSide7S: skinImage("mouse", "MouseSide7S")
    property url sourceMouseSidebtnN: skinImage("mouse", "mouseSidebtnN")
    property url sourceMouseSidebtnH: skinImage("mouse", "mouseSidebtnH")
    property url sourceMouseSidebtnS: skinImage("mouse", "mouseSidebtnS")
    property url sourcelightBtn: skinImage("mouse", "lightBtn")
    property url sourcelightBtnS: skinImage("mouse", "lightBtnS")

    // index
    property url sourceMinBtn: skinImage("index", "minBtn")
    property url sourceMinBtnH: skinImage("index", "minBtnH")
    property url sourceCloseBtn: skinImage("index", "closeBtn")
    property url sourceCloseBtnH: skinImage("index", "closeBtnH")
    property url sourceSureBtn: skinImage("index", "sureBtn")
    property url sourceSureBtnH: skinImage("index", "sureBtnH")
    property url sourceAsk: skinImage("index", "ask")
    property url sourceAskH: skinImage("index", "askH")
    property url sourceRestBtn: skinImage("index", "restBtn")
    property url sourceRestBtnH: skinImage("index", "restBtnH")
    property url sourceRestBtnP: skinImage("index", "restBtnP")
    property url sourceSaveBtn: skinImage("index", "saveBtn")
    property url sourceSaveBtnH: skinImage("index", "saveBtnH")
    property url sourceSaveBtnP: skinImage("index", "saveBtnP")
    property url sourceMacroKeyBg: skinImage("index", "macroKeyBg")
    property url sourceSingleKeyBg: skinImage("index", "singleKeyBg")
    property url sourceMacroTypeCheck: skinImage("index", "macroTypeCheck")
    property url sourceMacroTypeCheck0: skinImage("index", "macroTypeCheck0")
    property url sourcePowerOn: skinImage("index", "powerOn")
    property url sourceBack: skinImage("index", "back")
    property url sourceBackH: skinImage("index", "backH")
    property url sourceDropBtn: skinImage("index", "dropBtn")
    property url sourceDropBtnU: skinImage("index", "dropBtnU")
    property url sourceConfigBtn: skinImage("index", "configBtn")
    property url sourceSlide: skinImage("index", "slide")
    property url sourceScale: skinImage("index", "scale")
    property url sourceRadioBtn: skinImage("index", "radioBtn")
    property url sourceRadioBtnS: skinImage("index", "radioBtnS")
    property url sourceCheckBtn: skinImage("index", "checkBtn")
    property url sourcePageUp: skinImage("index", "pageUp")
    property url sourcePageDown: skinImage("index", "pageDown")

    // xySetting
    property url sourcexy0: skinImage("xySetting", "xy0")
    property url sourcexy1: skinImage("xySetting", "xy1")
    property url sourcexy2: skinImage("xySetting", "xy2")
    property url sourcexy3: skinImage("xySetting", "xy3")
    property url sourcexy4: skinImage("xySetting", "xy4")
    property url sourcexy5: skinImage("xySetting", "xy5")
    property url sourcexy6: skinImage("xySetting", "xy6")
    property url sourcexy7: skinImage("xySetting", "xy7")
    property url sourcexy8: skinImage("xySetting", "xy8")
    property url sourcexy9: skinImage("xySetting", "xy9")
    property url sourcexyBtn: skinImage("xySetting", "xyBtn")
    property url sourcexyNumber: skinImage("xySetting", "xyNumber")

    // profile
    property url sourceprofileStartBtn: skinImage("profile", "profileStartBtn")
    property url sourceprofileStartBtnS: skinImage("profile", "profileStartBtnS")
    property url sourceprofileStartBtnH: skinImage("profile", "profileStartBtnH")
    property url sourceProfileBG: skinImage("profile", "profileBG")
    property url sourceProfileCopyBtn: skinImage("profile", "profileCopyBtn")
    property url sourceProfileCopyBtnS: skinImage("profile", "profileCopyBtnS")
    property url sourceProfileDeleteBtn: skinImage("profile", "profileDeleteBtn")
    property url sourceProfileDeleteBtnS: skinImage("profile", "profileDeleteBtnS")
    property url sourceProfileDeleteBtn0: skinImage("profile", "profileDeleteBtn0")
    property url sourceProfileEditBtn: skinImage("profile", "profileEditBtn")
    property url sourceProfileEditBtnS: skinImage("profile", "profileEditBtnS")
    property url sourceProfileNewBtn: skinImage("profile", "profileNewBtn")
    property url sourceProfileSettingBtn: skinImage("profile", "profileSettingBtn")
    property url sourceprofileCloseBtn: skinImage("profile", "profileCloseBtn")

    // lightControl
    property url sourceLightControl0: skinImage("lightControl", "lightControl0")
    property url sourceLightControl1: skinImage("lightControl", "lightControl1")
    property url sourceLightControl2: skinImage("lightControl", "lightControl2")
    property url sourceLightControl3: skinImage("lightControl", "lightControl3")
    property url sourceLightControl4: skinImage("lightControl", "lightControl4")
    property url sourceLightControlBtn: skinImage("lightControl", "lightControlBtn")
    property url sourceLightControlBtn0: skinImage("lightControl", "lightControlBtn0")
    property url sourceLightControlBtn1: skinImage("lightControl", "lightControlBtn1")
    property url sourceLightControlTxt0: skinImage("lightControl", "lightControlTxt0")
    property url sourceLightControlTxt1: skinImage("lightControl", "lightControlTxt1")
    property url sourceLightControlTxt2: skinImage("lightControl", "lightControlTxt2")
    property url sourceColorBar: skinImage("lightControl", "colorBar")
    property url sourceSpeedScale: skinImage("lightControl", "speedScale")

    // dpiSetting
    property url sourcedpiSettingBG: skinImage("dpiSetting", "dpiSettingBG")
    property url sourcedpiSetting0: skinImage("dpiSetting", "dpiSetting0")
    property url sourcedpiSetting1: skinImage("dpiSetting", "dpiSetting1")

    // reportRate
    property url sourcereportRate0: skinImage("reportRate", "reportRate0")
    property url sourcereportRate1: skinImage("reportRate", "reportRate1")
    property url sourcereportRate2: skinImage("reportRate", "reportRate2")
    property url sourcereportRate3: skinImage("reportRate", "reportRate3")

    // mouseRate
    property url sourcemouseRate0: skinImage("mouseRate", "mouseRate0")
    property url sourcemouseRate1: skinImage("mouseRate", "mouseRate1")
    property url sourcemouseRate2: skinImage("mouseRate", "mouseRate2")
    property url sourcemouseRate3: skinImage("mouseRate", "mouseRate3")
    property url sourcemouseRate4: skinImage("mouseRate", "mouseRate4")
    property url sourcemouseRate5: skinImage("mouseRate", "mouseRate5")
    property url sourcemouseRate6: skinImage("mouseRate", "mouseRate6")
    property url sourcemouseRate7: skinImage("mouseRate", "mouseRate7")
    property url sourcemouseRate8: skinImage("mouseRate", "mouseRate8")
    property url sourcemouseRate9: skinImage("mouseRate", "mouseRate9")
    property url sourcemouseRate10: skinImage("mouseRate", "mouseRate10")

    // macros
    property url sourceMacroStartBtn: skinImage("macros", "macroStartBtn")
    property url sourceMacroStartBtnH: skinImage("macros", "macroStartBtnH")
    property url sourceMacroStartBtnP: skinImage("macros", "macroStartBtnP")
    property url sourcemacroBg: skinImage("macros", "macroBg")
    property url sourcemacroCheck0: skinImage("macros", "macroCheck0")
    property url sourcemacroCheck1: skinImage("macros", "macroCheck1")
    property url sourcemacroKeyDelay: skinImage("macros", "macroKeyDelay")
    property url sourcemacroKeyPress: skinImage("macros", "macroKeyPress")
    property url sourcemacroKeyRelease: skinImage("macros", "macroKeyRelease")
    property url sourcemacroMousePress: skinImage("macros", "macroMousePress")
    property url sourcemacroMouseRelease: skinImage("macros", "macroMouseRelease")
    property url sourcemacroNewBtn: skinImage("macros", "macroNewBtn")
    property url sourcemacroNewBtnH: skinImage("macros", "macroNewBtnH")
    property url sourcemacroNewBtnP: skinImage("macros", "macroNewBtnP")
    property url sourcemacroRecordBtn: skinImage("macros", "macroRecordBtn")
    property url sourcemacroRecordBtnH: skinImage("macros", "macroRecordBtnH")
    property url sourcemacroRecordBtnP: skinImage("macros", "macroRecordBtnP")
    property url sourcemacroSaveBtn: skinImage("macros", "macroSaveBtn")
    property url sourcemacroSaveBtnH: skinImage("macros", "macroSaveBtnH")
    property url sourcemacroSaveBtnP: skinImage("macros", "macroSaveBtnP")
    property url sourcemacroMenuBG: skinImage("macros", "macroMenuBG")

    // scrollRate
    property url sourcescrollRate0: skinImage("scrollRate", "scrollRate0")
    property url sourcescrollRate1: skinImage("scrollRate", "scrollRate1")
    property url sourcescrollRate2: skinImage("scrollRate", "scrollRate2")
    property url sourcescrollRate3: skinImage("scrollRate", "scrollRate3")
    property url sourcescrollRate4: skinImage("scrollRate", "scrollRate4")
    property url sourcescrollRate5: skinImage("scrollRate", "scrollRate5")
    property url sourcescrollRate6: skinImage("scrollRate", "scrollRate6")

    // gun
    property url sourceM416: gunImage("M416")
    property url sourceAKM: gunImage("AKM")
    property url sourceM16A4: gunImage("M16A4")
    property url sourceSCARL: gunImage("SCAR-L")
    property url sourceThomson: gunImage("Thomson")
    property url sourceUNP9: gunImage("UNP9")
    property url sourceTarget: gunImage("target")
}
