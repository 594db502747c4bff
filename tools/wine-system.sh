# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by what runs the Windows program under Wine as a given Windows: wine_system VERSION MODE makes
# the prefix $WINEPREFIX report VERSION (win10, win11) with the app mode MODE (light, dark).
wine_system() {
    [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
        /t REG_DWORD /d "$([ "$2" = light ] && echo 1 || echo 0)" /f >/dev/null 2>&1
    wineserver -w
}
