#!/usr/bin/env python3
"""Builds the character data of the dictionary from Debian's Unihan and OpenCC data and
the element facts file data/dictionary/character_elements.tsv.

Usage, from the repository root:
    python3 tools/chardata/gen_chardata.py            write the data files
    python3 tools/chardata/gen_chardata.py --check    fail if a committed file differs
    --unihan DIR   where Unihan_*.txt(.bz2) live
                   (default /usr/share/unicode, Debian package unicode-data)
    --opencc DIR   where s2t.json, t2s.json, STCharacters.ocd2 and TSCharacters.ocd2 live
                   (default /usr/share/opencc, Debian package libopencc-data)

Python 3 standard library plus the programs opencc, opencc_dict (package opencc) and
dpkg-query. Both modes print how the Kangxi counts and elements differ from the files
found on disk and how many elements each way decided. The output holds no dates or
machine details and every list is written in a fixed order, so a rerun gives the same
bytes.
"""

import argparse
import bisect
import bz2
import os
import subprocess
import sys
import tempfile
import unicodedata

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TOOL = "tools/chardata/gen_chardata.py"
FACTS = "data/dictionary/character_elements.tsv"

# Unihan fields read, by the file that carries them.
UNIHAN_FIELDS = {
    "Unihan_IRGSources.txt": {"kTotalStrokes", "kRSUnicode"},
    "Unihan_RadicalStrokeCounts.txt": {"kRSKangXi"},
    "Unihan_Readings.txt": {"kMandarin"},
}

# The five elements in the order the program searches its element lists.
ELEMENTS = "土木火水金"

# Strokes of the 214 Kangxi radicals in full form, by the dictionary's own count:
# radicals 1-6 have one stroke, 7-29 two, 30-60 three … 212-213 sixteen, 214 seventeen
# (so 骨 188 has 10, 鬼 194 10, 瓦 98 5, 廴 54 3, 鼎 206 13).
RADICAL_STROKES_FROM = (1, 7, 30, 61, 95, 118, 147, 167, 176, 187, 195, 201, 205, 209, 211, 212,
                        214)

# Naming practice counts these numerals by their value, not by their strokes.
NUMERAL_COUNTS = {"五": 5, "六": 6, "七": 7, "八": 8, "九": 9, "十": 10}

# ---------------------------------------------------------------------------
# Departures from the sources and the rules below; every one is here and nowhere else.
#   ("written", ch, n)       written stroke count of ch is n
#   ("kangxi", ch, counts)   ch stands in exactly these Kangxi groups, not the rule's one
#   ("own", chars, None)     these count by their own form and keep it as traditional form
#   ("leads", chars, e)      the element list of e opens with chars (their element is e)
#   ("list", chars, e)       the element lists hold chars under e instead; the table
#                            "zk" keeps the facts file's element
#   ("also", chars, e)       the element lists hold chars under e as well
CORRECTIONS = [
    # The dictionary counts 16, 27 and 51 where Unihan gives 17, 28 and 48.
    ("written", "龜", 16),
    ("written", "龞", 27),
    ("written", "龘", 51),
    ("kangxi", "龘", (51,)),
    # One simplified form standing for two words, counted as either in names: 卜/蔔,
    # 干/乾, 虫/蟲, 致/緻, 臺/檯, 須/鬚; 四 by value and by form, 耀 also as its variant 燿.
    ("kangxi", "卜", (2, 17)),
    ("kangxi", "干", (3, 11)),
    ("kangxi", "四", (4, 5)),
    ("kangxi", "虫", (6, 18)),
    ("kangxi", "致", (9, 15)),
    ("kangxi", "台", (14, 18)),
    ("kangxi", "须", (12, 22)),
    ("kangxi", "耀", (18, 20)),
    # Counts the stroke groups have always listed these under: Unihan's radical split
    # gives 嬴 17 and 笾 25; 脏 counts as 臟 (24), where OpenCC puts 髒 (23) first.
    ("kangxi", "嬴", (18,)),
    ("kangxi", "笾", (24,)),
    ("kangxi", "脏", (24,)),
    # 王 counts 4 in names, as written, not as the full 玉 radical (5).
    ("kangxi", "王", (4,)),
    # The surnames 余 and 郁 count by their own form in names (7 and 13), not by the
    # words OpenCC writes for them first (餘 16, 鬱 29).
    ("own", "余郁", None),
    # The element lists open with these characters, in this order.
    ("leads", "又一乙己山土丸兀丫也尢于厄切王", "土"),
    ("leads", "干工弓丌及孑巾久口廿乞彡已卞丐", "木"),
    ("leads", "刁丁二力了彳大孓女勺巳乇幺弋丈", "火"),
    ("leads", "勹卜乜凡亡下子巴比不歹反方分夫", "水"),
    ("leads", "匕刀人入厶才亍川寸千刃三上尸士", "金"),
    # The lists keep the element names have long been given for 李 and 明, and hold
    # 文 章 自 under 土 as well.
    ("list", "李", "火"),
    ("list", "明", "水"),
    ("also", "文章自", "土"),
]

# Where the element facts file lists neither a character nor its simplified or traditional
# form: a character built on an element's radical takes that element (氵 冫 雨 水; 木;
# 火 灬 日 火; 土; 金 钅); otherwise the initial of its first reading decides.
RADICAL_ELEMENTS = {85: "水", 15: "水", 173: "水", 75: "木", 86: "火", 72: "火", 32: "土",
                    167: "金"}
INITIAL_ELEMENTS = {
    **dict.fromkeys(["b", "p", "m", "f"], "水"),
    **dict.fromkeys(["d", "t", "n", "l"], "火"),
    **dict.fromkeys(["z", "c", "s", "zh", "ch", "sh", "r"], "金"),
    **dict.fromkeys(["g", "k", "h", "j", "q", "x"], "木"),
    **dict.fromkeys(["y", "w", ""], "土"),
}

# The written table opens with these characters, in this order.
WRITTEN_LEADING = "卝羋羐瑴彛龜彞龞丨丩丬丫丰中"

# Each Kangxi group opens with these members, in this order.
KANGXI_LEADING = {
    1: "一乙",
    2: "二丁乃入了人刀刁",
    3: "丈上下久夕乞干刃",
    4: "才仃不中丹之予互",
    5: "且丕世丙主丼乍乏",
    6: "亘亥交亦仰仲休仵",
    7: "串些亨伯估伴伶伸",
    8: "并乖乳事亚享京佩",
    9: "亮亭侯侣便促俄俊",
    10: "乘修俱俸倅俩仓倍",
    11: "干偃偰偲侧侦偎偌",
    12: "傅杰备伞云傀凯割",
    13: "催佣传债仅佥偬僊",
    14: "像侨僚僭僦僧僩侥",
    15: "万价僾仪侬亿侩俭",
    16: "傧儒俦侪冀凝剂勋",
    17: "偿优励勴压壑壔壖",
    18: "储儭儱垒嬴彝懑戴",
    19: "儴勷嚭垄宠巃庐庞",
    20: "严壤宝巉岿怀悬拢",
    21: "俪巍攘栏樱榉瀼澜",
    22: "俨傥囋娈孋孪峦巑",
    23: "孍恋戁攒摊挛晒栾",
    24: "孎瓒矗笾脏蚕衢让",
    25: "厅揽榄灏灞瓛蛮篱",
    26: "湾瞩逻酾镊鑵驴",
    27: "滦缆谳谠锣钻銮骧",
    28: "戆驩鹦",
    29: "骊鹳",
    30: "鲡鸾鹂",
    33: "麤",
}

# Facts the output must reproduce; the run fails if one does not hold.
WRITTEN_FACTS = {"一": 1, "中": 4, "华": 6, "们": 5, "們": 10, "国": 8, "龍": 16, "麤": 33,
                 "龘": 51, "王": 4, "李": 7, "张": 7, "通": 10, "干": 3, "台": 5, "须": 9,
                 "鑫": 24}
KANGXI_FACTS = {ch: int(n) for ch, n in (pair.split(":") for pair in (
    "家:10 出:5 合:6 同:6 向:6 回:6 曲:6 志:7 克:7 蒙:16 旋:11 板:8 芊:9 沅:8 汜:7 阡:11 "
    "陂:13 邬:17 邝:22 珂:10 忖:7 狩:10 魏:18 骨:10 鬼:10 建:9 延:7 甄:14 鼎:13 瓷:11 五:5 "
    "六:6 七:7 八:8 九:9 十:10 范:15 岳:17 滕:14 艳:28 为:12 当:13 尽:14 净:12 冲:15 沈:8 "
    "千:3 后:9 里:13 华:14 通:14 们:10 张:11 干:11 台:18 须:22 龍:16 鑫:24 麤:33 龘:51 "
    "一:1 王:4 李:7 卜:17 成:7 城:10 盛:12 誠:14 余:7 郁:13").split())}
MULTI_GROUP_FACTS = {"卜": {2, 17}, "干": {3, 11}, "四": {4, 5}, "虫": {6, 18}, "致": {9, 15},
                     "台": {14, 18}, "须": {12, 22}, "耀": {18, 20}}
LIST_ELEMENT_FACTS = {"王": "土", "一": "土", "林": "木", "通": "火", "李": "火", "张": "火",
                      "华": "水", "海": "水", "明": "水", "金": "金", "鑫": "金", "文": "水",
                      "章": "火", "自": "火", "达": "火"}
TABLE_ELEMENT_FACTS = {"李": "木", "明": "火", "华": "水", "華": "水", "通": "火", "金": "金",
                       "张": "火", "張": "火", "制": "火", "号": "水", "務": "水"}
TWO_LIST_FACTS = {"文": "土水", "章": "土火", "自": "土火"}
TRADITIONAL_FACTS = {"们": "們", "个": "個", "国": "國", "龙": "龍", "铁": "鐵", "华": "華",
                     "家": "家", "合": "合", "出": "出", "范": "範", "岳": "嶽"}
PINYIN_FACTS = {"华": "hua", "通": "tong", "绿": "lv", "子": "zi", "女": "nv", "略": "lve",
                "中": "zhong", "一": "yi"}


class DataError(Exception):
    pass


def check(condition, message):
    if not condition:
        raise DataError(message)


# ---------------------------------------------------------------------------
# Reading the sources

def open_unihan(directory, name):
    plain = os.path.join(directory, name)
    if os.path.exists(plain):
        return open(plain, encoding="utf-8")
    packed = plain + ".bz2"
    if os.path.exists(packed):
        return bz2.open(packed, "rt", encoding="utf-8")
    raise DataError(f"{name} not found under {directory} (install unicode-data)")


def read_unihan(directory):
    fields, version = {}, None
    for name, wanted in UNIHAN_FIELDS.items():
        with open_unihan(directory, name) as lines:
            for line in lines:
                if line.startswith("# Unicode version:"):
                    version = line.split(":", 1)[1].strip()
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in wanted:
                    fields.setdefault(field, {})[chr(int(code[2:], 16))] = value
    check(version, "Unihan files carry no version line")
    return fields, version


def run(command, stdin=None):
    try:
        return subprocess.run(command, input=stdin, capture_output=True, text=True,
                              check=True).stdout
    except (OSError, subprocess.CalledProcessError) as error:
        raise DataError(f"{' '.join(command)} failed ({error}); install opencc") from error


def package_version(package):
    return run(["dpkg-query", "-W", "-f", "${Version}", package]).strip()


def read_opencc(directory, characters, config="s2t.json", table="STCharacters.ocd2"):
    """OpenCC's other forms of each character: traditional ones by default, simplified
    ones with t2s.json and TSCharacters.ocd2.

    Returns (first, candidates): first[ch] is what `opencc -c config` makes of ch
    alone, candidates[ch] every form of its character table entry, first one first."""
    converted = run(["opencc", "-c", os.path.join(directory, config)],
                    "\n".join(characters) + "\n").split("\n")
    first = dict(zip(characters, converted))
    check(all(len(first[ch]) == 1 for ch in characters), "opencc changed a line's length")
    with tempfile.TemporaryDirectory() as scratch:
        text = os.path.join(scratch, "characters.txt")
        run(["opencc_dict", "-i", os.path.join(directory, table), "-o", text,
             "-f", "ocd2", "-t", "text"])
        with open(text, encoding="utf-8") as lines:
            candidates = {key: forms.split() for key, forms in
                          (line.rstrip("\n").split("\t", 1) for line in lines if "\t" in line)}
    for ch in characters:
        forms = candidates.get(ch, [ch])
        check(forms[0] == first[ch], f"opencc gives {first[ch]} for {ch}, its table {forms[0]}")
    return first, candidates


def read_element_facts(path):
    """Character -> element of the facts file (its third column names the source)."""
    facts = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            ch, element, _ = line.rstrip("\n").split("\t")
            check(element in ELEMENTS and ch not in facts, f"odd facts line {line!r}")
            facts[ch] = element
    return facts


def gbk_characters(total_strokes):
    """Every two-byte GBK code that decodes to a CJK ideograph, as (code, character)."""
    found = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes((lead, trail)).decode("gbk")
            except UnicodeDecodeError:
                continue
            if ch in total_strokes:
                found.append(((lead << 8) | trail, ch))
    return found


def in_gb2312(code):
    lead, trail = code >> 8, code & 0xFF
    return 0xA1 <= trail <= 0xFE and 0xB0 <= lead <= 0xF7


def radical_strokes(number):
    check(1 <= number <= 214, f"no Kangxi radical {number}")
    return bisect.bisect_right(RADICAL_STROKES_FROM, number)


def split_rs(value):
    """Radical number and residual strokes of the first radical-stroke value."""
    radical, residual = value.split()[0].split(".")
    return int(radical.rstrip("'")), int(residual)


# ---------------------------------------------------------------------------
# Deriving the data

class CharData:
    def __init__(self, fields, opencc, opencc_simplified, facts):
        self.fields = fields
        self.first_form, self.candidates = opencc
        self.simplified_form, self.simplified_candidates = opencc_simplified
        self.facts = facts
        self.gbk = gbk_characters(fields["kTotalStrokes"])
        self.code = {ch: code for code, ch in self.gbk}
        self.written = {ch: int(fields["kTotalStrokes"][ch].split()[0]) for _, ch in self.gbk}
        self.kangxi_fixed, self.own_form = {}, set()
        self.element_leading, self.list_fixed, self.list_also = {}, {}, {}
        for kind, ch, value in CORRECTIONS:
            if kind == "written":
                self.written[ch] = value
            elif kind == "kangxi":
                self.kangxi_fixed[ch] = set(value)
            elif kind == "own":
                self.own_form.update(ch)
            elif kind == "leads":
                self.element_leading[value] = ch
            elif kind in ("list", "also"):
                target = self.list_fixed if kind == "list" else self.list_also
                target.update(dict.fromkeys(ch, value))
            else:
                raise DataError(f"unknown correction kind {kind}")
        self.traditional = self.traditional_mapping()
        self.counts = {ch: self.kangxi_counts(ch) for _, ch in self.gbk}
        self.elements = {ch: self.decide_element(ch) for _, ch in self.gbk}

    # -- Kangxi counts

    def count_form(self, ch):
        """The form ch is counted by: OpenCC's first traditional form, or ch itself."""
        return ch if ch in self.own_form else self.first_form[ch]

    def radical_split(self, form):
        """kRSKangXi, or kRSUnicode where the Kangxi dictionary has no entry."""
        value = self.fields["kRSKangXi"].get(form) or self.fields["kRSUnicode"][form]
        return split_rs(value)

    def kangxi_by_rule(self, ch):
        if ch in NUMERAL_COUNTS:
            return NUMERAL_COUNTS[ch]
        radical, residual = self.radical_split(self.count_form(ch))
        return radical_strokes(radical) + residual

    def kangxi_counts(self, ch):
        return self.kangxi_fixed.get(ch) or {self.kangxi_by_rule(ch)}

    def kangxi_lookup(self, ch):
        """What the program's lookup answers: the greatest group holding ch."""
        return max(self.counts[ch])

    def groups(self):
        top = max(max(counts) for counts in self.counts.values())
        groups = {count: list(KANGXI_LEADING.get(count, "")) for count in range(1, top + 1)}
        for _, ch in self.gbk:
            for count in sorted(self.counts[ch]):
                if ch not in groups[count]:
                    groups[count].append(ch)
        return groups

    def radical_field_differences(self):
        """Count forms whose kRSKangXi and kRSUnicode give different counts."""
        found = []
        for form in sorted({self.count_form(ch) for _, ch in self.gbk}, key=ord):
            kangxi = self.fields["kRSKangXi"].get(form)
            if kangxi:
                by_kangxi, by_unicode = (radical_strokes(r) + s for r, s in
                                         (split_rs(kangxi),
                                          split_rs(self.fields["kRSUnicode"][form])))
                if by_kangxi != by_unicode:
                    found.append((form, by_kangxi, by_unicode))
        return found

    # -- Traditional forms

    def traditional_mapping(self):
        """One-to-one mapping of each GBK character to the GBK form it is counted by.

        When two characters claim the same form, characters with a single choice go
        first, and a character that is also its own traditional form (余 beside 餘)
        gives way and takes its next free form or keeps itself. A form that is itself
        a target maps to itself."""
        claims = []
        for code, ch in self.gbk:
            if self.count_form(ch) == ch:
                continue
            forms = self.candidates.get(ch, [])
            choices = [f for f in forms if f != ch and f in self.code]
            if choices:
                claims.append((ch in forms, len(choices) > 1, code, ch, choices))
        mapping, taken = {}, set()
        for _, _, _, ch, choices in sorted(claims):
            free = [f for f in choices if f not in taken]
            if free:
                mapping[ch] = free[0]
                taken.add(free[0])
        return {ch: form for ch, form in mapping.items() if ch not in taken}

    def mapping_exceptions(self):
        """Characters whose traditional form is not the one they are counted by."""
        return [(ch, self.count_form(ch), self.traditional.get(ch, ch)) for _, ch in self.gbk
                if self.traditional.get(ch, ch) != self.count_form(ch)]

    # -- Elements

    def element_by_rule(self, ch):
        """The element of the radical ch is built on, else that of its initial sound."""
        radical, _ = split_rs(self.fields["kRSKangXi"].get(ch) or
                              self.fields["kRSUnicode"][ch])
        if radical in RADICAL_ELEMENTS:
            return RADICAL_ELEMENTS[radical]
        reading = self.pinyin(ch)
        if not reading:
            return ""
        initial = reading[:2] if reading[:2] in ("zh", "ch", "sh") else reading[0]
        return INITIAL_ELEMENTS.get(initial, INITIAL_ELEMENTS[""])

    def other_forms(self, ch):
        """OpenCC's simplified form of ch, then its traditional form, where they differ."""
        return [form for form in (self.simplified_form[ch], self.first_form[ch]) if form != ch]

    def decide_element(self, ch):
        """(element, way): the facts file's; else that of ch's other form in the facts,
        so both forms of a character share one; else the rule's."""
        if ch in self.facts:
            return self.facts[ch], "facts"
        for form in self.other_forms(ch):
            if form in self.facts:
                return self.facts[form], "form"
        return self.element_by_rule(ch), "rule"

    def table_element(self, ch):
        """The element of the table "zk"."""
        return self.elements[ch][0]

    def form_pairs(self):
        """Simplified/traditional pairs within GBK from both OpenCC tables, each once."""
        pairs = set()
        for _, ch in self.gbk:
            for table in (self.candidates, self.simplified_candidates):
                pairs.update(tuple(sorted((ch, form), key=ord)) for form in table.get(ch, [])
                             if form != ch and form in self.code)
        return sorted(pairs, key=lambda pair: (self.code[pair[0]], self.code[pair[1]]))

    def list_elements(self, ch):
        """The lists holding ch, in search order."""
        found = {self.list_fixed.get(ch) or self.table_element(ch), self.list_also.get(ch)}
        return [element for element in ELEMENTS if element in found]

    def element_members(self):
        """Characters of the element lists: GB2312 and the Kangxi group openings."""
        opening = set("".join(KANGXI_LEADING.values()))
        return [ch for code, ch in self.gbk if in_gb2312(code) or ch in opening]

    def element_lists(self):
        lists = {element: list(self.element_leading.get(element, "")) for element in ELEMENTS}
        for ch in self.element_members():
            for element in self.list_elements(ch):
                if ch not in lists[element]:
                    lists[element].append(ch)
        return lists

    def pinyin(self, ch):
        """First Mandarin reading, lower case, without tone, "v" for ü."""
        reading = self.fields["kMandarin"].get(ch, "").split()
        if not reading:
            return ""
        plain = unicodedata.normalize("NFD", reading[0].lower()).replace("u\u0308", "v")
        plain = "".join(c for c in plain if not unicodedata.combining(c))
        check(plain.isascii() and plain.isalpha(), f"odd reading {reading[0]} of {ch}")
        return plain


# ---------------------------------------------------------------------------
# Checks

def verify_written(entries):
    chars = [ch for ch, _ in entries]
    check(len(chars) == len(set(chars)), "a character occurs twice in the written table")
    check("".join(chars[:len(WRITTEN_LEADING)]) == WRITTEN_LEADING, "written table opening")
    check(len(entries) > 20800, f"written table has only {len(entries)} entries")
    counts = dict(entries)
    for ch, n in WRITTEN_FACTS.items():
        check(counts.get(ch) == n, f"written count of {ch} is {counts.get(ch)}, expected {n}")
    check(min(counts.values()) == 1 and max(counts.values()) == 51, "written counts 1-51")


def verify_kangxi(data, groups):
    for count, leading in KANGXI_LEADING.items():
        check("".join(groups[count][:len(leading)]) == leading, f"group {count} opening")
        for ch in leading:
            check(count in data.counts[ch],
                  f"{ch} leads group {count} but counts {sorted(data.counts[ch])}")
    for ch, expected in MULTI_GROUP_FACTS.items():
        found = {count for count in groups if ch in groups[count]}
        check(found == expected, f"{ch} stands in groups {sorted(found)}, expected {expected}")
    for ch, n in KANGXI_FACTS.items():
        got = data.kangxi_lookup(ch)
        check(got == n, f"Kangxi count of {ch} is {got}, expected {n}")
    grouped = {ch for members in groups.values() for ch in members}
    check(all(ch in data.code for ch in grouped), "a group member is not GBK")
    check(all(ch in grouped for _, ch in data.gbk), "a GBK character stands in no group")


def verify_traditional(data):
    mapping = data.traditional
    for simple, form in TRADITIONAL_FACTS.items():
        check(mapping.get(simple, simple) == form, f"{simple} maps to {mapping.get(simple)}")
    check(len(set(mapping.values())) == len(mapping), "traditional mapping is not one-to-one")
    check(not set(mapping) & set(mapping.values()), "a traditional form is mapped again")


def list_element(lists, ch):
    """What the program's lookup answers: the last list in search order holding ch."""
    hits = [element for element in ELEMENTS if ch in lists[element]]
    return hits[-1] if hits else ""


def verify_elements(data, lists):
    for element in ELEMENTS:
        leading = data.element_leading[element]
        check("".join(lists[element][:len(leading)]) == leading, f"{element} list opening")
        for ch in leading:
            check(data.table_element(ch) == element, f"{ch} opens the {element} list but is "
                  f"{data.table_element(ch)}")
    for ch, element in LIST_ELEMENT_FACTS.items():
        got = list_element(lists, ch)
        check(got == element, f"element of {ch} is {got or 'none'}, expected {element}")
    for ch, element in TABLE_ELEMENT_FACTS.items():
        check(data.table_element(ch) == element, f"zk element of {ch} is not {element}")
    check(list_element(lists, "龘") == "", "龘 must be in no list")
    in_two = {}
    for element in ELEMENTS:
        for ch in lists[element]:
            in_two[ch] = in_two.get(ch, "") + element
    in_two = {ch: found for ch, found in in_two.items() if len(found) > 1}
    check(in_two == TWO_LIST_FACTS, f"characters in two lists: {in_two}")


def verify_pinyin(readings):
    for ch, reading in PINYIN_FACTS.items():
        check(readings.get(ch) == reading, f"pinyin of {ch} is {readings.get(ch)}")


# ---------------------------------------------------------------------------
# Writing

class Sources:
    def __init__(self, unihan_version, opencc_version):
        self.unihan = f"Unihan {unihan_version} (Debian unicode-data)"
        self.opencc = f"OpenCC s2t {opencc_version} (Debian libopencc-data)"
        self.opencc_both = f"OpenCC s2t and t2s {opencc_version} (Debian libopencc-data)"

    def header(self, *names):
        listed = [getattr(self, name, name) for name in names]
        joined = ", ".join(listed[:-1]) + " and " + listed[-1] if len(listed) > 1 else listed[0]
        return f"# Generated by {TOOL} from {joined}; do not edit.\n"


def written_text(data, sources):
    leading = list(WRITTEN_LEADING)
    rest = sorted((ch for _, ch in data.gbk if ch not in leading), key=ord)
    entries = [(ch, data.written[ch]) for ch in leading + rest]
    verify_written(entries)
    lines = []
    for start in range(0, len(entries), 40):
        lines.append("".join(f"{ch}{n}," for ch, n in entries[start:start + 40]))
    return sources.header("unihan") + "\n".join(lines) + "\n"


def kangxi_text(data, sources):
    groups = data.groups()
    verify_kangxi(data, groups)
    return sources.header("unihan", "opencc") + "".join(
        f"{count}\t{''.join(members)}\n" for count, members in groups.items())


def traditional_text(data, sources):
    verify_traditional(data)
    pairs = sorted(data.traditional.items(), key=lambda pair: data.code[pair[0]])
    return sources.header("opencc") + "".join(f"{simple}\t{form}\n" for simple, form in pairs)


def pinyin_text(data, sources):
    readings = {ch: data.pinyin(ch) for code, ch in data.gbk if in_gb2312(code)}
    verify_pinyin(readings)
    missing = [ch for ch, reading in readings.items() if not reading]
    check(not missing, f"GB2312 characters without a reading: {''.join(missing)}")
    return sources.header("unihan") + "".join(
        f"{ch}\t{readings[ch]}\n" for code, ch in data.gbk if in_gb2312(code))


def element_text(data, sources):
    lists = data.element_lists()
    verify_elements(data, lists)
    return sources.header("unihan", "opencc_both", FACTS) + "".join(
        f"{element}\t{''.join(lists[element])}\n" for element in ELEMENTS)


def zk_table_text(data, sources):
    """The character table: each GBK Chinese character with its Kangxi count, its
    element and its reading."""
    rows = ["\t".join(("汉字", "笔画", "五行", "拼音"))]
    for _, ch in data.gbk:
        rows.append("\t".join((ch, str(data.kangxi_lookup(ch)), data.table_element(ch),
                               data.pinyin(ch))))
    return sources.header("unihan", "opencc_both", FACTS) + "\n".join(rows) + "\n"


def outputs(data, sources):
    return {
        "data/dictionary/written_strokes.txt": written_text(data, sources),
        "data/dictionary/kangxi_groups.txt": kangxi_text(data, sources),
        "data/dictionary/traditional.txt": traditional_text(data, sources),
        "data/dictionary/pinyin.txt": pinyin_text(data, sources),
        "data/dictionary/element_groups.txt": element_text(data, sources),
        "data/tables/zk.tsv": zk_table_text(data, sources),
    }


# ---------------------------------------------------------------------------
# What changed

def table_records(text):
    """汉字 -> (笔画, 五行) of a zk.tsv text."""
    records = {}
    for line in text.splitlines()[2:]:
        ch, strokes, element, _ = line.split("\t")
        records[ch] = (strokes, element)
    return records


def spread(items, count=20):
    """`count` items evenly spaced over the list, so examples are not all from one reading."""
    if len(items) <= count:
        return items
    return [items[i * len(items) // count] for i in range(count)]


def report_changes(data, old_table, new_table):
    old, new = table_records(old_table), table_records(new_table)
    gb2312 = {ch for code, ch in data.gbk if in_gb2312(code)}
    for field, name in ((0, "Kangxi count"), (1, "element (table zk)")):
        changed = [ch for _, ch in data.gbk if ch in old and old[ch][field] != new[ch][field]]
        common = [ch for ch in changed if ch in gb2312]
        print(f"{name}: {len(changed)} characters changed, {len(common)} of them GB2312")
        print("  " + " ".join(f"{ch} {old[ch][field] or '-'}→{new[ch][field]}"
                              for ch in spread(common)))
    differences = data.radical_field_differences()
    common_forms = {data.count_form(ch) for ch in gb2312}
    print(f"kRSKangXi and kRSUnicode give different counts for {len(differences)} forms "
          f"(kRSKangXi used), {sum(1 for f, _, _ in differences if f in common_forms)} of "
          "them counted for GB2312 characters:")
    print("  " + " ".join(f"{form} {a}/{b}" for form, a, b in differences))
    report_element_ways(data, gb2312)
    exceptions = data.mapping_exceptions()
    print(f"Counted by another form than their traditional form: {len(exceptions)}")
    print("  " + " ".join(f"{ch} {counted}/{shown}" for ch, counted, shown in exceptions))


def report_element_ways(data, gb2312):
    """How many elements each way decided, and how often both forms of a character agree."""
    for way in ("facts", "form", "rule"):
        decided = [ch for _, ch in data.gbk if data.elements[ch][1] == way]
        common = sum(1 for ch in decided if ch in gb2312)
        print(f"element decided by {way}: {len(decided)} characters, {common} of them GB2312")
        if way == "rule":
            print("  " + " ".join(ch for ch in decided if ch in gb2312))
    pairs = [(a, b) for a, b in data.form_pairs()
             if data.table_element(a) and data.table_element(b)]
    differing = [(a, b) for a, b in pairs if data.table_element(a) != data.table_element(b)]
    print(f"OpenCC simplified/traditional pairs within GBK with an element on both sides: "
          f"{len(pairs)}, {len(differing)} of them differ "
          f"({100 * (len(pairs) - len(differing)) / len(pairs):.2f}% agree)")
    print("  " + " ".join(f"{a}{data.table_element(a)}/{b}{data.table_element(b)}"
                          for a, b in spread(differing)))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unihan", default="/usr/share/unicode")
    parser.add_argument("--opencc", default="/usr/share/opencc")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    try:
        fields, version = read_unihan(args.unihan)
        characters = [ch for _, ch in gbk_characters(fields["kTotalStrokes"])]
        opencc = read_opencc(args.opencc, characters)
        simplified = read_opencc(args.opencc, characters, "t2s.json", "TSCharacters.ocd2")
        facts = read_element_facts(os.path.join(REPO, FACTS))
        data = CharData(fields, opencc, simplified, facts)
        sources = Sources(".".join(version.split(".")[:2]), package_version("libopencc-data"))
        files = outputs(data, sources)
    except DataError as error:
        print(f"gen_chardata: {error}", file=sys.stderr)
        return 1
    current = {}
    for relative in files:
        try:
            with open(os.path.join(REPO, relative), encoding="utf-8", newline="") as old:
                current[relative] = old.read()
        except FileNotFoundError:
            current[relative] = None
    zk = "data/tables/zk.tsv"
    report_changes(data, current[zk] or "", files[zk])
    stale = [relative for relative, text in files.items() if current[relative] != text]
    if args.check:
        if stale:
            print("gen_chardata: out of date: " + ", ".join(stale), file=sys.stderr)
            return 1
        return 0
    for relative in stale:
        path = os.path.join(REPO, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write(files[relative])
    return 0


if __name__ == "__main__":
    sys.exit(main())
