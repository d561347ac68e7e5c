#!/usr/bin/env bash
# Runs zeruda-cli's commands on a fixed set of inputs and keeps everything each one
# gives: standard output, standard error, exit code, and the files it writes (exports,
# pictures, the profile, the report page). Two builds are compared by running this
# with each and comparing the folders:
#   tools/cli_outputs/run.sh OLD/zeruda-cli /tmp/old
#   tools/cli_outputs/run.sh NEW/zeruda-cli /tmp/new
#   diff -r /tmp/old /tmp/new
set -u
cli=$(realpath "$1")
out=$2
rm -rf "$out"
mkdir -p "$out/home/data" "$out/home/tmp" "$out/files"
export XDG_DATA_HOME="$out/home/data" TMPDIR="$out/home/tmp"
n=0

# run NAME ARGS...: one command, its outputs under NAME.
run() {
  local name=$1
  shift
  n=$((n + 1))
  local stem
  stem=$(printf '%s/%04d-%s' "$out" "$n" "$name")
  "$cli" "$@" >"$stem.out" 2>"$stem.err" </dev/null
  echo $? >"$stem.code"
}

bodies=(华通 龍鳳 金星泰 天成汇聚 鑫源 博安嘉德 一二 永盛 晟昊 淼鑫犇 海阳 明远 中科云智 犇骉 福康)
moments=("1985-06-15 08:30" "2000-01-01 00:00" "1999-12-31 23:59" "2024-02-04 16:27"
         "1901-02-19 12:00" "2048-12-31 23:00" "1990-07-20 23:30" "2023-03-22 11:05")

run chars chars 华通龍鳳一二三
run chars-json chars 华通龍鳳 --json
run element element 华通龍鳳金木水火土
for body in "${bodies[@]}"; do
  run grids grids "$body"
  run grids-json grids "$body" --json
  run grids-svg grids "$body" --svg "$out/files/grids-$body.svg"
  for base in 0 3 5; do run rate rate "$body" --base $base; done
  run report report "$body" --base 4
  run report-affixes report "$body" --prefix 深圳 --suffix 贸易有限公司 --base 2
done
for moment in "${moments[@]}"; do
  read -r date time <<<"$moment"
  run chart chart "$date" "$time"
  run chart-json chart "$date" "$time" --json
  run chart-svg chart "$date" "$time" --svg "$out/files/chart-$date.svg"
  run almanac almanac "$date"
  run almanac-json almanac "$date" --json
done
run calendar calendar --from 2023-12-25 --to 2024-02-15 --time 08:30
run calendar-noon calendar --from 1901-02-19 --to 1901-03-31
for year in 1901 1985 2024 2048 2079; do run terms terms $year; done
for month in 1901-02 1985-06 2014-10 2024-02 2048-12; do run month month $month; done
run almanac-range almanac --from 2026-01-01 --to 2026-03-31
run almanac-search almanac-search --from 2024-01-01 --range 30 --activity 嫁娶
run almanac-search-avoid almanac-search --from 2024-01-01 --range 7 --activity 出行 --avoid
run almanac-search-end almanac-search --from 2048-12-20 --range 180 --activity 嫁娶
run opening-days opening-days --from 2027-01-01 --days 90 --birth 1985-06-15 --time 08:30
run opening-days-json opening-days --from 2027-01-01 --days 30 --birth 1990-07-20 --time 23:30 --json
printf '%s\n' 成都华通科技有限公司 华通 '深圳 龍鳳 贸易有限公司' 北京中华科技有限公司 \
  成都ＡＢ科技有限公司 金星泰餐饮店 '' 上海市北高新股份有限公司 >"$out/files/names.txt"
run score score "$out/files/names.txt" --base 3
run score-json score "$out/files/names.txt" --base 5 --json
run score-csv score "$out/files/names.txt" --base 0 --csv "$out/files/score.csv"
run generate generate --surname 张 --given 伟 --birth 1985-06-15 --time 08:30 --count 300 \
  --seed 20240611 --csv "$out/files/gen.csv" --txt "$out/files/gen.txt"
run generate-json generate --surname 张 --given 伟 --birth 1985-06-15 --time 08:30 --length 3 \
  --auto-elements --min-stars 3 --count 200 --seed 7 --json
run generate-fixed generate --surname 王 --given 建国 --birth 1990-07-20 --time 23:30 --length 4 \
  --fixed2 华 --element 金 --prefix 深圳 --suffix 贸易有限公司 --count 100 --seed 3
run generate-shop generate --surname 李 --given 娜 --birth 2000-01-01 --time 00:00 --shop \
  --prefix '' --suffix '' --count 50 --seed 11
cp "$XDG_DATA_HOME/zeruda/gs/shengchen.ini" "$out/files/profile-after-generate.ini"
for body in "${bodies[@]}"; do run rate-saved rate "$body"; done
run opening-days-saved opening-days --from 2027-01-01 --days 60
run personal personal --surname 李 --gender 女 --birth 2024-03-08 --time 10:15 --length 2 \
  --fixed-pos 2 --fixed 雪 --count 200 --seed 7
run personal-json personal --surname 王 --gender 男 --birth 2023-03-22 --time 11:05 --length 3 \
  --level 3 --count 150 --seed 9 --json
run personal-one personal --surname 欧阳 --gender 女 --birth 1999-12-31 --time 23:59 --length 1 \
  --count 40 --seed 5
cp "$XDG_DATA_HOME/zeruda/gs/shengchen.ini" "$out/files/profile-after-personal.ini"
run profile profile
for alias in sl sc gs; do run table table $alias; done
cp -r "$XDG_DATA_HOME/zeruda/gs" "$out/files/working-folder"
rm -rf "$out/home"
