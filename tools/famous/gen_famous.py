#!/usr/bin/env python3
"""Builds data/registration/famous.tsv, the trade names of well-known enterprises, from
the hand-gathered list beside this script (hand_list.tsv), the registered names of
listed companies by code (full_names.tsv) and a public list of the
A-share listed companies (tushare's stock_basic table as saved in the public repository
henrylin99/stock_web_app, data/stock_basic.csv at commit c5fa6c2: code, short name,
area, industry).

Usage, from the repository root:
    python3 tools/famous/gen_famous.py --a-share stock_basic.csv          write the file
    python3 tools/famous/gen_famous.py --a-share stock_basic.csv --check  fail if it differs

A listed company's trade name is read off its securities short name: risk marks and
share-class letters dropped, a division at the front and industry words at the end cut
off where two characters or more remain (格力电器 gives 格力, 贵州茅台 gives 茅台).
Short names that leave no trade name of two to four Chinese characters are skipped.
Python 3 standard library only; rows come out in a fixed order.
"""

import argparse
import csv
import os
import re
import sys

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
TOOL = "tools/famous/gen_famous.py"
OUT = "data/registration/famous.tsv"
HAND = os.path.join(REPO, "tools", "famous", "hand_list.tsv")
FULL = os.path.join(REPO, "tools", "famous", "full_names.tsv")

# Industry words of a name's industry part that show it is in the listed company's
# line of business, by the list's industry category; chosen by hand. 科技 is left out:
# nearly every name uses it, whatever its business.
CATEGORY_WORDS = {
    "电气设备": "电气 电力设备 电器 电工 电源 电池 储能 新能源 光伏 电缆 输变电",
    "元器件": "电子 元器件 光电 半导体 显示 电路 微电子",
    "软件服务": "软件 信息技术 信息 网络 计算机 数据 数字",
    "专用机械": "机械 设备 装备 智能装备 机器人",
    "化工原料": "化工 化学 材料 新材料 化学品",
    "汽车配件": "汽车 汽配 零部件 汽车零部件 汽车部件",
    "半导体": "半导体 集成电路 芯片 微电子 电子",
    "医疗保健": "医疗 医疗器械 医药 生物 健康 诊断",
    "化学制药": "医药 制药 药业 生物医药",
    "通信设备": "通信 通讯 电子 光通信 网络",
    "机械基件": "机械 轴承 精密 零部件 机电",
    "建筑工程": "建筑 建设 工程 路桥 建工 基建",
    "环境保护": "环保 环境 水务 固废 生态",
    "电器仪表": "仪器 仪表 电器 电子 激光 测控",
    "食品": "食品 食品饮料 调味品 肉食品 农产品",
    "家用电器": "电器 家电 家用电器 空调 厨卫 电子",
    "互联网": "网络 互联网 信息 信息技术 数字 电子商务",
    "生物制药": "生物 医药 制药 生物医药 生物制药 疫苗",
    "塑料": "塑料 塑胶 材料 新材料",
    "IT设备": "计算机 电子 信息技术 信息 网络",
    "家居用品": "家居 家具 家纺 用品",
    "中成药": "医药 药业 中药 制药",
    "服饰": "服饰 服装 鞋业 纺织 时装",
    "小金属": "金属 有色金属 矿业 稀土 材料",
    "农药化肥": "化肥 农药 化工 肥业",
    "广告包装": "广告 包装 传媒 印刷",
    "航空": "航空 航空工业 飞机",
    "文教休闲": "文化 教育 体育 文具 玩具 旅游",
    "证券": "证券 投资 资本 资产管理",
    "运输设备": "轨道交通 运输设备 铁路 车辆 船舶",
    "仓储物流": "物流 仓储 供应链 快递 运输",
    "区域地产": "房地产 地产 置业 房产",
    "全国地产": "房地产 地产 置业 房产",
    "供气供热": "燃气 热力 能源 天然气",
    "农业综合": "农业 农产品 农牧",
    "银行": "银行 农村商业银行 商业银行",
    "纺织": "纺织 服装 服饰 印染",
    "工程机械": "机械 工程机械 重工 装备",
    "医药商业": "医药 药业 药房 大药房",
    "矿物制品": "材料 矿物 新材料 建材",
    "百货": "百货 商业 商贸 零售 商场 购物",
    "影视音像": "影视 传媒 文化 娱乐 电影",
    "染料涂料": "涂料 染料 化工",
    "造纸": "纸业 造纸",
    "化纤": "化纤 纺织 化学纤维",
    "铝": "铝业 金属 有色金属",
    "火力发电": "电力 能源 发电 热电",
    "新型电力": "电力 能源 新能源 发电 光伏 风电",
    "出版业": "出版 传媒 文化 图书",
    "其他建材": "建材 建筑材料 材料",
    "装修装饰": "装饰 装修 建筑装饰",
    "普钢": "钢铁 钢 冶金",
    "煤炭开采": "煤炭 煤业 能源 矿业",
    "机床制造": "机床 机械 数控",
    "多元金融": "金融 投资 资本 租赁 信托",
    "饲料": "饲料 农牧 养殖",
    "钢加工": "钢 钢铁 金属 钢管",
    "水泥": "水泥 建材",
    "汽车整车": "汽车 新能源汽车 汽车销售 客车 电动车",
    "石油开采": "石油 天然气 油气 能源",
    "水力发电": "电力 水电 能源 发电",
    "乳制品": "乳业 乳品 食品",
    "白酒": "酒 酒业 白酒",
    "日用化工": "日化 日用化工 化妆品",
    "路桥": "高速公路 公路 路桥 交通",
    "种植业": "种业 种植 农业",
    "水运": "航运 海运 船务 运输",
    "铜": "铜业 有色金属",
    "玻璃": "玻璃",
    "旅游景点": "旅游 景区 文化旅游",
    "商贸代理": "商贸 贸易 进出口",
    "港口": "港口 港务",
    "橡胶": "橡胶 轮胎",
    "水务": "水务 供水 环保",
    "铅锌": "有色金属 矿业 金属",
    "石油加工": "石化 石油 化工",
    "园区开发": "园区 开发 投资",
    "房产服务": "物业 房产 地产",
    "化工机械": "机械 装备 化工装备",
    "农用机械": "农机 农业机械 机械",
    "摩托车": "摩托车 动力 机车",
    "其他商业": "商业 商贸 贸易",
    "船舶": "船舶 造船 海洋工程",
    "纺织机械": "纺织机械 机械",
    "黄金": "黄金 珠宝 矿业",
    "特种钢": "钢 钢铁 特钢",
    "汽车服务": "汽车 汽车服务 汽车销售",
    "酒店餐饮": "酒店 餐饮 饭店",
    "软饮料": "饮料 饮品 食品",
    "红黄酒": "酒 酒业 葡萄酒 黄酒",
    "超市连锁": "超市 商业 零售 百货",
    "空运": "航空 航空运输",
    "啤酒": "啤酒 酒 酒业",
    "铁路": "铁路 运输",
    "轻工机械": "机械 装备",
    "焦炭加工": "焦化 煤化工 能源",
    "渔业": "渔业 水产",
    "旅游服务": "旅游 旅行社",
    "公共交通": "公交 交通 运输",
    "陶瓷": "陶瓷",
    "电信运营": "电信 通信",
    "机场": "机场 航空",
    "批发业": "商贸 贸易 批发",
    "保险": "保险",
    "石油贸易": "石油 石化 燃料",
    "林业": "林业 林产",
    "商品城": "商品城 市场 商贸",
    "公路": "公路 交通 运输",
    "电器连锁": "电器 商业 零售",
    "综合类": "",
}

# Words of an enterprise's own registered name that tell its industry, for the hand
# list's rows that give none.
NAME_WORDS = ("银行 证券 保险 期货 基金 信托 投资 资本 汽车 电力 能源 发电 钢铁 钢 航空 航天 "
              "电子 科技 信息 软件 通信 化工 石油 石化 建设 建筑 工程 会计师 律师 地产 置业 "
              "食品 酒 医药 物流 港 电气 机械 装备 纺织 矿业 煤 水务 船舶 铁路 商业 贸易 "
              "旅游 传媒 文化 农业 粮油 烟草 材料 核 卫星 兵器 黄金 珠宝").split()

RISK_MARKS = re.compile(r"^(N|C|XD|XR|DR)(?=[\u4e00-\u9fff])")
# Companies under a delisting-risk warning are left out: their names are known for it.
WARNED = re.compile(r"^\*?S?\*?ST")
CLASS_MARKS = re.compile(r"(-[A-Z]+|[AB\uff21\uff22])$")
CHINESE = re.compile(r"^[\u4e00-\u9fff]+$")


def read_words(path, key):
    words = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith(key):
                words.update(line.split("=", 1)[1].split())
    return words


def read_regions(counties=False):
    """Division names; county short forms (义乌) only when asked, as names cut them
    only after their province."""
    names = set()
    with open(os.path.join(REPO, "data", "registration", "regions.tsv"), encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if not row or row[0].startswith("#") or row[0] == "代码":
                continue
            names.add(row[1])
            if row[2] and (counties or len(row[0]) <= 4):
                names.add(row[2])
    return names


def trade_name(short, regions, divisions, industries):
    name = CLASS_MARKS.sub("", RISK_MARKS.sub("", short.replace(" ", "").replace("\u3000", "")))
    if not CHINESE.match(name):
        return None
    for end in ("股份", "集团", "控股"):
        if name.endswith(end) and len(name) - len(end) >= 2:
            name = name[: -len(end)]
    for crown in ("中国", "中华"):
        if name.startswith(crown) and len(name) - len(crown) >= 2:
            name = name[len(crown):]
    for k in range(len(name) - 2, 0, -1):
        if name[:k] in regions:
            name = name[k:]
            break
    # The longest run of industry words at the end that leaves two characters.
    best = len(name)
    ends = {len(name)}
    for end in range(len(name), 1, -1):
        if end not in ends:
            continue
        for start in range(2, end):
            if name[start:end] in industries:
                ends.add(start)
                best = min(best, start)
    name = name[:best]
    if not 2 <= len(name) <= 4 or name in divisions or name in industries:
        return None
    return name


def hand_rows():
    rows = []
    with open(HAND, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#") or line.startswith("字号\t"):
                continue
            cells = line.split("\t")
            if len(cells) != 4:
                sys.exit(f"{HAND}: want four cells: {line}")
            if not cells[2]:
                cells[2] = " ".join(w for w in NAME_WORDS if w in cells[1])
            rows.append(cells)
    return rows


def a_share_rows(path, regions, industries, known):
    divisions = read_regions(counties=True)
    rows = []
    with open(path, encoding="utf-8-sig") as f:
        for row in csv.DictReader(f):
            code, short, category = row["symbol"], row["name"], row["industry"]
            if WARNED.match(short):
                continue
            body = trade_name(short, regions, divisions, industries)
            if body is None or (body, code) in known:
                continue
            enterprise = known.get(code, f"{short}（{code}）")
            rows.append([body, enterprise, CATEGORY_WORDS.get(category, ""), f"AS {code}"])
    return rows


HEADER = """# Generated by tools/famous/gen_famous.py from tools/famous/hand_list.tsv, tools/famous/full_names.tsv and a public list; do not edit.
#
# 知名字号：字号、使用它的企业（登记名称，取自 tools/famous/full_names.tsv；登记名称不详的上市公司写作“证券简称（证券代码）”）、
# 该企业所在行业的行业用语（名称的行业部分含其一即算同行业）、来源。
# 来源代号：
#   Y    国务院国资委央企名录与央企控股上市公司名单（GitHub DiamonWoo/Laosheng.top，fuwu/yangqi.md，2025年6月版），后附证券代码
#   S-XX 省级国资委监管企业名录，XX 为省份（网址见 tools/famous/hand_list.tsv 的说明）
#   B    人民银行成都分行辖内金融机构表（公开仓库中的数据表）
#   AS   沪深北A股上市公司列表（tushare stock_basic 表，存于 GitHub henrylin99/stock_web_app 的 data/stock_basic.csv，
#        提交 c5fa6c2，2026年4月），后附证券代码；字号由本程序从证券简称读出，行业用语按该表的行业类别写出
#   H    港股上市公司的证券简称与代码（公开仓库中的行情配置文件），后附证券代码
#   A、N、F、P、K、R、M、I、L 等其余代号见 tools/famous/hand_list.tsv 的说明
字号\t企业\t行业\t来源
"""


def build(a_share):
    regions = read_regions()
    industries = read_words(os.path.join(REPO, "data", "registration", "industries.txt"), "用语")
    hand = hand_rows()
    # Codes the hand list already names in full, so the listed row reuses its name.
    known = {}
    for body, enterprise, _, source in hand:
        parts = source.split()
        if parts and parts[-1].isdigit() and len(parts[-1]) == 6:
            known[parts[-1]] = enterprise
            known[(body, parts[-1])] = enterprise
    # Registered names by code from the public lists, so that a listed company's own
    # name is not taken for a copy of its trade name.
    with open(FULL, encoding="utf-8") as f:
        for line in f:
            cells = line.rstrip("\n").split("\t")
            if len(cells) == 3 and cells[0].isdigit():
                known.setdefault(cells[0], cells[1])
    rows = hand + a_share_rows(a_share, regions, industries, known)
    seen = set()
    out = []
    for row in rows:
        key = (row[0], row[1])
        if key in seen:
            continue
        seen.add(key)
        out.append("\t".join(row))
    return HEADER + "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--a-share", required=True)
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()
    text = build(args.a_share)
    path = os.path.join(REPO, OUT)
    if args.check:
        with open(path, encoding="utf-8") as f:
            if f.read() != text:
                sys.exit(f"{OUT} differs from what {TOOL} writes")
        return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    print(f"{OUT}: {text.count(chr(10)) - HEADER.count(chr(10))} rows", file=sys.stderr)


if __name__ == "__main__":
    main()
