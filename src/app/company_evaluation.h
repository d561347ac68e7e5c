#pragma once

#include "numerology/company_report.h"
#include "storage/data_table.h"
#include "storage/working_folder.h"

#include <filesystem>

namespace zeruda::app {

// The report's tables as the program has them: the character table "zk" and the
// 81-number table "sl" of `tables`, which must outlive the sources.
numerology::ReportSources programReportSources(storage::TableSet& tables);

// The evaluation window's page: the report as "gsmzpf.htm" in the working folder,
// replaced whole. Its path, or an empty path when it could not be written.
std::filesystem::path writeReportPage(const numerology::CompanyReport& report,
                                      const storage::WorkingFolder& folder);

}  // namespace zeruda::app
