#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The release tool's checks, on a package built here: every file that tells the version or date, changed
# alone, is refused by name; SHA256SUMS covers dist/ and its signature (a key made here) holds, and fails
# once a byte changes; the SBOM says what each file contains; and the verification of a release
# (release_verify.py) finds a bad signature, a changed file and a missing one.
#   release_check.sh BUILD_DIR
set -euo pipefail
build=$1 here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap '[ ! -d "$work/gnupg" ] || GNUPGHOME=$work/gnupg gpgconf --kill gpg-agent; rm -rf "$work"' EXIT
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(echo "$work"/package/tavelon_*.deb)

# The release's version checker: each file that tells the version or date, changed alone, is named.
source=$(cd "$here/../.." && pwd)
told=(CMakeLists.txt packaging/changelog packaging/io.github.tavelon.Tavelon.metainfo.xml.in
    packaging/windows/tavelon.nsi.in CHANGELOG.md)
copy_told() {
    local f
    rm -rf "$work/told" && mkdir -p "$work/told/packaging/windows"
    for f in "${told[@]}"; do cp "$source/$f" "$work/told/$f"; done
}
copy_told
"$source/tools/release" versions "$work/told" || { echo "the checkout's files do not agree"; exit 1; }
for row in "CMakeLists.txt|s/^project(Tavelon VERSION [0-9.]*/project(Tavelon VERSION 9.8.7/" \
    "CMakeLists.txt|s/^set(TAVELON_RELEASE_DATE .*/set(TAVELON_RELEASE_DATE 2031-01-02)/" \
    "packaging/changelog|1s/([^)]*)/(1.0.1)/" "packaging/changelog|0,/^ -- .*>  .*/s/>  .*/>  Thu, 02 Jan 2031 12:00:00 +0000/" \
    "packaging/io.github.tavelon.Tavelon.metainfo.xml.in|0,/<release version=\"[^\"]*\"/s//<release version=\"9.8.7\"/" \
    "packaging/io.github.tavelon.Tavelon.metainfo.xml.in|0,/ date=\"[^\"]*\"/s// date=\"2031-01-02\"/" \
    "packaging/windows/tavelon.nsi.in|s/^!define VERSION .*/!define VERSION \"9.87\"/" \
    "packaging/windows/tavelon.nsi.in|s/^VIProductVersion .*/VIProductVersion \"1.0.1.0\"/" \
    "CHANGELOG.md|0,/^## [0-9.]* /s//## 9.87 /" "CHANGELOG.md|0,/^\(## .*\) [0-9-]*$/s//\1 2031-01-02/"; do
    file=${row%%|*}
    copy_told
    sed -i "${row#*|}" "$work/told/$file"
    cmp -s "$source/$file" "$work/told/$file" && { echo "row $row changed nothing"; exit 1; }
    status=0
    "$source/tools/release" versions "$work/told" 2>"$work/refusal.txt" >/dev/null || status=$?
    [ $status -eq 1 ] && [ "$(wc -l <"$work/refusal.txt")" -eq 1 ] && grep -q ": $file says\|; $file says" "$work/refusal.txt" ||
        { echo "a changed $file is not refused in one line naming it (status $status):"; cat "$work/refusal.txt"; exit 1; }
done
echo "versions: the five files agree, and each changed alone is refused: $(cat "$work/refusal.txt")"

# The release's checksums, signature and SBOM over this package and a source tarball, with a key made here.
mkdir "$work/dist"
cp "$deb" "$work/dist/"
printf '# Tavelon\n' >"$work/dist/tavelon-notes.md" # as the release notes are, to be covered too
# (An unpacked source tarball has no history to make a tarball from.)
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then "$source/tools/release" tarball "$work/dist" >/dev/null; fi
export GNUPGHOME=$work/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-gen-key 'Tavelon test <test@tavelon.example>' default default never 2>/dev/null
TAVELON_GPG_KEY=test@tavelon.example "$source/tools/release" seal "$work/dist" >/dev/null
(cd "$work/dist" && find . -maxdepth 1 -type f ! -name 'SHA256SUMS*' -printf '%f\n' && awk '{print $2}' SHA256SUMS) |
    sort | uniq -u | { ! grep .; } ||
    { echo "SHA256SUMS does not list exactly the files of dist/"; ls "$work/dist"; cat "$work/dist/SHA256SUMS"; exit 1; }
(cd "$work/dist" && sha256sum --quiet -c SHA256SUMS) || { echo "SHA256SUMS does not match the files"; exit 1; }
gpg --verify "$work/dist/SHA256SUMS.asc" "$work/dist/SHA256SUMS" 2>/dev/null || { echo "the signature is refused"; exit 1; }
"$here/spdx_check.py" "$work/dist"/tavelon-*.spdx.json "$work/dist"
printf '\x5a' | dd of="$work/dist/$(basename "$deb")" bs=1 seek=4000 conv=notrunc status=none
! (cd "$work/dist" && sha256sum --quiet -c SHA256SUMS 2>/dev/null) || { echo "a changed package still matches SHA256SUMS"; exit 1; }
sed -i "s/^[0-9a-f]*  $(basename "$deb")\$/$(sha256sum <"$work/dist/$(basename "$deb")" | cut -c1-64)  $(basename "$deb")/" \
    "$work/dist/SHA256SUMS"
! gpg --verify "$work/dist/SHA256SUMS.asc" "$work/dist/SHA256SUMS" 2>/dev/null || { echo "SHA256SUMS changed to match, and still the signature holds"; exit 1; }
echo "release: SHA256SUMS covers dist/, the signature verifies; a changed byte fails the sums, and sums changed to match fail the signature"
unset GNUPGHOME

"$here/release_verify.py" "$here/../../tools/release"
