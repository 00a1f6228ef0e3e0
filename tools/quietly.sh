# Sourced by the tools: quietly LOG COMMAND... runs the command with its output in LOG and, when
# it fails, shows the compiler's and CMake's error messages from it (or its end) and its path.
quietly() {
    local log="$1"
    shift
    [[ "$log" = /* ]] || log="$PWD/$log"
    mkdir -p "$(dirname "$log")"
    "$@" >"$log" 2>&1 </dev/null && return 0
    local status=$?
    echo "Failed (status $status): $*" >&2
    if grep -q -E 'error:|Error|undefined reference' "$log"; then
        # -m, not head: under pipefail, a grep cut short by head would end the script here.
        grep -E -m 30 -A 6 'error:|Error|undefined reference' "$log" >&2 || true
    else
        tail -n 30 "$log" >&2
    fi
    echo "The whole output is in $log" >&2
    return "$status"
}
