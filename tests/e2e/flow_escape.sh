#!/usr/bin/env bash
# Escape, pressed on the keyboard, closes the dialog in front as its Cancel
# or close button would: the reset question, the key dialog and the macro
# editor, each opened by a click; the window then looks as before. Pictures
# in <build>/e2e/escape-*.png.
set -euo pipefail
. "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" escape

# The pointer on the empty foot of the window, where it lights nothing up.
rest() { xdotool mousemove --window "$E2E_WINDOW" 512 632; sleep 0.6; }
# How far two pictures differ, 0 (same) to 1.
distance() { { compare -metric RMSE "$E2E_OUT/$1.png" "$E2E_OUT/$2.png" null: 2>&1 || true; } | sed -E 's/.*\((.*)\).*/\1/'; }
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

rest
e2e_shot escape-before
# Window coordinates: Reset in the bottom bar, key 5 in the key list, the
# Macro Editor button under it.
for dialog in "reset 887 619" "key-dialog 140 273" "macro-editor 139 451"; do
    read -r name x y <<< "$dialog"
    e2e_click "$x" "$y" 1
    rest
    e2e_shot "escape-$name-open"
    opened=$(distance escape-before "escape-$name-open")
    above "$opened" 0.03 || e2e_fail "a click at ($x, $y) opened no $name (picture distance $opened)"
    xdotool windowfocus --sync "$E2E_WINDOW"
    xdotool key Escape
    rest
    e2e_shot "escape-$name-closed"
    left=$(distance escape-before "escape-$name-closed")
    above "$left" 0.01 && e2e_fail "Escape left the $name open (picture distance $left, $opened while open)"
    echo "$name: opened ($opened), closed by Escape ($left)"
done
