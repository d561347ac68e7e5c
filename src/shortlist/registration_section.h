#pragma once

#include "numerology/company_report.h"

namespace zeruda::shortlist {

// The report's 登记提示 section for a name given as prefix, body and suffix (GBK):
// one line per finding, "【level】reason（source）", or a line saying that nothing
// stands out. Plug it into CompanyReportRequest::extraSection.
numerology::ReportSection registrationSection(const std::string& prefix, const std::string& body,
                                              const std::string& suffix);

}  // namespace zeruda::shortlist
