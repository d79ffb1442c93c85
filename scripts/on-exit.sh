# Clean-up when a script ends, for the script and the helpers it sources:
# each step runs at exit, the last added first, before whatever EXIT trap the
# script had set already; a step that fails does not keep the others from
# running.
# shellcheck shell=bash

# Adds the shell command STEP to what runs at exit.
on_exit() {
  local step="$1"
  eval "set -- $(trap -p EXIT)"
  # shellcheck disable=SC2064 # the steps are fixed now, as they stand
  trap "{ $step; } || true${3:+; $3}" EXIT
}
