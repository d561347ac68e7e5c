#include "registration/name_parts.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::registration {
namespace {

using test::gbk;
using test::utf8;

struct Split {
  const char* name;
  const char* line;
  const char* crown;
  const char* region;
  const char* body;
  const char* industry;
  const char* form;
};

class SplitFullName : public testing::TestWithParam<Split> {};

TEST_P(SplitFullName, FindsTheBodyBetweenRegionAndSuffix) {
  const Split& want = GetParam();
  const NameParts parts = splitFullName(gbk(want.line));
  EXPECT_EQ(utf8(parts.crown), want.crown);
  EXPECT_EQ(utf8(parts.region), want.region);
  EXPECT_EQ(utf8(parts.body), want.body);
  EXPECT_EQ(utf8(parts.industry), want.industry);
  EXPECT_EQ(utf8(parts.form), want.form);
  EXPECT_FALSE(parts.bare);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SplitFullName,
    testing::Values(
        Split{"Plain", "成都华通科技有限公司", "", "成都", "华通", "科技", "有限公司"},
        // The longest industry word and the longest form win.
        Split{"LongestIndustry", "成都金华通达信息技术有限公司", "", "成都", "金华通达", "信息技术",
              "有限公司"},
        Split{"JointStock", "四川华通股份有限公司", "", "四川", "华通", "", "股份有限公司"},
        // Divisions inside one another make one region; a city elsewhere does not.
        Split{"ProvinceCityDistrict", "四川省成都市双流区华通科技有限公司", "",
              "四川省成都市双流区", "华通", "科技", "有限公司"},
        Split{"CountyShortFormAfterItsProvince", "浙江义乌华通贸易有限公司", "", "浙江义乌", "华通",
              "贸易", "有限公司"},
        Split{"CityOfAnotherProvince", "成都金华科技有限公司", "", "成都", "金华", "科技",
              "有限公司"},
        Split{"Crown", "中国华通科技有限公司", "中国", "", "华通", "科技", "有限公司"},
        Split{"NoRegion", "华通网络科技有限公司", "", "", "华通", "网络科技", "有限公司"},
        // ASCII brackets read like full-width ones: the division in them comes out.
        Split{"AsciiBracketedRegion", "腾讯科技(深圳)有限公司", "", "", "腾讯", "科技", "有限公司"},
        Split{"PartnershipWithItsBrackets", "成都华通投资合伙企业（有限合伙）", "", "成都", "华通",
              "投资", "合伙企业（有限合伙）"},
        // Where the longest division leaves one character: a shorter industry run, then
        // the division read short, else a trade name of one character.
        Split{"IndustryRunGivesBack", "深圳市互动力科技有限公司", "", "深圳市", "互动力", "科技",
              "有限公司"},
        Split{"DivisionReadShort", "上海市北高新股份有限公司", "", "上海", "市北", "高新",
              "股份有限公司"},
        Split{"OneCharacterLeft", "成都华科技有限公司", "", "成都", "华", "科技", "有限公司"},
        Split{"OneCharacterIndustryWord", "贵州茅台酒股份有限公司", "", "贵州", "茅台", "酒",
              "股份有限公司"},
        Split{"OneCharacterIndustryWordGivenBack", "成都金酒有限公司", "", "成都", "金酒", "",
              "有限公司"},
        // Bracketed forms after 所 and after a form; brackets the rules do not know stay
        // out of the trade name, which a bracket gives only where nothing else can.
        Split{"SoleProprietorshipMark", "陕西会飞的猫网络科技所（个人独资企业）", "", "陕西",
              "会飞的猫", "网络科技", "所（个人独资企业）"},
        Split{"GroupAfterTheForm", "中国嘉陵工业股份有限公司（集团）", "中国", "", "嘉陵工业", "",
              "股份有限公司（集团）"},
        Split{"UnknownBracketLeftOut", "成都华通（测试）科技有限公司", "", "成都", "华通", "科技",
              "有限公司"},
        Split{"TradeNameInABracket", "张家界（北京驿码神通）信息技术有限公司", "", "张家界",
              "驿码神通", "信息技术", "有限公司"},
        Split{"NoBodyAtAll", "成都科技有限公司", "", "成都", "", "科技", "有限公司"},
        Split{"FiveCharacterBody", "成都金华通达宝科技有限公司", "", "成都", "金华通达宝", "科技",
              "有限公司"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitFullName, ALineWithoutSuffixIsABareBody) {
  // 金华 is a city, yet alone on its line it is a body.
  for (const char* line : {"金华", "华通达", "成都华通"}) {
    const NameParts parts = splitFullName(gbk(line));
    EXPECT_TRUE(parts.bare) << line;
    EXPECT_EQ(utf8(parts.body), line);
    EXPECT_EQ(utf8(parts.fullName()), line);
  }
}

TEST(PartsOf, TakesTheBoxesAsTypedAndSplitsOnlyTheSuffix) {
  const NameParts parts = partsOf(gbk("中国成都"), gbk("华通"), gbk("软件开发有限责任公司"));
  EXPECT_EQ(utf8(parts.crown), "中国");
  EXPECT_EQ(utf8(parts.region), "成都");
  EXPECT_EQ(utf8(parts.industry), "软件开发");
  EXPECT_EQ(utf8(parts.form), "有限责任公司");
  EXPECT_TRUE(partsOf("", gbk("华通"), "").bare);
}

TEST(PartsOfListed, CutsTheFullNameAroundItsBody) {
  const NameParts parts = partsOfListed(gbk("北京华通科技有限公司"), gbk("华通"));
  EXPECT_EQ(utf8(parts.region), "北京");
  EXPECT_EQ(utf8(parts.industry), "科技");
  EXPECT_EQ(utf8(parts.form), "有限公司");
}

}  // namespace
}  // namespace zeruda::registration
