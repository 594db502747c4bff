#!/usr/bin/env bash
# Under a real X server: start the program, check its window, close it, expect status 0.
set -u
program=$1 xwindow=$2
"$program" &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
read -r size id < <("$xwindow" wait Tavelon 30) || { echo "FAIL: the window never mapped"; xwininfo -root -tree; ps -o pid,stat,etime,cmd -p $pid; exit 1; }
echo "mapped, client area $size"
[ "$size" = "303x487" ] || { echo "FAIL: client area $size, expected 303x487"; exit 1; }
# The icon reaches the window system at 16 and 32 pixels.
icon=$(xprop -id "$id" _NET_WM_ICON)
[[ $icon == *"Icon (16 x 16)"* && $icon == *"Icon (32 x 32)"* ]] || { echo "FAIL: no 16 and 32 pixel icon"; exit 1; }
echo "icon at 16 and 32 pixels"
"$xwindow" close Tavelon || exit 1
for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "FAIL: still running after close"; exit 1; fi
wait $pid
status=$?
trap - EXIT
[ $status -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "closed, exit status 0"
