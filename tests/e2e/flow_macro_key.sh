#!/usr/bin/env bash
# A recorded macro on a key of the virtual mouse: record "A" down and up with
# its pause in a new macro, assign the macro to key 5 in the key assignment
# dialog, close it and save; the virtual mouse's macro slot of key 5 then
# holds the payload that the UI's own encoder (MacroPayload.js, run by the
# QML test runner) computes from the saved macro file.
# Skips itself while the program has no key assignment dialog.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$here/../../modules/qml/Z7/KeyAssigment.qml" ]; then
    echo "skipped: no key assignment page"
    exit 0
fi

source "$here/e2e-lib.sh"
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
runner="$build/tests/qml/tst_qml"
[ -x "$runner" ] || e2e_fail "missing $runner: build the tests first"
e2e_start "$build" macro-key
source "$here/macro-editor-lib.sh"

# The key list and the key assignment dialog, as the key page lays them out
# (its flow_keys.sh): key buttons 34 apart from y 116; the dialog centred at
# (212, 122) with its sections 32 high from y 170, the macro section fifth;
# its macro drop-down at (408, 214), 220 x 28, rows of 24 below it; OK at
# the right of its foot; the main window's save button at the bottom right.
key=5
key_button=(140 $((116 + 14 + 34 * (key - 1))))
macro_section=(300 $((170 + 16 + 32 * 4)))
macro_list=(518 228)
macro_first_name=(518 $((214 + 28 + 3 + 12)))
ok_button=(744 495)
save_button=(968 620)

macro_open_editor
macro_record_tap_a
e2e_click "${macro_close_button[@]}"

e2e_click "${key_button[@]}" 0.8
e2e_click "${macro_section[@]}"
e2e_click "${macro_list[@]}"
e2e_click "${macro_first_name[@]}"
e2e_shot macro-key-dialog
e2e_click "${ok_button[@]}" 1.5
e2e_click "${save_button[@]}" 2.5
e2e_state macro-key-state.json

# The payload the UI computes for the saved file, printed by the test runner.
macro_file="$E2E_FOLDER/modules/macro/Macro_0.bin"
[ -f "$macro_file" ] || e2e_fail "no macro file Macro_0"
probe=$(mktemp -d)
python3 - "$macro_file" > "$probe/tst_expected.qml" <<'PY'
import configparser, json, sys
ini = configparser.ConfigParser(interpolation=None)
ini.read(sys.argv[1], encoding="utf-8")
total = ini.getint("config", "total")
# Texts with a comma are stored quoted.
stored = [ini.get("macro", str(i)).strip('"') for i in range(total)] + [ini.get("config", "repeat")]
print('''import QtQuick
import QtTest
import "qrc:/modules/qml/basic"
import "qrc:/modules/qml/common/MacroPayload.js" as MacroPayload
TestCase {
    name: "ExpectedPayload"
    KeyCodeString { id: keyNames }
    function test_payload() {
        var macro = MacroPayload.fromStored(%s)
        console.log("PAYLOAD " + JSON.stringify(MacroPayload.build(macro.events, macro.repeat, keyNames)))
    }
}''' % json.dumps(stored, ensure_ascii=False))
PY
expected=$(QT_QPA_PLATFORM=offscreen "$runner" -platform offscreen -input "$probe/tst_expected.qml" 2>&1 \
    | sed -n 's/.*PAYLOAD //p')
rm -rf "$probe"
[ -n "$expected" ] || e2e_fail "the encoder gave no payload"

python3 - "$E2E_OUT/macro-key-state.json" "$((key - 1))" "$expected" <<'PY'
import json, sys
state, slot_index, expected = json.load(open(sys.argv[1])), int(sys.argv[2]), json.loads(sys.argv[3])
slot = [int(b, 16) if isinstance(b, str) else int(b) for b in state["devices"][0]["macros"][slot_index]]
print("expected payload", expected)
print("macro slot of key 5", slot[:len(expected) + 4], "...")
if slot[:len(expected)] != expected or any(slot[len(expected):]):
    sys.exit("the macro slot of key 5 does not hold the payload")
PY
