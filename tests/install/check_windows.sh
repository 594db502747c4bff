#!/usr/bin/env bash
# The Windows installer and the portable zip, under Wine in a fresh prefix:
# - the installer's own version information, and the size budgets (exe 20 MiB, installer 8 MiB);
# - on Windows 7 and 8.1 it refuses, says which Windows it needs and found, and writes nothing;
# - on Windows 10, per user (the default) and for all users (/AllUsers): a silent install puts the program,
#   its licences and readme, one Start-menu shortcut and one uninstall entry in that scope, the program
#   starts from there, a second install over it keeps one of each, and a silent uninstall leaves nothing;
# - the zip's exe starts from wherever the zip is unpacked;
# - signed with a throwaway certificate, the exe, the installer and the uninstaller carry a signature and
#   the signed exe still starts;
# - the same sources built again in another folder give the same exe, installer and zip, byte for byte.
#   check_windows.sh BUILD_DIR XWINDOW SOURCE_DIR
set -euo pipefail
build=$1 xwindow=$2 source=$3 here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
smoke() { xvfb-run -a -s "-screen 0 1024x768x24" "$here/../window/smoke.sh" "$1" "$xwindow" wine; }
: "${SOURCE_DATE_EPOCH:?the build takes its time stamps from SOURCE_DATE_EPOCH}"

installer=$(ls "$build"/tavelon-*-win64.exe)
installer_built=$installer
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
zip=$(ls "$work"/package/tavelon-*-win64.zip)
exe_size=$(stat -c %s "$build/tavelon.exe") installer_size=$(stat -c %s "$installer")
echo "tavelon.exe $exe_size bytes, $(basename "$installer") $installer_size bytes, $(basename "$zip") $(stat -c %s "$zip") bytes"
((exe_size <= 20 * 1024 * 1024)) || fail "tavelon.exe is over its 20 MiB budget"
((installer_size <= 8 * 1024 * 1024)) || fail "the installer is over its 8 MiB budget"
file "$installer" | grep -q 'PE32+ executable (GUI) x86-64' || fail "not a 64-bit installer: $(file "$installer")"

# The version information Explorer shows, read back from the resources.
versioninfo() { wrestool -x --raw -t 16 "$1" | iconv -f UTF-16LE -t UTF-8 | tr '\0' '\n' | grep -a . | tr '\n' '|'; }
unzip -p "$zip" '*/tavelon.exe' >"$work/portable.exe"
version=$(versioninfo "$work/portable.exe")
for pair in "FileVersion|$TAVELON_VERSION" "ProductVersion|$TAVELON_VERSION" "ProductName|Tavelon" "InternalName|Tavelon" \
    "OriginalFilename|tavelon.exe" "040904B0"; do
    [[ $version == *"$pair"* ]] || fail "the program's VERSIONINFO lacks $pair: $version"
done
version=$(versioninfo "$installer")
for pair in "ProductName|Tavelon" "ProductVersion|$TAVELON_VERSION" "FileVersion|$TAVELON_VERSION" "FileDescription|Tavelon $TAVELON_VERSION Setup"; do
    [[ $version == *"$pair"* ]] || fail "the installer's VERSIONINFO lacks $pair: $version"
done
echo "VERSIONINFO: the program's and the installer's (Tavelon $TAVELON_VERSION Setup)"
# Under Wine every user is an administrator and nothing prompts: what keeps Windows from asking for
# elevation is the installer's manifest, which asks to run as the user who started it.
manifest=$(wrestool -x --raw -t 24 "$installer" | tr -d '\0')
[[ $manifest == *'requestedExecutionLevel level="asInvoker"'* ]] || fail "the installer asks for elevation: $manifest"
[[ $(grep -o 'supportedOS Id="[^"]*"' <<<"$manifest") == 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' ]] ||
    fail "the installer's manifest names other Windows than 10 and 11: $manifest"
manifest=$(wrestool -x --raw -t 24 "$work/portable.exe" | tr -d '\0')
[[ $(grep -o 'supportedOS Id="[^"]*"' <<<"$manifest") == 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' ]] ||
    fail "the program's manifest names other Windows than 10 and 11: $manifest"
echo "manifests: the installer runs as the invoking user (asInvoker); both name Windows 10 and 11 only"

wineboot --init >/dev/null 2>&1
wineserver -w
unix() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
local_programs="$(unix '%LOCALAPPDATA%')/Programs/Tavelon"
user_menu="$(unix '%APPDATA%')/Microsoft/Windows/Start Menu/Programs"
common_menu="$(unix '%PROGRAMDATA%')/Microsoft/Windows/Start Menu/Programs"
program_files="$WINEPREFIX/drive_c/Program Files/Tavelon"
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

# Older Windows: refused in silent mode with a non-zero status, and nothing written.
for old in win7 win81; do
    wine winecfg -v "$old" >/dev/null 2>&1
    wineserver -w
    status=0
    wine "$installer" /S || status=$?
    wineserver -w
    ((status != 0)) || fail "the installer ran on $old"
    nothing_installed "after the refusal on $old"
done
wine winecfg -v win10 >/dev/null 2>&1
wineserver -w
echo "Windows 7 and 8.1: refused (status $status), nothing written"

# install_in SCOPE FOLDER MENU ROOT [INSTALLER FLAGS...]
install_in() {
    local scope=$1 folder=$2 menu=$3 root=$4 other entry
    shift 4
    [ "$root" = HKCU ] && other=HKLM || other=HKCU
    wine "$installer" /S "$@"
    wineserver -w
    for f in tavelon.exe LICENSE.txt LGPL-3.txt readme.txt Uninstall.exe; do
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

install_in "per user" "$local_programs" "$user_menu" HKCU
echo "per user, silent: %LOCALAPPDATA%\\Programs\\Tavelon, the user's Start menu, HKCU entry with EstimatedSize, NoModify and NoRepair"
smoke "$local_programs/tavelon.exe"
wineserver -w
install_in "per user, upgraded" "$local_programs" "$user_menu" HKCU
uninstall_from "per user" "$local_programs"
echo "per user: upgrade keeps one entry and one shortcut; uninstall leaves nothing"

install_in "all users" "$program_files" "$common_menu" HKLM /AllUsers
install_in "all users, upgraded" "$program_files" "$common_menu" HKLM
uninstall_from "all users" "$program_files"
echo "all users (/AllUsers): Program Files, the common Start menu, HKLM; upgrade stays there; uninstall leaves nothing"

mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped"
(cd "$work/unzipped" && find . -type f | LC_ALL=C sort)
portable=$(find "$work/unzipped" -name tavelon.exe)
[ "$(find "$work/unzipped" -type f | wc -l)" -eq 4 ] ||
    fail "the zip should hold the exe, its licence, Qt's licence and the readme"
smoke "$portable"
echo "the zip's tavelon.exe starts and ends with status 0"

# Signing, with a certificate made here and thrown away: its root is trusted by nobody, which the
# verification reports; what is checked is that each file carries a signature that matches its bytes.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Tavelon test signing" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" -passout pass:secret
mkdir "$work/signed"
cp "$build/tavelon.exe" "$work/signed/tavelon.exe"
export TAVELON_SIGN_PKCS12=$work/cert.p12 TAVELON_SIGN_PASSWORD=secret
"$source/packaging/windows/sign.sh" "$work/signed/tavelon.exe"
makensis -V1 -DOUTFILE="$work/signed/setup.exe" -DEXE="$work/signed/tavelon.exe" \
    "$build/packaging/windows/tavelon.nsi" >/dev/null
unset TAVELON_SIGN_PKCS12 TAVELON_SIGN_PASSWORD
signed() {
    local report
    report=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$1" 2>&1) || true
    grep -q 'Number of verified signatures: 1' <<<"$report" && grep -q 'Signature verification: ok' <<<"$report" ||
        { echo "$report"; fail "$2 carries no valid signature"; }
}
signed "$work/signed/tavelon.exe" "the signed tavelon.exe"
signed "$work/signed/setup.exe" "the signed installer"
! osslsigncode verify -in "$build/tavelon.exe" >/dev/null 2>&1 || fail "the build without a certificate signed"
installer=$work/signed/setup.exe
install_in "signed, per user" "$local_programs" "$user_menu" HKCU
signed "$local_programs/Uninstall.exe" "the uninstaller of the signed installer"
cmp -s "$local_programs/tavelon.exe" "$work/signed/tavelon.exe" || fail "the signed installer installed another exe"
smoke "$local_programs/tavelon.exe"
uninstall_from "signed, per user" "$local_programs"
echo "signed: tavelon.exe, the installer and its uninstaller carry a signature; the signed program starts"

# The same sources in a folder of another name, built again.
copy=$work/elsewhere/tavelon-rebuilt
mkdir -p "$copy"
(cd "$source" && git ls-files -co --exclude-standard -z | xargs -0 tar -c) | tar -x -C "$copy"
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
cmake -S "$copy" -B "$copy/out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$(cached CMAKE_TOOLCHAIN_FILE)" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$copy/cmake/mingw-w64-x86_64.cmake" \
    -DTAVELON_HOST_TOOLS="$(cached TAVELON_HOST_TOOLS)" >/dev/null
cmake --build "$copy/out" --parallel "$(nproc)" >/dev/null
(cd "$work" && cpack --config "$copy/out/CPackConfig.cmake" -B "$work/package-rebuilt" >/dev/null)
for pair in "$build/tavelon.exe|$copy/out/tavelon.exe" "$installer_built|$(ls "$copy"/out/tavelon-*-win64.exe)" \
    "$zip|$(ls "$work"/package-rebuilt/tavelon-*-win64.zip)"; do
    first=${pair%%|*} second=${pair#*|}
    cmp "$first" "$second" || fail "$(basename "$first") differs when built in another folder"
    echo "rebuilt: $(sha256sum "$first" | cut -c1-64)  $(basename "$first")"
done
echo "the same sources built in another folder: the same exe, installer and zip"
