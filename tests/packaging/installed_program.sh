#!/usr/bin/env bash
# Installs the built program into a staging root as a package would (a
# folder the user may not write), then starts it from its desktop entry as an
# ordinary user on the virtual mouse, chooses 500Hz and ends it. The choice
# must be in that user's own settings folder and on the mouse, and the
# installed files must be exactly as installed.
#   installed_program.sh <build folder> <e2e-lib.sh>
set -euo pipefail
export PATH="$PATH:/usr/sbin:/sbin"   # useradd, userdel

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: needs root to install into the staging root as root and to add a user"
    exit 77
fi
source "$2"
e2e_need_display "$0" "$@"

build=$(cd "$1" && pwd)
user=orbex-e2e
E2E_OUT="$build/e2e"
E2E_CTL="$build/tools/virtual-mouse/virtual-mouse-ctl"
mkdir -p "$E2E_OUT"

E2E_FOLDER=$(mktemp -d)
chmod 755 "$E2E_FOLDER"
root="$E2E_FOLDER/root"
added_user=""
finish() {
    e2e_cleanup
    [ -z "$added_user" ] || userdel "$user" 2>/dev/null || true
}
trap finish EXIT

if ! id "$user" >/dev/null 2>&1; then
    useradd --no-create-home --shell /usr/sbin/nologin "$user"
    added_user=yes
fi

DESTDIR="$root" cmake --install "$build" --prefix /usr >"$E2E_OUT/installed-install.log"
desktop=$(ls "$root"/usr/share/applications/*.desktop)
program_folder="$root/usr/lib/orbex-mouse"
snapshot() { (cd "$root" && find . -printf '%p %M %u %s\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$E2E_OUT/installed-before.txt"
if setpriv --reuid "$user" --regid "$user" --init-groups test -w "$program_folder"; then
    e2e_fail "the user may write the installed program folder; the test proves nothing"
fi

# The user's own home, runtime folder and copy of the X cookie; the virtual
# mouse from a place the user may read.
home="$E2E_FOLDER/home"
run="$E2E_FOLDER/run"
mkdir -p "$home" "$run"
cp "$build/tools/virtual-mouse/libvirtual-mouse.so" "$E2E_FOLDER/"
if [ -n "${XAUTHORITY:-}" ]; then cp "$XAUTHORITY" "$run/Xauthority"; else touch "$run/Xauthority"; fi
chown -R "$user:" "$home" "$run"
chmod 700 "$run"
export VIRTUAL_MOUSE_SOCKET="$run/virtual-mouse.sock"

# Started as the desktop menu starts it: the Exec line, looked up in PATH.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
E2E_LOG="$E2E_OUT/installed-program.log"
setpriv --reuid "$user" --regid "$user" --init-groups \
    env -i HOME="$home" PATH="$root/usr/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" \
    XAUTHORITY="$run/Xauthority" XDG_RUNTIME_DIR="$run" QT_QPA_PLATFORM=xcb \
    VIRTUAL_MOUSE_SOCKET="$VIRTUAL_MOUSE_SOCKET" LD_PRELOAD="$E2E_FOLDER/libvirtual-mouse.so" \
    sh -c "exec $exec_line" >"$E2E_LOG" 2>&1 &
E2E_PID=$!

e2e_wait_window installed
e2e_shot installed-main-window

# The report rate box opens upwards from (206, 541); "500Hz" is its third row.
e2e_state installed-before.json
e2e_click 206 541 0.5
e2e_click 206 490 1.5
e2e_state installed-after.json
e2e_stop

user_folder="$home/.local/share/orbex-mouse"
[ "$(stat -c %U "$user_folder/modules/setting/p1.bin")" = "$user" ] \
    || e2e_fail "no settings of the user's own in $user_folder"
python3 - "$user_folder/modules/setting/p1.bin" "$E2E_OUT/installed-before.json" \
    "$E2E_OUT/installed-after.json" <<'PY'
import configparser, json, sys
profile = configparser.ConfigParser()
profile.read(sys.argv[1])
stored = profile.get("mouse", "reportRate", fallback=None)
def rates(path):
    value = json.load(open(path))["devices"][0]["reportRate"]
    return value if isinstance(value, list) else [value]
before, after = rates(sys.argv[2]), rates(sys.argv[3])
print("stored report rate", stored, "- on the mouse before", before, "after", after)
if all(r == 2 for r in before):
    sys.exit("the mouse was at 2 ms already; the check proves nothing")
if stored != "2":
    sys.exit("500Hz is not in the user's profile file")
if not after or any(r != 2 for r in after):
    sys.exit("500Hz did not reach the mouse as 2")
PY

snapshot >"$E2E_OUT/installed-after.txt"
diff -u "$E2E_OUT/installed-before.txt" "$E2E_OUT/installed-after.txt" \
    || e2e_fail "the installed files changed"
echo "installed program kept its settings in $user_folder; screenshot in $E2E_OUT/installed-main-window.png"
