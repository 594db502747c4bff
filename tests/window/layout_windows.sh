#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The layout test on Windows' own platform rather than the offscreen one, under Wine as Windows 10 and
# Windows 11, each in light and dark app mode: every control in its place, at its size, in its face, and
# the window in the mode's colours.
#   layout_windows.sh TST_LAYOUT_EXE   (on an X server)
set -uo pipefail
exe=$(realpath "$1")
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
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
exit $status
