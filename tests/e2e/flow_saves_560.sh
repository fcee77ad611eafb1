#!/usr/bin/env bash
# A save cut off by pulling the mouse, on the 560 family (the factory
# settings: a gun mouse, colourful lighting). Pictures in
# <build>/e2e/saves-560-*.png.
set -euo pipefail
source "$(dirname "$0")/e2e-lib.sh"
source "$(dirname "$0")/saves-lib.sh"
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
e2e_start "$build" saves-560
saves_flow 560 "$build" 6 "it was unplugged" "sent to the mouse"
