import QtQuick
import "../basic"
import "../common"
import ".."
import "../common/Calls.js" as Calls
import "../common/Hints.js" as Hints
import "../common/InputRules.js" as InputRules
import "LightControl.js" as Light
import "DpiSetting.js" as Dpi
import "../common/MainTexts.js" as MainTexts

// The lighting panel of the right column: the effect with its speed and
// brightness, and eight colours picked on the hue bar or typed as red,
// green and blue. Changes wait for the main window's save button (isSave).
Item {
    id: page
    objectName: "lightControlMain"

    required property Controller controller
    required property ShellApi shell
    required property Skin skin
    // The DPI panel, whose stage count decides which colour blocks show.
    required property var dpiSetting

    property bool isSave: false
    property var lightControlLang: Light.defaultTexts.slice(0)

    property var effectTexts: Light.effectTexts(false, false)
    property bool effectsExtended: false
    property int effect: 0
    property int speed: 0
    property int brightness: 4
    property var blocks: Light.startBlocks()
    property int selectedBlock: 0
    property int barPosition: 0

    readonly property bool isColorful: shell.isColorful
    readonly property bool is55328: shell.is55328
    readonly property int dpiCount: dpiSetting ? dpiSetting.dpiCount : Dpi.defaults.dpiCount
    readonly property var rule: Light.effectRule(effect, is55328)
    readonly property bool coloursShown: Light.coloursShown(effect)
    readonly property var chosenColour: blocks[selectedBlock] || Light.startColour
    readonly property int barWidth: 208

    width: Theme.columnWidth
    height: content.y + content.height + 12
    z: effectList.isOpen ? 20 : 0

    function rgb(colour) { return Qt.rgba(colour[0] / 255, colour[1] / 255, colour[2] / 255, 1) }

    function init(isSendData, isRecovery) {
        var firstTime = !isSendData && !isRecovery && !shell.isPownOn
        if (firstTime && !effectsExtended) {
            effectTexts = Light.effectTexts(isColorful, is55328)
            effectsExtended = true
        }
        var stored = Light.effectFrom(controller.getDataList("mouse/lightValue", isRecovery === true) ?? [],
                                      effectTexts.length)
        effect = stored.effect
        speed = stored.speed
        brightness = stored.brightness
        effectList.select(effect)
        blocks = Light.blocksFrom(controller.getDataList("mouse/colorValue", isRecovery === true) ?? [])
        selectBlock(0)
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        var calls = Light.saveCalls({ effect: effect, speed: speed, brightness: brightness, blocks: blocks,
                                      is55328: is55328, isColorful: isColorful }, isSendData, isStep)
        for (var i = 0; i < calls.length; ++i)
            Calls.call(controller, calls[i][0], calls[i][1], undefined, "controller")
    }

    // Pressing elsewhere in the window also ends typing in a number field.
    function closeList() {
        effectList.close()
        if (channelFields.activeFocus)
            page.forceActiveFocus()
    }

    function chooseEffect(index) {
        effect = index
        var chosen = Light.effectRule(index, is55328)
        if (chosen.speed !== undefined)
            speed = chosen.speed
        if (chosen.brightness !== undefined)
            brightness = chosen.brightness
        selectBlock(0)
        isSave = true
    }

    function selectBlock(index) {
        selectedBlock = index
        var c = blocks[index]
        barPosition = Light.positionOf(c[0], c[1], c[2], barWidth)
    }

    function setColour(colour) {
        var changed = blocks.slice(0)
        changed[selectedBlock] = colour
        blocks = changed
    }

    // From the hue bar, while dragging.
    function pickAt(position) {
        barPosition = Math.max(0, Math.min(6 * Light.segmentWidth(barWidth), Math.round(position)))
        setColour(Light.colourAt(barPosition, barWidth))
    }

    // From a number field: digits only, and a value past 255 is shown and
    // stored as 255, with a word why. An emptied field waits for a digit.
    function typeChannelText(channel, input) {
        if (input.text === "")
            return
        var entry = InputRules.clamped(input.text, 0, 255)
        if (entry.corrected && entry.value === 255) {
            input.text = entry.text
            channelNotice.show(InputRules.filled(Hints.text(shell.hintLang, Hints.Index.corrected), entry.value,
                                                 InputRules.rangeText(0, 255)), true)
        }
        typeChannel(channel, entry.text)
    }

    // From the number fields.
    function typeChannel(channel, text) {
        var colour = chosenColour.slice(0)
        colour[channel] = Light.channel(text)
        setColour(colour)
        barPosition = Light.positionOf(colour[0], colour[1], colour[2], barWidth)
        isSave = true
    }

    function recover() {
        init(false, true)
        isSave = true
    }

    BorderImage {
        anchors.fill: parent
        source: page.skin.sourcedpiSettingBG
        border { left: 8; right: 8; top: 40; bottom: 8 }
    }

    Text {
        x: 14
        y: 10
        text: page.lightControlLang[0]
        color: Theme.gray3
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontMiddleSize
        font.bold: true
    }

    ImageButton {
        objectName: "lightBackButton"
        x: 206
        y: 10
        normalSource: page.skin.sourceBack
        hoverSource: page.skin.sourceBackH
        onClicked: page.shell.confirm(page.shell.mainLang[MainTexts.Index.reset], Hints.text(page.shell.hintLang, Hints.Index.resetLighting),
                                 page.shell.mainLang[MainTexts.Index.reset], function() { page.recover() })
    }

    Image {
        objectName: "effectIcon"
        x: 12
        y: 44
        source: page.skin["sourceLightControl" + Math.min(page.effect, 4)]
    }

    Menu_Down {
        id: effectList
        z: 10
        objectName: "effectList"
        x: 44
        y: 44
        width: 176
        height: 24
        items: page.effectTexts.map(function(i) { return page.lightControlLang[i] })
        fontFamily: Theme.fontFamily
        fontSize: Theme.fontNormalSize
        hoverColor: Theme.accent
        selectedColor: Theme.blue
        dropSource: page.skin.sourceDropBtn
        dropOpenSource: page.skin.sourceDropBtnU
        onItemChosen: function(index) { page.chooseEffect(index) }
    }

    Column {
        id: content
        x: 12
        y: 78
        width: page.barWidth
        spacing: 8

        LightStepRow {
            objectName: "speedRow"
            width: content.width
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            captionColor: Theme.gray3
            textColor: Theme.fontColor
            accent: Theme.accent
            trackSource: page.skin.sourceSpeedScale
            knobSource: page.skin.sourceSlide
            onStepReleased: page.isSave = true
            caption: page.lightControlLang[5]
            visible: page.rule.speedShown
            step: page.speed
            onStepMoved: function(step) { page.speed = step }
        }

        LightStepRow {
            objectName: "brightnessRow"
            width: content.width
            fontFamily: Theme.fontFamily
            fontSize: Theme.fontNormalSize
            captionColor: Theme.gray3
            textColor: Theme.fontColor
            accent: Theme.accent
            trackSource: page.skin.sourceSpeedScale
            knobSource: page.skin.sourceSlide
            onStepReleased: page.isSave = true
            caption: page.lightControlLang[7]
            visible: page.rule.brightnessShown
            step: page.brightness
            onStepMoved: function(step) { page.brightness = step }
        }

        Item {
            visible: page.coloursShown
            width: content.width
            height: 14
            Text {
                text: page.lightControlLang[6]
                color: Theme.gray3
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontNormalSize
            }
        }

        Row {
            visible: page.coloursShown
            spacing: 2
            Repeater {
                model: Light.colourBlocks
                // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
                // qmllint disable unqualified
                delegate: Item {
                    id: block
                    required property int index
                    readonly property bool selected: index === page.selectedBlock
                    objectName: "colourBlock" + index
                    width: 24
                    height: 24
                    visible: Light.blockShown(index, page.dpiCount, page.isColorful, page.is55328, page.effect)

                    Image { source: page.skin.sourceLightControlBtn }
                    Rectangle {
                        x: 4
                        y: 4
                        width: 16
                        height: 16
                        radius: 2
                        color: page.rgb(page.blocks[block.index])
                    }
                    Image {
                        source: block.selected ? page.skin.sourceLightControlBtn1 : page.skin.sourceLightControlBtn0
                        opacity: block.selected || blockArea.containsMouse ? 1 : 0.7
                    }
                    MouseArea {
                        id: blockArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: page.selectBlock(block.index)
                    }
                }
                // qmllint enable unqualified
            }
        }

        // The hue bar; its marker shows the colour under it.
        Item {
            objectName: "colourBar"
            visible: page.coloursShown
            width: page.barWidth
            height: 16

            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: page.barWidth
                height: 12
                source: page.skin.sourceColorBar
            }
            Rectangle {
                objectName: "colourMarker"
                x: 1 + page.barPosition - width / 2
                width: 8
                height: 16
                radius: 3
                color: page.rgb(Light.colourAt(page.barPosition, page.barWidth))
                border.color: "#ffffff"
                border.width: 2
            }
            MouseArea {
                anchors.fill: parent
                anchors.margins: -3
                cursorShape: Qt.PointingHandCursor
                onPressed: function(mouse) { page.pickAt(mouse.x - 4) }
                onPositionChanged: function(mouse) { if (pressed) page.pickAt(mouse.x - 4) }
                onReleased: page.isSave = true
            }
        }

        Row {
            id: channelFields
            visible: page.coloursShown
            spacing: 6
            Repeater {
                model: 3
                // Qt 6.4's linter takes this file's ids inside a delegate for unqualified names.
                // qmllint disable unqualified
                delegate: Image {
                    id: field
                    required property int index
                    objectName: "channelField" + index
                    width: 40
                    height: 20
                    source: page.skin["sourceLightControlTxt" + index]

                    TextInput {
                        id: input
                        anchors.fill: parent
                        anchors.leftMargin: 8
                        anchors.rightMargin: 5
                        verticalAlignment: TextInput.AlignVCenter
                        horizontalAlignment: TextInput.AlignRight
                        text: page.chosenColour[field.index]
                        color: Theme.fontColor
                        selectionColor: Theme.accent
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
                        selectByMouse: true
                        maximumLength: 3
                        validator: RegularExpressionValidator { regularExpression: /[0-9]{0,3}/ }
                        onTextEdited: page.typeChannelText(field.index, input)
                        onActiveFocusChanged: if (!activeFocus) text = Qt.binding(function() { return page.chosenColour[field.index] })
                    }
                }
                // qmllint enable unqualified
            }

            Rectangle {
                objectName: "colourSwatch"
                width: content.width - 3 * 40 - 3 * 6
                height: 20
                radius: 3
                color: page.rgb(page.chosenColour)
                border.color: Theme.gray1
                Text {
                    anchors.centerIn: parent
                    text: Light.hexOf(page.chosenColour)
                    color: page.chosenColour[0] * 0.3 + page.chosenColour[1] * 0.59 + page.chosenColour[2] * 0.11 > 140
                           ? "#000000" : "#ffffff"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                    font.bold: true
                }

                NoticeLine {
                    id: channelNotice
                    objectName: "channelNotice"
                    anchors.right: parent.right
                    anchors.top: parent.bottom
                    anchors.topMargin: 4
                    z: 10
                    fontFamily: Theme.fontFamily
                    fontSize: Theme.fontMinSize
                }
            }
        }
    }
}
