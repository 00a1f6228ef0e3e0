#!/usr/bin/env bash
# Prints which folders include headers from which others, one "from -> to (count)" line per
# pair, from the project's own #include "..." lines. With --check, fails on any pair that the
# layering in docs/contributing.md's Layout section does not allow, and on a folder it does not
# name.
set -euo pipefail
cd "$(dirname "$0")/.."

sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files '*.cpp' '*.h'
    else
        find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||'
    fi
}

edges() {
    sources | xargs grep -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/[^"]*"' |
        sed -E 's|^([^:]*):[^"]*"([^"]*)".*|\1 \2|' |
        while read -r file header; do
            [[ -e "$header" ]] || continue # generated, or not the project's
            from=.
            [[ "$file" == */* ]] && from=${file%/*}
            to=${header%/*}
            [[ "$to" == "$from" ]] || echo "$from -> $to"
        done | sort | uniq -c | awk '{print $2, $3, $4, "(" $1 ")"}'
}

# The layers, lowest first; each may include its own folder and the ones listed for it.
allowed() {
    case "$1" in
    ui) ;;
    ui/accessible) echo "ui" ;;
    core | platform) echo "ui" ;;
    forms/scores | forms/main | forms) echo "ui core forms forms/main forms/scores" ;;
    .) echo "ui ui/accessible core platform forms forms/main forms/scores" ;;
    fuzz) echo "forms/scores" ;;
    tests | tests/* | bench) echo "*" ;; # anything
    *) return 1 ;;                       # a folder the layering does not know
    esac
}

if [[ "${1:-}" != "--check" ]]; then
    edges
    exit 0
fi
status=0
while read -r from _ to _; do
    for folder in "$from" "$to"; do
        allowed "$folder" >/dev/null ||
            echo "unknown folder: $folder (not in docs/contributing.md's Layout)" >&2
    done
    if ! permitted=$(allowed "$from") || ! allowed "$to" >/dev/null; then
        status=1
        continue
    fi
    [[ "$permitted" == "*" ]] && continue
    if [[ " $permitted " != *" $to "* ]]; then
        echo "not allowed: $from includes $to" >&2
        status=1
    fi
done < <(edges)
exit "$status"
