#!/bin/sh
# The window starts over every kind of lock that no running window holds, and says
# on its standard error what it took over:
#   tests/gui/bad_lock_start.sh ZERUDA
# Each start runs offscreen in a home of its own, is given a few seconds, and must
# still be running then (a window that refused would have ended at once).
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
case_no=0
start_over() {  # label, the lock file's bytes (printf format), the words expected
  label=$1 bytes=$2 said=$3
  case_no=$((case_no + 1))
  home=$work/home$case_no
  mkdir -p "$home/.local/share/zeruda/gs"
  # shellcheck disable=SC2059
  printf "$bytes" > "$home/.local/share/zeruda/gs/zeruda.lock"
  HOME=$home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$program" > /dev/null 2> "$work/err" &
  pid=$!
  sleep 4
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
    if grep -q "$said" "$work/err"; then
      echo "ok: $label"
    else
      echo "FAILED: $label: started but did not say \"$said\":"; cat "$work/err"
      failed=1
    fi
  else
    wait "$pid"
    echo "FAILED: $label: the window ended at once (exit $?):"; cat "$work/err"
    failed=1
  fi
}
start_over "empty lock" "" "无法读取"
start_over "another host's lock" "999999\nzeruda\notherhost\n" "另一台计算机"
start_over "lock of a process gone" "999999999\nzeruda\n$(uname -n)\n" "已不在运行"
exit $failed
