import QtQuick
import "../basic"
import ".."
import "ReportRate.js" as Rate

// The report rate box: "125Hz" to "1000Hz". The profile stores the index;
// the mouse takes the time between reports in milliseconds. The list opens
// upwards, the box sits low in the window.
Rectangle {
    id: box

    required property Controller controller
    // The window, which reports whether a chosen rate reached the mouse.
    required property ShellApi shell
    property string caption: "Report Rate"
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color fontColor: "#ffffff"
    property color captionColor: "#d1d1d1"
    property color hoverColor: Theme.accent
    property int skin_No: 1
    readonly property var rates: Rate.rates.map((r, i) => Rate.rateText(i))
    readonly property var deviceValues: Rate.deviceValues
    readonly property alias currentIndex: list.currentIndex
    readonly property alias isOpen: list.isOpen

    signal listOpened()

    width: Theme.columnWidth
    height: 42
    radius: 4
    color: "#000000"
    border.color: "#3c3c3c"
    z: list.isOpen ? 20 : 0

    function indexOf(stored) { return Rate.indexOf(stored) }
    function deviceValue(index) { return Rate.deviceValue(index) }

    function init(isSendData) {
        var stored = controller.getData("mouse/reportRate", false)
        var i = indexOf(stored)
        list.select(i)
        if (i < 0) {
            console.warn("ui: stored report rate is not an index:", stored)
            return
        }
        if (isSendData)
            controller.mouseSetReportRate(deviceValues[i])
    }

    function choose(index) {
        var i = indexOf(index)
        if (i < 0)
            return
        list.select(i)
        controller.setData("mouse/reportRate", i)
        shell.deviceAction("reportRate", function() { box.controller.mouseSetReportRate(box.deviceValues[i]) })
    }

    function closeList() {
        list.close()
    }

    Rectangle {
        x: 1; y: 14
        width: 3; height: 14
        color: box.hoverColor
    }

    Image {
        id: icon
        x: 12
        anchors.verticalCenter: parent.verticalCenter
        source: "qrc:/reportRate/modules/img/skin" + box.skin_No + "/reportRate/reportRate"
                + Math.max(0, list.currentIndex) + ".png"
    }

    Text {
        anchors.left: icon.right
        anchors.leftMargin: 8
        anchors.right: list.left
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        text: box.caption
        elide: Text.ElideRight
        color: box.captionColor
        font.family: box.fontFamily
        font.pixelSize: box.fontSize
        font.bold: true
    }

    Menu_Up {
        id: list
        objectName: "reportRateList"
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        width: 84
        height: 24
        items: box.rates
        fontFamily: box.fontFamily
        fontSize: box.fontSize
        textColor: box.fontColor
        hoverColor: box.hoverColor
        dropSource: "qrc:/index/modules/img/skin" + box.skin_No + "/index/dropBtn.png"
        dropOpenSource: "qrc:/index/modules/img/skin" + box.skin_No + "/index/dropBtnU.png"
        onItemChosen: function(index) { box.choose(index) }
        onOpened: box.listOpened()
    }
}
