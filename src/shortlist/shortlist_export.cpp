#include "shortlist/shortlist_export.h"

#include "generation/export.h"
#include "storage/atomic_file.h"
#include "text/gbk_literal.h"

namespace zeruda::shortlist {

using namespace text::literals;

std::array<std::string, 6> shortlistCells(const ScoredName& name, std::size_t rank) {
  return {std::to_string(rank),
          name.name,
          name.body(),
          name.rated ? numerology::starText(name.stars) : std::string(),
          name.rated ? scoreText(name.score) : std::string(),
          registration::findingsLine(name.findings)};
}

std::string shortlistCsvHeader() { return "序号,全名,主体名,星级,分数,登记提示\r\n"_gbk; }

std::string shortlistCsvLine(const ScoredName& name, std::size_t rank) {
  return generation::csvLine(shortlistCells(name, rank));
}

std::string shortlistCsv(std::span<const ScoredName> names, std::span<const std::size_t> order) {
  std::string out = shortlistCsvHeader();
  if (order.empty()) {
    for (std::size_t i = 0; i < names.size(); ++i) out += shortlistCsvLine(names[i], i + 1);
  }
  for (const std::size_t i : order) out += shortlistCsvLine(names[i], i + 1);
  return out;
}

Result<Done> exportShortlist(const std::filesystem::path& file, std::span<const ScoredName> names,
                             std::span<const std::size_t> order) {
  auto written = storage::writeFileAtomically(file, shortlistCsv(names, order));
  if (!written) return written.failure();
  return Done{};
}

std::string shortlistFileName(calendar::Date today) {
  const std::string parts[] = {"批量评测"_gbk};
  return generation::datedFileName(parts, today, "csv");
}

}  // namespace zeruda::shortlist
