# Places and steps of the macro editor for the end-to-end flows; source after
# e2e-lib.sh, once the program runs (e2e_start).

# The editor (640 x 448) opens centred in the main window, at (192, 96).
macro_ex=192
macro_ey=96
macro_new_button=($((macro_ex + 56)) $((macro_ey + 424)))
macro_record_button=($((macro_ex + 268)) $((macro_ey + 424)))
macro_delay_box=($((macro_ex + 376)) $((macro_ey + 424)))
macro_first_event=($((macro_ex + 280)) $((macro_ey + 86)))
macro_close_button=($((macro_ex + 614)) $((macro_ey + 20)))
# The insert-key dialog (240 x 80) sits centred on the editor.
macro_insert_key_close=($((macro_ex + 200 + 240 - 13)) $((macro_ey + 184 + 13)))

# Prints the place of the editor box's macro editor button. The box sits
# below the key list, whose height is the key page's own; counted from the
# bottom of the left column, the last blue buttons at x 40 are the macro
# editor, the gun editor and the system settings.
macro_find_editor_button() {
    xdotool mousemove --window "$E2E_WINDOW" 600 300
    sleep 0.3
    e2e_shot macro-main
    convert "$E2E_OUT/macro-main.png" -crop 1x640+40+0 txt:- | python3 -c '
import re, sys
runs, last = [], -2
for line in sys.stdin:
    m = re.match(r"0,(\d+):.*#09347F", line)
    if not m:
        continue
    y = int(m.group(1))
    if y != last + 1:
        runs.append([y, y])
    runs[-1][1] = last = y
runs = [r for r in runs if r[1] - r[0] >= 18]
if len(runs) < 3:
    sys.exit("no macro editor button in the left column")
top, bottom = runs[-3]
print(140, (top + bottom) // 2)
'
}

macro_open_editor() {
    local place
    place=$(macro_find_editor_button) || e2e_fail "cannot find the macro editor button"
    # shellcheck disable=SC2086
    e2e_click $place 0.8
}

# New macro, delay box ticked, "A" held for 0.3 s while recording.
macro_record_tap_a() { # [picture name while recording]
    e2e_click "${macro_new_button[@]}"
    e2e_click "${macro_delay_box[@]}"
    e2e_click "${macro_record_button[@]}"
    xdotool keydown a
    sleep 0.3
    xdotool keyup a
    sleep 0.5
    [ -n "${1:-}" ] && e2e_shot "$1"
    e2e_click "${macro_record_button[@]}" 0.8
}
