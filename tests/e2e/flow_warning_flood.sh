#!/usr/bin/env bash
# Five thousand warning texts from other processes at once, and one of a
# mebibyte: the program shows one box at a time and stays alive and live.
set -euo pipefail
. "$(dirname "$0")/e2e-lib.sh"
e2e_need_display "$0" "$@"
e2e_start "$1" warning-flood

# Sends tagged texts to the running instance of a program file, the way
# another process does: tag, byte count, bytes; "flood N", "huge" or "probe"
# (which waits for the answer and prints how long it took).
send() {
    python3 - "$E2E_FOLDER/orbex-mouse" "$@" <<'PY'
import hashlib, os, socket, struct, sys, tempfile, time
program, mode = os.path.realpath(sys.argv[1]), sys.argv[2]
key = (program + "\n" + str(os.getuid())).encode()
name = "orbex-mouse-" + hashlib.sha1(key).hexdigest()[:16] + "-message"
# the program's private socket folder: the runtime folder when it is fit, else its own in the temporary folder
runtime = os.environ.get("XDG_RUNTIME_DIR", "")
folders = [runtime] if runtime else []
folders.append(os.path.join(tempfile.gettempdir(), "orbex-mouse-%d" % os.getuid()))
path = next((p for p in (os.path.join(f, name) for f in folders) if os.path.exists(p)),
            os.path.join(folders[-1], name))
def send(data, tag=9487, answer=False):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(path)
    s.sendall(struct.pack("<QI", tag, len(data)) + data)
    if answer:
        s.settimeout(30)
        s.recv(1)
    s.close()
if mode == "flood":
    for i in range(int(sys.argv[3])):
        send(b"Warning %d" % i)
elif mode == "huge":
    send(b"x" * (1 << 20))
else:
    start = time.monotonic()
    send(b"probe", tag=1, answer=True)
    print("%.0f" % ((time.monotonic() - start) * 1000))
PY
}

boxes() { xdotool search --onlyvisible --pid "$E2E_PID" 2>/dev/null | grep -vx "$E2E_WINDOW" | wc -l; }

# The huge text first: its box must not hold the window while it is laid out.
send huge
ms=$(send probe)
[ "$ms" -lt 2000 ] || e2e_fail "the program answered only after $ms ms with a huge warning open"

send flood 5000
sleep 3
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program did not survive the flood"
[ "$(boxes)" -eq 1 ] || e2e_fail "expected one warning box, found $(boxes)"
e2e_shot warning-flood root
echo "one box at a time; answered in $ms ms with a huge warning open"
