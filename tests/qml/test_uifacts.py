#!/usr/bin/env python3
"""A damaged source stops tools/uifacts.py and leaves no script behind, so
that the UI never starts from made-up factory values.

    test_uifacts.py UIFACTS_PY FACTORY_SETTING_FOLDER PATHS_H
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

UIFACTS, SETTING, PATHS_H = sys.argv[1:4]

MOUSE_PY = """
FRONT_SIZE = (400, 440)
SIDE_SIZE = (400, 440)
FRONT_KEYS = {0: ("M0 0 Z", True), 1: ("M0 0 Z", True)}
SIDE_KEYS = {0: ("M0 0 Z", True)}
FRONT_HITS = [(0, (100, 28, 80, 182, -34, 70, 140, 84)), (1, FRONT_KEY_1)]
SIDE_HITS = [(0, (120, 186, 108, 20, 60, 128, 124, 200))]
"""


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


class DamagedSources(unittest.TestCase):
    def run_uifacts(self, kind, files):
        """Writes `files` (name -> text) into a folder and runs the kind on them."""
        with tempfile.TemporaryDirectory() as folder:
            paths = []
            for name, text in files:
                path = os.path.join(folder, name)
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
                paths.append(path)
            out = os.path.join(folder, "out", "Facts.js")
            done = subprocess.run([sys.executable, "-B", UIFACTS, kind, *paths, out],
                                  capture_output=True, text=True)
            return done.returncode, os.path.exists(out), done.stderr

    def assert_refused(self, kind, files, reason):
        code, written, message = self.run_uifacts(kind, files)
        self.assertNotEqual(code, 0, reason)
        self.assertFalse(written, reason)
        self.assertIn("uifacts:", message, reason)

    def test_factory_files(self):
        profile = read(os.path.join(SETTING, "pD.bin"))
        settings = read(os.path.join(SETTING, "apConfig.bin"))
        self.assertEqual(self.run_uifacts("factory", [("pD.bin", profile), ("apConfig.bin", settings)])[:2],
                         (0, True))
        head, keys = profile.split("[mouseKeyMatrix]", 1)
        rows = [
            ("a key missing", head + "[mouseKeyMatrix]" + re.sub(r"(?m)^7=.*\n", "", keys, count=1), settings),
            ("a key of three values", profile.replace("7=0, 240, 30, 2", "7=0, 240, 30"), settings),
            ("a key value no number", profile.replace("7=0, 240, 30, 2", "7=0, x, 30, 2"), settings),
            ("seven DPI stages", profile.replace("dpiValueArray=500, ", "dpiValueArray="), settings),
            ("a step no number", profile, settings.replace("dpiBase=100", "dpiBase=fast")),
            ("no DPI range", profile, settings.replace("minDPI=200\n", "")),
            ("no INI at all", "\x00\x01", settings),
        ]
        for reason, damaged_profile, damaged_settings in rows:
            with self.subTest(reason):
                self.assertNotEqual(damaged_profile + damaged_settings, profile + settings, reason)
                self.assert_refused("factory", [("pD.bin", damaged_profile), ("apConfig.bin", damaged_settings)],
                                    reason)

    def test_slot_counts(self):
        header = read(PATHS_H)
        rows = [
            ("list slots missing", re.sub(r"constexpr int kUiProfileSlots = \d+;", "", header)),
            ("profile files twice", header + "\nconstexpr int kProfileSlots = 12;\n"),
        ]
        for reason, damaged in rows:
            with self.subTest(reason):
                self.assert_refused("slots", [("paths.h", damaged)], reason)

    def test_hit_boxes(self):
        good = MOUSE_PY.replace("FRONT_KEY_1", "(220, 28, 80, 182, 424, 70, 262, 84)")
        self.assertEqual(self.run_uifacts("mouse", [("mouse.py", good)])[:2], (0, True))
        rows = [
            ("a box past the right edge", "(330, 28, 80, 182, 424, 70, 262, 84)"),
            ("a box above the drawing", "(220, -1, 80, 182, 424, 70, 262, 84)"),
            ("a box without its badge", "(220, 28, 80, 182)"),
        ]
        for reason, box in rows:
            with self.subTest(reason):
                self.assert_refused("mouse", [("mouse.py", MOUSE_PY.replace("FRONT_KEY_1", box))], reason)
        with self.subTest("a box for a key that is not drawn"):
            self.assert_refused("mouse", [("mouse.py", good.replace('1: ("M0 0 Z", True)', ""))],
                                "a box for a key that is not drawn")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
