# Sourced by the tools: quietly LOG COMMAND... runs the command with its output in LOG and, when
# it fails, shows the compiler's and CMake's error messages from it (or its end) and its path.
# building LOG COMMAND... does the same for a build, and shows its progress meanwhile.
quietly() {
    local log="$1"
    shift
    [[ "$log" = /* ]] || log="$PWD/$log"
    mkdir -p "$(dirname "$log")"
    "$@" >"$log" 2>&1 </dev/null && return 0
    local status=$?
    report_failure "$log" "$status" "$@"
    return "$status"
}

building() {
    local log="$1"
    shift
    [[ "$log" = /* ]] || log="$PWD/$log"
    mkdir -p "$(dirname "$log")"
    : >"$log"
    "$@" 2>&1 </dev/null | show_build_progress "$log" && return 0
    local status=${PIPESTATUS[0]}
    report_failure "$log" "$status" "$@"
    return "$status"
}

# Copies the build's output to LOG and shows how far it is from CMake's "[ 37%]" marks: on a
# terminal, one line that updates; in a CI log, one line that grows by each tenth. In a workflow
# preset, the test step's output is shown as it comes.
show_build_progress() { # LOG
    local log=$1 line percent shown=-1 started=$SECONDS testing=false
    local terminal=false
    [ -t 1 ] && terminal=true
    printf 'Building'
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$log"
        if $testing || [[ "$line" == 'Executing workflow step '*': test preset '* ]]; then
            $testing || printf ', %d s\nTesting\n' "$((SECONDS - started))"
            testing=true
            printf '%s\n' "$line"
            continue
        fi
        [[ "$line" =~ ^\[\ *([0-9]+)%\] ]] || continue
        percent=$((10#${BASH_REMATCH[1]}))
        if $terminal; then
            ((percent > shown)) && printf '\rBuilding %d%%' "$percent"
            ((percent > shown)) && shown=$percent
        elif ((percent / 10 > shown)); then
            shown=$((percent / 10))
            printf ' %d%%' "$((shown * 10))"
        fi
    done
    $testing || printf ', %d s\n' "$((SECONDS - started))"
}

report_failure() { # LOG STATUS COMMAND...
    local log=$1 status=$2
    shift 2
    echo "Failed (status $status): $*" >&2
    if grep -q -E 'error:|Error|undefined reference' "$log"; then
        # -m, not head: under pipefail, a grep cut short by head would end the script here.
        grep -E -m 30 -A 6 'error:|Error|undefined reference' "$log" >&2 || true
    else
        tail -n 30 "$log" >&2
    fi
    echo "The whole output is in $log" >&2
}
