#!/usr/bin/env python3
"""Builds data/naming/avoid.tsv: the words and single characters a name should neither hold
nor be heard as, each with its reading and, where jieba's dictionary has the word, the
word's frequency there (how familiar the word is, so how readily a listener hears it).

Usage, from the repository root:
    python3 tools/naming/gen_avoid.py           write the file
    python3 tools/naming/gen_avoid.py --check   fail if it differs

The words are our own, in data/naming/avoid_words.txt. A word's reading is each
character's first Unihan kMandarin reading (Debian unicode-data), or the one written in
brackets after it in the list where the word says a character otherwise. A syllable without a tone mark
is a neutral tone. Frequencies come from jieba's dict.txt (Debian python3-jieba, MIT).
Python 3 standard library; no dates in the output, so a rerun gives the same bytes.
"""

import os
import re
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import naming_sources as src  # noqa: E402

TOOL = "tools/naming/gen_avoid.py"
OUT = "data/naming/avoid.tsv"
WORDS = "data/naming/avoid_words.txt"
# A word, optionally followed by its whole reading in brackets: 倒霉(dǎo méi).
ITEM = re.compile(r"([\u3400-\u9fff]+)(?:\(([^)]*)\))?")
JIEBA = "/usr/lib/python3/dist-packages/jieba/dict.txt"
JIEBA_NOTICE = [
    "# jieba: Copyright (c) 2012-2017 Sun Junyi. MIT (Expat) licence: Permission is hereby granted,",
    "# free of charge, to any person obtaining a copy of this software and associated documentation",
    "# files (the \"Software\"), to deal in the Software without restriction, including without",
    "# limitation the rights to use, copy, modify, merge, publish, distribute, sublicense, and/or",
    "# sell copies of the Software, and to permit persons to whom the Software is furnished to do so,",
    "# subject to the following conditions: The above copyright notice and this permission notice",
    "# shall be included in all copies or substantial portions of the Software. THE SOFTWARE IS",
    "# PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT",
    "# LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND",
    "# NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM,",
    "# DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,",
    "# OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE.",
]


# The four tone marks as combining characters: macron, acute, caron, grave.
TONE_MARKS = {"\u0304", "\u0301", "\u030c", "\u0300"}


def toneless(syllable):
    """The syllable without its tone mark; ü keeps its dots (lǜ gives lü)."""
    bare = "".join(c for c in unicodedata.normalize("NFD", syllable) if c not in TONE_MARKS)
    return unicodedata.normalize("NFC", bare)


def read_words():
    """[(kind, word, reading or None)] in list order."""
    entries, seen = [], set()
    with open(os.path.join(src.REPO, WORDS), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            kind, sep, items = line.partition("\t")
            if not sep:
                sys.exit(f"{WORDS}:{number}: expected 类别<TAB>字词")
            rest = ITEM.sub("", items).strip()
            if rest:
                sys.exit(f"{WORDS}:{number}: {rest!r} is not a word")
            for word, reading in ITEM.findall(items):
                if word in seen:
                    sys.exit(f"{WORDS}:{number}: {word} listed twice")
                seen.add(word)
                entries.append((kind, word, reading or None))
    return entries


def reading_of(word, written, mandarin):
    if written:
        syllables = written.split(" ")
        if len(syllables) != len(word):
            sys.exit(f"{word}: the written reading {written!r} has not one syllable a character")
        return syllables
    syllables = []
    for ch in word:
        if ch not in mandarin:
            sys.exit(f"Unihan gives no reading for {ch} of {word}")
        syllables.append(mandarin[ch].split()[0])
    return syllables


def jieba_frequencies():
    if not os.path.exists(JIEBA):
        sys.exit(f"no {JIEBA} (install python3-jieba)")
    found = {}
    with open(JIEBA, encoding="utf-8") as f:
        for line in f:
            parts = line.split(" ")
            if len(parts) >= 2:
                found.setdefault(parts[0], parts[1])
    return found


def render():
    mandarin = src.unihan_readings(("kMandarin",))["kMandarin"]
    frequencies = jieba_frequencies()
    entries = read_words()
    names = set(src.name_characters())
    clashes = [w for _, w, _ in entries if len(w) == 1 and w in names]
    if clashes:
        sys.exit(f"name characters listed as words to avoid: {''.join(clashes)}")
    out = [f"# Generated by {TOOL} from {WORDS}, Unihan kMandarin (Debian unicode-data "
           f"{src.package_version('unicode-data')}) and jieba's dict.txt (Debian python3-jieba "
           f"{src.package_version('python3-jieba')}); do not edit.",
           *src.UNICODE_NOTICE, *JIEBA_NOTICE,
           "# 取名忌用字词：类别、字词、带调读音（音节以空格分开，无调号者为轻声）、无调读音、",
           "# jieba 词典中的词频（词典未收为 -）。"]
    for kind, word, written in entries:
        syllables = reading_of(word, written, mandarin)
        out.append("\t".join([kind, word, " ".join(syllables),
                              " ".join(toneless(s) for s in syllables),
                              frequencies.get(word, "-")]))
    print(f"{len(entries)} words to avoid ({sum(len(w) == 1 for _, w, _ in entries)} single "
          f"characters)", file=sys.stderr)
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    src.run(OUT, render, TOOL, __doc__)
