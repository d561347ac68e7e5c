#pragma once

#include "calendar/date_time.h"
#include "shortlist/shortlist.h"
#include "text/result.h"

#include <filesystem>
#include <span>
#include <string>

namespace zeruda::shortlist {

// The cells of a judged shortlist as its table and its CSV show them (GBK): 序号 (the
// rank from 1), 全名, 主体名, 星级 ("☆" by the stars, empty when not rated), 分数
// (empty when not rated), 登记提示 ("level：reason" joined by "；").
std::array<std::string, 6> shortlistCells(const ScoredName& name, std::size_t rank);

// The CSV of a judged shortlist, in the result list's CSV format: GBK, "\r\n" line
// ends, a header line, commas inside cells turned into "―". `order` gives the lines'
// order as places in `names` (a table sorted by the user); each name keeps its rank,
// its place + 1. An empty order writes the names as they stand.
std::string shortlistCsv(std::span<const ScoredName> names,
                         std::span<const std::size_t> order = {});

// Its header line, and the line of the name at `rank` (from 1), for a list written
// name by name.
std::string shortlistCsvHeader();
std::string shortlistCsvLine(const ScoredName& name, std::size_t rank);

// Writes the CSV to `file`, whole or not at all; the reason (GBK) when it is not in
// place. The window reports it as the result list's export does (generation/export.h).
Result<Done> exportShortlist(const std::filesystem::path& file, std::span<const ScoredName> names,
                             std::span<const std::size_t> order = {});

// The name an export of the shortlist suggests (GBK): "批量评测_2026-12-09.csv".
std::string shortlistFileName(calendar::Date today);

}  // namespace zeruda::shortlist
