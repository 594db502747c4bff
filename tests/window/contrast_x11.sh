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
picture=$work/window.png
"$here/typical_use.sh" "$id" "$picture" || fail "no picture of the window after the typical use"
/usr/bin/python3 "$here/../../tools/measure_contrast.py" "$picture" 7 || fail "a text under 7:1 with more contrast asked for"
