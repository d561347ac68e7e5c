#include "shortlist/registration_section.h"

#include "registration/name_check.h"
#include "text/gbk_literal.h"

namespace zeruda::shortlist {

using namespace text::literals;

numerology::ReportSection registrationSection(const std::string& prefix, const std::string& body,
                                              const std::string& suffix) {
  numerology::ReportSection section;
  // Laid out like the report's own 名字释义 rule, after one blank line.
  section.heading = "\r\n----------------------------登记提示---------------------------\r\n"_gbk;
  const auto findings = registration::checkName(registration::partsOf(prefix, body, suffix));
  for (const registration::Finding& finding : findings) {
    section.text += "【"_gbk + registration::levelText(finding.level) + "】"_gbk + finding.reason +
                    "（"_gbk + finding.source + "）\r\n"_gbk;
  }
  if (findings.empty()) {
    section.text = "未见与企业名称登记规则不符之处（仅作初步参考，以登记机关的意见为准）\r\n"_gbk;
  }
  return section;
}

}  // namespace zeruda::shortlist
