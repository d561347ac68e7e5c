#!/bin/sh
# How long the window takes from launch to its first paint, beside a bare Qt window that
# shows one Chinese label, both with the same probe (ZERUDA_FIRST_PAINT_PROBE) and run in
# turn so a busy machine slows both alike. The goal: within 1.3 times the bare window.
#
#   bench/window_startup.sh [BUILD_DIR]   (default: build/release)
#
# Runs on the current display, else on a virtual one (xvfb). The window starts in a
# home folder of its own, set up by one run that is not counted.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/release}
program=$build/src/gui/zeruda
bare=$build/bench/zeruda_bare_window
runs=${RUNS:-7}

for binary in "$program" "$bare"; do
  [ -x "$binary" ] || { echo "no $binary (build the release preset first)" >&2; exit 2; }
done
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "no display and no xvfb-run" >&2; exit 2; }
  exec xvfb-run -a -s "-screen 0 1366x900x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
