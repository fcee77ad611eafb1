#!/usr/bin/env bash
# On an 800 x 600 screen the window scales down to fit, all of it on the
# screen, and its Save button (found at its scaled place) saves to the
# mouse. Runs its own small Xvfb. Picture in <build>/e2e/small-screen.png.
set -euo pipefail
if [ -z "${E2E_SMALL_SCREEN:-}" ]; then
    export E2E_SMALL_SCREEN=1
    exec xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$0" "$@"
fi
. "$(dirname "$0")/e2e-lib.sh"
e2e_start "$1" small-screen

read -r x y width height < <(xdotool getwindowgeometry --shell "$E2E_WINDOW" |
    awk -F= '{ v[$1] = $2 } END { print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"] }')
echo "window at $x,$y, $width x $height"
[ "$width" -le 800 ] && [ "$height" -le 600 ] || e2e_fail "the window ($width x $height) is larger than the screen"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 800 ] && [ $((y + height)) -le 600 ] ||
    e2e_fail "the window is not all on the screen"
[ "$width" -ge 780 ] || e2e_fail "the window ($width wide) was shrunk more than it needs"
e2e_shot small-screen
e2e_drawn "$(e2e_spread "$E2E_OUT/small-screen.png")" || e2e_fail "the scaled window is blank"

# A click at a point of the 1024 x 640 design, where the scaled window has it.
click_design() { e2e_click $(($1 * width / 1024)) $(($2 * height / 640)) "${3:-0.5}"; }

# The hue bar of the lighting panel at (896, 398) gives the chosen colour
# block a new colour; then Save at
# (968, 620).
e2e_settle
click_design 896 398
before=$(grep -cE ' (feature-send|write) ' "$VIRTUAL_MOUSE_TRACE" || true)
click_design 968 620 1
e2e_settle
after=$(grep -cE ' (feature-send|write) ' "$VIRTUAL_MOUSE_TRACE" || true)
[ "$after" -gt "$before" ] || e2e_fail "Save sent nothing to the mouse ($before reports before, $after after)"
echo "the window fits 800 x 600 and Save wrote $((after - before)) reports"
