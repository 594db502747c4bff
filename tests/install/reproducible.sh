#!/usr/bin/env bash
# Two release builds of the same sources, in two folders with different paths, and their Debian
# packages: byte for byte the same, as a reproducible-builds check would find them. Neither copy has
# history to take the date from: the first is given SOURCE_DATE_EPOCH at configuration alone, and the
# build and cpack must carry it through themselves; the second is the release's source tarball (of the
# work tree as it is, committed or not), unpacked, with no SOURCE_DATE_EPOCH at all and other file times:
# it must take the checkout's date from what the tarball carries, and pass its own install check.
set -euo pipefail
source=$1
: "${SOURCE_DATE_EPOCH:?the build takes its time stamps from SOURCE_DATE_EPOCH}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/first/src"
git -C "$source" ls-files -z | (cd "$source" && tar --null -T - -cf -) | tar -xf - -C "$work/first/src"
env SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH" cmake -S "$work/first/src" -B "$work/first/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null

# Uncommitted changes go into the tarball as a commit of their own, dated as the checkout.
identity=(GIT_AUTHOR_NAME=test GIT_AUTHOR_EMAIL=test@tavelon.example GIT_COMMITTER_NAME=test
    GIT_COMMITTER_EMAIL=test@tavelon.example GIT_COMMITTER_DATE="@$SOURCE_DATE_EPOCH +0000")
commit=$(cd "$source" && env "${identity[@]}" git stash create)
tarball=$(env -u SOURCE_DATE_EPOCH "$source/tools/release" tarball "$work/tarball" "${commit:-HEAD}")
mkdir -p "$work/second copy, elsewhere"
tar -xJf "$tarball" -C "$work/second copy, elsewhere"
second=$(echo "$work/second copy, elsewhere"/tavelon-*)
[ ! -e "$second/.git" ] || { echo "FAIL: the tarball holds .git"; exit 1; }
find "$second" -exec touch -d '2001-02-03 04:05:06' {} +
env -u SOURCE_DATE_EPOCH cmake -S "$second" -B "$second/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

for build in "$work/first/build" "$second/build"; do
    env -u SOURCE_DATE_EPOCH cmake --build "$build" --parallel "$(nproc)" >/dev/null
    (cd "$build" && env -u SOURCE_DATE_EPOCH cpack >/dev/null)
done
sha256sum "$work"/first/build/tavelon_*.deb "$second"/build/tavelon_*.deb
cmp "$work"/first/build/tavelon_*.deb "$second"/build/tavelon_*.deb || { echo "FAIL: the two packages differ"; exit 1; }
echo "the two packages are identical"
stamp=$(dpkg-deb --fsys-tarfile "$second"/build/tavelon_*.deb | tar -tv --full-time | awk 'NR == 1 {print $4 " " $5}')
[ "$(date -u -d "$stamp UTC" +%s)" = "$SOURCE_DATE_EPOCH" ] ||
    { echo "FAIL: the tarball's package is dated $stamp, the checkout $(date -u -d "@$SOURCE_DATE_EPOCH" '+%F %T')"; exit 1; }
echo "the tarball's build is dated as the checkout: $stamp"

# The tarball is complete: its own install check passes, with no SOURCE_DATE_EPOCH in the environment.
(cd "$second/build" && env -u SOURCE_DATE_EPOCH ctest --output-on-failure -R '^install_check$') ||
    { echo "FAIL: the install check of the unpacked tarball"; exit 1; }
