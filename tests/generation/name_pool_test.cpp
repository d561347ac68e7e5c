#include "generation/name_pool.h"

#include "support/text_support.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace zeruda::generation {
namespace {

using test::gbk;
using test::utf8;

TEST(CompanyNamePool, HoldsTheTwoHundredFiftyCharactersInDrawOrder) {
  EXPECT_EQ(utf8(companyNamePool()),
            "龙汇识友嘉新星天宜宝风长健系典启升缘梦来洋茂清银洁奥高亿斯安力霆微傲久诺营吉润尼圆维"
            "诗集盛信丝贸迎浩啸铁生大时拓中建翔成旋坚悦春精雅爱盈汉雷宇顿鑫实蓝博玛智祥益火佩磊欣"
            "复富领先远运顺理迈亚贝网览晖贵瑞界日月航娇达凯福码讯泰圣耀财语相曼海鼎西用百帝发立速"
            "名光莱欧展鸿事硕原湖仕环惠凡冠威世涛创志具伟林辰华艾明电辉好南东通旺美纽白彩铭良腾格"
            "双玉真禾豪思荣赛派纳广基凤超能川跃皇英庆晶太聚同克迪优德罗子金尔丰开驰振巨旭诚邦阳源"
            "妙科洲木霸森万裕隆全胜倍佳元特扬凌和频利方康苏京韦越正恒飞江尚永宏士奇至本联卓易");
  EXPECT_EQ(companyNamePool().size(), 500u);
}

TEST(CompanyNamePool, HasNoCharacterTwice) {
  std::set<std::string_view> seen;
  for (int n = 1; n <= kPoolSize; ++n) seen.insert(poolCharacter(n));
  EXPECT_EQ(seen.size(), 250u);
}

TEST(PoolCharacter, CountsFromOne) {
  EXPECT_EQ(utf8(poolCharacter(1)), "龙");
  EXPECT_EQ(utf8(poolCharacter(2)), "汇");
  EXPECT_EQ(utf8(poolCharacter(249)), "卓");
  EXPECT_EQ(utf8(poolCharacter(250)), "易");
}

TEST(PoolNumberForDraw, EvenDrawsMoveUpToTheNextOddNumber) {
  struct Case {
    const char* name;
    int x;
    int number;
  };
  const Case cases[] = {
      {"first draw picks the first character", 1, 1},
      {"two reads as three", 2, 2},
      {"three", 3, 2},
      {"four reads as five", 4, 3},
      {"last odd draw", 497, 249},
      {"last draw reads as 499, the last character", 498, 250},
  };
  for (const auto& c : cases) EXPECT_EQ(poolNumberForDraw(c.x), c.number) << c.name;
}

TEST(PoolNumberForDraw, FirstAndLastCharactersHaveHalfTheChance) {
  std::map<int, int> draws;
  for (int x = kDrawLow; x <= kDrawHigh; ++x) ++draws[poolNumberForDraw(x)];
  EXPECT_EQ(kDrawHigh, 498);
  ASSERT_EQ(draws.size(), 250u);
  EXPECT_EQ(draws[1], 1);
  EXPECT_EQ(draws[250], 1);
  for (int n = 2; n <= 249; ++n) EXPECT_EQ(draws[n], 2) << n;
}

}  // namespace
}  // namespace zeruda::generation
