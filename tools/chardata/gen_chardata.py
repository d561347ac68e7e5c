#!/usr/bin/env python3
"""Builds the character data of the dictionary from Debian's Unihan files.

Usage, from the repository root:
    python3 tools/chardata/gen_chardata.py            write the data files
    python3 tools/chardata/gen_chardata.py --check    fail if a committed file differs
    --unihan DIR   where Unihan_*.txt(.bz2) and CJKRadicals.txt live
                   (default /usr/share/unicode, Debian package unicode-data)

Python 3 standard library only. The output holds no dates or machine details and
every list is written in a fixed order, so a rerun gives the same bytes.
"""

import argparse
import bz2
import os
import sys
import unicodedata

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TOOL = "tools/chardata/gen_chardata.py"

# Unihan fields read, by the file that carries them.
UNIHAN_FIELDS = {
    "Unihan_IRGSources.txt": {"kTotalStrokes", "kRSUnicode"},
    "Unihan_RadicalStrokeCounts.txt": {"kRSKangXi"},
    "Unihan_Variants.txt": {"kTraditionalVariant"},
    "Unihan_Readings.txt": {"kMandarin"},
    "Unihan_DictionaryLikeData.txt": {"kFrequency"},
}

# The five elements in the order the program searches its element lists.
ELEMENTS = "土木火水金"

# ---------------------------------------------------------------------------
# Corrections to what Unihan and the rules below give. Every departure from the
# source data and the rules is here and nowhere else.
#   ("written", ch, n)       written stroke count of ch is n
#   ("kangxi", ch, n)        Kangxi count of ch is n instead of the rule's
#   ("also", ch, n)          ch also stands in Kangxi group n
#   ("own", chars, None)     these count by their own form, not Unihan's first traditional one
#   ("leads", chars, e)      the element list of e opens with chars, all of element e
#   ("element", chars, e)    these have element e instead of the rule's (several entries
#                            for one character put it in several lists)
CORRECTIONS = [
    # Unihan gives 17, 28 and 48; the dictionary counts are 16, 27 and 51.
    ("written", "龜", 16),
    ("written", "龞", 27),
    ("written", "龘", 51),
    # Naming practice counts these by their own form, not the rarer traditional one
    # (了 not 瞭, 才 as 扌 = 手 4 not 纔).
    ("kangxi", "了", 2),
    ("kangxi", "才", 4),
    # 勋 stands for 勳 (16), not the variant 勛 that Unihan lists first.
    ("kangxi", "勋", 16),
    # Dictionary practice differs from Unihan's radical split here.
    ("kangxi", "嬴", 18),
    ("kangxi", "笾", 24),
    # Characters that stand for two traditional forms, or for themselves as well:
    # 卜/蔔, 干/乾, 四 (4 by its value), 虫/蟲, 致/緻, 檯/臺, 須/鬚, 耀 (18 and 20).
    ("also", "卜", 2),
    ("also", "干", 3),
    ("also", "四", 4),
    ("also", "虫", 6),
    ("also", "致", 9),
    ("also", "台", 14),
    ("also", "须", 22),
    ("also", "耀", 18),
    # Surnames and name characters that are their own traditional form; the form Unihan
    # lists first is another word (沈 not 瀋, 余 not 餘, 千 not 韆, 秋 not 鞦).
    ("own", "于余沈范姜胡朱郁谷千秋松冬", None),
    # The element lists open with these characters, in this order.
    ("leads", "又一乙己山土丸兀丫也尢于厄切王", "土"),
    ("leads", "干工弓丌及孑巾久口廿乞彡已卞丐", "木"),
    ("leads", "刁丁二力了彳大孓女勺巳乇幺弋丈", "火"),
    ("leads", "勹卜乜凡亡下子巴比不歹反方分夫", "水"),
    ("leads", "匕刀人入厶才亍川寸千刃三上尸士", "金"),
    # Common name characters whose customary element the rule misses.
    ("element", "李张", "火"),
    ("element", "华明", "水"),
    # 文 stands in the 土 and 水 lists, 章 and 自 in the 土 and 火 lists.
    ("element", "文章自", "土"),
    ("element", "文", "水"),
    ("element", "章自", "火"),
]

# The customary element of a character built on one of these Kangxi radicals
# (氵 冫 雨 水; 木; 火 灬 日 火; 土; 金 钅).
RADICAL_ELEMENTS = {85: "水", 15: "水", 173: "水", 75: "木", 86: "火", 72: "火", 32: "土",
                    167: "金"}

# Otherwise the initial of the first reading decides.
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
    32: "",
    33: "麤",
}
KANGXI_GROUPS = list(range(1, 31)) + [32, 33]

# Facts the output must reproduce; the run fails if one does not hold.
WRITTEN_FACTS = {"一": 1, "中": 4, "华": 6, "们": 5, "們": 10, "国": 8, "龍": 16, "麤": 33,
                 "龘": 51, "王": 4, "李": 7, "张": 7, "通": 10, "干": 3, "台": 5, "须": 9,
                 "鑫": 24}
KANGXI_FACTS = {"一": 1, "王": 4, "李": 7, "张": 11, "华": 14, "通": 14, "们": 10, "干": 11,
                "台": 18, "须": 22, "鑫": 24, "麤": 33, "龍": 16, "龘": 51, "卜": 17}
MULTI_GROUP_FACTS = {"卜": {2, 17}, "干": {3, 11}, "四": {4, 5}, "虫": {6, 18}, "致": {9, 15},
                     "台": {14, 18}, "须": {12, 22}, "耀": {18, 20}}
ELEMENT_FACTS = {"王": "土", "一": "土", "林": "木", "通": "火", "李": "火", "张": "火",
                 "华": "水", "海": "水", "明": "水", "金": "金", "鑫": "金", "文": "水",
                 "章": "火", "自": "火", "达": "火"}
TWO_LIST_FACTS = {"文": "土水", "章": "土火", "自": "土火"}
TRADITIONAL_FACTS = {"们": "們", "个": "個", "国": "國", "龙": "龍", "铁": "鐵", "华": "華"}
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


def read_radical_strokes(directory, total_strokes):
    """Stroke count of each of the 214 Kangxi radicals in its full form (水 4, 艸 6...)."""
    strokes = {}
    with open(os.path.join(directory, "CJKRadicals.txt"), encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            number, _, ideograph = (part.strip() for part in line.split(";"))
            if number.endswith("'"):
                continue  # simplified radical forms; Kangxi counts use the full one
            strokes[int(number)] = int(total_strokes[chr(int(ideograph, 16))].split()[0])
    check(len(strokes) == 214, f"expected 214 Kangxi radicals, found {len(strokes)}")
    return strokes


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


def in_gb2312(code, levels=(1, 2)):
    lead, trail = code >> 8, code & 0xFF
    if not 0xA1 <= trail <= 0xFE:
        return False
    return (1 in levels and 0xB0 <= lead <= 0xD7) or (2 in levels and 0xD8 <= lead <= 0xF7)


def code_points(value):
    return [chr(int(item.split("<")[0][2:], 16)) for item in value.split()]


# ---------------------------------------------------------------------------
# Deriving the data

class CharData:
    def __init__(self, fields, radicals):
        self.fields = fields
        self.radicals = radicals
        self.gbk = gbk_characters(fields["kTotalStrokes"])
        self.code = {ch: code for code, ch in self.gbk}
        written = {ch: int(fields["kTotalStrokes"][ch].split()[0]) for _, ch in self.gbk}
        kangxi_fixed, also, self.own_form = {}, {}, set()
        self.element_fixed, self.element_leading = {}, {}
        for kind, ch, value in CORRECTIONS:
            if kind == "own":
                self.own_form.update(ch)
            elif kind in ("leads", "element"):
                if kind == "leads":
                    self.element_leading[value] = ch
                for one in ch:
                    self.element_fixed.setdefault(one, set()).add(value)
            elif kind == "written":
                written[ch] = value
            elif kind == "kangxi":
                kangxi_fixed[ch] = value
            elif kind == "also":
                also.setdefault(ch, set()).add(value)
            else:
                raise DataError(f"unknown correction kind {kind}")
        self.written = written
        self.kangxi_fixed = kangxi_fixed
        self.kangxi_also = also
        self.traditional = self.traditional_mapping()
        self.groups = self.kangxi_groups()

    def first_traditional(self, ch):
        """The first traditional form Unihan gives that differs from ch, else ch."""
        for form in code_points(self.fields["kTraditionalVariant"].get(ch, "")):
            if form != ch:
                return form
        return ch

    def total_strokes(self, ch):
        if ch in self.written:
            return self.written[ch]
        return int(self.fields["kTotalStrokes"][ch].split()[0])

    def kangxi_by_rule(self, ch):
        """Kangxi count of ch's traditional form: its radical in full form plus the
        residual strokes; a character that is a radical itself keeps its own count."""
        form = ch if ch in self.own_form else self.first_traditional(ch)
        rs = self.fields["kRSKangXi"].get(form) or self.fields["kRSUnicode"].get(form)
        if rs is None:
            return None
        radical, residual = rs.split()[0].split(".")
        residual = int(residual)
        if residual <= 0:
            return self.total_strokes(form)
        return self.radicals[int(radical.rstrip("'"))] + residual

    def kangxi_counts(self, ch):
        main = self.kangxi_fixed.get(ch, self.kangxi_by_rule(ch))
        counts = set(self.kangxi_also.get(ch, set()))
        if main is not None:
            counts.add(main)
        return counts

    def traditional_mapping(self):
        """One-to-one simplified -> traditional mapping within GBK.

        A character maps to the first traditional form Unihan lists that GBK holds.
        When two characters claim the same form, characters with a single choice go
        first, and a character that is also its own traditional form (余 beside 餘)
        gives way and keeps itself. A form that is itself a target maps to itself."""
        variants = self.fields["kTraditionalVariant"]
        claims = []
        for code, ch in self.gbk:
            forms = code_points(variants.get(ch, ""))
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

    def kangxi_members(self):
        """Characters of the Kangxi groups: GB2312 level 1, the level-2 characters
        common enough to carry a Unihan frequency grade, and the listed members."""
        frequency = self.fields["kFrequency"]
        members = [ch for code, ch in self.gbk
                   if in_gb2312(code, (1,)) or (in_gb2312(code, (2,)) and ch in frequency)]
        listed = "".join(KANGXI_LEADING.values()) + "".join(
            chars for kind, chars, _ in CORRECTIONS if kind in ("kangxi", "also", "own"))
        seen = set(members)
        members += [ch for ch in listed if not (ch in seen or seen.add(ch))]
        return members

    def kangxi_groups(self):
        groups = {count: list(KANGXI_LEADING[count]) for count in KANGXI_GROUPS}
        for ch in self.kangxi_members():
            for count in sorted(self.kangxi_counts(ch)):
                # Counts without a group (31, 32, beyond 33) are left to the lookup's
                # fall-back on the traditional form's written count.
                if count in groups and count != 32 and ch not in groups[count]:
                    groups[count].append(ch)
        return groups

    def kangxi_lookup(self, ch):
        """What the program's lookup answers: the greatest group holding ch, else the
        written count of its traditional form."""
        hits = [count for count in KANGXI_GROUPS if ch in self.groups[count]]
        if hits:
            return max(hits)
        return self.written.get(self.traditional.get(ch, ch), 0)

    def element_by_rule(self, ch):
        """The element of the radical ch is built on, else that of its initial sound."""
        rs = self.fields["kRSKangXi"].get(ch) or self.fields["kRSUnicode"].get(ch)
        if rs:
            radical = int(rs.split()[0].split(".")[0].rstrip("'"))
            if radical in RADICAL_ELEMENTS:
                return RADICAL_ELEMENTS[radical]
        reading = self.pinyin(ch)
        if not reading:
            return None
        initial = reading[:2] if reading[:2] in ("zh", "ch", "sh") else reading[0]
        return INITIAL_ELEMENTS.get(initial, INITIAL_ELEMENTS[""])

    def elements(self, ch):
        """The elements of ch in search order; several only where corrected so."""
        found = self.element_fixed.get(ch) or {self.element_by_rule(ch)} - {None}
        return [element for element in ELEMENTS if element in found]

    def element_members(self):
        """Characters of the element lists: all of GB2312 and the Kangxi group members."""
        grouped = {ch for count in KANGXI_GROUPS for ch in self.groups[count]}
        return [ch for code, ch in self.gbk if in_gb2312(code) or ch in grouped]

    def element_lists(self):
        lists = {element: list(self.element_leading.get(element, "")) for element in ELEMENTS}
        for ch in self.element_members():
            for element in self.elements(ch):
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
    check(sorted(groups) == KANGXI_GROUPS and not groups[32], "groups 1-30, 32 (empty), 33")
    for count, leading in KANGXI_LEADING.items():
        check("".join(groups[count][:len(leading)]) == leading, f"group {count} opening")
        for ch in leading:
            check(count in data.kangxi_counts(ch),
                  f"{ch} leads group {count} but counts {sorted(data.kangxi_counts(ch))}")
    for ch, expected in MULTI_GROUP_FACTS.items():
        found = {count for count in KANGXI_GROUPS if ch in groups[count]}
        check(found == expected, f"{ch} stands in groups {sorted(found)}, expected {expected}")
    for ch, n in KANGXI_FACTS.items():
        got = data.kangxi_lookup(ch)
        check(got == n, f"Kangxi count of {ch} is {got}, expected {n}")
    for ch in "龍龘":
        check(not any(ch in groups[c] for c in KANGXI_GROUPS), f"{ch} must fall back")
    members = {ch for count in KANGXI_GROUPS for ch in groups[count]}
    check(all(ch in data.code for ch in members), "a group member is not GBK")


def verify_traditional(data):
    mapping = data.traditional
    for simple, form in TRADITIONAL_FACTS.items():
        check(mapping.get(simple) == form, f"{simple} maps to {mapping.get(simple)}")
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
    for ch, element in ELEMENT_FACTS.items():
        got = list_element(lists, ch)
        check(got == element, f"element of {ch} is {got or 'none'}, expected {element}")
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

def header(version):
    return (f"# Generated by {TOOL} from Unihan {'.'.join(version.split('.')[:2])}"
            " (Debian unicode-data); do not edit.\n")


def written_text(data, version):
    leading = list(WRITTEN_LEADING)
    rest = sorted((ch for _, ch in data.gbk if ch not in leading), key=ord)
    entries = [(ch, data.written[ch]) for ch in leading + rest]
    verify_written(entries)
    lines = []
    for start in range(0, len(entries), 40):
        lines.append("".join(f"{ch}{n}," for ch, n in entries[start:start + 40]))
    return header(version) + "\n".join(lines) + "\n"


def kangxi_text(data, version):
    groups = data.groups
    verify_kangxi(data, groups)
    return header(version) + "".join(
        f"{count}\t{''.join(groups[count])}\n" for count in KANGXI_GROUPS)


def traditional_text(data, version):
    verify_traditional(data)
    pairs = sorted(data.traditional.items(), key=lambda pair: data.code[pair[0]])
    return header(version) + "".join(f"{simple}\t{form}\n" for simple, form in pairs)


def pinyin_text(data, version):
    readings = {ch: data.pinyin(ch) for code, ch in data.gbk if in_gb2312(code)}
    verify_pinyin(readings)
    missing = [ch for ch, reading in readings.items() if not reading]
    check(not missing, f"GB2312 characters without a reading: {''.join(missing)}")
    return header(version) + "".join(
        f"{ch}\t{readings[ch]}\n" for code, ch in data.gbk if in_gb2312(code))


def element_text(data, version):
    lists = data.element_lists()
    verify_elements(data, lists)
    return header(version) + "".join(
        f"{element}\t{''.join(lists[element])}\n" for element in ELEMENTS)


def zk_table_text(data, version):
    """The character table: each GBK Chinese character with its Kangxi count, its
    element (the one its element lists would answer) and its reading."""
    rows = ["\t".join(("汉字", "笔画", "五行", "拼音"))]
    for _, ch in data.gbk:
        elements = data.elements(ch)
        rows.append("\t".join((ch, str(data.kangxi_lookup(ch)), elements[-1] if elements else "",
                               data.pinyin(ch))))
    return header(version) + "\n".join(rows) + "\n"


def outputs(data, version):
    return {
        "data/dictionary/written_strokes.txt": written_text(data, version),
        "data/dictionary/kangxi_groups.txt": kangxi_text(data, version),
        "data/dictionary/traditional.txt": traditional_text(data, version),
        "data/dictionary/pinyin.txt": pinyin_text(data, version),
        "data/dictionary/element_groups.txt": element_text(data, version),
        "data/tables/zk.tsv": zk_table_text(data, version),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--unihan", default="/usr/share/unicode")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    try:
        fields, version = read_unihan(args.unihan)
        radicals = read_radical_strokes(args.unihan, fields["kTotalStrokes"])
        files = outputs(CharData(fields, radicals), version)
    except DataError as error:
        print(f"gen_chardata: {error}", file=sys.stderr)
        return 1
    stale = []
    for relative, text in files.items():
        path = os.path.join(REPO, relative)
        if args.check:
            try:
                with open(path, encoding="utf-8", newline="") as current:
                    if current.read() != text:
                        stale.append(relative)
            except FileNotFoundError:
                stale.append(relative)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write(text)
    if stale:
        print("gen_chardata: out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
