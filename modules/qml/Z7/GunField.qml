import QtQuick
import "../common"
import ".."

// A one-line input of the gun editor. `committed` is emitted with the typed
// text when the input ends (Enter, the focus going elsewhere, or endInput());
// Escape puts the shown text back. A read-only field only shows its text.
Rectangle {
    id: field

    property string text: ""
    property bool readOnly: false
    // Why a read-only field cannot be typed in, shown on hover.
    property string readOnlyTip: ""
    property int maximumLength: 3
    property var validator: null
    property string suffix: ""
    property string fontFamily: "微软雅黑"
    property int fontSize: 12
    property color accentColor: Theme.accent
    property int horizontalAlignment: TextInput.AlignHCenter
    readonly property bool editing: input.activeFocus
    readonly property alias input: input

    signal committed(string text)
    signal cancelled()

    width: 64
    height: 24
    radius: 3
    // A read-only value is drawn as a value, not as a box to type in.
    color: readOnly ? "transparent" : "#050506"
    border.color: readOnly ? "transparent" : input.activeFocus ? accentColor
                : area.containsMouse ? "#6a6a6a" : "#3c3c3c"

    function beginInput() {
        if (readOnly)
            return
        input.forceActiveFocus()
        input.selectAll()
    }

    function endInput() {
        if (input.activeFocus)
            input.focus = false
    }

    onTextChanged: if (!input.activeFocus) input.text = text

    // The first click takes the whole value for typing over it; later
    // clicks go to the input and place the cursor.
    MouseArea {
        id: area
        anchors.fill: parent
        z: 1
        hoverEnabled: true
        cursorShape: field.readOnly ? Qt.ArrowCursor : Qt.IBeamCursor
        onPressed: function(mouse) {
            if (field.readOnly)
                return
            if (input.activeFocus)
                mouse.accepted = false
            else
                field.beginInput()
        }
    }

    TextInput {
        id: input
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: field.suffix !== "" ? suffixText.width + 8 : 6
        verticalAlignment: TextInput.AlignVCenter
        horizontalAlignment: field.horizontalAlignment
        readOnly: field.readOnly
        activeFocusOnPress: !field.readOnly
        selectByMouse: true
        clip: true
        maximumLength: field.maximumLength
        validator: field.validator
        text: field.text
        color: field.readOnly ? "#d1d1d1" : "#ffffff"
        selectionColor: field.accentColor
        selectedTextColor: "#ffffff"
        font.family: field.fontFamily
        font.pixelSize: field.fontSize

        property bool dropped: false

        Keys.onEscapePressed: {
            dropped = true
            text = field.text
            focus = false
        }
        Keys.onReturnPressed: focus = false
        Keys.onEnterPressed: focus = false
        onActiveFocusChanged: {
            if (activeFocus || readOnly)
                return
            var wasDropped = dropped
            dropped = false
            if (wasDropped)
                field.cancelled()
            else
                field.committed(text)
            // The page decides what is shown; an unaccepted text goes back.
            text = Qt.binding(function() { return field.text })
        }
    }

    Text {
        id: suffixText
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        visible: field.suffix !== ""
        text: field.suffix
        color: "#969696"
        font.family: field.fontFamily
        font.pixelSize: field.fontSize - 2
    }

    HoverTip {
        text: field.readOnly ? field.readOnlyTip : ""
        hovered: area.containsMouse
        fontFamily: field.fontFamily
        fontSize: field.fontSize - 1
    }
}
