#include "personal/character_entry.h"

#include "text/characters.h"
#include "text/gbk_literal.h"

#include <charconv>

namespace zeruda::personal {

using namespace text::literals;

namespace {

constexpr std::size_t kCharacterBytes = 2;

}  // namespace

std::optional<int> tableStrokes(storage::TableSet& tables, std::string_view character) {
  auto table = tables.open("zk");
  if (!table.ok()) return std::nullopt;
  auto found = table.value().lookup("汉字"_gbk, character, "笔画"_gbk);
  if (!found.ok() || !found.value()) return std::nullopt;
  const std::string& text = *found.value();
  int strokes = 0;
  std::from_chars(text.data(), text.data() + text.size(), strokes);
  return strokes;
}

std::string_view checkedEntry(std::string_view text) { return text::trimBlanks(text); }

Error invalidEntryMessage(Field field) {
  return {"您未输入合法内容！"_gbk, field, "提示"_gbk, MessageIcon::Warning};
}

Check chineseEntryCheck(storage::TableSet& tables, std::string_view text, Field field) {
  const std::string_view entry = checkedEntry(text);
  if (entry.empty()) return invalidEntryMessage(field);
  if (!tableStrokes(tables, entry.substr(0, kCharacterBytes))) return invalidEntryMessage(field);
  if (entry.size() > kCharacterBytes &&
      !tableStrokes(tables, entry.substr(entry.size() - kCharacterBytes))) {
    return invalidEntryMessage(field);
  }
  return Done{};
}

std::optional<std::vector<numerology::CharStroke>> tableEntries(storage::TableSet& tables,
                                                                std::string_view text,
                                                                std::size_t maxCharacters) {
  const std::string_view entry = checkedEntry(text);
  if (entry.empty() || entry.size() % kCharacterBytes != 0 ||
      entry.size() / kCharacterBytes > maxCharacters) {
    return std::nullopt;
  }
  std::vector<numerology::CharStroke> entries;
  for (std::size_t pos = 0; pos < entry.size(); pos += kCharacterBytes) {
    const std::string_view character = entry.substr(pos, kCharacterBytes);
    const auto strokes = tableStrokes(tables, character);
    if (!strokes) return std::nullopt;
    entries.push_back({std::string(character), *strokes});
  }
  return entries;
}

}  // namespace zeruda::personal
