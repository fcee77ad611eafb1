#!/usr/bin/env bash
# Key assignment on the virtual mouse, by clicks and keys: key 4 becomes
# "DPI+" and key 5 the combination left Ctrl + A typed on the keyboard; after
# saving, key matrix 1 of the mouse holds 07 00 01 00 for key 4 and
# 00 01 04 00 for key 5. Then the program starts again in Chinese and shows
# what was saved. Screenshots go to <build>/e2e/keys-*.png for review.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" keys

# Window coordinates. Key list at (24, 88): key buttons 216 x 28 from
# (32, 116), 36 apart. The dialog, 600 x 396, is centred at (212, 122):
# its sections 32 high from y 170, its choices from (408, 214), 188 x 30
# in two columns; OK at the right of its foot.
key_y() { echo $((116 + 14 + 36 * ($1 - 1))); }
section_y() { echo $((170 + 16 + 32 * $1)); }
open_key() { e2e_click 140 "$(key_y "$1")" 0.6; }
ok_button() { e2e_click 744 495 0.6; }
save_button() { e2e_click 968 620 2.5; }

e2e_shot keys-main-window
"$E2E_CTL" state > "$E2E_OUT/keys-before.json"

open_key 4
e2e_shot keys-dialog
e2e_click 300 "$(section_y 5)"            # DPI Function
e2e_click 502 229                         # DPI+
e2e_shot keys-dialog-dpi
ok_button

open_key 5
e2e_click 300 "$(section_y 2)"            # Group Function
e2e_click 598 230                         # the key field starts the capture
xdotool keydown ctrl
sleep 0.2
xdotool key a
sleep 0.2
xdotool keyup ctrl
sleep 0.4
e2e_shot keys-dialog-combination
e2e_click 716 230                         # confirm
ok_button
e2e_shot keys-main-window-changed
save_button

open_key 6                                # a look at the fire key section
e2e_click 300 "$(section_y 1)"
e2e_shot keys-dialog-fire
ok_button
e2e_state keys-after.json

python3 - "$E2E_OUT/keys-before.json" "$E2E_OUT/keys-after.json" <<'PY'
import json, sys

def matrix1(path):
    row = json.load(open(path))["devices"][0]["keyMatrices"][0]
    return [int(b, 16) if isinstance(b, str) else int(b) for b in row]

def key(matrix, number):
    return matrix[4 * (number - 1): 4 * number]

before, after = matrix1(sys.argv[1]), matrix1(sys.argv[2])
print("key 4 before", key(before, 4), "after", key(after, 4))
print("key 5 before", key(before, 5), "after", key(after, 5))
if key(before, 4) == [0x07, 0, 1, 0]:
    sys.exit("key 4 was DPI+ already; the check proves nothing")
failures = []
if key(after, 4) != [0x07, 0, 1, 0]:
    failures.append("key 4 is not DPI+ (07 00 01 00)")
if key(after, 5) != [0x00, 0x01, 0x04, 0x00]:
    failures.append("key 5 is not left Ctrl + A (00 01 04 00)")
sys.exit("; ".join(failures) if failures else 0)
PY

# A new start in Chinese reads the saved keys back.
e2e_check_log
e2e_stop
sed -i 's/^language=.*/language=ChineseSimplified/' "$E2E_FOLDER/modules/setting/apConfig.bin"
e2e_launch keys-zh
e2e_shot keys-main-window-zh
open_key 4
e2e_shot keys-dialog-zh
e2e_click 300 "$(section_y 4)"            # Macro Function: the longest texts
e2e_shot keys-dialog-macro-zh
e2e_click 300 "$(section_y 1)"            # Fire Function
e2e_shot keys-dialog-fire-zh
ok_button
e2e_click 512 552                         # the side view of the mouse
e2e_shot keys-side-view-zh
echo "screenshots: $E2E_OUT/keys-*.png"
e2e_check_log
