#include "registration/name_check.h"

#include "registration/famous_names.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::registration {
namespace {

using test::gbk;
using test::utf8;

// "level：reason" of each finding, readable.
std::vector<std::string> levels(const std::vector<Finding>& findings) {
  std::vector<std::string> out;
  for (const Finding& finding : findings) out.push_back(utf8(levelText(finding.level)));
  return out;
}

bool mentions(const std::vector<Finding>& findings, const char* level, const char* words) {
  for (const Finding& finding : findings) {
    if (utf8(levelText(finding.level)) == level &&
        utf8(finding.reason).find(words) != std::string::npos && !finding.source.empty()) {
      return true;
    }
  }
  return false;
}

struct Case {
  const char* name;
  const char* line;
  const char* level;  // the finding expected …
  const char* words;  // … and words of its reason
};

class CheckName : public testing::TestWithParam<Case> {};

TEST_P(CheckName, RaisesTheRuleWithItsLevelReasonAndSource) {
  const auto findings = checkName(splitFullName(gbk(GetParam().line)));
  EXPECT_TRUE(mentions(findings, GetParam().level, GetParam().words))
      << utf8(findingsLine(findings));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckName,
    testing::Values(
        Case{"CrownNeedsApproval", "中国华通科技有限公司", "需审批", "中国"},
        Case{"ChinaInsideTheTradeName", "深圳市中国龙科技有限公司", "不可用", "中国"},
        Case{"ChinaAfterTheTradeNameNeedsForeignInvestment", "华通（中国）科技有限公司", "提示",
             "外商"},
        Case{"OneCharacterTradeName", "华科技有限公司", "不可用", "两个以上汉字"},
        Case{"LatinLetters", "成都AB科技有限公司", "不可用", "AB"},
        Case{"FullWidthDigits", "成都华通８９科技有限公司", "不可用", "８９"},
        Case{"Symbols", "成都华&通科技有限公司", "不可用", "&"},
        Case{"BracketOutsideTheRules", "成都华通（测试）科技有限公司", "提示", "（测试）"},
        Case{"CharacterOutsideTheStandardTable", "成都華通科技有限公司", "提示", "通用规范汉字表"},
        Case{"Superlative", "成都最佳华通科技有限公司", "提示", "广告法"},
        Case{"FirstIsANote", "成都第一华通科技有限公司", "提示", "次序"},
        Case{"ForeignCountry", "成都美国华通科技有限公司", "不可用", "美国"},
        Case{"InternationalOrganisation", "成都联合国华通科技有限公司", "不可用", "联合国"},
        Case{"StateOrgan", "成都人民政府华通科技有限公司", "不可用", "人民政府"},
        Case{"Military", "成都解放军华通科技有限公司", "不可用", "解放军"},
        Case{"StateCapital", "成都国资华通科技有限公司", "提示", "国家出资"},
        Case{"SpecialSupply", "成都特供华通科技有限公司", "不可用", "特供"},
        Case{"NonProfit", "成都华通协会科技有限公司", "不可用", "协会"},
        Case{"GamblingMorpheme", "广州市赌王娱乐有限公司", "不可用", "赌"},
        Case{"DrugMorpheme", "成都毒王华通科技有限公司", "不可用", "毒"},
        Case{"RegionAsTradeName", "深圳市北京科技有限公司", "不可用", "另有含义"},
        Case{"ChinaBeforeIndustryWordsWithoutTradeName", "浙江中国轻纺城集团股份有限公司", "不可用",
             "行业限定语"},
        Case{"WellKnownInItsIndustry", "广州市比亚迪汽车销售有限公司", "需审批",
             "比亚迪股份有限公司"},
        Case{"WellKnownWithoutIndustry", "深圳腾讯有限公司", "需审批", "腾讯"},
        Case{"Finance", "成都华通银行股份有限公司", "需审批", "银行"},
        Case{"Olympic", "成都奥运华通科技有限公司", "需审批", "奥运"},
        Case{"IndustryAgainstForm", "成都华通小额贷款商行", "不可用", "商行"},
        Case{"CompanyWithoutLiabilityForm", "成都华通科技公司", "提示", "全民所有制"},
        Case{"PartnershipWithoutType", "成都华通投资合伙企业", "不可用", "有限合伙"},
        Case{"SoleProprietorshipCalledLimited", "成都华通有限科技个人独资企业", "不可用", "有限"},
        Case{"NoForm", "成都华通科技", "不可用", "组织形式"},
        Case{"NoTradeName", "北京控股集团有限公司", "不可用", "字号"},
        Case{"BankNamedByTheRegulator", "北京银行股份有限公司", "需审批", "金融监管部门"},
        Case{"NoRegion", "华通科技有限公司", "提示", "行政区划"},
        Case{"DistrictWithoutItsCity", "双流区华通科技有限公司", "提示", "双流区"},
        Case{"Branch", "成都华通科技有限公司上海分公司", "提示", "分支机构"},
        Case{"BareBody", "华通", "提示", "只有字号"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckName, AnOrdinaryNameRaisesNothing) {
  for (const char* line : {"成都华通科技有限公司", "四川省成都市双流区金华通达信息技术有限责任公司",
                           "北京华通投资合伙企业（有限合伙）", "上海华通餐饮管理有限公司",
                           "成都华通消毒科技有限公司", "成都华通防毒科技有限公司"}) {
    EXPECT_TRUE(checkName(splitFullName(gbk(line))).empty()) << line;
  }
}

TEST(CheckName, ANoteNeverSaysTheNameWillBeRefused) {
  for (const char* line :
       {"深圳腾讯科技有限公司", "成都比亚迪餐饮管理有限公司", "深圳和田建设集团有限公司"}) {
    for (const Finding& finding : checkName(splitFullName(gbk(line)))) {
      if (finding.level == Level::Note) {
        EXPECT_EQ(utf8(finding.reason).find("拒绝"), std::string::npos) << line;
      }
    }
  }
}

TEST(CheckName, PutsTheMostSeriousFirstAndNamesAWordOnce) {
  // 美国 twice, 国际 (a note) before it in the name, no organisation form.
  const auto findings = checkName(splitFullName(gbk("成都国际美国美国科技")));
  EXPECT_EQ(levels(findings), (std::vector<std::string>{"不可用", "不可用", "提示"}))
      << utf8(findingsLine(findings));
}

TEST(CheckName, AWordInsideALongerOneIsNotRaisedAgain) {
  const auto findings = checkName(splitFullName(gbk("成都人民政府科技有限公司")));
  EXPECT_EQ(findings.size(), 1u) << utf8(findingsLine(findings));
}

// Every row of the well-known list is read, as the build embeds it (its source
// column left out), with the enterprise and industry words of its row.
TEST(FamousNames, ReadsEveryRowOfTheList) {
  const std::string file =
      test::readFile(std::string(ZERUDA_TEST_DIR) + "/../data/registration/famous.tsv");
  std::size_t rows = 0;
  for (std::size_t at = 0; at < file.size(); at = file.find('\n', at) + 1) {
    if (file[at] != '#' && file[at] != '\n') ++rows;
  }
  EXPECT_EQ(FamousNames::builtIn().size() + 1, rows);  // the heading line is no name
  const auto byd = FamousNames::builtIn().withTradeName(gbk("比亚迪"));
  ASSERT_EQ(byd.size(), 1u);
  EXPECT_EQ(utf8(byd[0]->enterprise), "比亚迪股份有限公司");
  EXPECT_FALSE(byd[0]->industries.empty());
}

}  // namespace
}  // namespace zeruda::registration
