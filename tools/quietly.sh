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
        grep -E -A 6 'error:|Error|undefined reference' "$log" | head -n 100 >&2
    else
        tail -n 30 "$log" >&2
    fi
    echo "The whole output is in $log" >&2
    return "$status"
}
