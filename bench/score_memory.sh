#!/bin/sh
# The peak memory of `zeruda-cli score` on the most names a list may hold (30,000
# one-character lines), read from a file and from standard input, plain, --json and
# --csv. The goal: under 200 MB each. Then on one line of 200,000,000 bytes, ASCII and
# bytes that start no UTF-8 character (0x8D): the list is refused after its first
# 2,000,000 bytes either way, and the second may take no more memory than the first.
#
#   bench/score_memory.sh [ZERUDA_CLI]   (default: build/release/src/cli/zeruda-cli)
#
# Needs GNU time (/usr/bin/time; Debian: time). Runs in a fresh home of its own.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/release/src/cli/zeruda-cli}
[ -x "$cli" ] || { echo "no zeruda-cli at $cli (build the release preset first)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "GNU time is missing (install the package time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" TMPDIR="$work"
mkdir -p "$XDG_DATA_HOME"
# 30,000 lines of one character each, drawn from a few characters.
awk 'BEGIN { split("华 为 腾 讯 阿 里 明 龙 海 朝 阳 金 鑫 万 达 通", c, " ");
             srand(1); for (i = 0; i < 30000; i++) print c[int(rand() * 16) + 1] }' \
  > "$work/names.txt"

peak() {  # label, then the command
  label=$1
  shift
  /usr/bin/time -f '%M %e' -o "$work/time" "$@" >/dev/null 2>"$work/err" || true
  # The last line: GNU time puts "Command exited with non-zero status N" before it.
  set -- $(tail -n 1 "$work/time")
  kb=$1 seconds=$2
  printf '%-12s %8.1f MB %7s s\n' "$label" "$(echo "$kb" | awk '{ print $1 / 1024 }')" "$seconds"
}

echo "command: /usr/bin/time -f %M zeruda-cli score ... --base 3 on 30,000 lines"
peak file "$cli" score "$work/names.txt" --base 3
peak stdin sh -c '"$0" score - --base 3 < "$1"' "$cli" "$work/names.txt"
peak json "$cli" score "$work/names.txt" --base 3 --json
peak csv "$cli" score "$work/names.txt" --base 3 --csv "$work/out.csv"

head -c 200000000 /dev/zero | tr '\0' 'x' > "$work/ascii_line.txt"
head -c 200000000 /dev/zero | tr '\0' '\215' > "$work/broken_line.txt"
echo "command: /usr/bin/time -f %M zeruda-cli score ... --base 3 on one 200,000,000-byte line"
peak "ascii line" "$cli" score "$work/ascii_line.txt" --base 3
peak "0x8D line" "$cli" score "$work/broken_line.txt" --base 3
