#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The typical use of the window ID from the keyboard (Actinolite, the ratios, the width, Calculate!), then
# a picture of its client area in OUT, taken once the pavilion's figure is drawn.
#   typical_use.sh ID OUT.png   (on the X server the window is on)
set -uo pipefail
id=$1 out=$2
xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
xdotool key Down
for value in 1 0.43 0.15 0.6 10; do xdotool key Tab; xdotool type --delay 20 "$value"; done
xdotool key Tab Tab Tab Tab space
for _ in $(seq 100); do
    sleep 0.3
    /usr/bin/python3 - "$id" "$out" <<'PY' || exit 1
import re, subprocess, sys
from PIL import ImageGrab
info = subprocess.run(["xwininfo", "-id", sys.argv[1]], capture_output=True, text=True, check=True).stdout
x, y = (int(re.search(rf"Absolute upper-left {a}:\s+(-?\d+)", info).group(1)) for a in "XY")
picture = ImageGrab.grab(bbox=(x, y, x + 303, y + 487), xdisplay="")
picture.save(sys.argv[2])
# The pavilion's field, where a figure is written last: no longer one colour.
sys.exit(0 if len(picture.crop((147, 291, 198, 304)).getcolors(4096)) > 2 else 3)
PY
    [ $? -eq 3 ] || exit 0
done
echo "typical_use.sh: the pavilion's figure was never drawn" >&2
exit 1
