#!/usr/bin/env bash
# What Windows screen readers receive from tavelon.exe, seen under Wine through a stand-in for
# UIAutomationCore.dll that says a client listens and logs every call. Once the window's UI Automation
# root has been asked for (as a screen reader's first request does), each step below must raise exactly
# the notifications of its row: the program's own, with their kind (2 action completed, 4 other),
# processing (0 important-all, 1 important-most-recent) and activity, raised on the window.
#   speech_windows.sh PROGRAM XWINDOW STANDIN_DLL ACTIVATE_EXE
set -euo pipefail
program=$1 xwindow=$2 standin=$3 activate=$4
work=$(mktemp -d) pid=
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;uiautomationcore=n"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

wineboot --init >/dev/null 2>&1
wineserver -w
# The toolkit loads the library from the system folder only.
cp "$standin" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
log=$work/uia.log
: >"$log"
TAVELON_UIA_LOG=$(winepath -w "$log")
export TAVELON_UIA_LOG

# Where a control's middle is in the client area, from its place in the layout.
declare -A at=([vl]="76 175" [pw]="264 175" [cw]="76 199" [w3]="264 199" [wit]="172 247" [lengh]="172 271"
    [thi]="172 343" [ct]="172 367" [Calculate!]="152 396" [Targets Reset]="152 420" [Exit]="228 452")
click() {
    local x y
    read -r x y <<<"${at[$1]}"
    xdotool mousemove --window "$window" "$x" "$y" click 1
}
type_into() {
    click "$1"
    xdotool key ctrl+a BackSpace
    [ -z "$2" ] || xdotool type --delay 30 "$2"
}

# start REGION: the program with the user's region set to REGION (en-US, de-DE), its window, and the bridge
# asked for its root.
start() {
    local region=$1 key='HKCU\Control Panel\International'
    wine reg add "$key" /v LocaleName /d "$region" /f >/dev/null 2>&1
    wine reg add "$key" /v Locale /d "$([ "$region" = de-DE ] && echo 00000407 || echo 00000409)" /f >/dev/null 2>&1
    wine reg add "$key" /v sDecimal /d "$([ "$region" = de-DE ] && echo , || echo .)" /f >/dev/null 2>&1
    wineserver -w
    wine "$program" &
    pid=$!
    read -r _ window < <("$xwindow" wait Tavelon 60) || fail "the window never mapped"
    wine "$activate" Tavelon || fail "no window to ask for its root"
    grep -q '^root provider' "$log" || fail "the toolkit did not answer the request for its root: $(cat "$log")"
    # Keys go to the window: X's focus on it, and the pointer over it.
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool mousemove --window "$window" 150 100
}
stop() {
    click Exit
    wait $pid || fail "Tavelon ended with status $?"
    pid=
    wineserver -w
}

# expect NAME LINES STEP...: the program's notifications while the steps run are exactly LINES.
expect() {
    local name=$1 want=$2 got
    shift 2
    : >"$log"
    "$@"
    # A notification is raised while the key or click is handled; the program is idle once it answers.
    local count
    count=$(grep -c . <<<"$want" || true)
    for _ in $(seq 50); do
        [ "$(grep -c 'activity=Tavelon' "$log" || true)" -ge "$count" ] && break
        sleep 0.1
    done
    sleep 0.5 # and nothing more
    got=$(grep '^notification' "$log" | grep 'activity=Tavelon' || true)
    [ "$got" = "$want" ] || { echo "all calls: $(cat "$log")"; fail "$name: notifications \"$got\", expected \"$want\""; }
    echo "$name: ${want:-nothing}"
}
pick() { xdotool key Down; }
typical() { type_into vl 1 && type_into pw 0.43 && type_into cw 0.15 && type_into w3 0.6; }
case_of() { # the one target field given
    click "Targets Reset"
    type_into "$1" "$2"
    click Calculate!
}

start en-US
picked='notification kind=4 processing=1 activity=Tavelon.Pick host=1 text=Actinolite, density 3.25'
expect "a pick" "$picked" pick
# The toolkit may say the list's new value too; ours, with the name and the density, comes last, so that
# a reader that keeps only the most recent notification says both.
[ "$(grep '^notification' "$log" | tail -n 1)" = "$picked" ] || fail "the pick's notification is not the last: $(cat "$log")"
expect "typing" "" typical
results='processing=0 activity=Tavelon.Results host=1 text='
expect "width case" "notification kind=2 ${results}Length 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of wit 10
expect "length case" "notification kind=2 ${results}Width 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of lengh 10
expect "weight case" "notification kind=2 ${results}Width 10.00 mm, length 10.00 mm, total height 5.80 mm, pavilion 4.30 mm, crown 1.50 mm" case_of ct 9.75
expect "height case" "notification kind=2 ${results}Width 10.00 mm, length 10.00 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of thi 5.8
two_targets() { type_into ct 9; click Calculate!; }
expect "two targets: nothing written" "" two_targets
stop

start de-DE
pick_twice() { xdotool key Down Down; }
expect "two picks in a comma locale" "notification kind=4 processing=1 activity=Tavelon.Pick host=1 text=Actinolite, density 3,25
notification kind=4 processing=1 activity=Tavelon.Pick host=1 text=Agate, density 2,6" pick_twice
stop
