#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: the program
# with its factory tree, read-only, under /usr/lib/orbex-mouse and a command
# in /usr/bin; a udev rule and metainfo modalias for every mouse of the
# factory device table; a desktop entry, metainfo and icon that the
# validators accept; library dependencies found by dpkg-shlibdeps.
#   deb_contents.sh <build folder> <source folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$out"/*.deb)
dpkg-deb -c "$deb" >"$out/list"
cp "$out/list" "$build/packaging/deb-contents.txt"

has() { # mode path [link target]
    local link=${3:+ -> $3}
    grep -Eq "^$1 root/root +[0-9]+ [0-9-]+ [0-9:]+ \.$2$link\$" "$out/list" \
        || fail "the package lacks $2$link (mode $1)"
}
has '-rwxr-xr-x' /usr/lib/orbex-mouse/orbex-mouse
has 'lrwxrwxrwx' /usr/bin/orbex-mouse ../lib/orbex-mouse/orbex-mouse
has 'drwxr-xr-x' /usr/lib/orbex-mouse/modules/macro/
has '-rw-r--r--' /usr/lib/udev/rules.d/70-orbex-mouse.rules
has '-rw-r--r--' /usr/share/applications/example.meridan_orbex.OrbexMouse.desktop
has '-rw-r--r--' /usr/share/metainfo/example.meridan_orbex.OrbexMouse.metainfo.xml
has '-rw-r--r--' /usr/share/icons/hicolor/scalable/apps/orbex-mouse.svg
has '-rw-r--r--' /usr/share/icons/hicolor/256x256/apps/orbex-mouse.png
has '-rw-r--r--' /usr/share/bash-completion/completions/orbex-mouse
has '-rw-r--r--' /usr/share/man/man1/orbex-mouse.1
has '-rw-r--r--' /usr/share/kwin/scripts/orbex-mouse-focus/contents/code/main.js
has '-rw-r--r--' /usr/share/kwin/scripts/orbex-mouse-focus/metadata.json
has '-rw-r--r--' /usr/share/kwin/scripts/orbex-mouse-focus/metadata.desktop
has '-rw-r--r--' /usr/share/gnome-shell/extensions/orbex-mouse-focus@meridan-orbex.example/extension.js
has '-rw-r--r--' /usr/share/gnome-shell/extensions/orbex-mouse-focus@meridan-orbex.example/metadata.json
(cd "$source_dir/factory/modules" && find . -type f ! -name .keep) | while read -r f; do
    has '-rw-r--r--' "/usr/lib/orbex-mouse/modules/${f#./}"
done
if grep -Eq 'virtual-mouse|tst_|\.a$|/include/' "$out/list"; then
    fail "the package carries build or test files: $(grep -E 'virtual-mouse|tst_|\.a$|/include/' "$out/list" | head -n 3)"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6quickwidgets6 libhidapi-hidraw0 libudev1 qml6-module-qtquick; do
    [[ "$depends" == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/example.meridan_orbex.OrbexMouse.desktop"
appstreamcli validate --no-net "$out/root/usr/share/metainfo/example.meridan_orbex.OrbexMouse.metainfo.xml"
exec_command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$out/root/usr/share/applications/example.meridan_orbex.OrbexMouse.desktop")
[ -x "$out/root/usr/bin/$exec_command" ] || fail "the desktop entry starts $exec_command, which the package lacks"

python3 - "$source_dir/factory/modules/setting/apConfig.bin" \
    "$out/root/usr/lib/udev/rules.d/70-orbex-mouse.rules" \
    "$out/root/usr/share/metainfo/example.meridan_orbex.OrbexMouse.metainfo.xml" <<'PY'
import configparser, sys, xml.etree.ElementTree as ET
table = configparser.ConfigParser()
table.read(sys.argv[1])
rules = [l for l in open(sys.argv[2]) if not l.startswith("#") and l.strip()]
aliases = {m.text for m in ET.parse(sys.argv[3]).getroot().iter("modalias")}
count = table.getint("common", "deviceCount")
for i in range(count):
    vid, pid = table.get(str(i), "vid").lower(), table.get(str(i), "pid").lower()
    if not any(f'"{vid}"' in r and f'"{pid}"' in r and 'TAG+="uaccess"' in r for r in rules):
        sys.exit(f"no udev rule for entry {i} ({vid}:{pid})")
    if f"usb:v{vid.upper()}p{pid.upper()}*" not in aliases:
        sys.exit(f"no modalias for entry {i} ({vid}:{pid})")
print(f"{count} device table entries covered by {len(rules)} rule(s) and {len(aliases)} modalias(es)")
PY
echo "package $(basename "$deb") checked; its files are listed in $build/packaging/deb-contents.txt"
