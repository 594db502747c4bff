#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program under Wine with the system colours of High Contrast Black and White. Wine never
# reports a contrast theme as on, so the program is told to take its contrast-theme branch
# (TAVELON_CONTRAST_THEME=on): every text that has a
# colour of its own elsewhere is then drawn in the system's text colour, greyed fields in GrayText,
# measured from the pixels after the typical use, even in dark app mode, which the theme wins over.
# Without that branch, on High Contrast Black's colours (in light app mode, whose style draws them), every
# text still reaches 4.5:1, as on any dark background; on High Contrast White's, a light one, the layout's
# own colours stand, as on any light theme.
#   contrast_windows.sh PROGRAM XWINDOW   (on an X server)
set -uo pipefail
program=$1 xwindow=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
unset WINEQT_QPA_PLATFORM
# shellcheck source=../../tools/wine-system.sh
. "$here/../../tools/wine-system.sh"
status=0
# picture NAME [ENV...]: the program after the typical use, in $work/NAME.png
picture() {
    env "${@:2}" wine "$program" >/dev/null 2>&1 &
    pid=$!
    read -r _ id < <("$xwindow" wait Tavelon 90) || { echo "FAIL: $1: the window never mapped"; return 1; }
    "$here/typical_use.sh" "$id" "$work/$1.png" || { echo "FAIL: $1: no picture after the typical use"; return 1; }
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=
    wineserver -w
}
for theme in "hc-black ffffff 3ff23f" "hc-white 000000 600000"; do
    read -r name text grey <<<"$theme"
    export WINEPREFIX=$work/$name
    wine_system win11 "$name"
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
        /t REG_DWORD /d 0 /f >/dev/null 2>&1
    echo "== $name in dark app mode, the contrast-theme branch: texts in #$text, greyed fields in #$grey"
    if picture "$name-theme" TAVELON_CONTRAST_THEME=on; then
        /usr/bin/python3 "$here/../../tools/measure_contrast.py" "$work/$name-theme.png" --system "$text" "$grey" || status=1
    else
        status=1
    fi
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
        /t REG_DWORD /d 1 /f >/dev/null 2>&1
    echo "== $name in light app mode, without that branch"
    if picture "$name-plain"; then
        /usr/bin/python3 "$here/../../tools/measure_contrast.py" "$work/$name-plain.png" | tail -n 1
        [ "$name" = hc-white ] || /usr/bin/python3 "$here/../../tools/measure_contrast.py" "$work/$name-plain.png" \
            >/dev/null || { echo "FAIL: a text under 4.5:1"; status=1; }
    else
        status=1
    fi
    [ -z "${TAVELON_KEEP_PICTURES:-}" ] || cp "$work"/"$name"-*.png "$TAVELON_KEEP_PICTURES"/
done
exit $status
