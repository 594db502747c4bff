#!/usr/bin/env bash
# The program as a user meets it. Without a display: --help and --version are answered, and a session
# with no usable window system ends with one plain line and status 1. Under a real X server: an option
# neither the program nor the toolkit takes is refused with status 2, the toolkit's own are taken, the
# window maps with the right client size and icon, and its Exit button ends the process with status 0.
#   smoke.sh PROGRAM XWINDOW [RUNNER]   RUNNER (wine) starts a Windows build of the program
# The window's facts come from the tests' CMake file: TAVELON_VERSION, TAVELON_CLIENT_SIZE (WIDTHxHEIGHT)
# and TAVELON_EXIT_BUTTON (x,y,width,height in the client area).
set -u
program=$1 xwindow=$2 runner=${3:-} err=$(mktemp) pid=
headless() { (unset DISPLAY WAYLAND_DISPLAY; ${runner:+"$runner"} "$program" "$@"); }
trap 'rm -f "$err"; [ -n "$pid" ] && kill $pid 2>/dev/null' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Each answer is whole lines, the last one ended too. (A Windows program ends its lines with CR LF.)
answer() {
    headless "$1" >"$err" || fail "$1 ended with status $?"
    [ "$(tail -c 1 "$err" | od -An -tx1)" = " 0a" ] || fail "$1 printed no line end: $(cat -A "$err")"
    out=$(tr -d '\r' <"$err")
}
for option in --help -h; do
    answer $option
    [[ $out == "Usage: tavelon [options]"* && $out == *--version* ]] || fail "$option printed: $out"
done
for option in --version -v; do
    answer $option
    [ "$out" = "Tavelon $TAVELON_VERSION" ] || fail "$option printed: $out"
done
if [ -z "$runner" ]; then
    # The toolkit's own options still reach it: on the offscreen platform the window opens without a display.
    (unset DISPLAY WAYLAND_DISPLAY; timeout 3 "$program" -platform offscreen -style=fusion >/dev/null 2>&1)
    status=$?
    [ $status -eq 124 ] || fail "-platform offscreen ended with status $status instead of opening the window"
    # Only the toolkit knows its options, so an unknown one is judged once a window system is there.
    (unset DISPLAY WAYLAND_DISPLAY; timeout 20 "$program" --no-such-option) >/dev/null 2>"$err"
    status=$?
    [ $status -eq 1 ] && grep -q '^tavelon: cannot open its window' "$err" ||
        fail "an unknown option without a display ended with status $status: $(cat "$err")"
fi
echo "command line: --help and --version without a display"

if [ -z "$runner" ]; then
    # A copy of the program with a plugin folder of its own (qt.conf beside it), without and with a
    # Wayland plugin: the hint to install one comes exactly when it is missing.
    copy=$(mktemp -d)
    trap 'rm -rf "$err" "$copy"; [ -n "$pid" ] && kill $pid 2>/dev/null' EXIT
    cp "$program" "$copy/tavelon"
    printf '[Paths]\nPlugins=%s/plugins\n' "$copy" >"$copy/qt.conf"
    mkdir -p "$copy/plugins/platforms"
    for wayland in missing installed; do
        [ $wayland = missing ] || : >"$copy/plugins/platforms/libqwayland-generic.so"
        env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=tavelon-test-absent XDG_SESSION_TYPE=wayland \
            timeout 20 "$copy/tavelon" >/dev/null 2>"$err"
        status=$?
        [ $status -eq 1 ] || { cat "$err"; fail "a session without a window system ended with status $status"; }
        line=$(grep '^tavelon: ' "$err")
        [[ $line == *'"tavelon-test-absent"'* && $line == *"DISPLAY is not set"* ]] || fail "no plain line: $(cat "$err")"
        hint=no
        [[ $line != *"install the package qt6-wayland"* ]] || hint=yes
        [ $hint = "$([ $wayland = missing ] && echo yes || echo no)" ] ||
            fail "with the Wayland plugin $wayland, the hint to install it: $hint: $line"
        # The toolkit's own reason follows ours.
        grep -q 'no Qt platform plugin could be initialized' "$err" || fail "without the toolkit's reason: $(cat "$err")"
        echo "no window system, Wayland plugin $wayland: status 1 and \"$line\""
    done
fi

# Wine keeps its server, and the display-less desktop of the runs above, for a few seconds: the window
# must come up on a fresh one that knows the X display.
[ -z "$runner" ] || wineserver -w
# A build that took the option would open its window and stay: that must fail here, not hang.
timeout 60 ${runner:+"$runner"} "$program" --no-such-option >/dev/null 2>"$err"
status=$?
[ $status -ne 124 ] || fail "an unknown option opened the window instead of being refused"
[ $status -eq 2 ] || fail "an unknown option ended with status $status, expected 2"
tr -d '\r' <"$err" | grep -qx "tavelon: Unknown option 'no-such-option'." || fail "$(cat "$err")"
tr -d '\r' <"$err" | grep -q '^Usage: tavelon \[options\]$' || fail "no usage line: $(cat "$err")"
if [ -z "$runner" ]; then
    # X11 options of the toolkit's own, which it takes before the program looks: the window opens.
    for option in "-title X" "-name foo" "-icon $err" "-display $DISPLAY"; do
        # shellcheck disable=SC2086
        timeout 3 "$program" $option >/dev/null 2>"$err"
        status=$?
        [ $status -eq 124 ] || fail "$option ended with status $status instead of opening the window: $(cat "$err")"
    done
fi
echo "command line: an unknown option refused (status 2), the toolkit's own taken"
${runner:+"$runner"} "$program" &
pid=$!
# Time limits allow for a busy machine: they bound a hang, they do not measure speed.
read -r size id < <("$xwindow" wait Tavelon 90) || { echo "FAIL: the window never mapped"; xwininfo -root -tree; ps -o pid,stat,etime,cmd -p $pid; exit 1; }
echo "mapped, client area $size"
[ "$size" = "$TAVELON_CLIENT_SIZE" ] || fail "client area $size, expected $TAVELON_CLIENT_SIZE"
# The icon reaches the window system at 16 and 32 pixels.
icon=$(xprop -id "$id" _NET_WM_ICON)
[[ $icon == *"Icon (16 x 16)"* && $icon == *"Icon (32 x 32)"* ]] || fail "no 16 and 32 pixel icon"
echo "icon at 16 and 32 pixels"
IFS=, read -r x y width height <<<"$TAVELON_EXIT_BUTTON"
xdotool mousemove --window "$id" $((x + width / 2)) $((y + height / 2)) click 1 || fail "could not click Exit"
for _ in $(seq 600); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then fail "still running after Exit"; fi
wait $pid
status=$?
pid=
[ $status -eq 0 ] || fail "exit status $status after Exit"
echo "Exit pressed, exit status 0"
# Let Wine's desktop process end with the program rather than lose its X server.
[ -z "$runner" ] || wineserver -w
