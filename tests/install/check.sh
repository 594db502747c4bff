#!/usr/bin/env bash
# Installs into a temporary prefix and builds the Debian package, then checks both: the exact file
# list, the desktop entry and metainfo validators, and that the packaged program starts from where
# the package puts it and shows its icon.
set -euo pipefail
build=$1 xwindow=$2 here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
(cd "$work/prefix" && find . -type f -o -type l | LC_ALL=C sort) >"$work/installed.txt"
diff -u "$here/expected-files.txt" "$work/installed.txt"
echo "install: exactly the expected files"

desktop-file-validate "$work"/prefix/share/applications/*.desktop
appstreamcli validate --no-net "$work"/prefix/share/metainfo/*.metainfo.xml
grep -q '<release version="1.00"' "$work"/prefix/share/metainfo/*.metainfo.xml

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/tavelon_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print "." substr($6, 6)}' | LC_ALL=C sort >"$work/packaged.txt"
diff -u "$here/expected-files.txt" "$work/packaged.txt"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ $depends == *libqt6widgets6* ]]

dpkg-deb -x "$deb" "$work/root"
cd "$work"
xvfb-run -a -s "-screen 0 1024x768x24" "$here/../window/smoke.sh" "$work/root/usr/bin/tavelon" "$xwindow"
