#!/usr/bin/env python3
"""Writes the UI's copies of facts whose home is elsewhere, as .pragma library
scripts, at build time:

    uifacts.py factory PROFILE GLOBAL OUT   the factory profile and global settings
    uifacts.py slots HEADER OUT             the profile slot counts of the stores
    uifacts.py mouse SKIN_MOUSE_PY OUT      the keys' places on the mouse drawings

Any value missing or unreadable in the source stops the build.
"""

import configparser
import json
import os
import re
import sys

KEYS = 16


def fail(message):
    raise SystemExit(f"uifacts: {message}")


def read_ini(path):
    # The settings files are Qt's INI files: keys keep their case, "%" is text.
    parser = configparser.RawConfigParser()
    parser.optionxform = str
    try:
        with open(path, encoding="utf-8") as f:
            parser.read_file(f)
    except (OSError, configparser.Error) as e:
        fail(f"{path}: {e}")
    return parser


def value(parser, path, group, key):
    if not parser.has_option(group, key):
        fail(f"{path}: {group}/{key} is missing")
    return parser.get(group, key).strip()


def integer(parser, path, group, key):
    text = value(parser, path, group, key)
    if not re.fullmatch(r"-?[0-9]+", text):
        fail(f"{path}: {group}/{key} = {text!r} is no whole number")
    return int(text)


def integers(parser, path, group, key, count):
    parts = [p.strip() for p in value(parser, path, group, key).split(",")]
    if len(parts) != count or not all(re.fullmatch(r"[0-9]+", p) for p in parts):
        fail(f"{path}: {group}/{key} is not {count} whole numbers")
    return [int(p) for p in parts]


def script(source_note, variables):
    lines = [".pragma library", "", f"// Written by tools/uifacts.py from {source_note}; edit the source, not this file.", ""]
    for comment, name, data in variables:
        if comment:
            lines.append(f"// {comment}")
        lines.append(f"var {name} = {json.dumps(data, separators=(', ', ': '))}")
    return "\n".join(lines) + "\n"


def factory(profile_path, global_path):
    profile = read_ini(profile_path)
    settings = read_ini(global_path)
    # The INI file lists keys as text (0, 1, 10, 11, ...): read them by number.
    matrix = [integers(profile, profile_path, "mouseKeyMatrix", str(k), 4) for k in range(KEYS)]
    dpi_values = integers(profile, profile_path, "mouse", "dpiValueArray", 8)
    return script("the factory settings (setting/pD.bin, setting/apConfig.bin)", [
        ("The sixteen keys' entries of the factory profile, key 0 first.", "keyMatrix", matrix),
        ("The factory profile's DPI stages.", "dpiValues", dpi_values),
        ("The DPI panel's settings as the factory files hold them.", "dpi", {
            "dpiCount": integer(profile, profile_path, "mouse", "dpiCount"),
            "currentDpiCount": integer(profile, profile_path, "mouse", "currentDpiCount"),
            "minDPI": integer(settings, global_path, "mouse", "minDPI"),
            "maxDPI": integer(settings, global_path, "mouse", "maxDPI"),
            "sensorType": value(settings, global_path, "mouse", "sensorType"),
            "dpiBase": integer(settings, global_path, "mouse", "dpiBase"),
        }),
    ])


def slots(header_path):
    try:
        with open(header_path, encoding="utf-8") as f:
            text = f.read()
    except OSError as e:
        fail(f"{header_path}: {e}")

    def constant(name):
        found = re.findall(rf"constexpr\s+int\s+{name}\s*=\s*([0-9]+)\s*;", text)
        if len(found) != 1:
            fail(f"{header_path}: {name} is not defined once")
        return int(found[0])

    return script("the stores' slot counts (storage/paths.h)", [
        ("Profile files p1.bin to p10.bin: slots 0 to profileSlots - 1.", "profileSlots", constant("kProfileSlots")),
        ("Slots the profile list offers (0 to uiProfileSlots - 1).", "uiProfileSlots", constant("kUiProfileSlots")),
    ])


def mouse(drawings_py):
    skin_folder = os.path.dirname(os.path.abspath(drawings_py))
    sys.path.insert(0, skin_folder)
    try:
        import mouse as drawings  # noqa: the skin's own description of the drawings
    except ImportError as e:
        fail(f"{skin_folder}: {e}")
    if drawings.FRONT_SIZE != drawings.SIDE_SIZE:
        fail("the two drawings differ in size")
    width, height = drawings.FRONT_SIZE
    fields = ("x", "y", "width", "height", "badgeX", "badgeY", "anchorX", "anchorY")

    def boxes(name, hits, paths):
        rows = []
        for key, numbers in hits:
            if key not in paths:
                fail(f"{name}: key {key} has a hit box but no drawing")
            if len(numbers) != len(fields):
                fail(f"{name}: key {key} needs {len(fields)} numbers")
            row = dict(zip(fields, numbers))
            if row["x"] < 0 or row["y"] < 0 or row["x"] + row["width"] > width or row["y"] + row["height"] > height:
                fail(f"{name}: key {key}'s hit box leaves the drawing")
            rows.append({"key": key, **row})
        return rows

    return script("the mouse drawings (resources/skin/mouse.py)", [
        ("Both drawings' size, in their own pixels.", "pictureWidth", width),
        ("", "pictureHeight", height),
        ("Top view; later rows lie on top.", "frontKeys", boxes("FRONT_HITS", drawings.FRONT_HITS, drawings.FRONT_KEYS)),
        ("Left side.", "sideKeys", boxes("SIDE_HITS", drawings.SIDE_HITS, drawings.SIDE_KEYS)),
    ])


def main(argv):
    writers = {"factory": (factory, 2), "slots": (slots, 1), "mouse": (mouse, 1)}
    if len(argv) < 2 or argv[1] not in writers or len(argv) != writers[argv[1]][1] + 3:
        fail(__doc__)
    writer, inputs = writers[argv[1]]
    text = writer(*argv[2:2 + inputs])
    out = argv[-1]
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    with open(out + ".new", "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(out + ".new", out)


if __name__ == "__main__":
    main(sys.argv)
