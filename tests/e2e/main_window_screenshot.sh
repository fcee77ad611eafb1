#!/usr/bin/env bash
# Starts the built program on the virtual mouse in a program folder of its
# own, waits until the main window has shown its panels and writes a
# screenshot of it to <build>/e2e/main-window.png (the whole screen to
# screen.png) for review. Then chooses
# 500Hz in the report rate box and checks that the virtual mouse was set to
# 2 ms between reports. Fails when no window appears, when the program dies,
# when the window is blank or when the choice does not reach the mouse.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" main-window
out=$E2E_OUT
window=$E2E_WINDOW
ctl=$E2E_CTL
import -window "$window" "$out/main-window.png"
import -window root "$out/screen.png"

read -r width height spread < <(identify -format '%w %h %[fx:standard_deviation]\n' "$out/main-window.png")
echo "main window ${width}x${height}, spread of grey levels $spread; screenshot in $out/main-window.png"
[ "$width" -eq 1024 ] && [ "$height" -eq 640 ] || { echo "the main window is not 1024 x 640" >&2; exit 1; }
e2e_drawn "$spread" || { echo "the main window is blank" >&2; exit 1; }

# The report rate box: its list at (164, 529) in the window, 84 x 24, opening
# upwards with rows of 24; "500Hz" is the third row.
"$ctl" state > "$out/virtual-mouse-before.json"
xdotool mousemove --window "$window" 206 541 click 1
sleep 0.5
import -window "$window" "$out/main-window-report-rate.png"
xdotool mousemove --window "$window" 206 490 click 1
sleep 1.5
state=$("$ctl" state)
echo "$state" > "$out/virtual-mouse-state.json"
python3 - "$out/virtual-mouse-before.json" "$out/virtual-mouse-state.json" <<'PY'
import json, sys
def rates(path):
    value = json.load(open(path))["devices"][0]["reportRate"]
    return value if isinstance(value, list) else [value]
before, after = rates(sys.argv[1]), rates(sys.argv[2])
print("report rate on the virtual mouse before:", before, "after choosing 500Hz:", after)
if all(r == 2 for r in before):
    sys.exit("the mouse was at 2 ms already; the check proves nothing")
sys.exit(0 if after and all(r == 2 for r in after) else "500Hz did not reach the mouse as 2")
PY
e2e_check_log
