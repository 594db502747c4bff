#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the build can check of the writing: the C++ as .clang-format lays it out, the shell scripts by
# ShellCheck (.shellcheckrc), the Python by pyflakes. Each finding is printed; any finding fails.
#   lint.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2
if git rev-parse --git-dir >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard | while read -r f; do [ -f "$f" ] && echo "$f"; done)
else # an unpacked source tarball
    mapfile -t files < <(find . -path ./build\* -prune -o -type f -print | sed 's|^\./||')
fi
cpp=() sh=() py=()
for f in "${files[@]}"; do
    case "$f" in
    *.cpp | *.h) cpp+=("$f") ;;
    *.py) py+=("$f") ;;
    *.png | *.svg | *.ico | *.txt | *.md | *.json | *.xml* | *.in | LICENSES/* | LICENSE) ;;
    *)
        case "$(head -n1 "$f" 2>/dev/null | tr -d '\0')" in
        '#!'*python*) py+=("$f") ;;
        '#!'*bash* | '#!'*/sh | '# shellcheck shell='*) sh+=("$f") ;;
        esac
        ;;
    esac
done
status=0
echo "clang-format: ${#cpp[@]} files"
clang-format --dry-run --Werror "${cpp[@]}" || status=1
echo "shellcheck: ${#sh[@]} files"
shellcheck "${sh[@]}" || status=1
echo "pyflakes: ${#py[@]} files"
pyflakes3 "${py[@]}" || status=1
exit $status
