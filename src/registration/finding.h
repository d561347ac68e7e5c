#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::registration {

// How serious a finding is, most serious first.
enum class Level {
  Unusable,       // 不可用: the office will not register the name as it stands
  NeedsApproval,  // 需审批: registrable only with an approval or a strict review
  Note,           // 提示: worth knowing; the name may well pass
};

// One point a name raises against the registration rules (texts GBK).
struct Finding {
  Level level = Level::Note;
  std::string reason;  // short, in the program's own words
  std::string source;  // the rule it rests on, e.g. 《企业名称登记管理规定》第八条
  bool operator==(const Finding&) const = default;
};

// "不可用", "需审批" or "提示" (GBK).
const std::string& levelText(Level level);
// The level a text names; Note for an unknown text.
Level levelFromText(std::string_view gbk);

// "不可用：reason" for each finding, joined by "；" (GBK); empty for none.
std::string findingsLine(const std::vector<Finding>& findings);

}  // namespace zeruda::registration
