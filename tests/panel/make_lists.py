#!/usr/bin/env python3
"""Builds the blind panel's lists: the default roads' first names mixed with real names.

Usage: make_lists.py ZERUDA_CLI OUT_DIR

Writes given_list.txt and trade_list.txt (what a rater sees: a number and a name per line,
shuffled) and key.tsv (number, name, origin, the run it came from). Real given names are the
athletes of tests/naming/real_names.tsv (people born since about 1980); real 字号 are the
two-character entries of data/registration/famous.tsv. Seeds are fixed so the lists rebuild
the same way from the same program.
"""
import json
import pathlib
import random
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
RUNS = 10
PER_RUN = 20

# Birth moments of the people the runs name for: a child for the personal road, a legal
# representative for the company road. Ordinary dates and hours across the calendar.
CHILDREN = [("男", "2024-03-10", "10:00"), ("女", "2024-03-10", "10:00"),
            ("男", "2023-11-02", "06:40"), ("女", "2025-01-17", "21:15"),
            ("男", "2022-07-28", "13:05"), ("女", "2021-05-04", "03:30"),
            ("男", "2025-09-09", "17:50"), ("女", "2023-02-14", "08:20"),
            ("男", "2024-12-25", "23:10"), ("女", "2022-10-01", "12:00")]
FOUNDERS = [("张", "伟", "1985-06-15", "08:30"), ("王", "芳", "1990-02-03", "14:10"),
            ("李", "强", "1978-09-21", "05:45"), ("刘", "洋", "1992-12-12", "19:00"),
            ("陈", "静", "1988-04-30", "11:25"), ("杨", "磊", "1983-08-08", "22:40"),
            ("赵", "敏", "1995-01-20", "07:15"), ("黄", "军", "1975-11-11", "16:35"),
            ("周", "丽", "1987-03-03", "09:50"), ("吴", "涛", "1993-06-06", "01:20")]


def cli(binary, *args):
    out = subprocess.run([binary, *args, "--json"], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)


def generated_given(binary):
    names = []
    for run, (gender, birth, time) in enumerate(CHILDREN, 1):
        answer = cli(binary, "personal", "--surname", "李", "--gender", gender, "--birth", birth,
                     "--time", time, "--length", "2", "--count", str(PER_RUN), "--seed", str(run))
        names += [(row["given"], f"personal run {run} ({gender})") for row in answer["rows"][:PER_RUN]]
    return names


def generated_trade(binary):
    names = []
    for run, (surname, given, birth, time) in enumerate(FOUNDERS, 1):
        rows = cli(binary, "generate", "--surname", surname, "--given", given, "--birth", birth,
                   "--time", time, "--count", str(PER_RUN), "--seed", str(run))
        names += [(row["body"], f"generate run {run}") for row in rows[:PER_RUN]]
    return names


def real_given(count, rng):
    lines = (ROOT / "tests/naming/real_names.tsv").read_text(encoding="utf-8").splitlines()
    names, athletes = [], True
    for line in lines:
        if line.startswith("# 来源：chinese-poetry"):
            athletes = False  # the 宋词 poets are not people born since 1980
        if not athletes or line.startswith("#") or "\t" not in line:
            continue
        given = line.split("\t")[1]
        if len(given) == 2:
            names.append(given)
    names = sorted(set(names))
    return [(name, "real given name") for name in rng.sample(names, min(count, len(names)))]


def real_trade(count, rng):
    lines = (ROOT / "data/registration/famous.tsv").read_text(encoding="utf-8").splitlines()
    bodies = sorted({line.split("\t")[0] for line in lines
                     if not line.startswith("#") and len(line.split("\t")[0]) == 2})
    return [(body, "real 字号") for body in rng.sample(bodies, count)]


def write(out_dir, kind, shown, entries, rng, key):
    rng.shuffle(entries)
    lines = []
    for number, (name, origin) in enumerate(entries, 1):
        lines.append(f"{number}\t{shown(name)}")
        key.append(f"{kind}\t{number}\t{shown(name)}\t{origin}")
    (out_dir / f"{kind}_list.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")


def main():
    binary, out_dir = sys.argv[1], pathlib.Path(sys.argv[2])
    out_dir.mkdir(parents=True, exist_ok=True)
    rng = random.Random(2026)
    given = generated_given(binary)
    trade = generated_trade(binary)
    key = ["list\tnumber\tname\torigin"]
    write(out_dir, "given", lambda g: "李" + g, given + real_given(len(given), rng), rng, key)
    write(out_dir, "trade", lambda b: f"成都{b}科技有限公司", trade + real_trade(len(trade), rng),
          rng, key)
    (out_dir / "key.tsv").write_text("\n".join(key) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
