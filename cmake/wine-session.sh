#!/usr/bin/env bash
# One Wine session for a whole test run (scripts/test.sh):
#   wine-session.sh start PREFIX   prepares the prefix, starts a Wine server
#                                  that stays until stopped and one Windows
#                                  process that keeps Wine's services up,
#                                  and checks that a program starts;
#   wine-session.sh stop PREFIX    ends them.
# Without it every test's start may meet a server ending its idle time or
# services stopping after the last program: a program started then can be
# ended before it runs, without a word.
set -u
command=$1 prefix=$2
source "$(dirname "$0")/wine-env.sh"
keeper_pid="$prefix.keeper"

start() {
  mkdir -p "$(dirname "$prefix")"
  (flock 9 && prepare_prefix) 9>"$prefix.lock" || { echo "wine-session: cannot prepare $prefix" >&2; return 1; }
  local status
  quiet "$wineserver" -p; status=$?
  # 2: a server of this prefix runs already; it is made to stay as well.
  if [ $status -eq 2 ]; then
    quiet "$wineserver" -k; quiet "$wineserver" -w
    quiet "$wineserver" -p; status=$?
  fi
  [ $status -eq 0 ] || { echo "wine-session: the Wine server did not start (status $status)" >&2; return 1; }
  # A program that waits on its input for as long as the session lasts:
  # Wine stops its services after the last program ends, and a program that
  # starts while they stop may not run.
  setsid bash -c 'sleep infinity | exec "$0" cmd /c "set /p keep="' "$wine64" </dev/null >/dev/null 2>&1 9>&- &
  echo $! >"$keeper_pid"
  # Into a file: services that this start may launch inherit its streams,
  # and a pipe would never end.
  local out="$prefix.check"
  "$wine64" cmd /c echo started </dev/null >"$out" 2>&1 9>&-
  status=$?
  if [ $status -ne 0 ] || ! grep -q '^started' "$out"; then
    echo "wine-session: a Windows program did not start (status $status): $(cat "$out")" >&2
    return 1
  fi
  rm -f "$out"
}

stop() {
  if [ -f "$keeper_pid" ]; then
    kill -- -"$(cat "$keeper_pid")" 2>/dev/null
    rm -f "$keeper_pid"
  fi
  quiet "$wineserver" -k
  quiet "$wineserver" -w
  return 0
}

case $command in
  start) start ;;
  stop) stop ;;
  *) echo "usage: wine-session.sh start|stop PREFIX" >&2; exit 2 ;;
esac
