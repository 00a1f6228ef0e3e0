#!/usr/bin/env bash
# Checks each workaround's FIXME line in the sources: at most 100 columns, naming the versions
# that need it and the tests that pin it, and every test it names exists: "tst_x's function" a
# test function in tests/tst_x.cpp, a bare function one in any test, "tst_x" a CTest test, and
# "tst_orca_speech's "name" flow" a flow of the screen reader test.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
complain() {
    echo "$1: $2" >&2
    status=1
}
isFunction() { # NAME [FILE...]
    local name=$1
    shift
    grep -qE "^ *void $name\(\)" "$@" 2>/dev/null
}

# Outside git (a source package, a copied tree) every source file but the builds'.
fixmeLines() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git grep -n 'FIXME(' -- '*.cpp' '*.h' '*.py' '*.sh' ':!tools/check-fixme.sh' || true
    else
        grep -rn 'FIXME(' --include='*.cpp' --include='*.h' --include='*.py' --include='*.sh' \
            --exclude=check-fixme.sh --exclude-dir='build*' --exclude-dir=.git . |
            sed 's|^\./||' || true
    fi
}

while IFS= read -r found; do
    place=${found%%:*}:$(cut -d: -f2 <<<"$found")
    line=${found#*:*:}
    ((${#line} <= 100)) || complain "$place" "the FIXME line has ${#line} columns, more than 100"
    if [[ ! "$line" =~ //\ FIXME\([^\)]+\):\ pinned\ by\ (.+)\.$ ]]; then
        complain "$place" "not \"// FIXME(VERSIONS): pinned by TESTS.\""
        continue
    fi
    pins=${BASH_REMATCH[1]}
    while read -r flow; do
        grep -qF "    \"$flow\": [" tests/orca/test_orca_speech.py ||
            complain "$place" "tst_orca_speech has no flow \"$flow\""
    done < <(grep -oE "\"[^\"]+\"" <<<"$pins" | tr -d '"')
    pins=$(sed -E "s/'s (\"[^\"]*\"( and )?)+ flows?//; s/\"[^\"]*\"//g" <<<"$pins")
    while read -r file function; do
        isFunction "$function" "tests/$file.cpp" || complain "$place" "tests/$file.cpp has no $function"
    done < <(grep -oE "tst_[a-z0-9_]+'s [A-Za-z0-9_]+" <<<"$pins" | sed "s/'s / /")
    pins=$(sed -E "s/tst_[a-z0-9_]+'s [A-Za-z0-9_]+//g" <<<"$pins")
    for name in $(sed -E 's/,/ /g; s/(^| )and( |$)/ /g' <<<"$pins"); do
        if [[ "$name" == tst_* ]]; then
            grep -qE "(vorlakin_test\(|vorlakin_session_test\(|add_test\(NAME )$name( |\)|$)" tests/CMakeLists.txt ||
                complain "$place" "no CTest test $name"
        else
            isFunction "$name" tests/*.cpp || complain "$place" "no test function $name"
        fi
    done
done < <(fixmeLines)
exit "$status"
