#!/usr/bin/env bash
# A start with no mouse on a desktop without a tray (Xvfb has none): the
# waiting window says what to do; a second start shows it again and ends
# with 1; plugging the mouse in closes it and opens the main window.
# Pictures in <build>/e2e/no-mouse-*.png.
set -euo pipefail
. "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_prepare "$1"

cat > "$E2E_FOLDER/absent.ini" <<'INI'
[mouse]
present = false
INI
export VIRTUAL_MOUSE_CONFIG="$E2E_FOLDER/absent.ini"

# The shown windows of the program: "id width" per line.
shown_windows() {
    for id in $(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null || true); do
        echo "$id $(xdotool getwindowgeometry "$id" | awk '/Geometry/ { split($2, s, "x"); print s[1] }')"
    done
}

wait_for() { # condition what
    for _ in $(seq 1 60); do
        eval "$1" && return 0
        kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended while waiting for $2"
        sleep 0.25
    done
    e2e_fail "no $2 within 15 s"
}

waiting_window() { shown_windows | awk '$2 < 600 { print $1 }' | head -n 1; }
main_window() { shown_windows | awk '$2 >= 600 { print $1 }' | head -n 1; }

E2E_LOG="$E2E_OUT/no-mouse-program.log"
LD_PRELOAD="$E2E_VM" "$E2E_FOLDER/orbex-mouse" >"$E2E_LOG" 2>&1 &
E2E_PID=$!

wait_for '[ -n "$(waiting_window)" ]' "waiting window"
[ -z "$(main_window)" ] || e2e_fail "the main window shows without a mouse"
sleep 0.5
e2e_shot no-mouse-waiting "$(waiting_window)"

# Hidden by Escape, brought back by a second start, which ends with 1.
xdotool windowfocus --sync "$(waiting_window)" && xdotool key Escape
wait_for '[ -z "$(waiting_window)" ]' "hidden waiting window"
status=0
LD_PRELOAD="$E2E_VM" "$E2E_FOLDER/orbex-mouse" >"$E2E_OUT/no-mouse-second.log" 2>&1 || status=$?
[ "$status" -eq 1 ] || e2e_fail "the second start ended with $status, not 1"
wait_for '[ -n "$(waiting_window)" ]' "waiting window after the second start"

"$E2E_CTL" plug
wait_for '[ -z "$(waiting_window)" ] && [ -n "$(main_window)" ]' "main window once the mouse is in"
grep -q "^Device Connect" "$E2E_LOG" || e2e_fail "the program did not connect"
E2E_WINDOW=$(main_window)
sleep 2
e2e_shot no-mouse-connected
echo "waiting window shown, shown again by a second start, replaced by the main window at plug-in"
