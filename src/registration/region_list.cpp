#include "registration/region_list.h"

#include "embedded/kRegionTable.h"
#include "text/characters.h"
#include "text/gbk_literal.h"
#include "text/lines.h"

namespace zeruda::registration {
namespace {

using namespace text::literals;

std::vector<std::string_view> tabFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line = line.substr(tab + 1);
  }
}

bool isCountyCode(std::string_view code) { return code.size() > 4; }

}  // namespace

void RegionList::addName(std::string_view name, int unit, bool following) {
  for (std::size_t end = 0; end < name.size();) {
    end += text::charLength(name, end);
    names_.try_emplace(std::string(name.substr(0, end)));
  }
  Named& named = names_.find(name)->second;
  (following ? named.following : named.opening).push_back(unit);
}

namespace {}  // namespace

const RegionList& RegionList::builtIn() {
  static const RegionList list(data::kRegionTable);
  return list;
}

RegionList::RegionList(std::string_view table) {
  std::unordered_map<std::string, int> indexOfCode;
  std::vector<std::string> parentCodes;
  text::forEachLine(table, [&](std::string_view line) {
    const auto fields = tabFields(line);
    if (line.empty() || line.front() == '#' || fields.size() < 4 || fields[0] == "代码"_gbk) return;
    const int index = static_cast<int>(units_.size());
    units_.push_back({std::string(fields[1]), -1});
    indexOfCode.emplace(std::string(fields[0]), index);
    parentCodes.emplace_back(fields[3]);
    addName(fields[1], index, false);
    if (!fields[2].empty()) addName(fields[2], index, isCountyCode(fields[0]));
  });
  for (std::size_t i = 0; i < units_.size(); ++i) {
    const auto parent = indexOfCode.find(parentCodes[i]);
    if (parent != indexOfCode.end()) units_[i].parent = parent->second;
  }
}

bool RegionList::liesIn(int unit, int outer) const {
  for (int at = units_[unit].parent; at >= 0; at = units_[at].parent) {
    if (at == outer) return true;
  }
  return false;
}

bool RegionList::isCityDistrict(int unit) const {
  const std::string& name = units_[unit].name;
  const int parent = units_[unit].parent;
  return name.size() >= 2 && name.compare(name.size() - 2, 2, "区"_gbk) == 0 && parent >= 0 &&
         units_[parent].parent >= 0;
}

// The longest run of divisions from `pos`, each inside the one before; the first
// inside `inside` unless that is -1.
RegionList::Run RegionList::longestRun(std::string_view name, std::size_t pos, int inside) const {
  Run best;
  for (std::size_t end = pos; end < name.size();) {
    end += text::charLength(name, end);
    const auto found = names_.find(name.substr(pos, end - pos));
    if (found == names_.end()) break;
    for (const auto* units : {&found->second.opening, &found->second.following}) {
      if (inside < 0 && units == &found->second.following) continue;
      for (int unit : *units) {
        if (inside >= 0 && !liesIn(unit, inside)) continue;
        const std::size_t length = end - pos + longestRun(name, end, unit).length;
        if (length > best.length) best = {length, unit};
      }
    }
  }
  return best;
}

RegionMatch RegionList::longestAtStart(std::string_view name) const {
  const Run run = longestRun(name, 0, -1);
  if (run.length == 0) return {};
  // A district alone is the whole run only when nothing inside it follows.
  const bool alone = isCityDistrict(run.first) && units_[run.first].name.size() == run.length;
  return {run.length, alone};
}

}  // namespace zeruda::registration
