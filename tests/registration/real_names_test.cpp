#include "registration/name_check.h"
#include "registration/name_parts.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::registration {
namespace {

using test::gbk;
using test::utf8;

// One labelled line of real_names.tsv: the name, its five parts (UTF-8) and whether
// the issue this list was gathered for quotes it.
struct RealName {
  std::string name;
  std::array<std::string, 5> parts;  // region, trade name, industry, form, branch
  bool quoted = false;
};

std::vector<RealName> realNames() {
  std::vector<RealName> names;
  std::ifstream in(ZERUDA_TEST_DIR "/registration/real_names.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.rfind("名称\t", 0) == 0) continue;
    std::istringstream cells(line);
    std::vector<std::string> cell;
    for (std::string part; std::getline(cells, part, '\t');)
      cell.push_back(part == "空" ? "" : part);
    if (cell.size() != 8) continue;
    names.push_back({cell[0], {cell[1], cell[2], cell[3], cell[4], cell[5]}, cell[7] == "是"});
  }
  return names;
}

std::array<std::string, 5> shown(const NameParts& parts) {
  const NameSplit split = splitOf(parts);
  return {utf8(split.region), utf8(split.body), utf8(split.industry), utf8(split.form),
          utf8(split.branch)};
}

TEST(RealNames, SplitAsLabelledAndAreRarelyCalledUnusable) {
  const std::vector<RealName> names = realNames();
  ASSERT_GE(names.size(), 1000u);
  std::size_t differing = 0;
  std::size_t unusable = 0;
  std::size_t unusableWithTradeName = 0;
  for (const RealName& name : names) {
    const NameParts parts = splitFullName(gbk(name.name));
    const bool differs = shown(parts) != name.parts;
    differing += differs;
    if (differs && !name.quoted) {
      std::cout << "differs: " << name.name << " splits as " << utf8(parts.allRegions()) << "|"
                << utf8(parts.body) << "|" << utf8(parts.industry) << "|" << utf8(parts.form) << "|"
                << utf8(parts.branch) << '\n';
    }
    EXPECT_FALSE(name.quoted && differs)
        << name.name << " splits as " << utf8(parts.allRegions()) << "|" << utf8(parts.body) << "|"
        << utf8(parts.industry) << "|" << utf8(parts.form) << "|" << utf8(parts.branch);
    const auto findings = checkName(parts);
    if (findings.empty() || findings.front().level != Level::Unusable) continue;
    ++unusable;
    if (!parts.body.empty()) {
      ++unusableWithTradeName;
      std::cout << "不可用: " << name.name << ": " << utf8(findingsLine(findings)) << '\n';
    }
  }
  EXPECT_LE(differing * 50, names.size());
  // At most one registered name in 150 is called unusable other than for wanting a
  // trade name (北京控股集团), which the rules require of every new name; old names
  // such as 日照港 keep a trade name of one character that a new name may not.
  EXPECT_LE(unusableWithTradeName * 150, names.size());
  RecordProperty("names", static_cast<int>(names.size()));
  RecordProperty("splits_differing", static_cast<int>(differing));
  RecordProperty("unusable", static_cast<int>(unusable));
  std::cout << names.size() << " names, " << differing << " splits differing, " << unusable
            << " called 不可用 (" << unusable - unusableWithTradeName
            << " for wanting a trade name)\n";
}

// One line of rule_breaking.tsv: a name, the level it should be caught at and words of
// the finding (UTF-8).
struct RuleBreaker {
  std::string name;
  std::string level;
  std::string words;
};

std::vector<RuleBreaker> ruleBreakers() {
  std::vector<RuleBreaker> names;
  std::ifstream in(ZERUDA_TEST_DIR "/registration/rule_breaking.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.rfind("名称\t", 0) == 0) continue;
    std::istringstream cells(line);
    std::vector<std::string> cell;
    for (std::string part; std::getline(cells, part, '\t');) cell.push_back(part);
    if (cell.size() == 4) names.push_back({cell[0], cell[1], cell[2]});
  }
  return names;
}

TEST(RuleBreakingNames, EachIsCaughtAtItsLevel) {
  const std::vector<RuleBreaker> names = ruleBreakers();
  ASSERT_GE(names.size(), 30u);
  std::size_t caught = 0;
  for (const RuleBreaker& name : names) {
    const auto findings = checkName(splitFullName(gbk(name.name)));
    const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& f) {
      return utf8(levelText(f.level)) == name.level &&
             utf8(f.reason).find(name.words) != std::string::npos;
    });
    caught += found;
    EXPECT_TRUE(found) << name.name << ": " << utf8(findingsLine(findings));
  }
  std::cout << caught << " of " << names.size() << " rule-breaking names caught at their level\n";
}

}  // namespace
}  // namespace zeruda::registration
