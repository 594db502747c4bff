#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layout test on Windows' own platform rather than the offscreen one, under Wine as Windows 10 and
# Windows 11, each in light and dark app mode: every control in its place, at its size, in its face, and
# the window in the mode's colours; Calculate! drawn from a bold face file. Then the program itself, as
# the user changes the app mode while it runs: the window follows, to dark and back.
#   layout_windows.sh TST_LAYOUT_EXE PROGRAM XWINDOW SETTINGCHANGE   (on an X server)
set -uo pipefail
exe=$(realpath "$1") program=$2 xwindow=$3 settingchange=$4
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset WINEQT_QPA_PLATFORM
# shellcheck source=../../tools/wine-system.sh
. "$(dirname "$0")/../../tools/wine-system.sh"
# Each system in a prefix of its own, copied from one made once: a prefix that changes mode between runs
# does not always show the new one.
WINEPREFIX=$work/made wineboot --init >/dev/null 2>&1
WINEPREFIX=$work/made wineserver -w
status=0
for version in win10 win11; do
    for mode in light dark; do
        cp -a "$work/made" "$work/$version-$mode"
        export WINEPREFIX=$work/$version-$mode
        wine_system "$version" "$mode"
        out=$work/$version-$mode.txt
        wine "$exe" -o "$(winepath -w "$out"),txt" >/dev/null 2>&1
        result=$?
        wineserver -w
        echo "== Windows ${version#win}, $mode: $(grep '^Totals' "$out")"
        [ $result -eq 0 ] || { grep -E '^(FAIL|   |\./)' "$out"; status=1; }
        # The run saw the mode: a window darker than mid-grey in dark mode, lighter in light mode.
        # Wine's Tahoma draws its bold like its regular at this size; the face taken must have a bold file.
        grep -q '^QINFO *: .*Command1: Liberation Sans, weight 700 in its file' "$out" ||
            { echo "FAIL: Calculate! not in a bold face file: $(grep 'Command1:' "$out")"; status=1; }
        colour=$(grep -o 'window colour #[0-9a-f]*' "$out" | head -n1 | cut -c16-)
        if [ -z "$colour" ]; then
            echo "FAIL: no window colour in $mode mode"
            status=1
            continue
        fi
        lightness=$(((16#${colour:0:2} + 16#${colour:2:2} + 16#${colour:4:2}) / 3))
        { [ $mode = light ] && ((lightness > 128)); } || { [ $mode = dark ] && ((lightness < 128)); } ||
            { echo "FAIL: the window in $mode mode has the colour #$colour"; status=1; }
    done
done

# lightness RRGGBB: the mean of the three channels, 0 to 255.
lightness() { echo $(((16#${1:0:2} + 16#${1:2:2} + 16#${1:4:2}) / 3)); }
# The app mode changed while the program runs, as Windows 11 reports it: the registry value, then the
# setting's change to the window. The window's own background (left of the frame) follows within a minute.
export WINEPREFIX=$work/win11-light
wine "$program" >/dev/null 2>&1 &
pid=$!
if read -r _ id < <("$xwindow" wait Tavelon 90); then
    for mode in dark light; do
        wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
            /t REG_DWORD /d "$([ $mode = light ] && echo 1 || echo 0)" /f >/dev/null 2>&1
        wine "$settingchange" Tavelon ImmersiveColorSet >/dev/null 2>&1 || echo "FAIL: the window was not told"
        followed=no
        for _ in $(seq 120); do
            colour=$("$xwindow" pixel "$id" 3 240) || break
            if { [ $mode = dark ] && (($(lightness "$colour") < 128)); } ||
                { [ $mode = light ] && (($(lightness "$colour") > 128)); }; then
                followed=yes
                break
            fi
            sleep 0.5
        done
        echo "== the app mode changed to $mode while the program runs: window #${colour:-?}, followed: $followed"
        [ $followed = yes ] || status=1
    done
else
    echo "FAIL: the program's window never mapped"
    status=1
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=
exit $status
