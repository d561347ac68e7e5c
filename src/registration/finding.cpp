#include "registration/finding.h"

#include "text/gbk_literal.h"

namespace zeruda::registration {

using namespace text::literals;

const std::string& levelText(Level level) {
  switch (level) {
    case Level::Unusable:
      return "不可用"_gbk;
    case Level::NeedsApproval:
      return "需审批"_gbk;
    case Level::Note:
      break;
  }
  return "提示"_gbk;
}

Level levelFromText(std::string_view gbk) {
  if (gbk == "不可用"_gbk) return Level::Unusable;
  if (gbk == "需审批"_gbk) return Level::NeedsApproval;
  return Level::Note;
}

std::string findingsLine(const std::vector<Finding>& findings) {
  std::string line;
  for (const Finding& finding : findings) {
    if (!line.empty()) line += "；"_gbk;
    line += levelText(finding.level) + "："_gbk + finding.reason;
  }
  return line;
}

}  // namespace zeruda::registration
