#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::almanac {

// The activities the opening-day picker reads in an officer's texts (GBK): a day is
// considered when its 宜 text names one of `business`, and dropped when its 忌 text
// names one of `forbidden` in a clause that holds that month.
struct OpeningActivities {
  std::vector<std::string> business;   // 宜
  std::vector<std::string> forbidden;  // 忌
};

// The lists built in from data/calendar/opening_activities.txt.
const OpeningActivities& openingActivities();

// Reads the data form: "宜 = 交易 立券" and "忌 = 经商" lines (GBK), words cut at ASCII
// and full-width spaces, a key given twice adding to its list; blank lines, lines
// starting with "#" and lines with any other key are skipped.
OpeningActivities parseOpeningActivities(std::string_view gbk);

}  // namespace zeruda::almanac
