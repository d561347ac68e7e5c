#include "app/company_evaluation.h"

#include "storage/atomic_file.h"
#include "storage/character_table.h"

#include <algorithm>

namespace zeruda::app {
namespace {

// Fields 3 and 7 of the record of the total, clamped to the table's records.
Result<numerology::NumberTexts> numberTexts(storage::TableSet& tables, int total) {
  auto opened = tables.open("sl");
  if (!opened.ok()) return opened.failure();
  storage::DataTable table = opened.value();
  table.moveTo(std::clamp(total, 1, std::max(table.recordCount(), 1)));
  auto verdict = table.field(3);
  if (!verdict.ok()) return verdict.failure();
  auto meaning = table.field(7);
  if (!meaning.ok()) return meaning.failure();
  return numerology::NumberTexts{std::move(verdict).value(), std::move(meaning).value()};
}

}  // namespace

numerology::ReportSources programReportSources(storage::TableSet& tables) {
  return {storage::characterTable(tables),
          [&tables](int total) { return numberTexts(tables, total); }};
}

std::filesystem::path writeReportPage(const numerology::CompanyReport& report,
                                      const storage::WorkingFolder& folder) {
  const auto page = folder.file("gsmzpf.htm");
  if (page.empty() || !storage::writeOwnedFile(page, report.html()).ok()) return {};
  return page;
}

}  // namespace zeruda::app
