.pragma library

// The lighting panel's rules: which effects the list offers, which sliders
// an effect uses, which colour blocks are shown, the hue bar's colours and
// what saving writes and sends.

// The built-in English texts, replaced position by position by the language
// file: the panel's captions and the effect names.
var defaultTexts = [
    "Light", "Static", "Breath", "Neon", "OFF", "Speed", "Color", "Brightness",
    "Twinkling", "Wave", "Gliding", "Finger Moving", "Vertical Flipping", "YO-YO", "Spotlight",
    "Breath Loop", "", "", "", ""
]

var colourBlocks = 8
var sliderSteps = 5              // speed and brightness, 0 to 4
var breathLoop = 4               // the 55328's fifth effect of the plain model
var startColour = [255, 0, 0]

// Texts (indexes of lightControlLang) of the effect list's items; the
// position of an item is the effect number the mouse gets.
function effectTexts(isColorful, is55328) {
    var texts = [1, 2, 3, 4]
    if (isColorful)
        texts = texts.concat([8, 9, 10, 11, 12, 13, 14])
    if (is55328)
        texts.push(15)
    return texts
}

function percentText(step) {
    return (Math.max(0, Math.min(sliderSteps - 1, step)) * 25) + "%"
}

// Which sliders an effect shows and the positions set when it is chosen
// (undefined: left as it is). A slider is shown exactly when the mouse's
// effect bytes follow it.
function effectRule(effect, is55328) {
    switch (effect) {
    case 0: return { speedShown: false, brightnessShown: true, speed: undefined, brightness: 4 }
    case 1:
    case 2: return { speedShown: true, brightnessShown: false, speed: 0, brightness: undefined }
    case 3: return { speedShown: false, brightnessShown: false, speed: undefined, brightness: 0 }
    case 4:
        return is55328 ? { speedShown: true, brightnessShown: false, speed: 0, brightness: undefined }
                       : { speedShown: false, brightnessShown: true, speed: undefined, brightness: 4 }
    case 5:
    case 8:
    case 9:
    case 10: return { speedShown: true, brightnessShown: true, speed: 0, brightness: 4 }
    case 6: return { speedShown: false, brightnessShown: false, speed: 0, brightness: 4 }
    case 7: return { speedShown: false, brightnessShown: true, speed: undefined, brightness: 4 }
    default: return { speedShown: false, brightnessShown: false, speed: undefined, brightness: undefined }
    }
}

// Off lights nothing, so it has no colour to pick.
var offEffect = 3

function coloursShown(effect) {
    return effect !== offEffect
}

// The plain model has one colour a DPI stage; the colourful model all eight.
// The 55328 shows stages 2 to 7 only for its breath loop and never the last.
function blockShown(index, dpiCount, isColorful, is55328, effect) {
    if (index === 0)
        return dpiCount > 0 || isColorful
    if (index === colourBlocks - 1)
        return !is55328 && (dpiCount > index || isColorful)
    if (is55328)
        return effect === breathLoop
    return dpiCount > index || isColorful
}

// The hue bar: six equal segments, red to yellow to green to cyan to blue to
// magenta and back towards red; past the end white, before it red.
function segmentWidth(barWidth) {
    return Math.floor((barWidth - 2) / 6)
}

function colourAt(position, barWidth) {
    var w = segmentWidth(barWidth)
    var p = Math.floor(position)
    if (p < 0)
        return [255, 0, 0]
    if (p >= 6 * w)
        return [255, 255, 255]
    var k = Math.floor(p / w)
    var s = Math.floor((p - k * w) * 255 / w)
    switch (k) {
    case 0: return [255, s, 0]
    case 1: return [255 - s, 255, 0]
    case 2: return [0, 255, s]
    case 3: return [0, 255 - s, 255]
    case 4: return [s, 0, 255]
    default: return [255, 0, 255 - s]
    }
}

// The way back: the position on the bar whose colour has the same hue.
// Colours of the bar come back to the position that gave them; white goes
// to the end, greys (no hue) to the start.
function positionOf(red, green, blue, barWidth) {
    var w = segmentWidth(barWidth)
    var r = channel(red), g = channel(green), b = channel(blue)
    if (r === 255 && g === 255 && b === 255)
        return 6 * w
    var hi = Math.max(r, g, b), lo = Math.min(r, g, b)
    if (hi === lo)
        return 0
    var rising = function(mid) { return Math.round(255 * (mid - lo) / (hi - lo)) }
    var k, s
    if (r === hi && b === lo) { k = 0; s = rising(g) }
    else if (g === hi && b === lo) { k = 1; s = 255 - rising(r) }
    else if (g === hi && r === lo) { k = 2; s = rising(b) }
    else if (b === hi && r === lo) { k = 3; s = 255 - rising(g) }
    else if (b === hi && g === lo) { k = 4; s = rising(r) }
    else { k = 5; s = 255 - rising(b) }
    return Math.min(6 * w - 1, k * w + Math.ceil(s * w / 255))
}

function channel(value) {
    var v = Math.round(Number(value))
    return isFinite(v) ? Math.max(0, Math.min(255, v)) : 0
}

function startBlocks() {
    var blocks = []
    for (var i = 0; i < colourBlocks; ++i)
        blocks.push(startColour.slice(0))
    return blocks
}

// Eight colours from the stored 24 values; a colour with a value missing
// or unreadable keeps the start colour.
function blocksFrom(stored) {
    var list = stored && stored.length !== undefined && typeof stored !== "string" ? stored : []
    var blocks = []
    for (var i = 0; i < colourBlocks; ++i) {
        var rgb = list.slice(i * 3, i * 3 + 3).map(Number)
        var readable = rgb.length === 3 && rgb.every(function(v) { return isFinite(v) })
        blocks.push(readable ? rgb.map(channel) : startColour.slice(0))
    }
    if (list.length > 0 && list.length < colourBlocks * 3)
        console.warn("ui: stored colours hold", list.length, "of 24 values; the rest stay red")
    return blocks
}

// The stored (effect, speed, brightness); anything unreadable is 0.
function effectFrom(stored, effectCount) {
    var list = stored && stored.length !== undefined && typeof stored !== "string" ? stored : []
    var at = function(i, top) {
        var v = Math.round(Number(list[i]))
        return isFinite(v) && v >= 0 && v <= top ? v : 0
    }
    return { effect: at(0, effectCount - 1), speed: at(1, sliderSteps - 1),
             brightness: at(2, sliderSteps - 1) }
}

// The 24 values the mouse gets. Without its breath loop the 55328 takes its
// last colour as black: that is how it tells one fixed colour from eight.
function colourValues(blocks, effect, is55328) {
    var values = []
    for (var i = 0; i < colourBlocks; ++i) {
        var rgb = blocks[i] || startColour
        values.push(channel(rgb[0]), channel(rgb[1]), channel(rgb[2]))
    }
    if (is55328 && effect !== breathLoop) {
        values[21] = 0
        values[22] = 0
        values[23] = 0
    }
    return values
}

// What saving writes and sends, in order, as [slot, arguments]. `isStep`
// 0 saves effect and colours, 1 the effect only, 2 the colours only.
function saveCalls(state, isSendData, isStep) {
    var withEffect = isStep === 0 || isStep === 1
    var withColours = isStep === 0 || isStep === 2
    var colours = colourValues(state.blocks, state.effect, state.is55328)
    var calls = []
    if (withEffect)
        calls.push(["setDataList", ["mouse/lightValue", [state.effect, state.speed, state.brightness]]])
    if (withColours)
        calls.push(["setDataList", ["mouse/colorValue", colours]])
    if (isSendData) {
        if (withEffect)
            calls.push(["mouseSetRGBEffect", [state.effect, state.speed, state.brightness]])
        if (withColours)
            calls.push(["mouseSetRGBColor", [state.isColorful ? 0 : 1, colours]])
    }
    return calls
}

function hexOf(rgb) {
    return "#" + rgb.map(function(v) {
        var h = channel(v).toString(16)
        return h.length < 2 ? "0" + h : h
    }).join("").toUpperCase()
}
