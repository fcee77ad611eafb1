"""Icon glyphs on a 16 x 16 grid, as SVG path data or element snippets.

Each glyph is a function of the stroke/fill colour and returns SVG markup
drawn in a 16 x 16 box; callers scale and place it.
"""


def _stroke(d, c, w=1.6, cap="round", join="round"):
    return (f'<path d="{d}" fill="none" stroke="{c}" stroke-width="{w}" '
            f'stroke-linecap="{cap}" stroke-linejoin="{join}"/>')


def _fill(d, c):
    return f'<path d="{d}" fill="{c}"/>'


def minimise(c):
    return _stroke("M3.5 11.5 H12.5", c, 1.8)


def close(c):
    return _stroke("M4 4 L12 12 M12 4 L4 12", c, 1.8)


def ask(c):
    return (f'<circle cx="8" cy="8" r="6.2" fill="none" stroke="{c}" stroke-width="1.4"/>'
            + _stroke("M6 6.3 C6 4.6 10 4.6 10 6.4 C10 7.8 8 7.9 8 9.6", c, 1.5)
            + f'<circle cx="8" cy="11.7" r="0.95" fill="{c}"/>')


def check(c):
    return _stroke("M3.2 8.4 L6.6 11.6 L12.8 4.6", c, 2.0)


def reset(c):
    return (_stroke("M12.6 8.6 A4.7 4.7 0 1 1 10.9 4.3", c, 1.7)
            + _fill("M9.2 1.9 L13.6 3.2 L10.6 6.6 Z", c))


def save(c):
    return (_stroke("M3 2.8 H10.8 L13.2 5.2 V13.2 H3 Z", c, 1.4)
            + f'<rect x="5.4" y="2.8" width="4.6" height="3.2" fill="{c}"/>'
            + f'<rect x="5" y="9" width="6.2" height="4.2" rx="0.6" fill="none" '
              f'stroke="{c}" stroke-width="1.2"/>')


def back(c):
    return (_stroke("M5.6 3.6 L2.6 6.6 L5.6 9.6", c, 1.7)
            + _stroke("M3 6.6 H9.6 A3.4 3.4 0 0 1 9.6 13.4 H6", c, 1.7))


def drop_down(c):
    return _fill("M3.5 6 H12.5 L8 11 Z", c)


def drop_up(c):
    return _fill("M3.5 10.5 H12.5 L8 5.5 Z", c)


def gear(c):
    teeth = []
    import math
    for i in range(8):
        a = i * math.pi / 4
        x1, y1 = 8 + 5.0 * math.cos(a), 8 + 5.0 * math.sin(a)
        x2, y2 = 8 + 7.0 * math.cos(a), 8 + 7.0 * math.sin(a)
        teeth.append(f"M{x1:.2f} {y1:.2f} L{x2:.2f} {y2:.2f}")
    return (_stroke(" ".join(teeth), c, 2.2, cap="butt")
            + f'<circle cx="8" cy="8" r="4.6" fill="none" stroke="{c}" stroke-width="1.8"/>'
            + f'<circle cx="8" cy="8" r="1.6" fill="{c}"/>')


def page_up(c):
    return _stroke("M3.5 10.5 L8 6 L12.5 10.5", c, 2.0)


def page_down(c):
    return _stroke("M3.5 5.5 L8 10 L12.5 5.5", c, 2.0)


def play(c):
    return _fill("M5 3.2 L12.6 8 L5 12.8 Z", c)


def record(c):
    return (f'<circle cx="8" cy="8" r="6" fill="none" stroke="{c}" stroke-width="1.3"/>'
            f'<circle cx="8" cy="8" r="3.6" fill="{c}"/>')


def plus(c):
    return _stroke("M8 3 V13 M3 8 H13", c, 2.0)


def copy(c):
    return (f'<rect x="5.5" y="5.5" width="8" height="8" rx="1.2" fill="none" '
            f'stroke="{c}" stroke-width="1.4"/>'
            + _stroke("M3 10.5 V3.8 A1 1 0 0 1 4 2.8 H10.5", c, 1.4))


def trash(c):
    return (_stroke("M2.8 4.4 H13.2 M6.2 4.4 V2.8 H9.8 V4.4", c, 1.4)
            + _stroke("M4.2 4.6 L5 13.4 H11 L11.8 4.6", c, 1.4)
            + _stroke("M6.8 7 V11 M9.2 7 V11", c, 1.1))


def edit(c):
    return (_stroke("M3 13 L3.6 10.2 L10.6 3.2 L12.8 5.4 L5.8 12.4 Z", c, 1.4)
            + _stroke("M9.2 4.6 L11.4 6.8", c, 1.2))


def sliders(c):
    return (_stroke("M2.5 4.5 H13.5 M2.5 8 H13.5 M2.5 11.5 H13.5", c, 1.3)
            + f'<circle cx="5.5" cy="4.5" r="1.8" fill="{c}"/>'
            + f'<circle cx="10.5" cy="8" r="1.8" fill="{c}"/>'
            + f'<circle cx="7" cy="11.5" r="1.8" fill="{c}"/>')


def bulb(c):
    return (_stroke("M5.6 10.6 C3.2 8.8 3.6 3 8 3 C12.4 3 12.8 8.8 10.4 10.6 V12 H5.6 Z", c, 1.4)
            + _stroke("M6.2 14 H9.8", c, 1.4))


def swap(c):
    return (_stroke("M2.8 5.6 H12.4 M10 3.2 L12.4 5.6 L10 8", c, 1.5)
            + _stroke("M13.2 10.6 H3.6 M6 8.2 L3.6 10.6 L6 13", c, 1.5))


def key_down(c):
    return (f'<rect x="2.5" y="2.5" width="11" height="9" rx="1.6" fill="none" '
            f'stroke="{c}" stroke-width="1.3"/>'
            + _fill("M5.2 12.4 H10.8 L8 15.2 Z", c))


def key_up(c):
    return (f'<rect x="2.5" y="4.5" width="11" height="9" rx="1.6" fill="none" '
            f'stroke="{c}" stroke-width="1.3"/>'
            + _fill("M5.2 3.6 H10.8 L8 0.8 Z", c))


def mouse_down(c):
    return (_stroke("M4.4 7 C4.4 3 11.6 3 11.6 7 V10.4 C11.6 14.4 4.4 14.4 4.4 10.4 Z", c, 1.3)
            + _stroke("M8 3.8 V7.2 M4.6 7.2 H11.4", c, 1.1)
            + _fill("M5.2 0.6 H10.8 L8 3 Z", c))


def mouse_up(c):
    return (_stroke("M4.4 5.6 C4.4 1.6 11.6 1.6 11.6 5.6 V9 C11.6 13 4.4 13 4.4 9 Z", c, 1.3)
            + _stroke("M8 2.4 V5.8 M4.6 5.8 H11.4", c, 1.1)
            + _fill("M5.2 15.4 H10.8 L8 13 Z", c))


def clock(c):
    return (f'<circle cx="8" cy="8" r="6" fill="none" stroke="{c}" stroke-width="1.4"/>'
            + _stroke("M8 4.4 V8 L10.6 9.6", c, 1.4))
