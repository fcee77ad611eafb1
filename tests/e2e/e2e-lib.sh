# Shared steps of the end-to-end tests: the built program on the virtual mouse
# in a program folder of its own, under the X server the test runs in.
# Source it, then call e2e_start <build folder>; it leaves
#   $E2E_OUT     <build>/e2e, where pictures and logs go
#   $E2E_FOLDER  the program folder (its modules/ tree is the program's)
#   $E2E_PID     the program's process
#   $E2E_WINDOW  the main window's X id, once its panels are shown
#   $E2E_CTL     the virtual mouse's control tool
# and stops the program and removes the folder when the script ends.

e2e_fail() {
    echo "$*" >&2
    [ -n "${E2E_OUT:-}" ] && import -window root "$E2E_OUT/failure-screen.png" 2>/dev/null || true
    [ -n "${E2E_LOG:-}" ] && [ -f "$E2E_LOG" ] && tail -n 40 "$E2E_LOG" >&2
    exit 1
}

e2e_stop() {
    if [ -n "${E2E_PID:-}" ] && kill -0 "$E2E_PID" 2>/dev/null; then
        kill "$E2E_PID" 2>/dev/null || true
        wait "$E2E_PID" 2>/dev/null || true
    fi
    E2E_PID=""
}

e2e_cleanup() {
    e2e_stop
    [ -n "${E2E_FOLDER:-}" ] && rm -rf "$E2E_FOLDER"
}

# Fails on a QML fault in the program's log: a value a typed property
# refused or a script error leaves a page without its pictures or a button
# without its action, while the flow's own checks may still pass.
e2e_check_log() { # [log file]
    local log=${1:-$E2E_LOG} faults
    faults=$(grep -E 'Unable to assign|TypeError|ReferenceError' "$log" || true)
    [ -z "$faults" ] || e2e_fail "QML faults in $log:
$faults"
}

# Picture of the main window, or of the whole screen with "root".
e2e_shot() { # name [window]
    import -window "${2:-$E2E_WINDOW}" "$E2E_OUT/$1.png"
}

e2e_spread() { identify -format '%[fx:standard_deviation]' "$1"; }
e2e_drawn() { awk -v s="$1" 'BEGIN { exit !(s > 0.02) }'; }

# Waits until the program has sent nothing to the mouse for a second: a save
# or a change of profile keeps the window locked until its last report.
e2e_settle() { # [most seconds]
    local last=-1 quiet=0 count
    for _ in $(seq 1 $(( ${1:-30} * 4 ))); do
        count=$(grep -cE ' (feature-send|feature-get|write) ' "$VIRTUAL_MOUSE_TRACE" 2>/dev/null || true)
        if [ "$count" = "$last" ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -ge 4 ] && { sleep 0.3; return 0; }
        else
            quiet=0
            last=$count
        fi
        sleep 0.25
    done
    e2e_fail "the program kept writing to the mouse for ${1:-30} s"
}

# Clicks at (x, y) in the main window and gives the UI time to answer.
e2e_click() { # x y [pause]
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click 1
    sleep "${3:-0.4}"
}

e2e_double_click() { # x y [pause]
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click --repeat 2 --delay 80 1
    sleep "${3:-0.4}"
}

# What the virtual mouse holds, as JSON, into a file of $E2E_OUT.
e2e_state() { # file name
    "$E2E_CTL" state > "$E2E_OUT/$1"
}

# Starts the program (again, in the same folder after e2e_stop) and waits
# until its window shows the panels. A test name picks the log file.
e2e_launch() { # name
    E2E_LOG="$E2E_OUT/$1-program.log"
    LD_PRELOAD="$E2E_VM" "$E2E_FOLDER/orbex-mouse" >"$E2E_LOG" 2>&1 &
    E2E_PID=$!
    e2e_wait_window "$1"
}

# Waits for the main window of $E2E_PID and then until it shows the panels.
e2e_wait_window() { # name
    E2E_WINDOW=""
    for _ in $(seq 1 100); do
        kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended early"
        E2E_WINDOW=$(xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | head -n 1 || true)
        [ -n "$E2E_WINDOW" ] && break
        sleep 0.2
    done
    [ -n "$E2E_WINDOW" ] || e2e_fail "no main window within 20 s"
    # Empty until the mouse is found; then the logo for a second and the
    # panels fade in.
    local picture="$E2E_OUT/$1-waiting.png"
    for _ in $(seq 1 60); do
        kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended after showing its window"
        import -window "$E2E_WINDOW" "$picture"
        e2e_drawn "$(e2e_spread "$picture")" && break
        sleep 0.25
    done
    rm -f "$picture"
    sleep 2
}

# Copies the program and its modules/ tree into a folder of its own and
# sets the variables above, without starting it.
e2e_prepare() { # build folder
    local build
    build=$(cd "$1" && pwd)
    E2E_OUT="$build/e2e"
    E2E_VM="$build/tools/virtual-mouse/libvirtual-mouse.so"
    E2E_CTL="$build/tools/virtual-mouse/virtual-mouse-ctl"
    for f in "$build/orbex-mouse" "$E2E_VM" "$E2E_CTL"; do
        [ -e "$f" ] || e2e_fail "missing $f: build the program and the virtual mouse first"
    done
    mkdir -p "$E2E_OUT"
    E2E_FOLDER=$(mktemp -d)
    trap e2e_cleanup EXIT
    cp "$build/orbex-mouse" "$E2E_FOLDER/"
    cp -r "$build/modules" "$E2E_FOLDER/modules"
    export VIRTUAL_MOUSE_SOCKET="$E2E_FOLDER/virtual-mouse.sock"
    export VIRTUAL_MOUSE_TRACE="$E2E_FOLDER/virtual-mouse-trace.txt"
    export QT_QPA_PLATFORM=xcb
}

e2e_start() { # build folder [name]
    e2e_prepare "$1"
    e2e_launch "${2:-$(basename "$0" .sh)}"
}

# Runs the calling script under Xvfb when there is no display.
e2e_need_display() { # "$0" "$@"
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" "$@"
    fi
}
