#!/usr/bin/env bash
# The Windows installer and the portable zip, one concern a test, each under Wine in a fresh prefix:
#   resources  the program's and the installer's version information and manifests, the size budgets
#              (exe 20 MiB, installer 8 MiB), no folder of the builder's machine in the program
#   refusal    on Windows 7 and 8.1 the installer refuses and writes nothing
#   per-user   a silent install (the default scope) puts the program, its licences and readme, one Start-menu
#              shortcut and one uninstall entry for the user, the program starts from there, a second
#              install over it keeps one of each, and a silent uninstall leaves nothing
#   all-users  the same for all users (/AllUsers)
#   zip        the zip holds the same files, and its exe starts from wherever it is unpacked
#   signing    built with a throwaway certificate, the exe, the installer and the uninstaller carry a
#              signature, each kept under its own name, and the signed exe still starts; the signatures,
#              put on the unsigned build, give the signed files again
#   rebuild    the same sources built again in another folder give the same exe, installer and zip
#   release    a release's SBOM for the installer and the zip, beside the Qt source: it names the Qt linked in
#   check_windows.sh CONCERN BUILD_DIR XWINDOW SOURCE_DIR
concern=$1
shift
# shellcheck source=windows_helper.sh
. "$(dirname "$0")/windows_helper.sh" "$@"

# The readme as shipped: this version, Windows' line ends, and the Qt whose source is published beside it.
readme_ok() {
    head -n1 "$1" | grep -q "^Tavelon $TAVELON_VERSION for Windows (64-bit)"$'\r$' || fail "$1 does not start with this version"
    [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] || fail "$1: not every line ends in CRLF"
    tr -s '\r\n' '  ' <"$1" | grep -q "qt6-base package $TAVELON_QT_VERSION exactly as built, is published beside" ||
        fail "$1 does not name the Qt source published beside the program, $TAVELON_QT_VERSION"
}

# The same sources built again in $copy, a folder of another name, as the build tree was configured.
build_elsewhere() {
    copy=$work/elsewhere/tavelon-rebuilt
    mkdir -p "$copy"
    (cd "$source" && git ls-files -co --exclude-standard -z | xargs -0 tar -c) | tar -x -C "$copy"
    cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
    cmake -S "$copy" -B "$copy/out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$(cached CMAKE_TOOLCHAIN_FILE)" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$copy/cmake/mingw-w64-x86_64.cmake" \
        -DTAVELON_HOST_TOOLS="$(cached TAVELON_HOST_TOOLS)" >/dev/null
    cmake --build "$copy/out" --parallel "$(nproc)" >/dev/null
}

case $concern in
resources)
    echo "tavelon.exe $exe_size bytes, $(basename "$installer") $(stat -c %s "$installer") bytes"
    ((exe_size <= 20 * 1024 * 1024)) || fail "tavelon.exe is over its 20 MiB budget"
    (($(stat -c %s "$installer") <= 8 * 1024 * 1024)) || fail "the installer is over its 8 MiB budget"
    file "$installer" | grep -qE 'PE32\+ executable (for MS Windows [0-9.]+ )?\(GUI\),? x86-64' || fail "not a 64-bit installer: $(file "$installer")"

    unzip -p "$(zip)" '*/tavelon.exe' >"$work/portable.exe"
    # Nothing of the machine that built it, in 8-bit or UTF-16 strings: not the folders of the Qt, of its
    # source, of this tree or of the build, nor the builder's home.
    qt_prefix=$(sed -n 's|^CMAKE_TOOLCHAIN_FILE:[A-Z]*=\(.*\)/lib/cmake/Qt6/qt.toolchain.cmake$|\1|p' "$build/CMakeCache.txt")
    for folder in "$qt_prefix" "$("$source/tools/build-qt" windows --work)" "$source" "$build" "$HOME"; do
        named=$({ strings -a "$work/portable.exe"; strings -a -el "$work/portable.exe"; } | grep -F "$folder" | head -n3 || true)
        [ -z "$named" ] || fail "tavelon.exe names $folder, a folder of the machine that built it: $named"
    done
    echo "tavelon.exe names no folder of the machine that built it ($qt_prefix, its source, this tree, $HOME)"
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
    ;;
refusal)
    new_prefix
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
    echo "Windows 7 and 8.1: refused (status $status), nothing written"
    ;;
per-user)
    new_prefix
    install_in "per user" "$local_programs" "$user_menu" HKCU
    readme_ok "$local_programs/readme.txt"
    echo "per user, silent: %LOCALAPPDATA%\\Programs\\Tavelon, the user's Start menu, HKCU entry with EstimatedSize, NoModify and NoRepair"
    smoke "$local_programs/tavelon.exe"
    wineserver -w
    install_in "per user, upgraded" "$local_programs" "$user_menu" HKCU
    uninstall_from "per user" "$local_programs"
    echo "per user: upgrade keeps one entry and one shortcut; uninstall leaves nothing"
    ;;
all-users)
    new_prefix
    install_in "all users" "$program_files" "$common_menu" HKLM /AllUsers
    install_in "all users, upgraded" "$program_files" "$common_menu" HKLM
    uninstall_from "all users" "$program_files"
    echo "all users (/AllUsers): Program Files, the common Start menu, HKLM; upgrade stays there; uninstall leaves nothing"
    ;;
zip)
    # Whatever else the list holds, the program goes with its licence and that of the Qt linked into it.
    for required in tavelon.exe LICENSE.txt LGPL-3.txt; do
        [[ " ${windows_files[*]} " == *" $required "* ]] || fail "the files for Windows lack $required"
    done
    mkdir "$work/unzipped"
    unzip -q "$(zip)" -d "$work/unzipped"
    (cd "$work/unzipped" && find . -type f | LC_ALL=C sort)
    portable=$(find "$work/unzipped" -name tavelon.exe)
    [ "$(cd "$work/unzipped"/* && find . -type f | sed 's|^./||' | LC_ALL=C sort)" = "$(printf '%s\n' "${windows_files[@]}" | LC_ALL=C sort)" ] ||
        fail "the zip should hold exactly ${windows_files[*]}"
    readme_ok "$(dirname "$portable")/readme.txt"
    smoke "$portable"
    echo "the zip's readme names version $TAVELON_VERSION and Qt $TAVELON_QT_VERSION in CRLF lines; its tavelon.exe starts and ends with status 0"
    ;;
signing)
    # Signing, with a certificate made here and thrown away: its root is trusted by nobody, which the
    # verification reports; what is checked is that each file carries a signature that matches its bytes.
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
        -subj "/CN=Tavelon test signing" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.p12" -passout pass:secret
    # As a release signs: the build, given the certificate, signs each program and keeps its signature.
    export TAVELON_SIGN_PKCS12=$work/cert.p12 TAVELON_SIGN_PASSWORD=secret TAVELON_SIGNATURES_OUT=$work/signatures
    build_elsewhere
    unset TAVELON_SIGN_PKCS12 TAVELON_SIGN_PASSWORD TAVELON_SIGNATURES_OUT
    mkdir "$work/signed"
    cp "$copy/out/tavelon.exe" "$work/signed/tavelon.exe"
    cp "$copy"/out/tavelon-*-win64.exe "$work/signed/setup.exe"
    [ "$(cd "$work/signatures" && echo *)" = "installer.p7 program.p7 uninstaller.p7" ] ||
        fail "the signed build kept $(cd "$work/signatures" && echo *), not the program's, the installer's and the uninstaller's"
    for pair in program:tavelon.exe installer:setup.exe; do
        rm -f "$work/carried.p7"
        osslsigncode extract-signature -in "$work/signed/${pair#*:}" -out "$work/carried.p7" >/dev/null
        cmp -s "$work/carried.p7" "$work/signatures/${pair%%:*}.p7" ||
            fail "the signature kept as ${pair%%:*}.p7 is not the one ${pair#*:} carries"
    done
    echo "signed build: the program, the installer and the uninstaller signed, each signature kept under its own name"
    # The signatures kept, put on the unsigned build, give the signed files again: how a rebuild of a
    # signed release is compared with it.
    mkdir "$work/attached"
    cp "$build/tavelon.exe" "$work/attached/tavelon.exe"
    export TAVELON_SIGNATURES=$work/signatures
    "$source/packaging/windows/sign.sh" "$work/attached/tavelon.exe" program
    makensis -V1 -DOUTFILE="$work/attached/setup.exe" -DEXE="$work/attached/tavelon.exe" \
        "$build/packaging/windows/tavelon.nsi" >/dev/null
    cmp "$work/signed/tavelon.exe" "$work/attached/tavelon.exe" && cmp "$work/signed/setup.exe" "$work/attached/setup.exe" ||
        fail "the kept signatures on the unsigned build do not give the signed files"
    # A signature does not fit another program: that one stays unsigned, and so differs.
    printf 'x' >>"$work/attached/tavelon.exe"
    "$source/packaging/windows/sign.sh" "$work/attached/tavelon.exe" program 2>/dev/null
    ! osslsigncode extract-signature -in "$work/attached/tavelon.exe" -out "$work/none.p7" >/dev/null 2>&1 ||
        fail "a signature was put on another program"
    unset TAVELON_SIGNATURES
    echo "signed: the kept signatures put on the unsigned build give the same exe and installer; on another program, none"
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
    new_prefix
    install_in "signed, per user" "$local_programs" "$user_menu" HKCU
    signed "$local_programs/Uninstall.exe" "the uninstaller of the signed installer"
    cmp -s "$local_programs/tavelon.exe" "$work/signed/tavelon.exe" || fail "the signed installer installed another exe"
    smoke "$local_programs/tavelon.exe"
    uninstall_from "signed, per user" "$local_programs"
    echo "signed: tavelon.exe, the installer and its uninstaller carry a signature; the signed program starts"
    ;;
rebuild)
    build_elsewhere
    (cd "$work" && cpack --config "$copy/out/CPackConfig.cmake" -B "$work/package-rebuilt" >/dev/null)
    for pair in "$build/tavelon.exe|$copy/out/tavelon.exe" "$installer|$(ls "$copy"/out/tavelon-*-win64.exe)" \
        "$(zip)|$(ls "$work"/package-rebuilt/tavelon-*-win64.zip)"; do
        first=${pair%%|*} second=${pair#*|}
        cmp "$first" "$second" || fail "$(basename "$first") differs when built in another folder"
        echo "rebuilt: $(sha256sum "$first" | cut -c1-64)  $(basename "$first")"
    done
    echo "the same sources built in another folder: the same exe, installer and zip"
    ;;
release)
    mkdir "$work/dist"
    cp "$installer" "$(zip)" "$work/dist/"
    cp "$("$source/tools/build-qt" windows --work)"/qt6-base_*.*.xz "$("$source/tools/build-qt" windows --work)"/qt6-base_*.dsc "$work/dist/"
    "$source/tools/release" seal "$work/dist" >/dev/null
    qt=$(sed -n 's/^Version: //p' "$work/dist"/qt6-base_*.dsc)
    "$here/spdx_check.py" "$work/dist"/tavelon-*.spdx.json "$work/dist" Qt="$TAVELON_QT_VERSION" libstdc++="$(dpkg-query -W -f='${Version}' \
        gcc-mingw-w64-x86-64-posix-runtime)" winpthreads="$(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)" ||
        fail "the SBOM of the Windows files"
    grep -q "\"pkg:deb/debian/qt6-base@${qt//+/%2B}?arch=source\"" "$work/dist"/tavelon-*.spdx.json || fail "the SBOM names no qt6-base $qt"
    (cd "$work/dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match"
    echo "release: the SBOM says the installer and the zip contain Qt $TAVELON_QT_VERSION, from Debian's qt6-base $qt"
    ;;
*)
    fail "no such concern: $concern"
    ;;
esac
