#include "generation/export.h"

#include "storage/atomic_file.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <array>
#include <cstdio>

namespace zeruda::generation {

using namespace text::literals;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// "," would split a cell into two CSV columns; the stroke cells hold one. No GBK
// trail byte is a comma, so every comma byte is one, even in a cell taken as typed.
std::string withoutCommas(std::string_view cell) {
  const std::string& dash = "―"_gbk;
  std::string out;
  out.reserve(cell.size() + 8);
  for (char c : cell) {
    if (c == ',') {
      out += dash;
    } else {
      out += c;
    }
  }
  return out;
}

// A cell as a spreadsheet must read it. One that begins with "=", "+", "-" or "@"
// would be taken for a formula (a typed prefix or a pasted name can be one), and so
// may one that begins with a tab or a carriage return (some spreadsheets skip them
// before looking for the sign), so an apostrophe goes before it; one holding a quote, a comma, a
// line break or a tab is put in quotes with its quotes doubled, as RFC 4180 has it. No GBK trail
// byte is any of these, and the program's own cells need neither, so they stay as they are.
std::string spreadsheetCell(std::string cell) {
  if (!cell.empty() && std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos) {
    cell.insert(0, 1, '\'');
  }
  if (cell.find_first_of("\",\r\n\t") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string csvLine(std::span<const std::string> cells) {
  std::string out;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    if (column > 0) out += ',';
    out += spreadsheetCell(column > 0 ? withoutCommas(cells[column]) : cells[column]);
  }
  out += kLineEnd;
  return out;
}

std::string csvText(std::span<const CandidateRow> rows) {
  std::string out = "序号,全名,主体名,汉字笔画,康熙笔画,五行,星级"_gbk;
  out += kLineEnd;
  for (const auto& row : rows) out += csvLine(row.cells);
  return out;
}

std::string txtText(std::span<const CandidateRow> rows) {
  std::string out = " ";
  for (const auto& row : rows) {
    for (const auto& cell : row.cells) {
      out += cell;
      out += "     ";
    }
    out += "    ";
    out += kLineEnd;
  }
  return out;
}

Result<Done> exportRows(const std::filesystem::path& file, std::span<const CandidateRow> rows,
                        ExportFormat format) {
  const std::string bytes = format == ExportFormat::Csv ? csvText(rows) : txtText(rows);
  auto written = storage::writeFileAtomically(file, bytes);
  if (!written) return written.failure();
  return Done{};
}

UserMessage exportMessage(const Result<Done>& written, std::string_view fileShown) {
  if (!written.ok()) {
    return {"导出失败："_gbk + written.error(), "特别提示"_gbk, MessageIcon::Warning, {}};
  }
  return {
      "导出成功　　"_gbk + std::string(fileShown), "特别提示"_gbk, MessageIcon::Information, {}};
}

std::string datedFileName(std::span<const std::string> parts, calendar::Date today,
                          std::string_view extension) {
  std::string name;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    if (!name.empty()) name += '_';
    // A two-byte character's trail byte may be a backslash or "|": only single
    // bytes are looked at.
    for (std::size_t at = 0; at < part.size(); at += text::charLength(part, at)) {
      if (text::charLength(part, at) == 2) {
        name.append(part, at, 2);
        continue;
      }
      const auto byte = static_cast<unsigned char>(part[at]);
      const bool barred = byte < 0x20 || byte == 0x7F ||
                          std::string_view("\\/:*?\"<>|").find(part[at]) != std::string_view::npos;
      name += barred ? '_' : part[at];
    }
  }
  if (!name.empty()) name += '_';
  std::array<char, 16> date{};
  std::snprintf(date.data(), date.size(), "%04d-%02d-%02d", today.year, today.month, today.day);
  name += date.data();
  name += '.';
  name += extension;
  return name;
}

std::string exportFileName(std::string_view prefix, int bodyLength, calendar::Date today,
                           ExportFormat format) {
  // How the program names a length elsewhere: 名两字, 两字.
  constexpr std::array<std::string_view, 5> kLengthWords = {"", "一字", "两字", "三字", "四字"};
  std::vector<std::string> parts;
  parts.emplace_back(prefix.empty() ? "备选名"_gbk : std::string(prefix));
  if (bodyLength >= 1 && bodyLength < static_cast<int>(kLengthWords.size())) {
    parts.push_back(text::toGbk(kLengthWords[static_cast<std::size_t>(bodyLength)]));
  }
  return datedFileName(parts, today, format == ExportFormat::Csv ? "csv" : "txt");
}

}  // namespace zeruda::generation
