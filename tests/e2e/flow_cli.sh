#!/usr/bin/env bash
# The command line while the window runs: the window's instance carries the
# commands out, so the open window shows each change at once and no other
# process touches the mouse.
# 1. show --json through the window answers from the stores;
# 2. set report-rate 500: the mouse and the profile hold it, the window's
#    report rate box changes, and back to 1000 it looks as before;
# 3. the command's own process never called the mouse (its trace is empty);
# 4. a bad value is refused with exit 2 and the valid values, nothing sent.
# Pictures in <build>/e2e/cli-*.png.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
e2e_start "$build" cli
settings="$E2E_FOLDER/modules/setting"
cli_trace="$E2E_FOLDER/cli-trace.txt"

# The command line as a user runs it; with the virtual mouse preloaded and a
# trace of its own, so that any call it made on a mouse would show.
cli() {
    LD_PRELOAD="$E2E_VM" VIRTUAL_MOUSE_TRACE="$cli_trace" VIRTUAL_MOUSE_SOCKET=off \
        "$E2E_FOLDER/orbex-mouse" "$@"
}

# The report rate box at the bottom left (its list opens upwards from
# (164, 529)).
box() { # picture name
    e2e_shot "$1"
    convert "$E2E_OUT/$1.png" -crop 110x30+110+514 +repage "$E2E_OUT/$1-box.png"
}
same() { [ "$(compare -metric AE "$E2E_OUT/$1-box.png" "$E2E_OUT/$2-box.png" null: 2>&1 || true)" = "0" ]; }

rates() { "$E2E_CTL" state | python3 -c 'import json, sys; print(json.load(sys.stdin)["devices"][0]["reportRate"])'; }

# --- 1. show through the window --------------------------------------------------
json=$(cli show --json)
python3 - "$json" <<'PY' || e2e_fail "show --json did not describe the stored profile: $json"
import json, sys
o = json.loads(sys.argv[1])
assert o["format"] == 1 and o["reportRate"] == 1000 and o["mouse"]["connected"], o
assert [k["key"] for k in o["keys"]] == list(range(1, 9)), o["keys"]
PY
box cli-before

# --- 2. report rate 500 ------------------------------------------------------------
cli set report-rate 500 || e2e_fail "set report-rate 500 ended with $?"
grep -q '^reportRate=2$' "$settings/p1.bin" || e2e_fail "the profile does not hold 500 Hz"
[ "$(rates)" = "[2, 2, 2, 2]" ] || e2e_fail "the mouse's profiles hold $(rates), not 2 ms"
sleep 0.5
box cli-500
same cli-before cli-500 && e2e_fail "the window's report rate box did not change"
cli set report-rate 1000
sleep 0.5
box cli-1000
same cli-before cli-1000 || e2e_fail "back at 1000 Hz the box does not look as at the start"

# --- 3. one process on the link --------------------------------------------------
[ ! -s "$cli_trace" ] || e2e_fail "the command's own process called the mouse: $(head -3 "$cli_trace")"

# --- 4. a bad value ------------------------------------------------------------------
set +e
message=$(cli set report-rate 600 2>&1)
code=$?
set -e
[ "$code" = 2 ] || e2e_fail "a bad report rate ended with $code, not 2"
case "$message" in *"125, 250, 500, 1000"*) ;; *) e2e_fail "the message names no valid rates: $message" ;; esac
[ "$(rates)" = "[1, 1, 1, 1]" ] || e2e_fail "the refused value changed the mouse: $(rates)"
echo "the window carried out the commands; pictures in $E2E_OUT/cli-*.png"
