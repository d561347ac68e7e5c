#include "storage/ini_document.h"

#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::storage {
namespace {

using namespace text::literals;

enum class LineKind { kOther, kSection, kKey };

struct Line {
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::string_view value;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// "]" is also a valid second byte of a GBK character, so it is searched for
// character by character.
std::size_t closingBracket(std::string_view text) { return text::findCharacterAware(text, "]", 1); }

Line classify(std::string_view raw) {
  std::string_view line = trim(raw);
  if (line.empty() || line.front() == ';') return {};
  if (line.front() == '[') {
    std::size_t close = closingBracket(line);
    if (close == std::string_view::npos) return {};
    return {LineKind::kSection, trim(line.substr(1, close - 1)), {}};
  }
  std::size_t equals = line.find('=');  // never the second byte of a GBK character
  if (equals == std::string_view::npos) return {};
  std::string_view key = trim(line.substr(0, equals));
  if (key.empty()) return {};
  return {LineKind::kKey, key, trim(line.substr(equals + 1))};
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Letter case is folded for single-byte characters only: the second byte of a GBK
// character may look like an ASCII letter without being one.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    std::size_t length = text::charLength(a, i);
    if (length == 1) {
      if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    } else if (a.substr(i, length) != b.substr(i, length)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string_view withoutQuotes(std::string_view value) {
  if (value.size() >= 2 && value.front() == value.back() &&
      (value.front() == '"' || value.front() == '\'')) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// What a fixed buffer gives back: at most `limit` bytes, and a two-byte character
// that does not fit whole is left out rather than cut in half.
std::string_view cutToLimit(std::string_view value, std::size_t limit) {
  if (value.size() <= limit) return value;
  std::size_t end = 0;
  while (end < value.size()) {
    std::size_t next = end + text::charLength(value, end);
    if (next > limit) break;
    end = next;
  }
  return value.substr(0, end);
}

bool hasLineBreakOrZero(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool isValidName(std::string_view name) {
  return !name.empty() && trim(name) == name && !hasLineBreakOrZero(name);
}

// A section name is written only when its line gives it back: a "]" inside would end
// it early, and a last byte that starts a two-byte character would swallow the
// closing "]" (and every later write would add the section once more).
bool readsBackAsSection(std::string_view section) {
  const std::string line = "[" + std::string(section) + "]";
  const Line read = classify(line);
  return read.kind == LineKind::kSection && read.name == section;
}

// What goes after "=" so that get() gives `value` back: a value that reading would
// change (surrounding blanks lost, or a pair of surrounding quotes taken away) is
// wrapped in a pair of quotes of its own, which reading takes away again.
std::string storedValue(std::string_view value) {
  if (trim(value) == value && withoutQuotes(value) == value) return std::string(value);
  return "\"" + std::string(value) + "\"";
}

}  // namespace

IniDocument IniDocument::parse(std::string_view bytes) {
  IniDocument document;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      document.lines_.emplace_back(bytes.substr(start));
      break;
    }
    document.lines_.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return document;
}

IniDocument::Found IniDocument::find(std::string_view section, std::string_view key) const {
  Found found{std::string::npos, std::string::npos, std::string::npos};
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Line line = classify(lines_[i]);
    if (line.kind == LineKind::kSection) {
      if (found.sectionLine != std::string::npos) break;
      if (sameName(line.name, section)) {
        found.sectionLine = i;
        found.insertAt = i + 1;
      }
      continue;
    }
    if (found.sectionLine == std::string::npos) continue;
    if (line.kind == LineKind::kKey && found.keyLine == std::string::npos &&
        sameName(line.name, key)) {
      found.keyLine = i;
    }
    if (!trim(lines_[i]).empty()) found.insertAt = i + 1;
  }
  return found;
}

std::string IniDocument::get(std::string_view section, std::string_view key) const {
  Found found = find(section, key);
  if (found.keyLine == std::string::npos) return {};
  std::string_view value = withoutQuotes(classify(lines_[found.keyLine]).value);
  // A zero byte ends the text, as it would in the caller's buffer.
  value = value.substr(0, value.find('\0'));
  return std::string(cutToLimit(value, kProfileValueLimit));
}

Result<Done> IniDocument::set(std::string_view section, std::string_view key,
                              std::string_view value) {
  if (!isValidName(section) || !readsBackAsSection(section)) {
    return Error{"资料文件的节名无效："_gbk + std::string(section)};
  }
  if (!isValidName(key) || key.find('=') != std::string_view::npos || key.front() == '[' ||
      key.front() == ';') {
    return Error{"资料文件的项名无效："_gbk + std::string(key)};
  }
  if (hasLineBreakOrZero(value)) {
    return Error{"资料项的值不能含有换行或零字节："_gbk + std::string(key)};
  }
  // A longer value would read back cut short.
  if (value.size() > kProfileValueLimit) {
    return Error{"资料项的值太长（最多 "_gbk + std::to_string(kProfileValueLimit) +
                 " 字节）："_gbk + std::string(key)};
  }
  std::string line = std::string(key) + "=" + storedValue(value);
  Found found = find(section, key);
  if (found.keyLine != std::string::npos) {
    lines_[found.keyLine] = std::move(line);
  } else if (found.sectionLine != std::string::npos) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.insertAt), std::move(line));
  } else {
    if (!lines_.empty() && !trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::move(line));
  }
  return Done{};
}

std::string IniDocument::text() const {
  std::string out;
  for (const auto& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace zeruda::storage
