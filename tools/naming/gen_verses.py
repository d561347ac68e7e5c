#!/usr/bin/env python3
"""Builds data/naming/verses.tsv: ordered pairs of name characters that stand side by side
in one clause of the classics and poems of the npm package chinese-poetry 2.0.1 (MIT):
诗经, 楚辞, 论语, 唐诗三百首 and 宋词三百首.

Usage, from the repository root:
    (cd tools/naming && npm ci)                    fetch the package
    python3 tools/naming/gen_verses.py             write the file
    python3 tools/naming/gen_verses.py --check     fail if it differs

A pair is two adjacent characters of one clause (the text between two punctuation
marks), both name characters (data/naming/readings.tsv's list), both of level 1 or 2 of
the 通用规范汉字表, different from each other, neither a particle or function word (FUNCTION_WORDS below),
neither one a word to avoid nor together
one (data/naming/avoid.tsv's list), and not split by a word: jieba (Debian python3-jieba,
MIT) cuts the clause into words, and a pair is kept when both characters lie in one word
or both stand alone (清扬 in 子之清扬 is kept; 理天 in 环理天下, split by 天下, is not).
A clause, title or author holding a character GBK lacks (the program's texts are
GBK) gives no pair. Each pair is kept once per book, at its first clause
in the book's order, and the books are read in the order above. 唐诗三百首 is in
traditional characters; its texts go through OpenCC's t2s (Debian opencc) first. The
诗经's poems name no author: they are given as 佚名, 先秦; 论语 as 孔子及其弟子, 先秦;
楚辞's pieces by their author's time (屈原, 宋玉, 景差 先秦; the rest 汉). Python 3
standard library plus the opencc program; a rerun gives the same bytes.
"""

import json
import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import naming_sources as src  # noqa: E402

try:
    import jieba
except ImportError:  # a python3 other than Debian's: jieba is pure Python, read it there
    sys.path.append("/usr/lib/python3/dist-packages")
    import jieba

TOOL = "tools/naming/gen_verses.py"
OUT = "data/naming/verses.tsv"
PACKAGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "chinese-poetry")
PACKAGE_VERSION = "2.0.1"
PRE_QIN_CHUCI = {"屈原", "宋玉", "景差"}
# Particles and function words of the name lists (之 as in 羲之, 兮, 于 …): in a verse they
# join words rather than stand in one, so a pair holding one is no phrase (河之, 之洲).
FUNCTION_WORDS = set("之也兮于亦有何由必为")
# Everything that ends a clause: punctuation, brackets, quotes, blanks.
CLAUSE_BREAK = re.compile(r"[^\u3400-\u9fff]+")


def load(relative):
    with open(os.path.join(PACKAGE, "dist", relative), encoding="utf-8") as f:
        return json.load(f)


def t2s(texts):
    """Each text through OpenCC t2s, one line each."""
    with tempfile.TemporaryDirectory() as folder:
        source, target = os.path.join(folder, "in.txt"), os.path.join(folder, "out.txt")
        with open(source, "w", encoding="utf-8") as f:
            f.write("\n".join(t.replace("\n", " ") for t in texts) + "\n")
        subprocess.run(["opencc", "-c", "t2s.json", "-i", source, "-o", target], check=True)
        with open(target, encoding="utf-8") as f:
            converted = f.read().split("\n")[: len(texts)]
    if len(converted) != len(texts):
        sys.exit("opencc returned fewer lines than it was given")
    return converted


# Each reader yields (title, author, dynasty, text) for one poem or chapter.
def shijing():
    for poem in load("shijing/shijing.json"):
        yield poem["title"], "佚名", "先秦", "".join(poem["content"])


def chuci():
    for piece in load("chuci/chuci.json"):
        dynasty = "先秦" if piece["author"] in PRE_QIN_CHUCI else "汉"
        yield piece["title"], piece["author"], dynasty, "".join(piece["content"])


def lunyu():
    for chapter in load("lunyu/lunyu.json"):
        yield chapter["chapter"], "孔子及其弟子", "先秦", "".join(chapter["paragraphs"])


def tangshi():
    poems = [p for kind in load("mengxue/tangshisanbaishou.json")["content"]
             for p in kind["content"]]
    fields = []
    for p in poems:
        title, part = p["chapter"], p.get("subchapter")
        if part:  # some parts repeat the poem's title in full
            title = part if part.startswith(title) else title + "·" + part
        fields += [title, p["author"], "".join(p["paragraphs"])]
    simple = t2s(fields)
    for i in range(0, len(simple), 3):
        yield simple[i], simple[i + 1], "唐", simple[i + 2]


def songci():
    for ci in load("songci/宋词三百首.json"):
        yield ci["rhythmic"], ci["author"], "宋", "".join(ci["paragraphs"])


BOOKS = [("诗经", shijing), ("楚辞", chuci), ("论语", lunyu), ("唐诗三百首", tangshi),
         ("宋词三百首", songci)]


def read_table(relative, column):
    values = []
    with open(os.path.join(src.REPO, relative), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                values.append(line.rstrip("\n").split("\t")[column])
    return values


def check_package():
    with open(os.path.join(PACKAGE, "package.json"), encoding="utf-8") as f:
        version = json.load(f)["version"]
    if version != PACKAGE_VERSION:
        sys.exit(f"chinese-poetry {version} found, {PACKAGE_VERSION} expected (npm ci)")
    with open(os.path.join(PACKAGE, "LICENSE"), encoding="utf-8") as f:
        return ["# " + line if line else "#" for line in f.read().strip().split("\n")]


def in_gbk(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def word_pairs(clause):
    """The adjacent pairs of a clause that no word of jieba's cut splits."""
    pairs = []
    words = list(jieba.cut(clause, HMM=False))
    for word, following in zip(words, words[1:] + [""]):
        pairs += [word[i:i + 2] for i in range(len(word) - 1)]
        if len(word) == 1 and len(following) == 1:
            pairs.append(word + following)
    return pairs


def render():
    jieba.setLogLevel(60)  # its start-up notes are not ours to print
    licence = check_package()
    levels = src.standard_levels()
    usable = {c for c in read_table("data/naming/readings.tsv", 0)
              if levels.get(c) in (1, 2) and c not in FUNCTION_WORDS}
    avoided = set(read_table("data/naming/avoid.tsv", 1))
    rows, beyond_gbk = [], 0
    for book, reader in BOOKS:
        seen = set()
        for title, author, dynasty, text in reader():
            title = title.replace("\u30fb", "·")  # some 词牌 are joined by a katakana dot
            for clause in CLAUSE_BREAK.split(text):
                for pair in word_pairs(clause):
                    a, b = pair
                    if (a in usable and b in usable and a != b and pair not in seen
                            and not {a, b, pair} & avoided):
                        fields = [pair, clause, title, author, dynasty, book]
                        if not all(in_gbk(f) for f in fields):
                            beyond_gbk += 1
                            continue
                        seen.add(pair)
                        rows.append("\t".join(fields))
    out = [f"# Generated by {TOOL} from the npm package chinese-poetry {PACKAGE_VERSION} "
           f"(唐诗三百首 through OpenCC t2s, Debian opencc {src.package_version('opencc')}; "
           f"clauses cut by jieba, Debian python3-jieba {src.package_version('python3-jieba')}); "
           "do not edit.",
           "# 出自诗文的名字字对：字对、所在句、篇名（词为词牌）、作者、朝代、书名。",
           "# 两字在句中相邻且不被 jieba 分词所隔、互不相同，都是名字用字、通用规范汉字表一二级字，都不是虚字"
           f"（{''.join(sorted(FUNCTION_WORDS))}），且不在忌用字词之列。",
           "# The texts are from chinese-poetry, under this licence:",
           *licence]
    print(f"{len(rows)} verse pairs, {len({r.split(chr(9))[0] for r in rows})} distinct; "
          f"{beyond_gbk} left out for a character GBK lacks", file=sys.stderr)
    return "\n".join(out + rows) + "\n"


if __name__ == "__main__":
    src.run(OUT, render, TOOL, __doc__)
