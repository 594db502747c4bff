#!/usr/bin/env bash
# The Windows installer and the portable zip, under Wine in a fresh prefix: a silent install puts the
# program, its licences and readme in Program Files\Tavelon, a Start-menu shortcut and an Add/Remove
# Programs entry in place, and the program starts from there; a silent uninstall leaves none of it; the
# exe from the zip starts from wherever the zip is unpacked.
set -euo pipefail
build=$1 xwindow=$2 here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
smoke() { xvfb-run -a -s "-screen 0 1024x768x24" "$here/../window/smoke.sh" "$1" "$xwindow" wine; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
installer=$(ls "$work"/package/tavelon-*-win64.exe) zip=$(ls "$work"/package/tavelon-*-win64.zip)
echo "made $(basename "$installer") ($(stat -c %s "$installer") bytes), $(basename "$zip") ($(stat -c %s "$zip") bytes)"
file "$installer" | grep -q 'PE32+ executable (GUI) x86-64' || { echo "FAIL: not a 64-bit installer: $(file "$installer")"; exit 1; }

# The version information Explorer shows, read back from the installed program's resources.
versioninfo() { wrestool -x --raw -t 16 "$1" | iconv -f UTF-16LE -t UTF-8 | tr '\0' '\n' | grep -a .; }
version=$(unzip -p "$zip" '*/tavelon.exe' >"$work/portable.exe" && versioninfo "$work/portable.exe" | tr '\n' '|')
for pair in "FileVersion|1.00" "ProductVersion|1.00" "ProductName|Tavelon" "InternalName|Tavelon" \
    "OriginalFilename|tavelon.exe" "040904B0"; do
    [[ $version == *"$pair"* ]] || { echo "FAIL: VERSIONINFO lacks $pair: $version"; exit 1; }
done
echo "VERSIONINFO: US English, FileVersion and ProductVersion 1.00, ProductName and InternalName Tavelon"

wineboot --init >/dev/null 2>&1
wineserver -w
wine "$installer" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Tavelon"
for f in tavelon.exe LICENSE.txt LGPL-3.txt readme.txt Uninstall.exe; do
    [ -f "$folder/$f" ] || { echo "FAIL: no $f in Program Files\\Tavelon"; ls -la "$folder" || true; exit 1; }
done
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavelon/Tavelon.lnk"
[ -f "$shortcut" ] || { echo "FAIL: no Start-menu shortcut"; find "$WINEPREFIX/drive_c" -name '*.lnk'; exit 1; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavelon'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Tavelon" "DisplayVersion    REG_SZ    1.00" \
    "DisplayIcon    REG_SZ    C:\\Program Files\\Tavelon\\tavelon.exe" "Publisher    REG_SZ    "; do
    [[ $entry == *"$value"* ]] || { echo "FAIL: Add/Remove Programs lacks \"$value\":"; echo "$entry"; exit 1; }
done
wineserver -w
echo "silent install: Program Files\\Tavelon, Start-menu shortcut, Add/Remove Programs entry"
smoke "$folder/tavelon.exe"
wineserver -w

wine "$folder/Uninstall.exe" /S
wineserver -w # the uninstaller runs on from a copy of itself; this waits for that one too
[ ! -e "$folder" ] || { echo "FAIL: the uninstaller left:"; find "$folder"; exit 1; }
[ ! -e "$(dirname "$shortcut")" ] || { echo "FAIL: the Start-menu folder is still there"; exit 1; }
if wine reg query "$key" >/dev/null 2>&1; then echo "FAIL: the Add/Remove Programs entry is still there"; exit 1; fi
wineserver -w
echo "silent uninstall: nothing left behind"

mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped"
(cd "$work/unzipped" && find . -type f | LC_ALL=C sort)
portable=$(find "$work/unzipped" -name tavelon.exe)
[ "$(find "$work/unzipped" -type f | wc -l)" -eq 4 ] ||
    { echo "FAIL: the zip should hold the exe, its licence, Qt's licence and the readme"; exit 1; }
smoke "$portable"
echo "the zip's tavelon.exe starts and ends with status 0"
