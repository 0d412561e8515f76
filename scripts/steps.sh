# Sourced first by each command: a step that fails ends the command and names itself, so that no
# command ends with a bare exit status, even when the step's own output was kept aside.
set -eEuo pipefail
trap 'echo "${0##*/}: stopped: \"$BASH_COMMAND\" failed (exit status $?)" >&2' ERR

# quiet COMMAND...: runs the command with its output kept aside; if it fails, shows that output
# and ends the (sub)shell with its status.
quiet() {
    local log status=0
    log=$(mktemp)
    "$@" </dev/null >"$log" 2>&1 || status=$?
    if [[ $status -ne 0 ]]; then
        echo "${0##*/}: stopped: \"$*\" failed (exit status $status), saying:" >&2
        sed 's/^/    /' "$log" >&2
    fi
    rm -f "$log"
    [[ $status -eq 0 ]] || exit "$status"
}
