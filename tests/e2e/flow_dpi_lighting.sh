#!/usr/bin/env bash
# The DPI and lighting panels on the virtual mouse (the factory settings: a
# 560-family gun mouse, colourful lighting, four DPI stages), by clicks:
# 1. drag stage 2 to about 1600 and save: profile 1 of the mouse holds the
#    stage codes and the enable mask that the controller's encoder makes of
#    the values the program stored;
# 2. choose "Wave" and save: profile 1 bytes 71 to 73 hold the encoder's
#    triple for the stored effect, speed and brightness;
# 3. press the mouse's DPI button, once with no dialog and once under the
#    reset dialog: the highlight moves to the mouse's stage within half a
#    second. Pictures in <build>/e2e/dpi-lighting-*.png.
set -euo pipefail

source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
encoder="$build/tests/e2e/e2e_expected_bytes"
[ -x "$encoder" ] || e2e_fail "missing $encoder: build it first"
e2e_start "$build" dpi-lighting
settings="$E2E_FOLDER/modules/setting"

# Layout of the right column (window pixels): the DPI panel at (768, 56),
# a stage row every 27 pixels from y 96, the slider of a row at x 804 with
# its knob centre 6 to the right of the knob's position and 20 below the
# row's top, each stage's badge at x 780 to 796 beside it. The lighting
# panel follows 8 below the DPI panel (36 + 4 + rows x 27 + 8 high); its
# effect list at (44, 44), 176 x 24, rows of 24 opening below.
stage_y() { echo $((96 + 27 * $1 + 20)); }
dpi_rows=$(awk -F= '/^dpiCount=/ { print $2 }' "$settings/p1.bin")
light_y=$((56 + 36 + 4 + dpi_rows * 27 + 8 + 8))
save_button=(968 620)
reset_button=(888 620)

ini() { # file key: the value of [mouse] key
    python3 - "$1" "$2" <<'PY'
import configparser, sys
ini = configparser.ConfigParser(interpolation=None)
ini.optionxform = str
ini.read(sys.argv[1], encoding="utf-8")
print(ini["mouse"][sys.argv[2]])
PY
}

json_get() { # json key: the value of a top-level key, as JSON
    python3 -c 'import json, sys; print(json.dumps(json.loads(sys.argv[1])[sys.argv[2]]))' "$1" "$2"
}

# Waits until the virtual mouse's state satisfies a Python test on `profile1`
# (or on `profiles`, every block, and `gun`).
wait_for_mouse() { # python-condition what
    for _ in $(seq 1 40); do
        e2e_state dpi-lighting-state.json
        if python3 - "$E2E_OUT/dpi-lighting-state.json" "$1" <<'PY'
import json, sys
device = json.load(open(sys.argv[1]))["devices"][0]
gun, profiles = device["isGun"], device["profiles"]
profile1 = profiles[1]
sys.exit(0 if eval(sys.argv[2]) else 1)
PY
        then return 0; fi
        sleep 0.25
    done
    e2e_fail "the mouse never got $2"
}

# --- 1. stage 2 to about 1600 ------------------------------------------------
min=$(ini "$settings/apConfig.bin" minDPI)
max=$(ini "$settings/apConfig.bin" maxDPI)
sensor=$(ini "$settings/apConfig.bin" sensorType)
before=$(ini "$settings/p1.bin" dpiValueArray)
# The knob travels 158 pixels from x 3 over the range; aim just past 1600.
knob=$(awk -v lo="$min" -v hi="$max" 'BEGIN { printf "%d", 3 + int((1600 - lo) * 158 / (hi - lo)) + 1 }')
e2e_click $((804 + knob + 6)) "$(stage_y 1)" 0.6
e2e_shot dpi-lighting-stage2
e2e_click "${save_button[@]}" 1

values=$(ini "$settings/p1.bin" dpiValueArray)
count=$(ini "$settings/p1.bin" currentDpiCount)
echo "stage values before: $before; after: $values; stages in use: $count"
read -r -a stage_values <<<"${values//,/ }"
[ "${stage_values[1]}" -ge 1500 ] && [ "${stage_values[1]}" -le 1700 ] ||
    e2e_fail "stage 2 was stored as ${stage_values[1]}, not about 1600"
expected=$("$encoder" dpi "$sensor" "$count" "${stage_values[@]}")
echo "the encoder makes of them: $expected"
wait_for_mouse "profile1[84:92] == $(json_get "$expected" codes) and profile1[92:100] == profile1[84:92] and profile1[100] == $(json_get "$expected" mask)" \
    "the stage codes and mask $expected"
e2e_settle

# --- 2. "Wave" -----------------------------------------------------------------
[ "$(ini "$settings/apConfig.bin" isColorful)" = "true" ] || e2e_fail "the flow expects the colourful model"
e2e_click 900 $((light_y + 44 + 12)) 0.5
e2e_shot dpi-lighting-effects
# "Wave" is the sixth item: Static, Breath, Neon, OFF, Twinkling, Wave.
e2e_click 900 $((light_y + 44 + 24 + 3 + 5 * 24 + 12)) 0.5
e2e_shot dpi-lighting-wave
e2e_click "${save_button[@]}" 1
light=$(ini "$settings/p1.bin" lightValue)
echo "stored light value: $light"
[ "${light%%,*}" = "5" ] || e2e_fail "the stored effect is not Wave (5): $light"
read -r -a light_values <<<"${light//,/ }"
triple=$("$encoder" effect colourful "${light_values[@]}")
echo "the encoder makes of it: $triple"
wait_for_mouse "profile1[71:74] == $(json_get "$triple" triple)" "the effect triple $triple"
# A gun mouse gets the other profiles after the first; the window answers
# the DPI button once the link is quiet again.
wait_for_mouse "not gun or all(p[71:74] == profile1[71:74] for p in profiles[2:])" "the triple in every profile"
sleep 1

# --- 3. the DPI button ---------------------------------------------------------
# The badge of the active stage is filled with the highlight colour; a point
# inside the badge, clear of its digit, tells which stage is lit.
lit_stage() { # picture
    local stage pixel
    for stage in $(seq 0 $((dpi_rows - 1))); do
        pixel=$(convert "$1" -crop "1x1+782+$(stage_y "$stage")" -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
        read -r r g b <<<"$pixel"
        if [ "$r" -gt 60 ] && [ "$r" -gt $((3 * g)) ] && [ "$r" -gt $((3 * b)) ]; then
            echo "$stage"
            return
        fi
    done
    echo none
}

mouse_stage() {
    "$E2E_CTL" state | python3 -c 'import json, sys; print(json.load(sys.stdin)["devices"][0]["currentDpi"][0])'
}

press_and_check() { # picture name
    local was now want
    was=$(lit_stage "$E2E_OUT/$1-before.png")
    "$E2E_CTL" press-dpi >/dev/null
    sleep 0.5
    e2e_shot "$1-after"
    now=$(lit_stage "$E2E_OUT/$1-after.png")
    want=$(( $(mouse_stage) - 1 ))
    echo "$1: lit stage before $was, half a second after the press $now; the mouse is at stage index $want"
    if [ "$now" != "$want" ] || [ "$now" = "$was" ]; then
        sleep 3
        e2e_shot "$1-late"
        e2e_fail "the highlight did not follow the DPI button within half a second ($1);" \
                 "three seconds later stage $(lit_stage "$E2E_OUT/$1-late.png") is lit"
    fi
}

e2e_shot dpi-lighting-press-before
press_and_check dpi-lighting-press

e2e_click "${reset_button[@]}" 0.5
e2e_shot dpi-lighting-dialog-press-before
press_and_check dpi-lighting-dialog-press
echo "DPI and lighting reached the mouse; pictures in $E2E_OUT/dpi-lighting-*.png"
e2e_check_log
