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

# Places in the main window (see flow_macro.sh for the editor's).
macro_editor_button=(140 452)
ex=192 ey=96
new_button=($((ex + 56)) $((ey + 424)))
record_button=($((ex + 268)) $((ey + 424)))
delay_box=($((ex + 376)) $((ey + 424)))
close_button=($((ex + 614)) $((ey + 20)))
# Key 5 is slot 4: the key list's fifth button, and its macro slot.
key=4
# The key assignment dialog's places; set from its layout (KeyAssigment.qml).
key_button=(${E2E_KEY5_BUTTON:-})
macro_section=(${E2E_MACRO_SECTION:-})
macro_choice=(${E2E_MACRO_CHOICE:-})
macro_first_name=(${E2E_MACRO_FIRST_NAME:-})
dialog_close=(${E2E_KEY_DIALOG_CLOSE:-})
save_button=(${E2E_SAVE_BUTTON:-})
for place in key_button macro_section macro_choice macro_first_name dialog_close save_button; do
    declare -n point=$place
    [ "${#point[@]}" -eq 2 ] || e2e_fail "no place for $place in the key assignment dialog"
done

e2e_click "${macro_editor_button[@]}" 0.8
e2e_click "${new_button[@]}"
e2e_click "${delay_box[@]}"
e2e_click "${record_button[@]}"
xdotool keydown a
sleep 0.3
xdotool keyup a
sleep 0.4
e2e_click "${record_button[@]}" 0.8
e2e_click "${close_button[@]}"

e2e_click "${key_button[@]}" 0.8
e2e_click "${macro_section[@]}"
e2e_click "${macro_choice[@]}"
e2e_click "${macro_first_name[@]}"
e2e_shot macro-key-dialog
e2e_click "${dialog_close[@]}" 1.5
e2e_click "${save_button[@]}" 1.5
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
stored = [ini.get("macro", str(i)) for i in range(total)] + [ini.get("config", "repeat")]
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

python3 - "$E2E_OUT/macro-key-state.json" "$key" "$expected" <<'PY'
import json, sys
state, key, expected = json.load(open(sys.argv[1])), int(sys.argv[2]), json.loads(sys.argv[3])
slot = state["devices"][0]["macros"][key]
print("expected payload", expected)
print("macro slot of key 5", slot[:len(expected) + 4], "...")
if slot[:len(expected)] != expected or any(slot[len(expected):]):
    sys.exit("the macro slot of key 5 does not hold the payload")
PY
