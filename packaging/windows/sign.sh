#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# sign.sh FILE   signs a Windows program in place with the code-signing certificate that
#                TAVELON_SIGN_PKCS12 names (a PKCS#12 file; its password in TAVELON_SIGN_PASSWORD), and
#                does nothing without one.
# sign.sh --say  says in one line whether this build signs.
set -euo pipefail
if [ "${1:-}" = --say ]; then
    if [ -n "${TAVELON_SIGN_PKCS12:-}" ]; then
        echo "Signing the Windows programs with $TAVELON_SIGN_PKCS12"
    else
        echo "Not signing the Windows programs: TAVELON_SIGN_PKCS12 names no certificate"
    fi
    exit 0
fi
[ -n "${TAVELON_SIGN_PKCS12:-}" ] || exit 0
file=$1
password=$(mktemp)
trap 'rm -f "$password" "$file.signed"' EXIT
chmod 600 "$password"
printf '%s' "${TAVELON_SIGN_PASSWORD:-}" >"$password"
# No time-stamping server: the signature is then valid while the certificate is.
osslsigncode sign -pkcs12 "$TAVELON_SIGN_PKCS12" -readpass "$password" -h sha256 -n Tavelon \
    -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
