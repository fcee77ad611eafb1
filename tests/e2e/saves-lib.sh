# The trusted-save flow, shared by the flows of both families: choose "Wave"
# and press Save, the mouse is pulled in the middle of the save, the window
# says the settings did not reach the mouse; plugged in again, the mouse is
# sent the stored profile and holds it, and the window says so.
# Source after e2e-lib.sh; call
#   saves_flow <family> <build> <calls before the unplug> <unplugged text> <sent text>
# with two parts of the window's texts in its language.

saves_json() { # python over `d` (the first device) and `n` (the notice lines)
    "$E2E_CTL" state > "$E2E_OUT/saves-state.json"
    python3 - "$E2E_OUT/saves-state.json" "$1" <<'PY'
import json, sys
d = json.load(open(sys.argv[1]))["devices"][0]
sys.exit(0 if eval(sys.argv[2]) else 1)
PY
}

saves_ini() { # file key: the value of [mouse] key
    python3 - "$1" "$2" <<'PY'
import configparser, sys
ini = configparser.ConfigParser(interpolation=None)
ini.optionxform = str
ini.read(sys.argv[1], encoding="utf-8")
print(ini["mouse"].get(sys.argv[2], ""))
PY
}

# Waits for a notice line of the UI in the program's log.
saves_wait_notice() { # pattern what [seconds]
    for _ in $(seq 1 $(( ${3:-20} * 10 ))); do
        grep -q "notice: $1" "$E2E_LOG" && return 0
        sleep 0.1
    done
    e2e_fail "the window never said $2"
}

# A picture of the window, once it is mapped again after the reconnect.
saves_shot() { # name
    for _ in $(seq 1 20); do
        e2e_shot "$1" 2>/dev/null && return 0
        sleep 0.25
    done
    e2e_fail "no picture of the window for $1"
}

saves_flow() { # family build
    local family=$1 build=$2 settings encoder
    settings="$E2E_FOLDER/modules/setting"
    encoder="$build/tests/e2e/e2e_expected_bytes"
    [ -x "$encoder" ] || e2e_fail "missing $encoder: build it first"
    local dpi_rows light_y
    dpi_rows=$(awk -F= '/^dpiCount=/ { print $2 }' "$settings/p1.bin")
    light_y=$((56 + 36 + 4 + dpi_rows * 27 + 8 + 8))

    # "Wave" is the sixth effect: Static, Breath, Neon, OFF, Twinkling, Wave.
    e2e_click 900 $((light_y + 44 + 12)) 0.5
    e2e_click 900 $((light_y + 44 + 24 + 3 + 5 * 24 + 12)) 0.3
    # The cable comes out after a few more reports: in the middle of the save.
    "$E2E_CTL" fault unplugAfter="$3" >/dev/null
    xdotool mousemove --window "$E2E_WINDOW" 968 620 click 1
    saves_wait_notice "failure mouse .*$4" "that the save did not reach the mouse"
    saves_shot "saves-$family-failure"
    local light
    light=$(saves_ini "$settings/p1.bin" lightValue)
    [ "${light%%,*}" = "5" ] || e2e_fail "the profile does not hold Wave (5): $light"
    [ "$(saves_ini "$settings/apConfig.bin" pendingSync)" = "true" ] ||
        e2e_fail "the missed write is not remembered in the global settings"
    saves_json 'not d["present"]' || e2e_fail "the mouse was not pulled during the save"
    grep -q "notice: done mouse" "$E2E_LOG" && e2e_fail "a save the mouse never took was shown as done"

    "$E2E_CTL" plug >/dev/null
    saves_wait_notice "done mouse .*$5" "that the settings were sent" 40
    e2e_settle
    # The window stays in the tray after a reconnect; a second start brings
    # it up. The confirmation may have faded by then.
    "$E2E_FOLDER/orbex-mouse" >/dev/null 2>&1 || true
    sleep 0.5
    saves_shot "saves-$family-sent"

    read -r -a light_values <<<"${light//,/ }"
    local colourful=plain triple
    [ "$(saves_ini "$settings/apConfig.bin" isColorful)" = "true" ] && colourful=colourful
    triple=$("$encoder" effect "$colourful" "${light_values[@]}" |
             python3 -c 'import json, sys; print(json.load(sys.stdin)["triple"])')
    echo "stored lighting $light; the encoder makes of it $triple"
    if [ "$family" = 560 ]; then
        saves_json "all(p[71:74] == $triple for p in d['profiles'][1:(5 if d['isGun'] else 2)])" ||
            e2e_fail "the mouse does not hold the stored effect $triple in every profile: $(cat "$E2E_OUT/saves-state.json")"
    else
        saves_json "d['ledEffect'] == $triple" ||
            e2e_fail "the mouse does not hold the stored effect $triple: $(cat "$E2E_OUT/saves-state.json")"
    fi
    [ -z "$(saves_ini "$settings/apConfig.bin" pendingSync)" ] ||
        e2e_fail "the mouse caught up, but the note that it is behind stayed"
    grep -q "notice: failure" <(sed -n "/$5/,\$p" "$E2E_LOG") &&
        e2e_fail "a failure was shown after the catch-up"
    echo "the $family mouse missed the save, was sent the stored profile when it was back, and holds it"
}
