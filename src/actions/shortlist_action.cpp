#include "actions/shortlist_action.h"

#include "actions/inputs.h"
#include "actions/name_actions.h"
#include "storage/character_table.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace zeruda::actions {

using namespace text::literals;

namespace {

std::size_t utf8Characters(std::string_view text) {
  std::size_t count = 0;
  for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
  return count;
}

Error lineRefusal(std::size_t number, std::string_view why) {
  // Not about the list as a whole: the rest of it is scored.
  return {"第"_gbk + std::to_string(number) + "行"_gbk + std::string(why)};
}

Error listTooLarge(std::string_view what) {
  return refusal(Field::ShortlistNames, "超过"_gbk + std::string(what) + "，请分批评分"_gbk);
}

}  // namespace

std::optional<Error> ShortlistLines::add(std::string_view line, bool cutShort,
                                         std::optional<std::size_t> inputBytes) {
  ++lineNumber_;
  if (tooLarge_) return std::nullopt;
  inputBytes_ += inputBytes.value_or(line.size() + 1);
  if (inputBytes_ > kMaxShortlistBytes) {
    tooLarge_ = listTooLarge(std::to_string(kMaxShortlistBytes) + "字节"_gbk);
    return std::nullopt;
  }
  if (lineNumber_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  if (line.ends_with('\r')) line.remove_suffix(1);
  // Bytes of any kind count too: a run of bytes that start no character is held to
  // the most that the characters could take.
  if (cutShort || utf8Characters(line) > kMaxShortlistLineCharacters ||
      line.size() > kMaxShortlistLineBytes) {
    return lineRefusal(lineNumber_, "超过"_gbk + std::to_string(kMaxShortlistLineCharacters) +
                                        "个字或"_gbk + std::to_string(kMaxShortlistLineBytes) +
                                        "字节，未评分"_gbk);
  }
  auto gbk = text::utf8ToGbk(line);
  if (!gbk.ok()) return lineRefusal(lineNumber_, "有GBK字符集以外的字符，未评分"_gbk);
  const std::string name = shortlist::shortlistName(gbk.value());
  if (!name.empty()) {
    if (ends_.size() == kMaxShortlistNames) {
      tooLarge_ = listTooLarge(std::to_string(kMaxShortlistNames) + "个名字"_gbk);
      return std::nullopt;
    }
    text_ += name;
    ends_.push_back(static_cast<std::uint64_t>(text_.size()));
  }
  return std::nullopt;
}

std::vector<Error> ShortlistLines::addText(std::string_view text) {
  std::vector<Error> refused;
  while (!text.empty() && !tooLarge_) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    // Counted as the command line counts a file: the last line may have no line end.
    const std::size_t taken = std::min(end + 1, text.size());
    if (auto refusal = add(text.substr(0, end), false, taken))
      refused.push_back(std::move(*refusal));
    text.remove_prefix(taken);
  }
  return refused;
}

std::string ShortlistLines::operator[](std::size_t i) const {
  const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
  return text_.substr(begin, ends_[i] - begin);
}

RankedShortlist::RankedShortlist(const ShortlistLines& names, double base,
                                 numerology::ElementLookup elementOf)
    : names_(names), base_(base), elementOf_(std::move(elementOf)) {
  std::vector<shortlist::RankKey> keys;
  keys.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    keys.push_back(shortlist::rankKey(shortlist::scoreName(i, names[i], base_, elementOf_)));
  }
  order_ = shortlist::rankOrder(keys);
}

shortlist::ScoredName RankedShortlist::at(std::size_t rank) const {
  return shortlist::scoreName(order_[rank], names_[order_[rank]], base_, elementOf_);
}

Result<RankedShortlist> rankShortlist(const ShortlistLines& names,
                                      const std::optional<std::string>& base, Context& context) {
  if (names.tooLarge()) return *names.tooLarge();
  const auto baseScore = ratingBase(base, context);
  if (!baseScore.ok()) return baseScore.failure();
  if (names.size() == 0) {
    return Error{"请输入要评测的名字，每行一个"_gbk, Field::ShortlistNames, "提示"_gbk};
  }
  // Elements from a table that cannot be read would be silently missing: say so.
  if (auto table = context.tables.open("zk"); !table.ok()) return table.failure();
  return RankedShortlist(names, baseScore.value(), storage::characterTable(context.tables));
}

}  // namespace zeruda::actions
