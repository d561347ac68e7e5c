#pragma once

#include "calendar/date_time.h"
#include "generation/candidate_row.h"
#include "text/result.h"
#include "text/user_message.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::generation {

enum class ExportFormat { Csv, Txt };

// One CSV line of cells (GBK) ending in "\r\n": every "," inside the cells but the
// first replaced by "―" so the columns stay apart; a cell that a spreadsheet would
// take for a formula (a leading "=", "+", "-", "@", tab or carriage return) gets an
// apostrophe before it, and one holding a quote, a line break, a tab (or, the
// first, a comma) is quoted.
std::string csvLine(std::span<const std::string> cells);

// The result list as a CSV text (GBK, "\r\n" line ends): a header line, then one
// line per row; every "," inside columns 2-7 becomes "―" so the columns stay apart.
std::string csvText(std::span<const CandidateRow> rows);

// The result list as a plain text in padded columns: one leading space, each cell
// followed by five spaces, four more spaces before each "\r\n"; no header, cells
// as they are.
std::string txtText(std::span<const CandidateRow> rows);

// Writes the list to `file` in the chosen format, replacing it whole (never a part
// of it); the reason (GBK) when the file is not in place.
Result<Done> exportRows(const std::filesystem::path& file, std::span<const CandidateRow> rows,
                        ExportFormat format);

// What the window says after an export: "导出成功　　" followed by the file written
// (`fileShown`, GBK), or "导出失败：" with the reason.
UserMessage exportMessage(const Result<Done>& written, std::string_view fileShown = {});

// A file name for a save dialog to suggest (GBK): the parts that are not empty joined
// by "_", then today's date and the extension: "成都_两字_2026-12-09.csv". Characters
// no file name may hold on some system (\ / : * ? " < > | and control characters)
// become "_".
std::string datedFileName(std::span<const std::string> parts, calendar::Date today,
                          std::string_view extension);

// The name an export of the result list suggests: the form's prefix (or "备选名" when
// it has none, as a shop or brand name does), the body length in words ("两字"), the
// date and the format's extension: "成都_两字_2026-12-09.csv".
std::string exportFileName(std::string_view prefix, int bodyLength, calendar::Date today,
                           ExportFormat format);

}  // namespace zeruda::generation
