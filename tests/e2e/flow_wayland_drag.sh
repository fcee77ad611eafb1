#!/usr/bin/env bash
# The program as a native Wayland client: on weston (its X11 backend inside
# an Xvfb of its own, which gives the compositor a pointer seat) the window
# is drawn, and dragging its title bar moves it by the pointer's travel, which
# only the compositor can do there. Picture in <build>/e2e/wayland-drag.png.
set -euo pipefail
if [ -z "${E2E_WAYLAND_SCREEN:-}" ]; then
    export E2E_WAYLAND_SCREEN=1
    exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$0" "$@"
fi
. "$(dirname "$0")/e2e-lib.sh"
e2e_prepare "$1"

command -v weston >/dev/null || e2e_fail "weston is missing (scripts/install-deps installs it)"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    e2e_fail "Qt's Wayland platform is missing (qt6-wayland, installed by scripts/install-deps)"

# The compositor's output: a plain backdrop without a panel, so that the
# window is whatever differs from it.
output_w=1200 output_h=760 backdrop='#204060'
export XDG_RUNTIME_DIR="$E2E_FOLDER/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cat > "$E2E_FOLDER/weston.ini" <<EOF
[core]
idle-time=0
[shell]
background-color=0xff${backdrop#\#}
panel-position=none
locking=false
animation=none
startup-animation=none
EOF
weston --backend=x11-backend.so --use-pixman --config="$E2E_FOLDER/weston.ini" --socket=orbex-e2e \
    --width=$output_w --height=$output_h > "$E2E_OUT/wayland-drag-weston.log" 2>&1 &
weston_pid=$!
stop_all() { e2e_cleanup; kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; }
trap stop_all EXIT
for _ in $(seq 1 50); do
    [ -S "$XDG_RUNTIME_DIR/orbex-e2e" ] && break
    kill -0 "$weston_pid" 2>/dev/null || e2e_fail "weston ended: $(tail -n 5 "$E2E_OUT/wayland-drag-weston.log")"
    sleep 0.2
done
[ -S "$XDG_RUNTIME_DIR/orbex-e2e" ] || e2e_fail "weston made no socket within 10 s"

# weston keeps drawing its cursor where the pointer left the output: leave
# it at the output's middle, inside the window wherever weston places it.
park_pointer() {
    xdotool mousemove $((output_w / 2)) $((output_h / 2)) sleep 0.2 mousemove $((output_w + 40)) $((output_h + 20))
    sleep 0.3
}

# "width height x y" of what differs from the backdrop on the output.
window_box() {
    import -window root "$E2E_FOLDER/output.png"
    convert "$E2E_FOLDER/output.png" -crop ${output_w}x${output_h}+0+0 +repage \
        -fuzz 3% -fill black -opaque "$backdrop" -fill white +opaque black -trim \
        -format '%w %h %X %Y\n' info: | tr -d +
}

E2E_LOG="$E2E_OUT/wayland-drag-program.log"
park_pointer
WAYLAND_DISPLAY=orbex-e2e QT_QPA_PLATFORM=wayland LD_PRELOAD="$E2E_VM" \
    "$E2E_FOLDER/orbex-mouse" > "$E2E_LOG" 2>&1 &
E2E_PID=$!

# The whole window, drawn (the logo alone at first, then the panels).
box=""
for _ in $(seq 1 80); do
    kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended early"
    read -r w h x y < <(window_box)
    if [ "$w" = 1024 ] && [ "$h" = 640 ]; then box="$x $y"; break; fi
    sleep 0.25
done
[ -n "$box" ] || e2e_fail "no 1024 x 640 window on weston within 20 s (last seen ${w}x${h})"
sleep 2
# A Wayland client has no X window of its own.
[ -z "$(xdotool search --pid "$E2E_PID" 2>/dev/null || true)" ] ||
    e2e_fail "the program opened an X window instead of running on weston"
read -r w h x0 y0 < <(window_box)
import -window root -crop ${output_w}x${output_h}+0+0 "$E2E_OUT/wayland-drag.png"
e2e_drawn "$(e2e_spread "$E2E_OUT/wayland-drag.png")" || e2e_fail "the window on weston is blank"
echo "window at $x0,$y0 on weston"

# Drag the title bar (beside the logo, clear of its buttons) by (dx, dy) in
# small steps, as a hand would.
dx=60 dy=40 steps=10
xdotool mousemove $((x0 + 300)) $((y0 + 30)) sleep 0.3 mousedown 1 sleep 0.3
for _ in $(seq 1 $steps); do
    xdotool mousemove_relative -- $((dx / steps)) $((dy / steps))
    sleep 0.1
done
xdotool mouseup 1
park_pointer
sleep 0.5
read -r w h x1 y1 < <(window_box)
echo "window at $x1,$y1 after the drag"
[ "$w" = 1024 ] && [ "$h" = 640 ] || e2e_fail "after the drag the window shows ${w}x${h}, not 1024 x 640"
[ $((x1 - x0)) = $dx ] && [ $((y1 - y0)) = $dy ] ||
    e2e_fail "the drag by ($dx, $dy) moved the window by ($((x1 - x0)), $((y1 - y0)))"
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended during the drag"
echo "the title-bar drag moved the window on weston by ($dx, $dy)"
