#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The developer scripts' logic, without root and without the network: tools/dev's package entries and its
# Windows host check against stand-ins for dpkg-query, apt-cache, apt-get, id and sudo, and
# tools/build-qt --ready.
#   scripts.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0 rows=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A PATH of its own: the stand-ins, and only the real tools the script needs beside them.
bin=$work/bin
mkdir "$bin"
for tool in bash sed cat rm mktemp dpkg grep env tr; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
cat >"$bin/dpkg-query" <<'STUB'
#!/bin/bash
# -W -f=FORMAT NAME: the version in $STUB/installed ("name version [status]" lines), if listed; the
# status is dpkg's, "install ok installed" unless the line gives another.
read -r version status < <(sed -n "s/^${3} //p" "$STUB/installed")
[ -n "$version" ] || exit 1
case "$2" in *Status*) echo "${status:-install ok installed} $version" ;; *) echo "$version" ;; esac
STUB
cat >"$bin/apt-cache" <<'STUB'
#!/bin/bash
# policy NAME: the candidate in $STUB/offered ("name version" lines), else none.
version=$(sed -n "s/^${2} //p" "$STUB/offered")
echo "$2:"
echo "  Candidate: ${version:-(none)}"
STUB
cat >"$bin/apt-get" <<'STUB'
#!/bin/bash
echo "$*" >>"$STUB/apt-get.log"
STUB
cat >"$bin/id" <<'STUB'
#!/bin/bash
echo "$STUB_UID"
STUB
cat >"$work/sudo" <<'STUB'
#!/bin/bash
echo "sudo" >>"$STUB/apt-get.log"
exec "$@"
STUB
chmod +x "$bin"/* "$work/sudo"

# row NAME UID SUDO ENTRIES INSTALLED OFFERED STATUS INSTALLS SAYS: with those packages installed and
# offered (comma-separated "name version"), install_missing ENTRIES ends with STATUS, installs INSTALLS
# (empty: runs no apt-get install) and says SAYS (a line it must print, if given).
row() {
    local name=$1 uid=$2 sudo=$3 entries=$4 installed=$5 offered=$6 status=$7 installs=$8 says=$9 got out
    rows=$((rows + 1))
    export STUB=$work/$rows STUB_UID=$uid
    mkdir "$STUB"
    tr ',' '\n' <<<"$installed" >"$STUB/installed"
    tr ',' '\n' <<<"$offered" >"$STUB/offered"
    : >"$STUB/apt-get.log"
    rm -f "$bin/sudo"
    [ "$sudo" = no ] || ln -s "$work/sudo" "$bin/sudo"
    read -ra list <<<"$entries"
    out=$(PATH=$bin bash -c '. "$0/tools/packages.sh" && install_missing "$@"' "$source_dir" "${list[@]}" 2>&1)
    got=$?
    [ "$got" = "$status" ] || fail "$name: status $got, expected $status: $out"
    local installed_now
    installed_now=$(sed -n 's/^install -y -qq --no-install-recommends //p' "$STUB/apt-get.log")
    [ "$installed_now" = "$installs" ] || fail "$name: installed \"$installed_now\", expected \"$installs\""
    [ -z "$says" ] || grep -qF -- "$says" <<<"$out" || fail "$name: did not say \"$says\": $out"
    [ "$sudo" != yes ] || [ -z "$installs" ] || grep -qx sudo "$STUB/apt-get.log" || fail "$name: installed without sudo"
}

d12_fonts="fonts-liberation 1:1.07.4-11,fonts-liberation2 1:2.1.5-1"
d13_fonts="fonts-liberation 1:2.1.5-3"
fonts="fonts-liberation>=1:2|fonts-liberation2"
row "installed: nothing to do" 0 no "a" "a 1.0" "a 1.0" 0 "" ""
row "a|b with a installed" 0 no "a|b" "a 1.0" "a 1.0,b 1.0" 0 "" ""
row "a|b with b installed" 0 no "a|b" "b 1.0" "a 1.0,b 1.0" 0 "" ""
row "a|b, neither: the first offered" 0 no "a|b" "" "a 1.0,b 1.0" 0 "a" ""
row "a|b, neither, only b offered" 0 no "a|b" "" "b 1.0" 0 "b" ""
row "Debian 12 takes fonts-liberation2" 0 no "$fonts" "" "$d12_fonts" 0 "fonts-liberation2" ""
row "Debian 13 takes fonts-liberation" 0 no "$fonts" "" "$d13_fonts" 0 "fonts-liberation" ""
row "an installed version too old counts as missing" 0 no "$fonts" "fonts-liberation 1:1.07.4-11" "$d12_fonts" 0 "fonts-liberation2" ""
row "removed, its configuration left: missing" 0 no "a" "a 1.0 deinstall ok config-files" "a 1.0" 0 "a" ""
row "half-installed: missing" 0 no "a" "a 1.0 install reinstreq half-installed" "a 1.0" 0 "a" ""
row "several, only the missing installed" 0 no "a b c" "b 2" "a 1,b 2,c 3" 0 "a c" ""
row "no install candidate: one line naming it" 0 no "a zz" "" "a 1" 1 "" "has no install candidate for: zz"
row "no candidate among alternatives" 0 no "p|q" "" "" 1 "" "has no install candidate for: p or q"
row "not root, no sudo: the line to run as root" 1000 no "a" "" "a 1" 1 "" "  apt-get install --no-install-recommends a"
row "not root, with sudo" 1000 yes "a" "" "a 1" 0 "a" ""

# windows_host: whether this host's Qt tools can build for Windows, by release and installed qt6-base-dev.
host_row() {
    local name=$1 release=$2 installed=$3 expected=$4 got=yes
    rows=$((rows + 1))
    export STUB=$work/host-$rows
    mkdir "$STUB"
    tr ',' '\n' <<<"$installed" >"$STUB/installed"
    PATH=$bin debian_version=$release bash -c '. "$0/tools/packages.sh" && windows_host' "$source_dir" || got=no
    [ "$got" = "$expected" ] || fail "windows_host, $name: $got, expected $expected"
}
host_row "Debian 12 with its Qt 6.4" 12 "qt6-base-dev 6.4.2+dfsg-10" no
host_row "Debian 12 with no Qt" 12 "" no
host_row "Debian 13 before its Qt is installed" 13 "" yes
host_row "Debian 13 with its Qt 6.8.2" 13 "qt6-base-dev 6.8.2+dfsg-9+deb13u2" yes
host_row "Debian 13 with a later Qt" 13 "qt6-base-dev 6.8.3+dfsg-1" no
host_row "a later Debian with Qt 6.8.20" 14 "qt6-base-dev 6.8.20-1" no

# build-qt TARGET --ready: true for a Qt of this recipe, false for an older one or none; each target's own.
for target in windows web; do
    qt=$work/qt-$target
    ready() { TAVELON_QT_WIN=$qt TAVELON_QT_WEB=$qt "$source_dir/tools/build-qt" "$target" --ready; }
    recipe=$(sed -n "s/^$target).* recipe=\([0-9]*\) .*/\1/p" "$source_dir/tools/build-qt")
    rows=$((rows + 3))
    ready && fail "$target: --ready with no Qt"
    mkdir -p "$qt/lib/cmake/Qt6" && touch "$qt/lib/cmake/Qt6/qt.toolchain.cmake"
    echo $((recipe - 1)) >"$qt/tavelon-recipe"
    ready && fail "$target: --ready with a Qt of the older recipe $((recipe - 1))"
    echo "$recipe" >"$qt/tavelon-recipe"
    ready || fail "$target: --ready with a Qt of recipe $recipe"
done

echo "$((rows - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
