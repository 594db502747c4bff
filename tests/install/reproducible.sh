#!/usr/bin/env bash
# Two release builds of the same sources, in two folders with different paths, and their Debian
# packages: byte for byte the same, as a reproducible-builds check would find them. These copies have no
# history to take the date from: the first is given SOURCE_DATE_EPOCH at configuration alone, and the
# build and cpack must carry it through themselves; the second has none, and takes the date that
# `git archive` writes into the tree, as a source tarball carries it.
set -euo pipefail
source=$1
: "${SOURCE_DATE_EPOCH:?the build takes its time stamps from SOURCE_DATE_EPOCH}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for copy in first "second copy, elsewhere"; do
    mkdir -p "$work/$copy/src"
    git -C "$source" ls-files -z | (cd "$source" && tar --null -T - -cf -) | tar -xf - -C "$work/$copy/src"
    date=(env SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH")
    if [ "$copy" != first ]; then
        git -C "$source" archive HEAD packaging/source-date-epoch | tar -xf - -C "$work/$copy/src"
        date=(env -u SOURCE_DATE_EPOCH)
        # Different file times as well, which the build must not carry into the package.
        find "$work/$copy/src" -exec touch -d '2001-02-03 04:05:06' {} +
    fi
    "${date[@]}" cmake -S "$work/$copy/src" -B "$work/$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF >/dev/null
    env -u SOURCE_DATE_EPOCH cmake --build "$work/$copy/build" --parallel "$(nproc)" >/dev/null
    (cd "$work/$copy/build" && env -u SOURCE_DATE_EPOCH cpack >/dev/null)
done
sha256sum "$work"/*/build/tavelon_*.deb
first=$(sha256sum <"$work"/first/build/tavelon_*.deb)
second=$(sha256sum <"$work/second copy, elsewhere"/build/tavelon_*.deb)
[ "$first" = "$second" ] || { echo "FAIL: the two packages differ"; exit 1; }
echo "the two packages are identical"
