#!/bin/sh
# How long the window takes from launch to its first paint, beside a bare Qt window that
# shows one Chinese label, both with the same probe (ZERUDA_FIRST_PAINT_PROBE) and run in
# turn so a busy machine slows both alike. The goal: within 1.3 times the bare window.
#
#   bench/window_startup.sh [BUILD_DIR]   (default: build/release)
#
# Runs on the current display, else on a virtual one (Xvfb, on a free display). The
# window starts in a home folder of its own, set up by one run that is not counted.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/release}
program=$build/src/gui/zeruda
bare=$build/bench/zeruda_bare_window
runs=${RUNS:-7}

for binary in "$program" "$bare"; do
  [ -x "$binary" ] || { echo "no $binary (build the release preset first)" >&2; exit 2; }
done
work=$(mktemp -d)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  command -v Xvfb >/dev/null || { echo "no display and no Xvfb" >&2; exit 2; }
  # The server picks a free display and writes its number once it is ready.
  Xvfb -displayfd 3 -screen 0 1366x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  server=$!
  while [ ! -s "$work/display" ]; do
    kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 2; }
    sleep 0.1
  done
  export DISPLAY=:$(cat "$work/display")
fi
export HOME=$work/home ZERUDA_FIRST_PAINT_PROBE=1
mkdir -p "$HOME"

# Milliseconds from launch to the probe's report.
first_paint_ms() {
  start=$(date +%s%N)
  painted=$("$@")
  echo "$painted $start" | awk '{ printf "%.1f\n", ($1 - $2) / 1e6 }'
}

"$program" >/dev/null  # sets up the home folder
i=1
while [ "$i" -le "$runs" ]; do
  first_paint_ms "$bare" >>"$work/bare"
  first_paint_ms "$program" >>"$work/program"
  i=$((i + 1))
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
b=$(median "$work/bare")
p=$(median "$work/program")
echo "first paint, median of $runs runs: bare Qt window $b ms, zeruda $p ms"
echo "$p $b" | awk '{
  ratio = $1 / $2
  printf "ratio %.2f (%s)\n", ratio, ratio <= 1.3 ? "within 1.3x" : "OVER 1.3x"
  exit ratio <= 1.3 ? 0 : 1
}'
