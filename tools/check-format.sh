#!/usr/bin/env bash
# Checks that every C++ file git tracks follows .clang-format, and names the files that do not.
# `--fix` rewrites them instead. The code is laid out so that clang-format 14 (Debian 12's) and
# 19 (Debian 13's) agree; it installs clang-format when there is none. A check that cannot check
# fails, saying why in one line.
set -euo pipefail
cd "$(dirname "$0")/.."

cannot() {
    echo "check-format: cannot check: $*" >&2
    exit 1
}

formatter=$(command -v clang-format-14 || command -v clang-format-19 || command -v clang-format || true)
if [[ -z "$formatter" ]]; then
    bash tools/install-deps.sh --only clang-format
    formatter=$(command -v clang-format) || cannot "clang-format is not installed"
fi
command -v git >/dev/null || cannot "git is not installed, and it lists the files to check"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || cannot "$PWD is not a git checkout"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
[[ ${#files[@]} -gt 0 ]] || cannot "git lists no C++ files"
version=$("$formatter" --version | grep -o 'version [0-9]*' | head -n 1)

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
[[ $status -eq 0 ]] && echo "Every C++ file (${#files[@]}) follows .clang-format (clang-format $version)"
exit "$status"
