#include "registration/famous_names.h"

#include "embedded/kFamousNames.h"
#include "registration/rule_file.h"
#include "text/characters.h"
#include "text/gbk_literal.h"
#include "text/lines.h"

#include <algorithm>

namespace zeruda::registration {

using namespace text::literals;

const FamousNames& FamousNames::builtIn() {
  static const FamousNames list(data::kFamousNames);
  return list;
}

FamousNames::FamousNames(std::string_view table) {
  text::forEachLine(table, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    std::vector<std::string_view> cells;
    for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;) {
      cells.push_back(line.substr(0, tab));
      line.remove_prefix(tab + 1);
    }
    cells.push_back(line);
    if (cells.size() != 3 || cells[0] == "字号"_gbk) return;
    FamousName name{std::string(cells[0]), std::string(cells[1]), {}};
    RuleSection words{"", {{"", std::string(cells[2])}}};
    name.industries = words.words("");
    byTradeName_[name.tradeName].push_back(names_.size());
    longest_ = std::max(longest_, name.tradeName.size());
    names_.push_back(std::move(name));
  });
  for (const auto& entry : byTradeName_) maybe_.set(TextHash{}(entry.first) % maybe_.size());
}

std::vector<const FamousName*> FamousNames::withTradeName(std::string_view tradeName) const {
  std::vector<const FamousName*> found;
  if (!maybe_.test(TextHash{}(tradeName) % maybe_.size())) return found;
  if (const auto at = byTradeName_.find(tradeName); at != byTradeName_.end()) {
    for (std::size_t index : at->second) found.push_back(&names_[index]);
  }
  return found;
}

std::string_view FamousNames::longestAtStart(std::string_view text) const {
  std::string_view best;
  for (std::size_t end = 0; end < text.size() && end < longest_;) {
    end += text::charLength(text, end);
    if (byTradeName_.contains(text.substr(0, end))) best = text.substr(0, end);
  }
  return best;
}

}  // namespace zeruda::registration
