#!/usr/bin/env bash
# Starts the built program on the virtual mouse in a program folder of its
# own, waits until the main window has shown its panels and writes a
# screenshot of it to <build>/e2e/main-window.png (the first picture it drew
# to start-up.png, the whole screen to screen.png) for review. Then chooses
# 500Hz in the report rate box and checks that the virtual mouse was set to
# 2 ms between reports. Fails when no window appears, when the program dies,
# when the window is blank or when the choice does not reach the mouse.
set -euo pipefail

build=$(cd "$1" && pwd)
out="$build/e2e"
program="$build/orbex-mouse"
vm="$build/tools/virtual-mouse/libvirtual-mouse.so"
ctl="$build/tools/virtual-mouse/virtual-mouse-ctl"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

for f in "$program" "$vm" "$ctl"; do
    [ -e "$f" ] || { echo "missing $f: build the program and the virtual mouse first" >&2; exit 1; }
done

mkdir -p "$out"
folder=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$folder"
}
trap cleanup EXIT

cp "$program" "$folder/"
cp -r "$build/modules" "$folder/modules"

export VIRTUAL_MOUSE_SOCKET="$folder/virtual-mouse.sock"
export QT_QPA_PLATFORM=xcb
LD_PRELOAD="$vm" "$folder/orbex-mouse" >"$out/program.log" 2>&1 &
pid=$!

window=""
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early:" >&2; cat "$out/program.log" >&2; exit 1; }
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.2
done
if [ -z "$window" ]; then
    echo "no main window within 20 s" >&2
    import -window root "$out/screen.png" || true
    cat "$out/program.log" >&2
    exit 1
fi

spread_of() { identify -format '%[fx:standard_deviation]' "$1"; }
drawn() { awk -v s="$1" 'BEGIN { exit !(s > 0.02) }'; }

# The window stays empty until the mouse is found and the UI starts; then
# the start-up logo shows for a second and the panels fade in.
for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || { echo "the program ended after showing its window" >&2; exit 1; }
    import -window "$window" "$out/main-window.png"
    if drawn "$(spread_of "$out/main-window.png")"; then
        cp "$out/main-window.png" "$out/start-up.png"
        break
    fi
    sleep 0.25
done
sleep 2
import -window "$window" "$out/main-window.png"
import -window root "$out/screen.png"

read -r width height spread < <(identify -format '%w %h %[fx:standard_deviation]\n' "$out/main-window.png")
echo "main window ${width}x${height}, spread of grey levels $spread; screenshot in $out/main-window.png"
[ "$width" -eq 1024 ] && [ "$height" -eq 640 ] || { echo "the main window is not 1024 x 640" >&2; exit 1; }
drawn "$spread" || { echo "the main window is blank" >&2; exit 1; }

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
