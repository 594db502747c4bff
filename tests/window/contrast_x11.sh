#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a real X server, with a desktop portal on its session bus that asks for more contrast:
# after the typical use, every text of the window stands at 7:1 or more, measured from its pixels.
#   contrast_x11.sh PROGRAM XWINDOW FAKE_PORTAL   (on an X server, on a private session bus)
set -uo pipefail
program=$1 xwindow=$2 portal=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$portal" --contrast 1 >"$work/portal.txt" </dev/null &
pids+=($!)
for _ in $(seq 600); do grep -q ready "$work/portal.txt" && break; sleep 0.1; done
grep -q ready "$work/portal.txt" || fail "the fake portal did not start"
"$program" &
pids+=($!)
read -r _ id < <("$xwindow" wait Tavelon 90) || fail "the window never mapped"
xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
# The typical use, from the keyboard: Actinolite, the ratios, the width, Calculate!.
xdotool key Down
for value in 1 0.43 0.15 0.6 10; do xdotool key Tab; xdotool type --delay 20 "$value"; done
xdotool key Tab Tab Tab Tab space
# The figures written are the sign that the keys have all been taken.
picture=$work/window.png
for _ in $(seq 100); do
    sleep 0.3
    /usr/bin/python3 - "$id" "$picture" <<'PY' || fail "no picture of the window"
import re, subprocess, sys
from PIL import ImageGrab
info = subprocess.run(["xwininfo", "-id", sys.argv[1]], capture_output=True, text=True, check=True).stdout
x, y = (int(re.search(rf"Absolute upper-left {a}:\s+(-?\d+)", info).group(1)) for a in "XY")
ImageGrab.grab(bbox=(x, y, x + 303, y + 487), xdisplay="").save(sys.argv[2])
PY
    # The pavilion's field, where 4.30 is written last: no longer all one colour.
    /usr/bin/python3 -c 'import sys; from PIL import Image; im = Image.open(sys.argv[1]).crop((147, 291, 198, 304)); sys.exit(len(im.getcolors(4096)) < 3)' "$picture" && break
done
/usr/bin/python3 "$here/../../tools/measure_contrast.py" "$picture" 7 || fail "a text under 7:1 with more contrast asked for"
