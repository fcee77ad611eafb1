#!/usr/bin/env bash
# The macro editor in the running program on the virtual mouse: open it from
# the editor box, make a new macro, tick the delay box, record "A" down and
# up typed with xdotool, stop; the macro file then holds press A, the pause
# and release A. Photographs the editor in English and in Chinese, with its
# context menu and the insert-key dialog, into <build>/e2e/macro-*.png.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" macro
source "$here/macro-editor-lib.sh"
macro_dir="$E2E_FOLDER/modules/macro"

macro_open_editor
e2e_shot macro-editor-open
macro_record_tap_a macro-editor-recording
e2e_shot macro-editor-recorded
[ -f "$macro_dir/Macro_0.bin" ] || e2e_fail "New made no macro file Macro_0"
grep -q '^macroName=Macro_0, loaderzorvex$' "$E2E_FOLDER/modules/setting/name.bin" \
    || e2e_fail "the name list does not hold Macro_0"

python3 - "$macro_dir/Macro_0.bin" <<'PY'
import configparser, sys
ini = configparser.ConfigParser(interpolation=None)
ini.read(sys.argv[1], encoding="utf-8")
total = ini.getint("config", "total")
# Texts with a comma are stored quoted.
events = [ini.get("macro", str(i)).strip('"') for i in range(total)]
print("Macro_0 holds", events, "repeat", ini.get("config", "repeat"))
if len(events) != 3 or events[0] != "1,A" or events[2] != "2,A":
    sys.exit("expected press A, a pause, release A")
kind, ms = events[1].split(",")
if kind != "0" or int(ms) % 10 or not 250 <= int(ms) <= 3000:
    sys.exit("the pause between press and release is %s, not whole 10 ms from 300 on" % events[1])
PY

# The event list's context menu, then Insert Key waiting for a key.
xdotool mousemove --window "$E2E_WINDOW" "${macro_first_event[@]}" click 3
sleep 0.4
e2e_shot macro-editor-menu
e2e_click $((macro_first_event[0] + 30)) $((macro_first_event[1] + 4 + 2 * 24 + 12))
xdotool key b
sleep 0.4
e2e_shot macro-editor-insert-key
e2e_click "${macro_insert_key_close[@]}"
e2e_click "${macro_close_button[@]}"

# The same in Chinese.
e2e_check_log
e2e_stop
# With its last client gone the X server resets; let it finish first.
sleep 1
for _ in $(seq 1 20); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.25; done
sed -i 's/^language=.*/language=ChineseSimplified/' "$E2E_FOLDER/modules/setting/apConfig.bin"
e2e_launch macro-zh
macro_open_editor
e2e_shot macro-editor-zh
xdotool mousemove --window "$E2E_WINDOW" "${macro_first_event[@]}" click 3
sleep 0.4
e2e_shot macro-editor-menu-zh
echo "screenshots in $E2E_OUT/macro-editor-*.png"
e2e_check_log
