"""What the naming data generators share: the name characters, Unihan readings, the
standard levels and the common way of writing a file or checking it is current.

The name characters are those of the personal pickers (data/personal/*.txt) and of the
company pool (src/generation/name_pool.cpp), in that order, each once.
"""

import argparse
import bz2
import os
import re
import subprocess
import sys

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
UNIHAN = "/usr/share/unicode"

UNICODE_NOTICE = [
    "# Unihan (c) Unicode, Inc., used under the Unicode License Agreement - Data Files and",
    "# Software (https://www.unicode.org/copyright.html).",
]


def is_han(ch):
    return "\u3400" <= ch <= "\u9fff"


def package_version(package):
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                         capture_output=True, text=True)
    if out.returncode != 0:
        sys.exit(f"Debian package {package} is not installed")
    return out.stdout.strip()


def picker_characters():
    chars = []
    for name in ("boy_characters.txt", "girl_characters.txt"):
        with open(os.path.join(REPO, "data/personal", name), encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or "\t" not in line:
                    continue
                chars.extend(c for c in line.split("\t", 1)[1] if is_han(c))
    return chars


def pool_characters():
    with open(os.path.join(REPO, "src/generation/name_pool.cpp"), encoding="utf-8") as f:
        source = f.read()
    body = source.split("kCompanyNamePool =", 1)[1].split(";", 1)[0]
    return [c for c in "".join(re.findall(r'"([^"]*)"', body)) if is_han(c)]


def name_characters():
    seen, order = set(), []
    for ch in picker_characters() + pool_characters():
        if ch not in seen:
            seen.add(ch)
            order.append(ch)
    return order


def unihan_readings(fields=("kMandarin", "kTGHZ2013")):
    """{field: {char: value}} from Unihan_Readings."""
    path = os.path.join(UNIHAN, "Unihan_Readings.txt.bz2")
    if not os.path.exists(path):
        sys.exit(f"no {path} (install unicode-data)")
    found = {f: {} for f in fields}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            parts = line.rstrip("\n").split("\t")
            if len(parts) == 3 and parts[1] in found:
                found[parts[1]][chr(int(parts[0][2:], 16))] = parts[2]
    return found


TONE_MARKS = str.maketrans("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹḿ", "aaaaeeeeiiiioooouuuuüüüünnnm")


def bare(reading):
    """A reading without its tone marks (ü stays ü)."""
    return reading.translate(TONE_MARKS)


def tghz_readings(value):
    """The distinct readings of a kTGHZ2013 value ("212.030:lè 453.020:yuè"), in order."""
    readings = []
    for entry in value.split():
        for reading in entry.split(":", 1)[1].split(","):
            if reading not in readings:
                readings.append(reading)
    return readings


def standard_levels():
    levels = {}
    with open(os.path.join(REPO, "data/dictionary/standard_characters.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or "\t" not in line:
                continue
            level, chars = line.rstrip("\n").split("\t", 1)
            for ch in chars:
                levels[ch] = int(level)
    return levels


def write_or_check(relative_path, text, tool, check):
    path = os.path.join(REPO, relative_path)
    if check:
        with open(path, encoding="utf-8") as f:
            if f.read() != text:
                sys.exit(f"{relative_path} is stale: rerun {tool}")
        return
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def run(relative_path, render, tool, doc):
    """The generators' command line: write the table, or with --check fail when the
    committed one differs from what render() gives."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    write_or_check(relative_path, render(), tool, args.check)
