#pragma once

#include "registration/text_index.h"

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::registration {

// Where a name's administrative division ends.
struct RegionMatch {
  std::size_t length = 0;      // bytes; 0 when the name begins with no known division
  bool districtAlone = false;  // a city district named without its city (双流区…)
};

// The divisions of county level and above (data/registration/regions.tsv): provinces,
// cities and prefectures, counties and districts, each with its short form where
// names commonly use one (四川省 and 四川, 成都市 and 成都).
class RegionList {
 public:
  // The list built into the program, read on first use.
  static const RegionList& builtIn();

  explicit RegionList(std::string_view table);

  // The longest run of divisions at the start of `name`, each lying inside the one
  // before it: 四川省成都市双流区, 四川成都, 成都. A county's short form (义乌) counts
  // only after its province or city, where it cannot be the start of a trade name.
  RegionMatch longestAtStart(std::string_view name) const;

  // Whether the whole text is such a run.
  bool isRegion(std::string_view text) const {
    return !text.empty() && longestAtStart(text).length == text.size();
  }

  std::size_t size() const { return units_.size(); }

 private:
  struct Unit {
    std::string name;
    int parent = -1;  // index of the province or city it lies in
  };
  struct Run {
    std::size_t length = 0;
    int first = -1;
  };

  // The divisions a text names; a text that only begins names has both lists empty.
  struct Named {
    std::vector<int> opening;    // may begin a run
    std::vector<int> following;  // only after a division they lie in: county short forms
  };

  void addName(std::string_view name, int unit, bool following);
  Run longestRun(std::string_view name, std::size_t pos, int inside) const;
  bool liesIn(int unit, int outer) const;
  bool isCityDistrict(int unit) const;

  std::vector<Unit> units_;
  // Every name and every beginning of one, so that a search stops as soon as the text
  // can no longer become a name.
  TextMap<Named> names_;
};

}  // namespace zeruda::registration
