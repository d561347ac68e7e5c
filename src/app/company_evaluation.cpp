#include "app/company_evaluation.h"

#include "storage/atomic_file.h"
#include "storage/character_table.h"
#include "storage/data_table.h"
#include "storage/working_folder.h"

#include <algorithm>

namespace zeruda::app {
namespace {

// Fields 3 and 7 of the record of the total, clamped to the table's records.
Result<numerology::NumberTexts> numberTexts(int total) {
  auto opened = storage::openDataTable("sl");
  if (!opened.ok()) return Error{opened.error()};
  storage::DataTable table = opened.value();
  table.moveTo(std::clamp(total, 1, std::max(table.recordCount(), 1)));
  auto verdict = table.field(3);
  if (!verdict.ok()) return Error{verdict.error()};
  auto meaning = table.field(7);
  if (!meaning.ok()) return Error{meaning.error()};
  return numerology::NumberTexts{std::move(verdict).value(), std::move(meaning).value()};
}

}  // namespace

numerology::ReportSources programReportSources() { return {storage::tableElement, numberTexts}; }

std::filesystem::path writeReportPage(const numerology::CompanyReport& report) {
  const auto page = storage::workingPath("gsmzpf.htm");
  if (page.empty() || !storage::writeFileAtomically(page, report.html()).ok()) return {};
  return page;
}

}  // namespace zeruda::app
