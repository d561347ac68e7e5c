#include "cli_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

namespace zeruda::cli {
namespace {

struct Line {
  std::string title, file, group;
};

std::vector<Line> listed() {
  const test::CliRun run = test::runCli({"article", "list"});
  EXPECT_EQ(run.code, 0) << run.err;
  std::vector<Line> lines;
  std::istringstream in(run.out);
  for (std::string text; std::getline(in, text);) {
    Line line;
    std::istringstream cells(text);
    std::getline(cells, line.title, '\t');
    std::getline(cells, line.file, '\t');
    std::getline(cells, line.group);
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> sorted(std::vector<std::string> titles) {
  std::sort(titles.begin(), titles.end());
  return titles;
}

// The pages the menu must offer, as the program's documentation lists them.
// clang-format off
const std::vector<std::string> kFolkTitles = {
    "指甲占卜", "亲恩歌", "笔迹辨人格", "掌丘占卜", "吃空老公钱财的面相", "眼睛清奇多具潜能",
    "面相看出女人好与坏", "命运线", "看面相找中意的老婆", "如何从嘴形看爱情",
    "从耳相可以看出她的感情", "五指的占卜", "你有富贵长寿的面相吗", "吃准女人的男人面相",
    "命自我立", "小气财神爷的手面相", "改变运势的装修技巧", "金星带", "智慧线", "一掌了然桃花运",
    "孝悌歌", "相术中女人三大看点", "男女好色的特征", "看眼睛知秘密", "闺训千字文", "朱子治家格言",
    "血型测命", "达摩祖师相法秘诀", "面相看你是不是长舌妇", "手相占卜", "手相学简概",
    "人中之龙的面相特征", "六大贫贱家居风水", "能够逢凶化吉的面相", "哪种面相注定有桃花命",
    "孔子与小儿论", "哪些老板面相能折磨员工", "指甲\"扮靓靓\"开运法", "爱情花心看掌纹",
    "改变面相增加工作运势", "麻衣相法", "婚姻线", "财运手相金手指", "报复心最重的女人长相",
    "指纹命定你的婚姻爱情", "能吸引有钱人的面貌特征", "情关过不去的手相", "漂亮女人没有好运的面相",
    "太上感应篇", "比男人还风流的女人面相", "命中注定会相亲的面相", "感情线",
    "开运面相会生带财小孩的人", "称骨算命法", "面相与相亲", "通用12种风水方式", "孝顺歌",
    "许负相法十六篇", "九大富贵桃花面相", "最难管理的下属面相", "七项阳宅应注意事项",
    "可以轻松赚钱的面相", "九种头形能看出男女性格", "哪些人结婚后好运会跟着来", "从面相判断女强人",
    "手相与性格分析", "生命线", "手相挑工作", "论五指得失", "桃花运不断的几种面相", "心 命 歌",
    "指纹占卜", "指纹占卜", "百忍歌", "孝道良心歌", "会趁人之危的男面相", "种种“面相”大剖析",
    "女人是否红杏出墙的面相特征", "易学起源", "成功线", "四种手相一辈子富裕",
    "面相揭示男人的Xing爱秘密", "配偶会有外遇的手相", "孝经",
};
const std::vector<std::string> kTableTitles = {
    "中外重要节日简表", "中国主要亲属关系简表", "中国少数民族分布简表", "中国各个城市市花",
    "中国历史朝代公元对照简表", "国内长途区号表", "二十四节气表", "我国省自治区直辖市简表",
    "常用多音字表", "中国古代的姓氏名字号", "国际长途区号表", "古代文化常识汇编",
    "中国古代的计时法", "绕口令选集", "三十六计", "容易读错音的一些字",
};
const std::vector<std::string> kGroups = {
    "民俗知识", "易学相关", "家居风水", "面相与生活", "手相占卜", "其它功能",
};
// clang-format on

TEST(ArticleCommand, ListsEveryMenuPageUnderAGroupThenTheTreeInItsOrder) {
  const std::vector<Line> lines = listed();
  std::vector<std::string> folk, tables, tree;
  for (const Line& line : lines) {
    if (line.group == "公司取名知识" && line.file == "qmzs.htm") {
      tree.push_back(line.title);
      continue;
    }
    if (line.file == "yxzs.htm" || line.file == "mszs.htm") {
      EXPECT_NE(std::find(kGroups.begin(), kGroups.end(), line.group), kGroups.end()) << line.title;
      (line.file == "yxzs.htm" ? folk : tables).push_back(line.title);
    }
  }
  // Besides the listed folk pages, yxzs.htm carries our four pages for the online ones.
  std::vector<std::string> listedFolk = sorted(folk), expectedFolk = sorted(kFolkTitles);
  EXPECT_TRUE(std::includes(listedFolk.begin(), listedFolk.end(), expectedFolk.begin(),
                            expectedFolk.end()));
  EXPECT_EQ(folk.size(), kFolkTitles.size() + 4);
  std::vector<std::string> listedTables = sorted(tables), expectedTables = sorted(kTableTitles);
  EXPECT_TRUE(std::includes(listedTables.begin(), listedTables.end(), expectedTables.begin(),
                            expectedTables.end()));
  EXPECT_EQ(std::count(tables.begin(), tables.end(), "黄道吉日"), 1);

  // The tree's 95 texts in order, the default text first, then the start text.
  ASSERT_EQ(tree.size(), 96u);
  EXPECT_EQ(tree[0], "重要取名知识");
  EXPECT_EQ(tree[1], "超市起名应该遵循什么原则");
  EXPECT_EQ(tree[2], tree[1]);
  EXPECT_EQ(tree[95], "公司取名知识");
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const Line& l) { return l.title == "相关法律" && l.file == "-"; }),
            1);
}

TEST(ArticleCommand, ShowPrintsPlainTextAndPicksAmongSharedTitles) {
  const test::CliRun first = test::runCli({"article", "show", "指纹占卜"});
  const test::CliRun second = test::runCli({"article", "show", "指纹占卜", "2"});
  ASSERT_EQ(first.code, 0) << first.err;
  ASSERT_EQ(second.code, 0) << second.err;
  EXPECT_TRUE(first.out.starts_with("指纹占卜\n\n"));
  EXPECT_NE(first.out, second.out);
  EXPECT_EQ(first.out, test::runCli({"article", "show", "指纹占卜", "1"}).out);
  for (const char* markup : {"<", "**", "|", "\r", "## "}) {
    EXPECT_EQ(first.out.find(markup), std::string::npos) << markup;
  }
}

TEST(ArticleCommand, RefusesTitlesAndNumbersItHasNoPageFor) {
  struct Case {
    std::vector<std::string> args;
    int code;
  };
  for (const Case& c :
       {Case{{"article", "show", "没有这一页"}, 1}, Case{{"article", "show", "指纹占卜", "3"}, 1},
        Case{{"article", "show", "孝经", "x"}, 2}, Case{{"article"}, 2},
        Case{{"article", "--help"}, 0}}) {
    EXPECT_EQ(test::runCli(c.args).code, c.code) << c.args.back();
  }
}

}  // namespace
}  // namespace zeruda::cli
