# shellcheck shell=bash
# Sourced by the Windows install checks: the built files, a Wine prefix of the check's own, and the
# steps they share (installing, uninstalling, starting, reading version information).
#   . windows_helper.sh BUILD_DIR XWINDOW SOURCE_DIR
set -euo pipefail
# shellcheck disable=SC2034 # the checks that source this use what it does not
build=$1 xwindow=$2 source=$3 here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
smoke() { xvfb-run -a -s "-screen $TAVELON_XVFB_SCREEN" "$here/../window/smoke.sh" "$1" "$xwindow" wine; }
: "${SOURCE_DATE_EPOCH:?the build takes its time stamps from SOURCE_DATE_EPOCH}"
: "${TAVELON_VERSION:?the version comes from the CMake file of the tests}"
: "${TAVELON_XVFB_SCREEN:?the screen of the X server comes from the CMake file of the tests}"

installer=$(ls "$build"/tavelon-*-win64.exe)
exe_size=$(stat -c %s "$build/tavelon.exe")
# What the installer and the zip put beside each other, from the one list the build keeps.
mapfile -t windows_files <"$build/windows-files.txt"
zip() {
    [ -f "$work/package/tavelon-$TAVELON_VERSION-win64.zip" ] ||
        (cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
    echo "$work/package/tavelon-$TAVELON_VERSION-win64.zip"
}

# The version information Explorer shows, read back from the resources.
versioninfo() { wrestool -x --raw -t 16 "$1" | iconv -f UTF-16LE -t UTF-8 | tr '\0' '\n' | grep -a . | tr '\n' '|'; }

# A fresh prefix, as Windows 10 (Wine's own start as Windows 7, which the installer refuses), and where
# the installer writes in it.
new_prefix() {
    wineboot --init >/dev/null 2>&1
    wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
    local_programs="$(unix '%LOCALAPPDATA%')/Programs/Tavelon"
    user_menu="$(unix '%APPDATA%')/Microsoft/Windows/Start Menu/Programs"
    common_menu="$(unix '%PROGRAMDATA%')/Microsoft/Windows/Start Menu/Programs"
    program_files="$WINEPREFIX/drive_c/Program Files/Tavelon"
}
unix() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavelon'
has_key() { wine reg query "$1\\$uninstall_key" >/dev/null 2>&1; }
nothing_installed() {
    for place in "$local_programs" "$program_files" "$user_menu/Tavelon.lnk" "$common_menu/Tavelon.lnk"; do
        [ ! -e "$place" ] || fail "$1: $place is there"
    done
    for root in HKCU HKLM; do
        ! has_key $root || fail "$1: $root\\$uninstall_key is there"
    done
    if wine reg query 'HKLM\Software\The Tavelon developers' >/dev/null 2>&1 ||
        wine reg query 'HKCU\Software\The Tavelon developers' >/dev/null 2>&1; then
        fail "$1: a vendor key is there"
    fi
}

# install_in SCOPE FOLDER MENU ROOT [INSTALLER FLAGS...]
install_in() {
    local scope=$1 folder=$2 menu=$3 root=$4 other entry
    shift 4
    [ "$root" = HKCU ] && other=HKLM || other=HKCU
    wine "$installer" /S "$@"
    wineserver -w
    for f in "${windows_files[@]}" Uninstall.exe; do
        [ -f "$folder/$f" ] || { ls -la "$folder" || true; fail "$scope: no $f in $folder"; }
    done
    [ -f "$menu/Tavelon.lnk" ] || { find "$WINEPREFIX/drive_c" -name '*.lnk'; fail "$scope: no Start-menu shortcut"; }
    entry=$(wine reg query "$root\\$uninstall_key" 2>/dev/null | tr -d '\r')
    local windows_folder
    windows_folder=$(winepath -w "$folder" 2>/dev/null)
    for value in "DisplayName    REG_SZ    Tavelon" "DisplayVersion    REG_SZ    $TAVELON_VERSION" \
        "Publisher    REG_SZ    The Tavelon developers" "DisplayIcon    REG_SZ    $windows_folder\\tavelon.exe" \
        "NoModify    REG_DWORD    0x1" "NoRepair    REG_DWORD    0x1" "EstimatedSize    REG_DWORD    0x"; do
        [[ $entry == *"$value"* ]] || { echo "$entry"; fail "$scope: the uninstall entry lacks \"$value\""; }
    done
    [[ $entry != *Contact* && $entry != *example* ]] || { echo "$entry"; fail "$scope: a placeholder in the entry"; }
    local kib=$((16#$(grep -o 'EstimatedSize    REG_DWORD    0x[0-9a-f]*' <<<"$entry" | sed 's/.*0x//')))
    ((kib > exe_size / 1024)) || fail "$scope: EstimatedSize $kib KiB is less than the program"
    ! has_key $other || fail "$scope: an uninstall entry under $other too"
    [ "$(find "$WINEPREFIX/drive_c" -name Tavelon.lnk | wc -l)" -eq 1 ] || fail "$scope: more than one shortcut"
}

uninstall_from() {
    local scope=$1 folder=$2
    wine "$folder/Uninstall.exe" /S
    wineserver -w # the uninstaller runs on from a copy of itself; this waits for that one too
    nothing_installed "$scope, after the uninstall"
}
