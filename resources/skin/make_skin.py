#!/usr/bin/env python3
"""Writes the SVG sources of the skin.

    python3 make_skin.py [output folder]

The output folder (default: svg/ beside this script) receives one file per
image: <group>/<name>.svg for the skinned images and background.svg,
titleBar.svg, titleLogo.svg for the three fixed ones. The build renders them
to PNG. Restyle by editing palette.py, glyphs.py, mouse.py or this file and
running the script again.
"""

import math
import os
import sys

import glyphs
import mouse
from palette import (BLACK, BLUE, BLUE_LIGHT, GREY0, GREY1, GREY2, GREY3,
                     ORANGE, ORANGE_DARK, ORANGE_LIGHT, WHITE)

FONT = "DejaVu Sans"
IMAGES = {}


def svg(w, h, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n{body}\n</svg>\n')


def add(group, name, w, h, body):
    key = (group, name)
    if key in IMAGES:
        raise SystemExit(f"image drawn twice: {group}/{name}")
    IMAGES[key] = svg(w, h, body)


def glyph_at(glyph, colour, size, x=0.0, y=0.0):
    s = size / 16.0
    return f'<g transform="translate({x} {y}) scale({s})">{glyph(colour)}</g>'


# Icon states: N normal, H hover, P pressed, S selected or lit.
def state_icon(glyph, state, size=16, plate=False):
    if state == "N":
        return glyph_at(glyph, GREY3, size)
    if state == "D":
        return glyph_at(glyph, GREY1, size)
    colour = {"H": WHITE, "P": ORANGE_LIGHT, "S": WHITE}[state]
    if not plate:
        return glyph_at(glyph, colour, size)
    fill = {"H": ORANGE, "P": ORANGE_DARK, "S": BLUE}[state]
    r = size / 2.0
    back = f'<circle cx="{r}" cy="{r}" r="{r - 0.5}" fill="{fill}"/>'
    inner = size * 0.7
    return back + glyph_at(glyph, WHITE if state != "P" else GREY3, inner,
                           (size - inner) / 2, (size - inner) / 2)


def panel(w, h, title_height=40, radius=6, accent=ORANGE):
    return f'''<defs>
  <linearGradient id="pg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#111113"/><stop offset="1" stop-color="#050506"/>
  </linearGradient>
  <linearGradient id="tg" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="{accent}"/><stop offset="0.5" stop-color="{accent}" stop-opacity="0.35"/>
    <stop offset="1" stop-color="{accent}" stop-opacity="0"/>
  </linearGradient>
</defs>
<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="{radius}" fill="url(#pg)" stroke="{GREY1}"/>
<path d="M{radius} {title_height} H{w - radius}" stroke="{GREY0}" stroke-width="1"/>
<rect x="1" y="{title_height - 2}" width="{w - 2}" height="2" fill="url(#tg)"/>
<rect x="1" y="1" width="3" height="{title_height - 12}" fill="{accent}" transform="translate(0 6)"/>'''


# ---------------------------------------------------------------- fixed ones

def logo_mark(cx, cy, r, stroke=3.0):
    """The emblem: a broken ring around a forward-pointing chevron."""
    a0, a1 = math.radians(-50), math.radians(230)
    x0, y0 = cx + r * math.cos(a0), cy + r * math.sin(a0)
    x1, y1 = cx + r * math.cos(a1), cy + r * math.sin(a1)
    ring = (f'<path d="M{x0:.2f} {y0:.2f} A{r} {r} 0 1 1 {x1:.2f} {y1:.2f}" fill="none" '
            f'stroke="{ORANGE}" stroke-width="{stroke}" stroke-linecap="round"/>')
    k = r * 0.5
    chevron = (f'<path d="M{cx - k:.2f} {cy + k * 0.7:.2f} L{cx:.2f} {cy - k:.2f} '
               f'L{cx + k:.2f} {cy + k * 0.7:.2f}" fill="none" stroke="{WHITE}" '
               f'stroke-width="{stroke}" stroke-linecap="round" stroke-linejoin="round"/>')
    return ring + chevron


def fixed_images():
    bg = f'''<defs>
  <linearGradient id="bg" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#18181b"/><stop offset="1" stop-color="#070708"/>
  </linearGradient>
  <radialGradient id="glow" cx="0.5" cy="0.52" r="0.42">
    <stop offset="0" stop-color="{BLUE}" stop-opacity="0.55"/>
    <stop offset="0.6" stop-color="{BLUE}" stop-opacity="0.12"/>
    <stop offset="1" stop-color="{BLUE}" stop-opacity="0"/>
  </radialGradient>
  <pattern id="hatch" width="8" height="8" patternUnits="userSpaceOnUse" patternTransform="rotate(45)">
    <rect width="1" height="8" fill="#ffffff" opacity="0.025"/>
  </pattern>
  <clipPath id="win"><rect width="1024" height="640" rx="10"/></clipPath>
</defs>
<g clip-path="url(#win)">
<rect width="1024" height="640" fill="url(#bg)"/>
<rect width="1024" height="640" fill="url(#hatch)"/>
<ellipse cx="512" cy="336" rx="300" ry="280" fill="url(#glow)"/>
<path d="M300 600 L360 560 H664 L724 600" fill="none" stroke="{GREY1}" stroke-width="1"/>
<path d="M392 560 H632" stroke="{ORANGE}" stroke-width="2" opacity="0.6"/>
<path d="M0 612 H240 L256 628 H1024" fill="none" stroke="#ffffff" stroke-opacity="0.04" stroke-width="1"/>
</g>
<rect x="0.5" y="0.5" width="1023" height="639" rx="10" fill="none" stroke="{GREY1}"/>'''
    add("", "background", 1024, 640, bg)

    title = f'''<defs>
  <linearGradient id="t" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#222226"/><stop offset="1" stop-color="#0c0c0e"/>
  </linearGradient>
  <linearGradient id="line" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="{ORANGE}" stop-opacity="0"/>
    <stop offset="0.2" stop-color="{ORANGE}"/>
    <stop offset="0.8" stop-color="{ORANGE}"/>
    <stop offset="1" stop-color="{ORANGE}" stop-opacity="0"/>
  </linearGradient>
  <clipPath id="top"><rect width="1024" height="80" rx="10"/></clipPath>
</defs>
<g clip-path="url(#top)">
<rect width="1024" height="48" fill="url(#t)"/>
<path d="M0 47.5 H1024" stroke="{BLACK}"/>
<path d="M200 46 H420 L432 40 H592 L604 46 H824" fill="none" stroke="url(#line)" stroke-width="2"/>
<path d="M432 40 H592" stroke="{ORANGE_LIGHT}" stroke-width="1"/>
</g>'''
    add("", "titleBar", 1024, 48, title)

    logo = (logo_mark(14, 14, 10, 2.6)
            + f'<text x="34" y="20.5" font-family="{FONT}" font-weight="bold" font-size="17" '
              f'letter-spacing="3" fill="{WHITE}">ORBEX</text>'
            + f'<rect x="34" y="24" width="22" height="2" fill="{ORANGE}"/>')
    add("", "titleLogo", 150, 28, logo)


# --------------------------------------------------------------------- index

def index_images():
    g = "index"
    for name, glyph in (("minBtn", glyphs.minimise), ("closeBtn", glyphs.close),
                        ("ask", glyphs.ask), ("sureBtn", glyphs.check)):
        add(g, name, 20, 20, glyph_at(glyph, GREY3, 20))
        hover = ORANGE if name != "closeBtn" else "#e0301e"
        add(g, name + "H", 20, 20,
            f'<rect width="20" height="20" rx="4" fill="{hover}"/>' + glyph_at(glyph, WHITE, 16, 2, 2))
    for name, glyph in (("restBtn", glyphs.reset), ("saveBtn", glyphs.save)):
        add(g, name, 16, 16, state_icon(glyph, "N"))
        add(g, name + "H", 16, 16, state_icon(glyph, "H"))
        add(g, name + "P", 16, 16, state_icon(glyph, "P"))
    add(g, "back", 16, 16, state_icon(glyphs.back, "N"))
    add(g, "backH", 16, 16, state_icon(glyphs.back, "H", plate=True))
    add(g, "dropBtn", 16, 16, glyph_at(glyphs.drop_down, GREY3, 16))
    add(g, "dropBtnU", 16, 16, glyph_at(glyphs.drop_up, ORANGE_LIGHT, 16))
    add(g, "configBtn", 16, 16, state_icon(glyphs.gear, "N"))
    add(g, "pageUp", 16, 16, state_icon(glyphs.page_up, "N"))
    add(g, "pageDown", 16, 16, state_icon(glyphs.page_down, "N"))

    for name, accent, mark in (("singleKeyBg", BLUE_LIGHT, ""), ("macroKeyBg", ORANGE, "M")):
        body = f'''<defs><linearGradient id="k" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#1d1d21"/><stop offset="1" stop-color="#0b0b0d"/>
</linearGradient></defs>
<rect x="0.5" y="0.5" width="215" height="27" rx="3" fill="url(#k)" stroke="{GREY1}"/>
<rect x="1" y="4" width="3" height="20" rx="1" fill="{accent}"/>'''
        if mark:
            body += (f'<rect x="190" y="6" width="18" height="16" rx="3" fill="{ORANGE}" opacity="0.9"/>'
                     f'<text x="199" y="18" text-anchor="middle" font-family="{FONT}" '
                     f'font-weight="bold" font-size="11" fill="{WHITE}">{mark}</text>')
        add(g, name, 216, 28, body)

    box = f'<rect x="0.5" y="0.5" width="13" height="13" rx="2.5" fill="#0b0b0d" stroke="{GREY2}"/>'
    tick = f'<g transform="translate(1 1) scale(0.75)">{glyphs.check(WHITE)}</g>'
    add(g, "macroTypeCheck0", 14, 14, box)
    add(g, "macroTypeCheck", 14, 14,
        f'<rect x="0.5" y="0.5" width="13" height="13" rx="2.5" fill="{ORANGE}" stroke="{ORANGE_LIGHT}"/>' + tick)
    add(g, "checkBtn", 14, 14,
        f'<rect x="0.5" y="0.5" width="13" height="13" rx="2.5" fill="{BLUE}" stroke="{BLUE_LIGHT}"/>' + tick)
    add(g, "radioBtn", 14, 14, f'<circle cx="7" cy="7" r="6.3" fill="#0b0b0d" stroke="{GREY2}" stroke-width="1.2"/>')
    add(g, "radioBtnS", 14, 14,
        f'<circle cx="7" cy="7" r="6.3" fill="#0b0b0d" stroke="{ORANGE_LIGHT}" stroke-width="1.2"/>'
        f'<circle cx="7" cy="7" r="3.4" fill="{ORANGE}"/>')

    add(g, "slide", 12, 12,
        f'<defs><radialGradient id="kn" cx="0.4" cy="0.35" r="0.7"><stop offset="0" stop-color="{WHITE}"/>'
        f'<stop offset="1" stop-color="{GREY3}"/></radialGradient></defs>'
        f'<circle cx="6" cy="6" r="5.4" fill="url(#kn)" stroke="{ORANGE}" stroke-width="1.2"/>')
    ticks = "".join(f'<path d="M{6 + i * 34} 9 V12" stroke="{GREY1}" stroke-width="1"/>' for i in range(11))
    add(g, "scale", 352, 12,
        f'<rect x="0" y="3" width="352" height="4" rx="2" fill="#050506" stroke="{GREY1}" stroke-width="1"/>'
        + ticks)

    add(g, "powerOn", 360, 220, f'''<defs>
  <linearGradient id="c" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#1c1c20"/><stop offset="1" stop-color="#060607"/>
  </linearGradient>
  <filter id="gl" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="6"/></filter>
</defs>
<rect x="0.5" y="0.5" width="359" height="219" rx="12" fill="url(#c)" stroke="{GREY1}"/>
<g filter="url(#gl)" opacity="0.8">{logo_mark(180, 78, 34, 6)}</g>
{logo_mark(180, 78, 34, 5)}
<text x="180" y="156" text-anchor="middle" font-family="{FONT}" font-weight="bold" font-size="30"
 letter-spacing="8" fill="{WHITE}">ORBEX</text>
<text x="180" y="182" text-anchor="middle" font-family="{FONT}" font-size="11" letter-spacing="5"
 fill="{GREY2}">GAMING MOUSE</text>
<rect x="150" y="196" width="60" height="2" fill="{ORANGE}"/>''')


# --------------------------------------------------------------------- mouse

def mouse_images():
    g = "mouse"
    for prefix, draw in (("Mouse", mouse.front), ("MouseSide", mouse.side)):
        w, h, body = draw()
        add(g, "MouseFront" if prefix == "Mouse" else "MouseSide", w, h, body)
        for k in range(8):
            w, h, body = draw(k, False)
            add(g, f"{prefix}{k}", w, h, body)
            w, h, body = draw(k, True)
            add(g, f"{prefix}{k}S", w, h, body)
    for state, fill, edge, colour in (("N", "#111114", GREY1, GREY3), ("H", ORANGE, ORANGE_LIGHT, WHITE),
                                      ("S", BLUE, BLUE_LIGHT, WHITE)):
        add(g, "mouseSidebtn" + state, 64, 24,
            f'<rect x="0.5" y="0.5" width="63" height="23" rx="12" fill="{fill}" stroke="{edge}"/>'
            + glyph_at(glyphs.swap, colour, 16, 24, 4))
    add(g, "lightBtn", 24, 24,
        f'<rect x="0.5" y="0.5" width="23" height="23" rx="5" fill="#111114" stroke="{GREY1}"/>'
        + glyph_at(glyphs.bulb, GREY3, 16, 4, 4))
    add(g, "lightBtnS", 24, 24,
        f'<defs><filter id="b" x="-50%" y="-50%" width="200%" height="200%"><feGaussianBlur stdDeviation="2"/></filter></defs>'
        f'<rect x="0.5" y="0.5" width="23" height="23" rx="5" fill="#111114" stroke="{ORANGE}"/>'
        f'<circle cx="12" cy="10" r="6" fill="{ORANGE}" opacity="0.7" filter="url(#b)"/>'
        + glyph_at(glyphs.bulb, ORANGE_LIGHT, 16, 4, 4))


# ----------------------------------------------------------------- xySetting

def segments(w, h, count, lit, colour_lit=ORANGE, gap=2):
    seg = (w - gap * (count - 1)) / count
    out = []
    for i in range(count):
        x = i * (seg + gap)
        on = i < lit
        fill = colour_lit if on else "#16161a"
        edge = ORANGE_LIGHT if on and colour_lit == ORANGE else (BLUE_LIGHT if on else GREY1)
        out.append(f'<rect x="{x + 0.5:.2f}" y="0.5" width="{seg - 1:.2f}" height="{h - 1}" rx="1.5" '
                   f'fill="{fill}" stroke="{edge}"/>')
    return "".join(out)


def xy_images():
    g = "xySetting"
    for n in range(10):
        add(g, f"xy{n}", 180, 14, segments(180, 14, 10, n + 1))
    add(g, "xyBtn", 12, 12,
        f'<path d="M6 0.8 L11.2 6 L6 11.2 L0.8 6 Z" fill="{WHITE}" stroke="{ORANGE}" stroke-width="1.2"/>')
    add(g, "xyNumber", 40, 20,
        f'<rect x="0.5" y="0.5" width="39" height="19" rx="3" fill="#050506" stroke="{GREY1}"/>'
        f'<path d="M4 18.5 H36" stroke="{ORANGE}" stroke-width="1"/>')


# ------------------------------------------------------------------- profile

def profile_images():
    g = "profile"
    add(g, "profileStartBtn", 24, 24, state_icon(glyphs.play, "N", 24))
    add(g, "profileStartBtnH", 24, 24, state_icon(glyphs.play, "H", 24, plate=True))
    add(g, "profileStartBtnS", 24, 24, state_icon(glyphs.play, "S", 24, plate=True))
    add(g, "profileBG", 415, 288, panel(415, 288))
    for name, glyph in (("profileCopyBtn", glyphs.copy), ("profileDeleteBtn", glyphs.trash),
                        ("profileEditBtn", glyphs.edit)):
        add(g, name, 16, 16, state_icon(glyph, "N"))
        add(g, name + "S", 16, 16, glyph_at(glyph, ORANGE_LIGHT, 16))
    add(g, "profileDeleteBtn0", 16, 16, state_icon(glyphs.trash, "D"))
    add(g, "profileNewBtn", 16, 16, state_icon(glyphs.plus, "N"))
    add(g, "profileSettingBtn", 16, 16, state_icon(glyphs.sliders, "N"))
    add(g, "profileCloseBtn", 16, 16, state_icon(glyphs.close, "N"))


# -------------------------------------------------------------- lightControl

def light_images():
    g = "lightControl"
    frame = f'<rect x="0.5" y="0.5" width="23" height="23" rx="5" fill="#0b0b0d" stroke="{GREY1}"/>'
    defs = ('<defs><filter id="b" x="-50%" y="-50%" width="200%" height="200%">'
            '<feGaussianBlur stdDeviation="1.6"/></filter></defs>')
    effects = [
        f'<circle cx="12" cy="12" r="5" fill="{ORANGE}"/>',
        f'<circle cx="12" cy="12" r="3.5" fill="{ORANGE}"/>'
        f'<circle cx="12" cy="12" r="6.5" fill="none" stroke="{ORANGE}" stroke-width="1.2" opacity="0.6"/>'
        f'<circle cx="12" cy="12" r="9" fill="none" stroke="{ORANGE}" stroke-width="1" opacity="0.3"/>',
        "".join(f'<path d="M{12 + 7 * math.cos(math.radians(a)):.2f} {12 + 7 * math.sin(math.radians(a)):.2f} '
                f'A7 7 0 0 1 {12 + 7 * math.cos(math.radians(a + 60)):.2f} '
                f'{12 + 7 * math.sin(math.radians(a + 60)):.2f}" fill="none" stroke="{c}" stroke-width="3"/>'
                for a, c in zip(range(0, 360, 60),
                                ("#ff2020", "#ffd020", "#20e040", "#20d0ff", "#3050ff", "#e020e0"))),
        f'<circle cx="12" cy="12" r="6" fill="none" stroke="{GREY2}" stroke-width="1.6"/>'
        f'<path d="M6 18 L18 6" stroke="{GREY2}" stroke-width="1.6"/>',
        f'<path d="M4 14 C7 6 10 6 12 12 C14 18 17 18 20 10" fill="none" stroke="{ORANGE}" '
        f'stroke-width="2" stroke-linecap="round"/>',
    ]
    for i, e in enumerate(effects):
        add(g, f"lightControl{i}", 24, 24, defs + frame + f'<g filter="url(#b)" opacity="0.6">{e}</g>' + e)
    add(g, "lightControlBtn", 24, 24,
        f'<rect x="0.5" y="0.5" width="23" height="23" rx="4" fill="#0b0b0d" stroke="{GREY1}"/>')
    add(g, "lightControlBtn0", 24, 24,
        f'<rect x="1" y="1" width="22" height="22" rx="4" fill="none" stroke="{GREY2}" stroke-width="1.2"/>')
    add(g, "lightControlBtn1", 24, 24,
        f'<rect x="1" y="1" width="22" height="22" rx="4" fill="none" stroke="{WHITE}" stroke-width="2"/>'
        f'<path d="M8 23.5 H16" stroke="{ORANGE}" stroke-width="2"/>')
    for i, c in enumerate(("#ff3030", "#30d050", "#3070ff")):
        add(g, f"lightControlTxt{i}", 40, 20,
            f'<rect x="0.5" y="0.5" width="39" height="19" rx="3" fill="#050506" stroke="{GREY1}"/>'
            f'<rect x="1" y="3" width="3" height="14" rx="1" fill="{c}"/>')
    stops = "".join(f'<stop offset="{i / 6:.4f}" stop-color="{c}"/>'
                    for i, c in enumerate(("#ff0000", "#ffff00", "#00ff00", "#00ffff", "#0000ff",
                                           "#ff00ff", "#ff0000")))
    add(g, "colorBar", 194, 12,
        f'<defs><linearGradient id="h" x1="1" y1="0" x2="193" y2="0" gradientUnits="userSpaceOnUse">{stops}'
        f'</linearGradient></defs><rect x="0.5" y="0.5" width="193" height="11" rx="2" fill="url(#h)" stroke="{GREY1}"/>')
    ticks = "".join(f'<path d="M{6 + i * 37} 6 V10" stroke="{GREY2}" stroke-width="1"/>' for i in range(5))
    add(g, "speedScale", 160, 10,
        f'<rect x="0" y="1" width="160" height="4" rx="2" fill="#050506" stroke="{GREY1}"/>' + ticks)


# ---------------------------------------------------------------- dpiSetting

def dpi_images():
    g = "dpiSetting"
    add(g, "dpiSettingBG", 232, 300, panel(232, 300, 36))
    add(g, "dpiSetting0", 176, 6,
        f'<rect x="0.5" y="0.5" width="175" height="5" rx="2.5" fill="#16161a" stroke="{GREY1}"/>')
    add(g, "dpiSetting1", 176, 6,
        f'<defs><linearGradient id="a" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="{ORANGE_DARK}"/>'
        f'<stop offset="1" stop-color="{ORANGE_LIGHT}"/></linearGradient></defs>'
        f'<rect x="0.5" y="0.5" width="175" height="5" rx="2.5" fill="url(#a)" stroke="{ORANGE}"/>')


# ------------------------------------------------- reportRate, mouseRate, scroll

def bars(w, h, count, lit):
    bw = (w - (count - 1) * 2) / count
    out = []
    for i in range(count):
        bh = h * (i + 1) / count
        on = i < lit
        out.append(f'<rect x="{i * (bw + 2):.2f}" y="{h - bh:.2f}" width="{bw:.2f}" height="{bh:.2f}" '
                   f'rx="1" fill="{ORANGE if on else GREY1}"/>')
    return "".join(out)


def rate_images():
    for n in range(4):
        add("reportRate", f"reportRate{n}", 24, 16, bars(24, 16, 4, n + 1))
    for n in range(11):
        dots = []
        for i in range(11):
            x = 6 + i * 34
            on = i <= n
            dots.append(f'<rect x="{x - 1}" y="{2 if on else 4}" width="2" height="{8 if on else 6}" '
                        f'fill="{ORANGE if on else GREY1}"/>')
        add("mouseRate", f"mouseRate{n}", 352, 10, "".join(dots))
    for n in range(7):
        add("scrollRate", f"scrollRate{n}", 80, 16, bars(80, 16, 7, n + 1))


# -------------------------------------------------------------------- macros

def macro_images():
    g = "macros"
    for name, glyph in (("macroStartBtn", glyphs.play), ("macroNewBtn", glyphs.plus),
                        ("macroRecordBtn", glyphs.record), ("macroSaveBtn", glyphs.save)):
        add(g, name, 16, 16, state_icon(glyph, "N"))
        add(g, name + "H", 16, 16, state_icon(glyph, "H"))
        add(g, name + "P", 16, 16, state_icon(glyph, "P"))
    add(g, "macroBg", 640, 448, panel(640, 448))
    add(g, "macroCheck0", 14, 14,
        f'<rect x="0.5" y="0.5" width="13" height="13" rx="2.5" fill="#0b0b0d" stroke="{GREY2}"/>')
    add(g, "macroCheck1", 14, 14,
        f'<rect x="0.5" y="0.5" width="13" height="13" rx="2.5" fill="{ORANGE}" stroke="{ORANGE_LIGHT}"/>'
        f'<g transform="translate(1 1) scale(0.75)">{glyphs.check(WHITE)}</g>')
    for name, glyph, colour in (("macroKeyDelay", glyphs.clock, GREY2),
                                ("macroKeyPress", glyphs.key_down, ORANGE_LIGHT),
                                ("macroKeyRelease", glyphs.key_up, BLUE_LIGHT),
                                ("macroMousePress", glyphs.mouse_down, ORANGE_LIGHT),
                                ("macroMouseRelease", glyphs.mouse_up, BLUE_LIGHT)):
        add(g, name, 16, 16, glyph_at(glyph, colour, 16))
    add(g, "macroMenuBG", 100, 144,
        f'<rect x="0.5" y="0.5" width="99" height="143" rx="3" fill="{GREY0}" stroke="{GREY1}"/>'
        f'<rect x="0.5" y="0.5" width="2" height="143" fill="{ORANGE}"/>')


# ----------------------------------------------------------------------- gun

def gun(stock, body, barrel_len, mag, extra=""):
    """A rifle silhouette on 160 x 56, muzzle to the right."""
    out = ['<defs><linearGradient id="m" x1="0" y1="0" x2="0" y2="1">'
           '<stop offset="0" stop-color="#5a5a62"/><stop offset="1" stop-color="#1e1e22"/>'
           '</linearGradient></defs><g fill="url(#m)" stroke="#8a8a92" stroke-width="0.8" '
           'stroke-linejoin="round">']
    out.append(f'<path d="{stock}"/>')
    out.append(f'<path d="{body}"/>')
    out.append(f'<rect x="{112}" y="19" width="{barrel_len}" height="3" rx="1"/>')
    out.append(f'<path d="{mag}"/>')
    out.append('<path d="M58 28 L66 28 L63 42 L55 42 Z"/>')
    out.append(extra)
    out.append('</g>')
    out.append(f'<path d="M44 20 H110" stroke="{ORANGE}" stroke-width="1" opacity="0.8"/>')
    return "".join(out)


def gun_images():
    g = "gun"
    guns = {
        "M416": gun("M4 18 H30 V14 H40 V30 H30 V26 H10 L4 30 Z",
                    "M40 13 H114 V26 H88 L84 30 H62 L58 28 H40 Z", 34,
                    "M66 28 H78 L80 46 H70 Z",
                    '<rect x="52" y="9" width="40" height="4"/><rect x="88" y="26" width="24" height="3"/>'),
        "AKM": gun("M2 20 C10 17 24 15 40 16 V28 C26 28 12 32 2 36 Z",
                   "M40 14 H108 V24 H86 L82 28 H62 L58 28 H40 Z", 38,
                   "M66 28 H78 C82 36 86 42 88 48 L78 50 C74 42 70 36 66 28 Z",
                   '<rect x="84" y="11" width="30" height="3"/><rect x="140" y="13" width="2" height="6"/>'),
        "M16A4": gun("M2 17 H40 V30 H24 L2 33 Z",
                     "M40 13 H112 V26 H88 L84 30 H62 L58 28 H40 Z", 42,
                     "M66 28 H77 L78 44 H68 Z",
                     '<path d="M48 13 V7 H84 V13"/><path d="M136 19 L140 10 H143 L142 19 Z"/>'),
        "SCAR-L": gun("M4 16 H40 V30 H34 L30 24 H14 L4 30 Z",
                      "M40 10 H114 V27 H90 L86 31 H62 L58 28 H40 Z", 28,
                      "M66 28 H78 L79 45 H69 Z",
                      '<rect x="46" y="6" width="60" height="4"/>'),
        "Thomson": gun("M2 21 C14 18 28 16 42 18 V28 C28 29 14 33 2 37 Z",
                       "M42 15 H106 V25 H84 L80 28 H62 L58 28 H42 Z", 28,
                       "M64 27 A11 11 0 1 0 64.1 27 Z",
                       '<path d="M96 25 L100 25 L98 38 L94 38 Z"/>'
                       + "".join(f'<rect x="{108 + i * 5}" y="17" width="2" height="7"/>' for i in range(5))),
        "UNP9": gun("M6 15 H14 V29 H6 Z M14 18 H40 V22 H14 Z",
                    "M40 12 H108 V28 H88 L84 30 H62 L58 28 H40 Z", 18,
                    "M66 28 H76 L78 48 H70 Z",
                    '<rect x="50" y="8" width="44" height="4"/>'),
    }
    for name, body in guns.items():
        add(g, name, 160, 56, body)
    rings = "".join(f'<circle cx="64" cy="64" r="{r}" fill="none" stroke="{GREY1 if r > 20 else GREY2}" '
                    f'stroke-width="1"/>' for r in (60, 46, 32, 18))
    add(g, "target", 128, 128,
        f'<circle cx="64" cy="64" r="63" fill="#050506"/>{rings}'
        f'<path d="M64 2 V126 M2 64 H126" stroke="{GREY1}" stroke-width="1"/>'
        f'<path d="M64 50 V58 M64 70 V78 M50 64 H58 M70 64 H78" stroke="{ORANGE}" stroke-width="1.6"/>'
        f'<circle cx="64" cy="64" r="2" fill="{ORANGE}"/>')


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "svg")
    fixed_images()
    index_images()
    mouse_images()
    xy_images()
    profile_images()
    light_images()
    dpi_images()
    rate_images()
    macro_images()
    gun_images()
    for (group, name), text in sorted(IMAGES.items()):
        folder = os.path.join(out, group) if group else out
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(text)
    skinned = sum(1 for g, _ in IMAGES if g)
    print(f"{skinned} skinned images and {len(IMAGES) - skinned} fixed ones in {out}")


if __name__ == "__main__":
    main()
