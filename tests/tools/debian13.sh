#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/debian13 as the whole gate uses it, as root: it makes its base system from Debian 13, and anew
# when it is over 30 days old; it runs its command in Debian 13 and says so, with the keyring GNUPGHOME
# names mounted and named to it; an interrupt while the command runs, once or twice (through sudo, one
# interrupt arrives twice), ends it and leaves nothing mounted and nothing running in the system, not even
# a process deaf to interrupts. It works on a clone of this tree, whose build folder it may cut off.
#   debian13.sh SOURCE_DIR
set -uo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
root=${TAVELON_DEBIAN13:-$HOME/.cache/tavelon/debian13}/dev
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
inside() { awk -v r="$root/" 'index($2 "/", r) == 1' /proc/self/mounts; }
running() { for pid in /proc/[0-9]*; do [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && echo "${pid#/proc/}"; done; }
# Whatever a failed run left, cleared before the clone it may still use is removed.
clear_left() {
    local pid
    for pid in $(running); do kill -KILL "$pid" 2>/dev/null; done
    inside | cut -d' ' -f2 | sort -r | while read -r m; do umount "$m" 2>/dev/null || umount -l "$m"; done
}
trap 'clear_left; rm -rf "$work"' EXIT
git clone -q "$source_dir" "$work/tree"

# The base system: made with debootstrap from Debian 13 where there is none or it is over 30 days old,
# kept while it is younger. A stand-in debootstrap records what it is asked for; a stand-in mount ends
# the run once the base is settled.
stand=$work/stand-in
mkdir -p "$stand/bin"
printf '#!/bin/bash\necho "$*" >>"%s/debootstrap.log"\nmkdir -p "${@: -2:1}/etc/apt/sources.list.d"\n' "$stand" \
    >"$stand/bin/debootstrap"
printf '#!/bin/bash\nexit 1\n' >"$stand/bin/mount"
chmod +x "$stand/bin"/*
# base_row NAME AGE_IN_DAYS|none MADE(yes|no)
base_row() {
    local cache=$stand/$2 out
    mkdir -p "$cache/base"
    [ "$2" = none ] || touch -d "$2 days ago" "$cache/base/.made"
    : >"$stand/debootstrap.log"
    out=$(PATH=$stand/bin:$PATH TAVELON_DEBIAN13=$cache "$work/tree/tools/debian13" 2>&1)
    if [ "$3" = no ]; then
        [ ! -s "$stand/debootstrap.log" ] || fail "$1: made anew: $(cat "$stand/debootstrap.log")"
        return
    fi
    grep -q "^--variant=minbase trixie $cache/base.new " "$stand/debootstrap.log" ||
        fail "$1: not made from Debian 13 (trixie): $(cat "$stand/debootstrap.log") $out"
    grep -qx 'Suites: trixie trixie-updates' "$cache/base/etc/apt/sources.list.d/debian.sources" 2>/dev/null ||
        fail "$1: its package sources are not Debian 13's"
    [ -n "$(find "$cache/base/.made" -mmin -10)" ] || fail "$1: not dated today"
}
base_row "no base system" none yes
base_row "a base 29 days old" 29 no
base_row "a base 32 days old" 32 yes
echo "the base system: made from Debian 13 when there is none or it is over 30 days old, else kept"

# A command inside: said to run in Debian 13, in a system that is Debian 13.
out=$("$work/tree/tools/debian13" dev install package 2>&1) || fail "tools/debian13 dev install package: $out"
grep -q '^== In Debian 13 (13\.[0-9]*): tools/dev install package$' <<<"$out" || fail "it does not say it runs Debian 13: $out"
[ "$(sed -n "s/^VERSION_ID=\"\?\([^\"]*\)\"\?$/\1/p" "$root/etc/os-release")" = 13 ] || fail "$root is not Debian 13"

# interrupt NAME TIMES [sudo]: the test command run inside, interrupted TIMES times once it builds.
interrupt() {
    local name=$1 times=$2 log=$work/$1.log pid status=0 i before=$failures told
    # As a terminal runs it: a job of its own (set -m), with interrupts not ignored, even when this test
    # runs where they are (a background command of a script ignores them).
    set -m
    env --default-signal=INT GNUPGHOME="$keyring" "${@:3}" "$work/tree/tools/debian13" dev test >"$log" 2>&1 &
    pid=$!
    set +m
    for ((i = 0; i < 600; i++)); do
        grep -q '^== The release build' "$log" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 1
    done
    grep -q '^== The release build' "$log" || { fail "$name: the command did not start building: $(tail -n 5 "$log")"; return; }
    [ -n "$(inside)" ] || fail "$name: nothing mounted while the command runs"
    # The keyring gpg is told to use, as a release signs there: at its own path, and named to the command.
    # (sudo drops GNUPGHOME as it drops the rest of the caller's environment.)
    if [ "${3:-}" != sudo ]; then
        inside | cut -d' ' -f2 | grep -qx "$root$keyring" || fail "$name: GNUPGHOME's keyring not mounted"
        told=no
        for i in $(running); do grep -qzx "GNUPGHOME=$keyring" "/proc/$i/environ" && told=yes; done
        [ $told = yes ] || fail "$name: GNUPGHOME not given to the command"
    fi
    # What a command may leave running inside, as a display server or a bus would: deaf to interrupts.
    (chroot "$root" /bin/sh -c 'trap "" INT TERM HUP; exec sleep 600' </dev/null >/dev/null 2>&1 &)
    sleep 3
    for ((i = 0; i < times; i++)); do kill -INT -- "-$pid" 2>/dev/null; sleep 0.05; done
    for ((i = 0; i < 120; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$name: still running 120 s after the interrupt"
        kill -KILL -- "-$pid" 2>/dev/null
    fi
    wait "$pid" || status=$?
    [ "$status" -ne 0 ] || fail "$name: ended with status 0 after an interrupt"
    [ -z "$(inside)" ] || fail "$name: left mounted: $(inside | cut -d' ' -f2 | tr '\n' ' ')"
    [ -z "$(running)" ] || fail "$name: left running: $(running | tr '\n' ' ')"
    clear_left
    [ "$failures" -ne "$before" ] || echo "$name: ended with status $status, nothing mounted, nothing running"
}
keyring=$work/keyring
mkdir -m 700 "$keyring"
interrupt "one interrupt" 1
if command -v sudo >/dev/null; then
    interrupt "an interrupt twice, through sudo" 2 sudo
else
    interrupt "an interrupt twice" 2
fi

[ "$failures" -eq 0 ]
