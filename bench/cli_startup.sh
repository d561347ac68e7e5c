#!/bin/sh
# The CPU time zeruda-cli takes to start and print its help, beside a C++ hello world
# that prints one line with iostream, both measured in the same run so a busy machine
# slows both alike. The goal: zeruda-cli help within twice the hello world.
#
#   bench/cli_startup.sh [ZERUDA_CLI]   (default: build/release/src/cli/zeruda-cli)
#
# Needs perf (Debian: linux-perf); the hello world is built here with ${CXX:-c++} -O2.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/release/src/cli/zeruda-cli}
runs=20
rounds=3

[ -x "$cli" ] || { echo "no zeruda-cli at $cli (build the release preset first)" >&2; exit 2; }
if ! perf stat -x, -e task-clock true >/dev/null 2>&1; then
  echo "perf cannot count task-clock here (install linux-perf)" >&2
  exit 2
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
${CXX:-c++} -O2 -o "$work/hello" "$here/hello_iostream.cpp"

# Mean CPU milliseconds of one run over $runs runs.
cpu_ms() {
  perf stat -x, -e task-clock -r "$runs" -o "$work/stat" "$@" >/dev/null
  awk -F, '$3 ~ /^task-clock/ { print $1 }' "$work/stat"
}

echo "command: perf stat -e task-clock -r $runs, $rounds rounds, each program in turn"
printf '%-7s %12s %16s %7s\n' round "hello (ms)" "cli help (ms)" ratio
hello_sum=0
cli_sum=0
round=1
while [ "$round" -le "$rounds" ]; do
  hello=$(cpu_ms "$work/hello")
  help=$(cpu_ms "$cli" help)
  printf '%-7s %12.3f %16.3f %7.2f\n' "$round" "$hello" "$help" \
    "$(echo "$help $hello" | awk '{ print $1 / $2 }')"
  hello_sum=$(echo "$hello_sum $hello" | awk '{ print $1 + $2 }')
  cli_sum=$(echo "$cli_sum $help" | awk '{ print $1 + $2 }')
  round=$((round + 1))
done
echo "$hello_sum $cli_sum $rounds" | awk '{
  ratio = $2 / $1
  printf "mean    %12.3f %16.3f %7.2f  (%s)\n", $1 / $3, $2 / $3, ratio,
         ratio <= 2 ? "within 2x" : "OVER 2x"
  exit ratio <= 2 ? 0 : 1
}'
