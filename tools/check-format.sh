#!/usr/bin/env bash
# Checks that every C++ file follows .clang-format, as clang-format 14 (Debian 12's) lays it out,
# and names the files that do not. `--fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

formatter=$(command -v clang-format-14 || command -v clang-format || true)
if [[ -z "$formatter" ]]; then
    bash tools/install-deps.sh clang-format
    formatter=$(command -v clang-format-14 || command -v clang-format)
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
    "$formatter" -i "${files[@]}"
    exit 0
fi
status=0
for file in "${files[@]}"; do
    if ! "$formatter" --dry-run -Werror "$file" >/dev/null 2>&1; then
        echo "not formatted: $file (bash tools/check-format.sh --fix)" >&2
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "Every C++ file follows .clang-format"
exit "$status"
