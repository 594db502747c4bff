#!/usr/bin/env bash
# What Windows screen readers receive from tavelon.exe, seen under Wine through a stand-in for
# UIAutomationCore.dll that says a client listens and logs every call. Once the window's UI Automation
# root has been asked for (as a screen reader's first request does), each step below must raise exactly
# the notifications of its row: the program's own, with their kind (2 action completed, 4 other),
# processing (0 important-all, 2 all) and activity, raised on the window. A pick's material is heard as
# the list's new value, a property change that the density's notification must follow without cutting
# it off. The controls are reached as a keyboard user reaches them, by the tab order.
#   speech_windows.sh PROGRAM XWINDOW STANDIN_DLL ACTIVATE_EXE
set -euo pipefail
program=$1 xwindow=$2 standin=$3 activate=$4
work=$(mktemp -d) pid=
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;uiautomationcore=n"
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

wineboot --init >/dev/null 2>&1
wineserver -w
# The stand-in in the system folder; and, where a download may leave one, a copy of it beside the program,
# which must never be loaded.
cp "$standin" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
mkdir "$work/Downloads"
cp "$program" "$work/Downloads/tavelon.exe"
cp "$standin" "$work/Downloads/UIAutomationCore.dll"
program=$work/Downloads/tavelon.exe
log=$work/uia.log
: >"$log"
TAVELON_UIA_LOG=$(winepath -w "$log")
export TAVELON_UIA_LOG

# The tab order from the material list, where the focus is at start; the window's tests hold it.
order=(mat vl pw cw w3 wit lengh thi ct Calculate! "Targets Reset" "Reset All" Exit)
focus=0
go_to() {
    local i
    for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && break; done
    [ "${order[$i]}" = "$1" ] || fail "no control $1 in the tab order"
    while [ "$focus" != "$i" ]; do
        xdotool key Tab
        focus=$(((focus + 1) % ${#order[@]}))
    done
}
press() { go_to "$1" && xdotool key space; }
type_into() {
    go_to "$1"
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
    read -r _ window < <("$xwindow" wait Tavelon 90) || fail "the window never mapped"
    wine "$activate" Tavelon || fail "no window to ask for its root"
    grep -q '^root provider' "$log" || fail "the toolkit did not answer the request for its root: $(cat "$log")"
    grep -qix 'loaded from c:\\windows\\system32\\uiautomationcore.dll' "$log" &&
        ! grep '^loaded from' "$log" | grep -qiv 'system32' ||
        fail "UIAutomationCore.dll not from the system folder alone: $(grep '^loaded from' "$log")"
    # Keys go to the window: X's focus on it, and the pointer over it.
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool mousemove --window "$window" 150 100
    focus=0
}
stop() {
    press Exit
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
pick() { go_to mat && xdotool key Down; }
typical() { type_into vl 1 && type_into pw 0.43 && type_into cw 0.15 && type_into w3 0.6; }
case_of() { # the one target field given
    press "Targets Reset"
    type_into "$1" "$2"
    press Calculate!
}

start en-US
expect "a pick" 'notification kind=4 processing=2 activity=Tavelon.Pick host=1 text=Density 3.25' pick
# The name is heard as the list's new value (30045, UI Automation's Value property), raised before the
# density, whose processing (all, not most recent) lets it be said to its end.
heard=$(grep -E '^(property id=30045 value=Actinolite$|notification .*activity=Tavelon)' "$log" || true)
[ "$(head -n1 <<<"$heard")" = "property id=30045 value=Actinolite" ] ||
    fail "the material's name is not raised as the list's new value before the density: $(cat "$log")"
expect "typing" "" typical
results='processing=0 activity=Tavelon.Results host=1 text='
expect "width case" "notification kind=2 ${results}Length 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of wit 10
expect "length case" "notification kind=2 ${results}Width 10.00 mm, total height 5.80 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of lengh 10
expect "weight case" "notification kind=2 ${results}Width 10.00 mm, length 10.00 mm, total height 5.80 mm, pavilion 4.30 mm, crown 1.50 mm" case_of ct 9.75
expect "height case" "notification kind=2 ${results}Width 10.00 mm, length 10.00 mm, weight 9.75 ct, pavilion 4.30 mm, crown 1.50 mm" case_of thi 5.8
two_targets() { type_into ct 9; press Calculate!; }
expect "two targets: nothing written" "" two_targets
stop

start de-DE
pick_twice() { go_to mat && xdotool key Down Down; }
expect "two picks in a comma locale" "notification kind=4 processing=2 activity=Tavelon.Pick host=1 text=Density 3,25
notification kind=4 processing=2 activity=Tavelon.Pick host=1 text=Density 2,6" pick_twice
stop
