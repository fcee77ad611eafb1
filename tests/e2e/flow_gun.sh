#!/usr/bin/env bash
# The gun editor on the virtual mouse of the 560 family: opens it from the
# editor box, types a new Y for the gun of slot 1 and closes it, then drags
# the target's dot and closes it again. Each time the record file must hold
# the new Y and the mouse's profile 2 (gun slot 1) bytes 78 to 81 must be
# 0xF0 and the stored repeat count, X and Y. Pictures of the editor, in
# English and in Chinese, go to <build>/e2e/gun-editor*.png.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" flow-gun

# Places in the main window: the gun editor button of the editor box, and
# the editor, which opens centred (640 x 448 at 192, 96).
gun_button=(140 493)
close_button=(813 112)
y_field=(772 350)
rate_box=(664 476)
slot_menu=(589 150)
dot_x=600
path_top=299          # top of the dot's path on the target

records="$E2E_FOLDER/modules/gun/gunData.bin"
globals="$E2E_FOLDER/modules/setting/apConfig.bin"

# The stored values of the gun that slot 1 holds, as JSON:
# {"position", "name", "period", "x", "y", "times"}.
slot1_record() {
    python3 - "$records" "$globals" <<'PY'
import json, re, sys
def ini(path):
    out, group = {}, ""
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line.startswith("["):
            group = line.strip("[]")
        elif "=" in line:
            key, value = line.split("=", 1)
            out[group + "/" + key] = [v.strip().strip('"') for v in value.split(",")]
    return out
records, globals_ = ini(sys.argv[1]), ini(sys.argv[2])
position = int(globals_.get("mouse/selectGun", ["0"])[0])
name, key, period, x, y, times = records["gunData/%d" % position]
print(json.dumps({"position": position, "name": name, "period": int(period),
                  "x": int(x), "y": int(y), "times": int(times)}))
PY
}

# Checks that profile 2 of the mouse carries the record of slot 1.
check_mouse() { # state file, record JSON, step
    python3 - "$E2E_OUT/$1" "$2" "$3" <<'PY'
import json, sys
state = json.load(open(sys.argv[1]))
record = json.loads(sys.argv[2])
block = state["devices"][0]["profiles"][2]
got = block[78:82]
want = [0xF0, record["times"] & 0xFF, record["x"] & 0xFF, record["y"] & 0xFF]
print("%s: profile 2 bytes 78 to 81 %s, stored record of slot 1 %s" % (sys.argv[3], got, record))
if got != want:
    sys.exit("%s: the mouse holds %s, the record says %s" % (sys.argv[3], got, want))
if block[65] & 0x04:
    sys.exit("%s: bit 0x04 of byte 65 is still set" % sys.argv[3])
PY
}

open_editor() {
    e2e_click "${gun_button[@]}" 1.5
}

close_editor() {
    e2e_click "${close_button[@]}" 2
}

before=$(slot1_record)
old_y=$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["y"])' "$before")
new_y=$(( (old_y + 23) % 65 ))

open_editor
e2e_shot gun-editor

# Y by the field.
xdotool mousemove --window "$E2E_WINDOW" "${y_field[@]}" click 1 key ctrl+a type "$new_y"
xdotool key Return
sleep 0.4
close_editor
after=$(slot1_record)
python3 - "$after" "$new_y" <<'PY'
import json, sys
record = json.loads(sys.argv[1])
if record["y"] != int(sys.argv[2]):
    sys.exit("the typed Y %s is not stored: %s" % (sys.argv[2], record))
PY
e2e_state gun-state-field.json
check_mouse gun-state-field.json "$after" "Y typed"

# Y by dragging the dot 30 pixels from where it is shown.
open_editor
from=$(( path_top + (new_y * 94 + 32) / 64 ))
to=$(( from - path_top >= 30 ? from - 30 : from + 30 ))
xdotool mousemove --window "$E2E_WINDOW" "$dot_x" "$from" mousedown 1
for step in 1 2 3 4 5; do
    xdotool mousemove --window "$E2E_WINDOW" "$dot_x" $(( from + (to - from) * step / 5 ))
    sleep 0.05
done
e2e_shot gun-editor-dragging
xdotool mouseup 1
sleep 0.4
close_editor
dragged=$(slot1_record)
python3 - "$after" "$dragged" <<'PY'
import json, sys
before, after = json.loads(sys.argv[1]), json.loads(sys.argv[2])
if before["y"] == after["y"]:
    sys.exit("dragging the dot did not change the stored Y (%s)" % after["y"])
PY
e2e_state gun-state-dot.json
check_mouse gun-state-dot.json "$dragged" "dot dragged"

# The editor in Chinese, with the rate chooser open.
e2e_check_log
e2e_stop
sed -i 's/^language=.*/language=ChineseSimplified/' "$globals"
e2e_launch flow-gun-zh
open_editor
e2e_shot gun-editor-zh
e2e_click "${rate_box[@]}" 0.5
e2e_shot gun-editor-zh-rate
e2e_click "${slot_menu[@]}" 0.5
e2e_shot gun-editor-zh-slots
echo "screenshots in $E2E_OUT/gun-editor*.png"
e2e_check_log
