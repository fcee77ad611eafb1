#!/usr/bin/env bash
# A save cut off by pulling the mouse, on the 553 family: the factory
# settings with the family changed, and a virtual mouse of that family; the
# window in Chinese.
# Pictures in <build>/e2e/saves-553-*.png.
set -euo pipefail
source "$(dirname "$0")/e2e-lib.sh"
source "$(dirname "$0")/saves-lib.sh"
e2e_need_display "$0" "$@"
build=$(cd "$1" && pwd)
e2e_start "$build" saves-553
e2e_stop
sed -i -e 's/^icType=560$/icType=553/' -e 's/^language=.*/language=ChineseSimplified/' \
    "$E2E_FOLDER/modules/setting/apConfig.bin"
printf '[mouse]\nfamily = 553\n' > "$E2E_FOLDER/vm.ini"
export VIRTUAL_MOUSE_CONFIG="$E2E_FOLDER/vm.ini"
e2e_launch saves-553
saves_flow 553 "$build" 4 "鼠标已被拔出" "已发送到鼠标"
