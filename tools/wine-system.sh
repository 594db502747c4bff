# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by what runs the Windows program under Wine as a given Windows: wine_system VERSION MODE makes
# the prefix $WINEPREFIX report VERSION (win10, win11) with the app mode MODE: light, dark, or the system
# colours of a contrast theme, hc-black (High Contrast Black) or hc-white (High Contrast White), with
# grey font smoothing and no visual style. Wine itself never reports a contrast theme as on.
wine_system() {
    [ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
        /t REG_DWORD /d "$([ "$2" = dark ] && echo 0 || echo 1)" /f >/dev/null 2>&1
    local colours=()
    case "$2" in
    hc-black) colours=(Window "0 0 0" WindowText "255 255 255" ButtonFace "0 0 0" ButtonText "255 255 255"
        GrayText "63 242 63" Hilight "26 235 255" HilightText "0 0 0" ButtonHilight "255 255 255"
        ButtonShadow "255 255 255" WindowFrame "255 255 255" Menu "0 0 0" MenuText "255 255 255") ;;
    hc-white) colours=(Window "255 255 255" WindowText "0 0 0" ButtonFace "255 255 255" ButtonText "0 0 0"
        GrayText "96 0 0" Hilight "55 0 110" HilightText "255 255 255" ButtonHilight "0 0 0"
        ButtonShadow "0 0 0" WindowFrame "0 0 0" Menu "255 255 255" MenuText "0 0 0") ;;
    esac
    if ((${#colours[@]})); then
        local reg=$WINEPREFIX/contrast-theme.reg
        {
            printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager]\n'
            printf '"ThemeActive"="0"\n\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\n"FontSmoothingType"=dword:00000001\n'
            printf '\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n'
            printf '"%s"="%s"\n' "${colours[@]}"
        } >"$reg"
        wine regedit "$(winepath -w "$reg")" >/dev/null 2>&1
    fi
    wineserver -w
}
