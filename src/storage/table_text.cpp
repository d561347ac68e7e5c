#include "storage/table_text.h"

#include "storage/table_format.h"
#include "text/gbk_literal.h"

#include <charconv>

namespace zeruda::storage {
namespace {

using namespace text::literals;

std::vector<std::string> splitTabs(std::string_view line) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    parts.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

std::optional<TableField> fieldOf(const std::string& name) {
  TableField field{name, name.ends_with(kIntegerFieldSuffix)};
  if (field.integer) field.name.resize(name.size() - kIntegerFieldSuffix.size());
  if (field.name.empty()) return std::nullopt;
  return field;
}

}  // namespace

std::optional<std::string> wholeNumberText(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return std::to_string(value);
}

Result<TableText> readTableText(std::string_view gbk, const std::string& fileName) {
  const Error damaged{"数据文件已损坏："_gbk + fileName};
  TableText table;
  bool header = true;
  for (std::size_t start = 0; start < gbk.size();) {
    const std::size_t end = std::min(gbk.find('\n', start), gbk.size());
    std::string_view line = gbk.substr(start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (header) {
      header = false;
      for (const std::string& name : splitTabs(line)) {
        auto field = fieldOf(name);
        if (!field) return damaged;
        table.fields.push_back(std::move(*field));
      }
      continue;
    }
    if (line.empty()) continue;
    TableRecord record = splitTabs(line);
    if (record.size() != table.fields.size()) return damaged;
    for (std::size_t i = 0; i < record.size(); ++i) {
      if (!table.fields[i].integer) continue;
      auto number = wholeNumberText(record[i]);
      if (!number) return damaged;
      record[i] = std::move(*number);
    }
    table.records.push_back(std::move(record));
  }
  if (table.fields.empty()) return damaged;
  return table;
}

}  // namespace zeruda::storage
