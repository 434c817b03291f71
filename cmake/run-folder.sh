# Sourced by wine-run.sh: a temporary folder for one run that is gone when
# the runner ends, however it ends.
#
# CTest ends a test that outlives its timeout with SIGKILL, which no trap
# sees. So the runner holds a lock on the folder for as long as it runs, and
# a process outside the test's process tree (CTest ends only that tree)
# waits for the lock; when it gets it, it ends the process whose number the
# runner wrote into the folder's "pid" file, should that have outlived the
# runner, and removes the folder.
#
#   open_run_folder     makes the folder, $run_folder
#   run_child CMD...    runs CMD as the recorded process, with the runner's
#                       streams, and gives its exit status
#
# Descriptor 8 holds the lock; nothing the runner starts may keep it.

open_run_folder() {
  run_folder=$(mktemp -d "${TMPDIR:-/tmp}/zl-run.XXXXXX") || return 1
  trap 'rm -rf "$run_folder"' EXIT
  exec 8>"$run_folder/lock"
  flock 8
  setsid -f flock "$run_folder/lock" bash -c \
    'if [ -f "$0/pid" ]; then kill -9 "$(cat "$0/pid")"; fi; rm -rf "$0"' "$run_folder" \
    </dev/null >/dev/null 2>&1 8>&-
}

run_child() {
  "$@" 0<&0 8>&- &
  local child=$!
  echo "$child" >"$run_folder/pid"
  wait "$child"
  local status=$?
  rm -f "$run_folder/pid"
  return $status
}
