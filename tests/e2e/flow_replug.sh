#!/usr/bin/env bash
# The mouse pulled and plugged in again within a fifth of a second, while the
# program listens to it: the program must find it again.
set -euo pipefail
. "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" replug

connects() { grep -c "^Device Connect" "$E2E_LOG" || true; }
[ "$(connects)" -eq 1 ] || e2e_fail "the program did not connect at start"

"$E2E_CTL" unplug
sleep 0.2
"$E2E_CTL" plug

for _ in $(seq 1 40); do
    [ "$(connects)" -ge 2 ] && break
    sleep 0.25
done
grep -q "^Device removed" "$E2E_LOG" || e2e_fail "the program never noticed the removal"
[ "$(connects)" -ge 2 ] || e2e_fail "not connected again within 10 s of the replug"
kill -0 "$E2E_PID" || e2e_fail "the program ended"
e2e_shot replug-reconnected
echo "reconnected after a quick replug"
