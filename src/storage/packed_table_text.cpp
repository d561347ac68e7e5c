#include "storage/packed_table_text.h"

#include <cstdint>
#include <map>
#include <vector>

namespace zeruda::storage {
namespace {

constexpr std::string_view kMagic = "ZPT1";
constexpr std::size_t kMostValues = 1 << 16;  // an index takes at most two bytes

void putNumber(std::string& out, std::size_t value) {
  while (value >= 0x80) {
    out += static_cast<char>(0x80 | (value & 0x7f));
    value >>= 7;
  }
  out += static_cast<char>(value);
}

// Reads what putNumber and plain bytes wrote, refusing to read past the end.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::size_t> number() {
    std::size_t value = 0;
    for (int shift = 0; shift < 35 && at_ < bytes_.size(); shift += 7) {
      const auto byte = static_cast<unsigned char>(bytes_[at_++]);
      value |= static_cast<std::size_t>(byte & 0x7f) << shift;
      if (!(byte & 0x80)) return value;
    }
    return std::nullopt;
  }

  std::optional<std::string_view> bytes(std::size_t count) {
    if (count > bytes_.size() - at_) return std::nullopt;
    const std::string_view taken = bytes_.substr(at_, count);
    at_ += count;
    return taken;
  }

  bool atEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

struct Rows {
  std::string_view header;
  std::vector<unsigned> codes;
  std::vector<std::vector<std::string_view>> columns;  // the cells after the first
};

unsigned codeOf(std::string_view cell) {
  if (cell.size() != 2 || static_cast<unsigned char>(cell[0]) < 0x81) return 0;
  return static_cast<unsigned char>(cell[0]) << 8 | static_cast<unsigned char>(cell[1]);
}

std::optional<Rows> rowsOf(std::string_view text) {
  Rows rows;
  std::size_t start = text.find('\n');
  if (start == std::string_view::npos || !text.ends_with('\n')) return std::nullopt;
  rows.header = text.substr(0, start++);
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    const unsigned code = codeOf(line.substr(0, 2));
    if (code == 0 || (!rows.codes.empty() && code <= rows.codes.back())) return std::nullopt;
    if (line.size() < 3 || line[2] != '\t') return std::nullopt;
    rows.codes.push_back(code);
    std::size_t cell = 0;
    for (std::size_t from = 3;; ++cell) {
      const std::size_t tab = std::min(line.find('\t', from), line.size());
      if (rows.codes.size() == 1) rows.columns.emplace_back();
      if (cell >= rows.columns.size()) return std::nullopt;
      rows.columns[cell].push_back(line.substr(from, tab - from));
      if (tab == line.size()) break;
      from = tab + 1;
    }
    if (cell + 1 != rows.columns.size()) return std::nullopt;
  }
  return rows;
}

// One column: its distinct values in order of first use, then each row's index,
// low bytes of every row before the high bytes when there are more than 256.
bool putColumn(std::string& out, const std::vector<std::string_view>& cells) {
  std::map<std::string_view, std::size_t> indexOf;
  std::vector<std::string_view> values;
  std::vector<std::size_t> indices;
  for (const std::string_view cell : cells) {
    const auto [it, added] = indexOf.try_emplace(cell, values.size());
    if (added) values.push_back(cell);
    indices.push_back(it->second);
  }
  if (values.size() > kMostValues) return false;
  putNumber(out, values.size());
  for (const std::string_view value : values) {
    putNumber(out, value.size());
    out += value;
  }
  for (const std::size_t index : indices) out += static_cast<char>(index & 0xff);
  if (values.size() > 256) {
    for (const std::size_t index : indices) out += static_cast<char>(index >> 8);
  }
  return true;
}

std::optional<std::vector<std::string_view>> columnOf(Reader& in, std::size_t rows) {
  const auto count = in.number();
  if (!count || *count == 0 || *count > kMostValues) return std::nullopt;
  std::vector<std::string_view> values;
  for (std::size_t i = 0; i < *count; ++i) {
    const auto size = in.number();
    const auto value = size ? in.bytes(*size) : std::nullopt;
    if (!value) return std::nullopt;
    values.push_back(*value);
  }
  const auto low = in.bytes(rows);
  const auto high = *count > 256 ? in.bytes(rows) : std::string_view();
  if (!low || !high) return std::nullopt;
  std::vector<std::string_view> cells;
  cells.reserve(rows);
  for (std::size_t row = 0; row < rows; ++row) {
    std::size_t index = static_cast<unsigned char>((*low)[row]);
    if (!high->empty())
      index |= static_cast<std::size_t>(static_cast<unsigned char>((*high)[row])) << 8;
    if (index >= values.size()) return std::nullopt;
    cells.push_back(values[index]);
  }
  return cells;
}

}  // namespace

std::optional<std::string> packTableText(std::string_view text) {
  const auto rows = rowsOf(text);
  if (!rows || rows->codes.empty()) return std::nullopt;
  std::string out(kMagic);
  putNumber(out, rows->header.size());
  out += rows->header;
  putNumber(out, rows->codes.size());
  putNumber(out, rows->columns.size());
  unsigned previous = 0;
  for (const unsigned code : rows->codes) {
    putNumber(out, code - previous);
    previous = code;
  }
  for (const auto& column : rows->columns) {
    if (!putColumn(out, column)) return std::nullopt;
  }
  // What ships must give back exactly what it was made from.
  if (unpackTableText(out) != text) return std::nullopt;
  return out;
}

std::optional<std::string> unpackTableText(std::string_view packed) {
  if (!packed.starts_with(kMagic)) return std::nullopt;
  Reader in(packed.substr(kMagic.size()));
  const auto headerSize = in.number();
  const auto header = headerSize ? in.bytes(*headerSize) : std::nullopt;
  const auto rows = in.number();
  const auto columns = in.number();
  if (!header || !rows || !columns || *rows > packed.size() || *columns > packed.size()) {
    return std::nullopt;
  }
  std::vector<unsigned> codes;
  for (std::size_t row = 0, code = 0; row < *rows; ++row) {
    const auto step = in.number();
    if (!step || *step == 0 || (code += *step) > 0xffff) return std::nullopt;
    codes.push_back(static_cast<unsigned>(code));
  }
  std::vector<std::vector<std::string_view>> cells;
  for (std::size_t column = 0; column < *columns; ++column) {
    auto one = columnOf(in, *rows);
    if (!one) return std::nullopt;
    cells.push_back(std::move(*one));
  }
  if (!in.atEnd()) return std::nullopt;
  std::string text(*header);
  text += '\n';
  for (std::size_t row = 0; row < *rows; ++row) {
    text += static_cast<char>(codes[row] >> 8);
    text += static_cast<char>(codes[row] & 0xff);
    for (const auto& column : cells) {
      text += '\t';
      text += column[row];
    }
    text += '\n';
  }
  return text;
}

}  // namespace zeruda::storage
