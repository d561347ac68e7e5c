#!/bin/sh
# The wall time of `zeruda-cli almanac --from 2026-01-01 --to 2026-12-31`, a whole year
# of the almanac in one process, best and median of 20 runs. The goal: under 20 ms.
# A first line times a single day's almanac as JSON, with the traditional tables. Wall
# time counts waiting for a core: run it on a quiet machine.
#
#   bench/almanac_year.sh [ZERUDA_CLI]   (default: build/release/src/cli/zeruda-cli)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/release/src/cli/zeruda-cli}
runs=20

[ -x "$cli" ] || { echo "no zeruda-cli at $cli (build the release preset first)" >&2; exit 2; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Milliseconds of each of $runs runs of the command, one per line, sorted.
wall_ms() {
  i=0
  while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    XDG_DATA_HOME="$home" "$@" >/dev/null
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 ))" | awk '{ printf "%.3f\n", $1 / 1000 }'
    i=$((i + 1))
  done | sort -n
}

report() {
  awk -v what="$1" -v goal="$2" '{ t[NR] = $1 } END {
    median = (t[int((NR + 1) / 2)] + t[int(NR / 2) + 1]) / 2
    printf "%-28s best %7.3f ms  median %7.3f ms  (%s)\n", what, t[1], median,
           median < goal ? "under " goal " ms" : "OVER " goal " ms"
    exit median < goal ? 0 : 1
  }'
}

"$cli" almanac 2026-01-01 >/dev/null  # warm the file cache
wall_ms "$cli" almanac 2026-12-22 --json | report "almanac DATE --json" 20 || true
wall_ms "$cli" almanac --from 2026-01-01 --to 2026-12-31 | report "almanac of 2026" 20
