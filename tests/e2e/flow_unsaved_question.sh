#!/usr/bin/env bash
# Unsaved edits and a change of profile in the title bar: with the lighting
# changed but not saved, choosing another profile asks Save / Discard /
# Cancel. Cancel stays in the profile with the edit; Discard switches and
# leaves the stored profile as it was; Save stores the edit in the profile it
# was made in, then switches. Pictures in <build>/e2e/unsaved-*.png.
set -euo pipefail
source "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" unsaved
setting="$E2E_FOLDER/modules/setting"

# A second profile, slot 1, a copy of the first.
e2e_stop
sed -i 's/^profileName=.*/profileName=Standard0, Raid1/' "$setting/name.bin"
cp "$setting/p1.bin" "$setting/p2.bin"
e2e_launch unsaved

dpi_rows=$(awk -F= '/^dpiCount=/ { print $2 }' "$setting/p1.bin")
light_y=$((56 + 36 + 4 + dpi_rows * 27 + 8 + 8))
light_before=$(grep '^lightValue=' "$setting/p1.bin")
# The question, centred: its buttons Save, Discard, Cancel in a row.
answer() { # position
    e2e_click $((480 + 98 * $1)) 352 0.5
    e2e_settle
}
choose_wave() {
    e2e_click 900 $((light_y + 44 + 12)) 0.5
    e2e_click 900 $((light_y + 44 + 24 + 3 + 5 * 24 + 12)) 0.5
}
choose_profile() { # position in the title bar's list
    e2e_click 832 26 0.4
    e2e_click 832 $((53 + 24 * $1)) 0.6
    e2e_settle # a switch locks the window until its last report
}
in_use() { awk -F= '/^profileNo=/ { print $2 }' "$setting/apConfig.bin"; }

choose_wave
choose_profile 1
e2e_shot unsaved-question
grep -q "notice:" "$E2E_LOG" && e2e_fail "a notice before any save"
[ "$(in_use)" = 0 ] || e2e_fail "the profile changed before the answer"

answer 2
[ "$(in_use)" = 0 ] || e2e_fail "Cancel changed the profile"
e2e_shot unsaved-cancelled

choose_profile 1
answer 1
[ "$(in_use)" = 1 ] || e2e_fail "Discard did not change the profile"
[ "$(grep '^lightValue=' "$setting/p1.bin")" = "$light_before" ] || e2e_fail "Discard stored the edit"

choose_profile 0
[ "$(in_use)" = 0 ] || e2e_fail "without edits the profile changes at once"
choose_wave
choose_profile 1
answer 0
[ "$(in_use)" = 1 ] || e2e_fail "Save did not change the profile"
grep -q '^lightValue=5,' "$setting/p1.bin" || e2e_fail "Save did not store Wave in the first profile"
grep -q '^lightValue=5,' "$setting/p2.bin" && e2e_fail "the edit went into the profile switched to"
e2e_shot unsaved-saved
echo "the unsaved-changes question kept, dropped and saved the edit as answered"
