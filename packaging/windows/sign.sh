#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# sign.sh FILE ROLE  signs a Windows program in place with the code-signing certificate that
#                    TAVELON_SIGN_PKCS12 names (a PKCS#12 file; its password in TAVELON_SIGN_PASSWORD);
#                    with TAVELON_SIGNATURES_OUT naming a folder, keeps the signature there as ROLE.p7.
#                    Without a certificate, but with TAVELON_SIGNATURES naming a folder of such signatures
#                    (a release's), puts ROLE.p7 on the file instead: a rebuild of the same program then
#                    has the released bytes again. Otherwise it does nothing. ROLE: program, installer or
#                    uninstaller.
# sign.sh --say      says in one line whether this build signs.
set -euo pipefail
if [ "${1:-}" = --say ]; then
    if [ -n "${TAVELON_SIGN_PKCS12:-}" ]; then
        echo "Signing the Windows programs with $TAVELON_SIGN_PKCS12"
    elif [ -n "${TAVELON_SIGNATURES:-}" ]; then
        echo "Putting the signatures in $TAVELON_SIGNATURES on the Windows programs"
    else
        echo "Not signing the Windows programs: TAVELON_SIGN_PKCS12 names no certificate"
    fi
    exit 0
fi
file=$1 role=${2:?sign.sh FILE ROLE}
if [ -n "${TAVELON_SIGN_PKCS12:-}" ]; then
    password=$(mktemp)
    trap 'rm -f "$password" "$file.signed"' EXIT
    chmod 600 "$password"
    printf '%s' "${TAVELON_SIGN_PASSWORD:-}" >"$password"
    # No time-stamping server: the signature is then valid while the certificate is, and the same
    # signature put on a rebuild gives the same bytes.
    osslsigncode sign -pkcs12 "$TAVELON_SIGN_PKCS12" -readpass "$password" -h sha256 -n Tavelon \
        -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
    if [ -n "${TAVELON_SIGNATURES_OUT:-}" ]; then
        mkdir -p "$TAVELON_SIGNATURES_OUT"
        osslsigncode extract-signature -in "$file" -out "$TAVELON_SIGNATURES_OUT/$role.p7" >/dev/null
    fi
elif [ -n "${TAVELON_SIGNATURES:-}" ]; then
    trap 'rm -f "$file.signed"' EXIT
    # Whether the certificate's chain is trusted here does not matter (attach-signature fails on that
    # alone): only whether the signed digest is this file's. One that does not fit leaves the file
    # unsigned, for the comparison to find.
    osslsigncode attach-signature -sigin "$TAVELON_SIGNATURES/$role.p7" -in "$file" -out "$file.signed" >/dev/null 2>&1 || true
    digests=$({ osslsigncode verify -in "$file.signed" 2>/dev/null || true; } | sed -n 's/^\(Current\|Calculated\) message digest *: *//p' | sort -u)
    if [ -n "$digests" ] && [ "$(wc -l <<<"$digests")" -eq 1 ]; then
        mv "$file.signed" "$file"
    else
        echo "sign.sh: the $role's signature in $TAVELON_SIGNATURES does not fit $(basename "$file")" >&2
    fi
fi
