# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by tools/dev: the packages a command needs, found installed or installed. An entry is a package
# name, NAME>=VERSION for at least that version, or alternatives a|b, the first that the release offers
# taken.

release() { (. /etc/os-release && echo "${PRETTY_NAME:-$ID $VERSION_ID}"); }

# installed NAME[>=VERSION] and candidate NAME[>=VERSION]: the package is installed, or can be, at that version.
installed() {
    local v
    v=$(dpkg-query -W -f='${Status} ${Version}' "${1%%>=*}" 2>/dev/null) || return 1
    [[ $v == "install ok installed "* ]] || return 1
    [[ $1 != *">="* ]] || dpkg --compare-versions "${v##* }" ge "${1#*>=}"
}
candidate() {
    local v
    v=$(apt-cache policy "${1%%>=*}" 2>/dev/null | sed -n 's/^ *Candidate: //p')
    [ -n "$v" ] && [ "$v" != "(none)" ] || return 1
    [[ $1 != *">="* ]] || dpkg --compare-versions "$v" ge "${1#*>=}"
}

install_missing() {
    local missing=() wanted=() absent=() alternatives=() entry alternative chosen log
    for entry in "$@"; do
        chosen=
        IFS='|' read -ra alternatives <<<"$entry"
        for alternative in "${alternatives[@]}"; do installed "$alternative" && chosen=1 && break; done
        [ -n "$chosen" ] || missing+=("$entry")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then sudo=(sudo); fi
    log=$(mktemp)
    if [ "$(id -u)" -eq 0 ] || ((${#sudo[@]})); then
        echo "Updating the package lists"
        "${sudo[@]}" apt-get update -qq >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
    fi
    for entry in "${missing[@]}"; do
        chosen=
        IFS='|' read -ra alternatives <<<"$entry"
        for alternative in "${alternatives[@]}"; do
            candidate "$alternative" && chosen=${alternative%%>=*} && break
        done
        if [ -n "$chosen" ]; then wanted+=("$chosen"); else absent+=("${entry//|/ or }"); fi
    done
    if ((${#absent[@]})); then
        echo "tools/dev: $(release) has no install candidate for: ${absent[*]}" >&2
        exit 1
    fi
    if [ "$(id -u)" -ne 0 ] && ! ((${#sudo[@]})); then
        echo "tools/dev: these packages are missing and there is no sudo to install them. As root, run:" >&2
        echo "  apt-get install --no-install-recommends ${wanted[*]}" >&2
        exit 1
    fi
    echo "Installing ${#wanted[@]} packages: ${wanted[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${wanted[@]}" \
        >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
    rm -f "$log"
}

# The Windows build runs the host's moc, rcc and uic with a Qt for Windows built from the same Debian
# source, which is 6.8.2: Debian 13's. This host can run it if its Qt tools are that version, or, before
# they are installed, if it is Debian 13 (debian_version, set by the script that sources this file).
windows_host() {
    local v
    v=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || v=
    [[ $v == 6.8.2[+-]* ]] || { [ -z "$v" ] && [ "${debian_version:?}" = 13 ]; }
}
