"""The mouse drawings: a top view and a left-side view, each key a region.

Key numbers follow the factory key list: 0 left, 1 right, 2 wheel,
3 forward, 4 back, 5 DPI up, 6 DPI down, 7 fire key.
"""

from palette import GREY1, GREY2, GREY3, ORANGE

FRONT_SIZE = (400, 440)
SIDE_SIZE = (400, 440)

# Top view, front of the mouse at the top.
FRONT_BODY = ("M200 22 C262 22 300 64 306 142 C312 222 314 300 298 362 "
              "C284 410 244 428 200 428 C156 428 116 410 102 362 "
              "C86 300 88 222 94 142 C100 64 138 22 200 22 Z")

FRONT_KEYS = {
    0: ("M0 0 H181 V214 C150 220 118 218 80 208 V0 Z", True),
    1: ("M219 0 H400 V0 V208 C282 218 250 220 219 214 Z", True),
    2: ("M200 72 A14 14 0 0 1 214 86 V138 A14 14 0 0 1 186 138 V86 A14 14 0 0 1 200 72 Z", False),
    3: ("M96 214 C84 216 80 222 80 232 V248 C80 256 86 260 96 260 Z", False),
    4: ("M96 268 C84 270 80 276 80 286 V302 C80 310 86 314 98 314 Z", False),
    5: ("M189 162 H211 A3 3 0 0 1 214 165 V175 A3 3 0 0 1 211 178 H189 "
        "A3 3 0 0 1 186 175 V165 A3 3 0 0 1 189 162 Z", False),
    6: ("M189 184 H211 A3 3 0 0 1 214 187 V197 A3 3 0 0 1 211 200 H189 "
        "A3 3 0 0 1 186 197 V187 A3 3 0 0 1 189 184 Z", False),
    7: ("M104 104 C96 110 92 126 92 146 C92 160 96 168 104 168 C110 160 112 118 104 104 Z",
        False),
}

# Where the page takes a key under the pointer, and where the key's number
# badge and the end of its leader line go: x, y, width, height, badge x,
# badge y, anchor x, anchor y. The fire key lies over the edge of the left
# button and the DPI buttons below the wheel: later rows are on top.
FRONT_HITS = [
    (0, (100, 28, 80, 182, -34, 70, 140, 84)),
    (1, (220, 28, 80, 182, 424, 70, 262, 84)),
    (2, (184, 70, 32, 84, 424, 130, 208, 112)),
    (5, (184, 159, 32, 21, 424, 190, 212, 170)),
    (6, (184, 181, 32, 21, 424, 250, 212, 192)),
    (3, (74, 210, 28, 52, -34, 220, 86, 237)),
    (4, (74, 264, 28, 52, -34, 290, 86, 291)),
    (7, (88, 100, 26, 72, -34, 136, 100, 136)),
]

# Left side, front of the mouse at the left.
SIDE_BODY = ("M22 300 C16 246 44 204 120 192 C214 178 306 166 362 196 "
             "C404 220 410 286 396 314 C392 322 386 326 376 326 H40 "
             "C30 326 24 316 22 300 Z")

SIDE_KEYS = {
    0: ("M0 0 H230 V208 C180 206 110 206 26 240 L0 240 Z", True),
    1: ("M0 0 H230 V204 C180 200 110 200 30 226 L0 226 Z", True),
    2: ("M112 186 C120 172 150 170 160 182 L158 190 C148 184 126 184 116 192 Z", False),
    3: ("M132 238 H184 C190 238 192 242 190 248 L186 256 C184 260 180 262 174 262 "
        "H134 C128 262 124 258 124 252 V246 C124 240 128 238 132 238 Z", False),
    4: ("M196 236 H248 C254 236 258 240 256 246 L252 254 C250 258 246 260 240 260 "
        "H200 C194 260 190 256 190 250 V244 C190 238 192 236 196 236 Z", False),
    5: ("M170 180 L188 178 L190 186 L172 188 Z", False),
    6: ("M194 177 L212 175 L214 183 L196 185 Z", False),
    7: ("M62 230 C70 222 98 216 108 220 C112 224 108 232 98 234 C86 236 70 238 62 236 Z",
        False),
}

# The side shows the right button as the same shell as the left one; only
# the left button takes it.
SIDE_HITS = [
    (0, (120, 186, 108, 20, 60, 128, 124, 200)),
    (2, (110, 168, 54, 26, 120, 128, 138, 178)),
    (5, (166, 174, 26, 16, 180, 128, 180, 181)),
    (6, (192, 171, 26, 16, 240, 128, 204, 178)),
    (3, (122, 234, 70, 30, 150, 372, 157, 250)),
    (4, (188, 232, 70, 30, 230, 372, 222, 248)),
    (7, (58, 214, 54, 26, 70, 372, 84, 228)),
]


def _defs(uid, body):
    return f'''<defs>
  <linearGradient id="shell{uid}" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#3a3a40"/>
    <stop offset="0.45" stop-color="#1e1e22"/>
    <stop offset="1" stop-color="#0a0a0c"/>
  </linearGradient>
  <radialGradient id="gloss{uid}" cx="0.38" cy="0.22" r="0.55">
    <stop offset="0" stop-color="#ffffff" stop-opacity="0.16"/>
    <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
  </radialGradient>
  <linearGradient id="hot{uid}" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ff6a2a"/>
    <stop offset="1" stop-color="{ORANGE}"/>
  </linearGradient>
  <clipPath id="body{uid}"><path d="{body}"/></clipPath>
  <filter id="glow{uid}" x="-30%" y="-30%" width="160%" height="160%">
    <feGaussianBlur stdDeviation="5"/>
  </filter>
  <filter id="shadow{uid}" x="-20%" y="-20%" width="140%" height="140%">
    <feGaussianBlur stdDeviation="9"/>
  </filter>
</defs>'''


def _highlight(uid, d, clipped, selected):
    clip = f' clip-path="url(#body{uid})"' if clipped else ""
    if selected:
        return (f'<g{clip}><path d="{d}" fill="{ORANGE}" opacity="0.55" '
                f'filter="url(#glow{uid})"/>'
                f'<path d="{d}" fill="url(#hot{uid})" opacity="0.88"/></g>'
                f'<g{clip}><path d="{d}" fill="none" stroke="#ffb08a" stroke-width="2"/></g>')
    return (f'<g{clip}><path d="{d}" fill="{ORANGE}" opacity="0.38"/>'
            f'<path d="{d}" fill="none" stroke="{ORANGE}" stroke-width="2.5"/></g>')


def front(key=None, selected=False):
    uid = "f"
    w, h = FRONT_SIZE
    parts = [_defs(uid, FRONT_BODY)]
    parts.append(f'<ellipse cx="200" cy="236" rx="120" ry="206" fill="#000" '
                 f'opacity="0.7" filter="url(#shadow{uid})"/>')
    parts.append(f'<path d="{FRONT_BODY}" fill="url(#shell{uid})" stroke="{GREY1}" '
                 f'stroke-width="2"/>')
    # Side buttons and fire key sit proud of the shell.
    for k in (3, 4, 7):
        parts.append(f'<path d="{FRONT_KEYS[k][0]}" fill="#26262b" stroke="#4a4a50" '
                     f'stroke-width="1.5"/>')
    parts.append(f'<g clip-path="url(#body{uid})">')
    parts.append(f'<path d="{FRONT_BODY}" fill="url(#gloss{uid})"/>')
    # Button seams: the centre spine and the curve behind the buttons.
    parts.append('<path d="M181 20 V214 M219 20 V214" stroke="#050506" stroke-width="3"/>')
    parts.append('<path d="M183 20 V212 M221 20 V212" stroke="#46464c" stroke-width="1"/>')
    parts.append('<path d="M60 206 C120 222 160 222 181 214 M219 214 C240 222 280 222 340 206" '
                 'fill="none" stroke="#050506" stroke-width="3"/>')
    parts.append('<path d="M60 209 C120 225 160 225 181 217 M219 217 C240 225 280 225 340 209" '
                 'fill="none" stroke="#46464c" stroke-width="1"/>')
    # Palm: light strip and the emblem.
    parts.append(f'<path d="M128 396 C160 418 240 418 272 396" fill="none" stroke="{ORANGE}" '
                 f'stroke-width="5" stroke-linecap="round" opacity="0.9" filter="url(#glow{uid})"/>')
    parts.append(f'<path d="M128 396 C160 418 240 418 272 396" fill="none" stroke="#ff7a3a" '
                 f'stroke-width="2" stroke-linecap="round"/>')
    parts.append('</g>')
    parts.append(f'<circle cx="200" cy="316" r="22" fill="none" stroke="{ORANGE}" '
                 f'stroke-width="6" opacity="0.45" filter="url(#glow{uid})"/>')
    parts.append(f'<circle cx="200" cy="316" r="22" fill="none" stroke="#ff7a3a" stroke-width="2.5"/>')
    parts.append(f'<path d="M200 300 L214 324 H186 Z" fill="none" stroke="{GREY3}" '
                 f'stroke-width="2.2" stroke-linejoin="round"/>')
    # Wheel with its ridges, then the two DPI buttons.
    parts.append('<rect x="186" y="72" width="28" height="80" rx="14" fill="#0b0b0d" '
                 'stroke="#5a5a60" stroke-width="1.5"/>')
    for y in range(82, 146, 6):
        parts.append(f'<path d="M190 {y} H210" stroke="#3c3c42" stroke-width="2"/>')
    parts.append(f'<rect x="196" y="76" width="8" height="72" rx="4" fill="{ORANGE}" opacity="0.25"/>')
    for k in (5, 6):
        parts.append(f'<path d="{FRONT_KEYS[k][0]}" fill="#16161a" stroke="#5a5a60" stroke-width="1.2"/>')
    parts.append(f'<path d="M196 170 H204 M200 166 V174" stroke="{GREY2}" stroke-width="1.6"/>')
    parts.append(f'<path d="M196 192 H204" stroke="{GREY2}" stroke-width="1.6"/>')
    if key is not None:
        d, clipped = FRONT_KEYS[key]
        parts.append(_highlight(uid, d, clipped, selected))
    return w, h, "\n".join(parts)


def side(key=None, selected=False):
    uid = "s"
    w, h = SIDE_SIZE
    parts = [_defs(uid, SIDE_BODY)]
    parts.append(f'<ellipse cx="210" cy="330" rx="200" ry="16" fill="#000" opacity="0.9" '
                 f'filter="url(#shadow{uid})"/>')
    parts.append(f'<path d="{SIDE_BODY}" fill="url(#shell{uid})" stroke="{GREY1}" stroke-width="2"/>')
    parts.append(f'<g clip-path="url(#body{uid})">')
    parts.append(f'<path d="{SIDE_BODY}" fill="url(#gloss{uid})"/>')
    # Seam under the buttons, thumb rest and the bottom light strip.
    parts.append('<path d="M20 240 C110 206 180 206 232 208 L236 176" fill="none" '
                 'stroke="#050506" stroke-width="3"/>')
    parts.append('<path d="M20 243 C110 209 180 209 232 211" fill="none" stroke="#46464c" '
                 'stroke-width="1"/>')
    parts.append('<path d="M60 286 C140 270 240 270 330 288 C300 300 120 304 60 296 Z" '
                 'fill="#0c0c0e" opacity="0.8"/>')
    parts.append(f'<path d="M40 318 H380" stroke="{ORANGE}" stroke-width="5" opacity="0.9" '
                 f'filter="url(#glow{uid})"/>')
    parts.append('<path d="M40 318 H380" stroke="#ff7a3a" stroke-width="2"/>')
    parts.append(f'<path d="M300 236 L314 250 L300 264" fill="none" stroke="{GREY1}" stroke-width="3"/>')
    parts.append(f'<path d="M312 236 L326 250 L312 264" fill="none" stroke="{GREY1}" stroke-width="3"/>')
    parts.append('</g>')
    for k in (2, 5, 6):
        parts.append(f'<path d="{SIDE_KEYS[k][0]}" fill="#111114" stroke="#5a5a60" stroke-width="1.2"/>')
    for k in (3, 4, 7):
        parts.append(f'<path d="{SIDE_KEYS[k][0]}" fill="#26262b" stroke="#55555c" stroke-width="1.5"/>')
        parts.append(f'<path d="{SIDE_KEYS[k][0]}" fill="none" stroke="#000" stroke-width="0.8" '
                     f'transform="translate(0 1.5)" opacity="0.6"/>')
    if key is not None:
        d, clipped = SIDE_KEYS[key]
        parts.append(_highlight(uid, d, clipped, selected))
    return w, h, "\n".join(parts)

