#!/usr/bin/env bash
# Profiles that follow the program in front, on the virtual mouse of both
# families. A stand-in window manager brings two small windows of different
# WM_CLASS to the front in turn (what the X11 source watches); then the
# D-Bus entry point is called as a desktop script calls it. The mouse takes
# the report rate of the profile in use and the stored profile number
# follows; a flip of focus under 300 ms changes nothing.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
# A session bus of its own for the entry point.
if [ -z "${ORBEX_E2E_BUS:-}" ]; then
    export ORBEX_E2E_BUS=1
    exec dbus-run-session -- "$0" "$@"
fi
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
windows_tool="$build/tests/shell/focus/focuswindows"
[ -x "$windows_tool" ] || e2e_fail "missing $windows_tool"

stored_profile() { sed -n 's/^profileNo=//p' "$E2E_FOLDER/modules/setting/apConfig.bin"; }

# Waits for the stored profile number, then for the mouse to be written.
expect_profile() { # slot device-report-rate what
    local slot=$1 rate=$2 what=$3
    for _ in $(seq 1 40); do
        [ "$(stored_profile)" = "$slot" ] && break
        sleep 0.25
    done
    [ "$(stored_profile)" = "$slot" ] || e2e_fail "$what: the stored profile is $(stored_profile), not $slot"
    e2e_settle
    e2e_state "autoprofile-$family.json"
    python3 - "$E2E_OUT/autoprofile-$family.json" "$rate" "$what" <<'PY'
import json, sys
s = json.load(open(sys.argv[1]))["devices"][0]
rate, what = int(sys.argv[2]), sys.argv[3]
# The 560 family keeps one report rate a device profile, the 553 one.
held = s["reportRate"] if isinstance(s["reportRate"], list) else [s["reportRate"]]
assert all(r == rate for r in held), "%s: the mouse holds report rate %s, not %d" % (what, held, rate)
PY
    echo "$family: $what -> profile $slot"
}

front() { # line for the window manager
    echo "$1" >&"${WM[1]}"
    local answer
    read -r -t 5 answer <&"${WM[0]}" || e2e_fail "the stand-in window manager did not answer"
    [ "$answer" = ok ] || e2e_fail "the stand-in window manager said: $answer"
}

bus_front() { # class title
    dbus-send --session --type=method_call --dest=example.meridan_orbex.OrbexMouse \
        /example/meridan_orbex/OrbexMouse example.meridan_orbex.OrbexMouse.Focus.WindowActivated \
        "string:$1" "string:$2"
}

run_family() {
    family=$1
    e2e_prepare "$build"
    local setting="$E2E_FOLDER/modules/setting"
    # Standard (slot 0) at 250 Hz; Game (slot 1) at 500 Hz, used while Quake
    # is in front.
    sed -i 's/^reportRate=.*/reportRate=1/' "$setting/p1.bin"
    cp "$setting/p1.bin" "$setting/p2.bin"
    sed -i 's/^reportRate=.*/reportRate=2/' "$setting/p2.bin"
    printf '\n[autoProfile]\nprograms=Quake\n' >> "$setting/p2.bin"
    sed -i 's/^profileName=.*/profileName=Standard0, Game1/' "$setting/name.bin"
    sed -i -e "s/^icType=.*/icType=$family/" -e 's/^profileNo=.*/profileNo=0/' "$setting/apConfig.bin"
    printf '[mouse]\nfamily = %s\n' "$family" > "$E2E_FOLDER/vm.ini"
    export VIRTUAL_MOUSE_CONFIG="$E2E_FOLDER/vm.ini"
    e2e_launch "autoprofile-$family"
    grep -q 'the window in front is learnt from "x11"' "$E2E_LOG" \
        || e2e_fail "the program did not start the X11 source"
    e2e_settle

    coproc WM { exec "$windows_tool" quake3.Quake xterm.XTerm; }
    local ready
    read -r -t 5 ready <&"${WM[0]}" && [ "$ready" = ready ] || e2e_fail "the stand-in window manager did not start"

    front "front 0"
    expect_profile 1 2 "Quake in front"
    front "front 1"
    expect_profile 0 4 "XTerm in front"
    # Quake for a moment only.
    front "front 0"
    sleep 0.1
    front "front 1"
    sleep 1.2
    [ "$(stored_profile)" = 0 ] || e2e_fail "a flip of focus under 300 ms switched the profile"
    echo "$family: a flip under 300 ms switched nothing"

    bus_front Quake "Quake III Arena"
    expect_profile 1 2 "Quake reported through D-Bus"
    bus_front "" ""
    expect_profile 0 4 "nothing in front, reported through D-Bus"

    eval "exec ${WM[1]}>&-"
    wait "$WM_PID" 2>/dev/null || true
    e2e_cleanup
}

run_family 560
run_family 553
