#include "almanac/almanac.h"

#include "almanac/almanac_tables.h"
#include "calendar/solar_terms.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/nayin.h"
#include "calendar/pillars.h"
#include "calendar/star_sign.h"
#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

// The search list of the almanac.
constexpr std::string_view kActivities =
    "安床 安机 安葬 安置 捕鱼 捕捉 裁衣 参谒 出财 出行 除灵 词讼 店市 动土 动土 伐木 放弃 "
    "服药 攻猎 冠带 合帐 坏垣 祭祀 嫁娶 交易 结婚 解安 进章 经络 经商 竞渡 灸火 开仓 开库 "
    "开渠 开塘 立契 敛财 牧养 纳表 纳财 纳采 纳畜 平基 破屋 破贼 祈福 起工 砌路 求财 求人 "
    "求嗣 求医 入仓 入学 入宅 丧事 上书 设帐 竖造 祀福 索债 闻名 问名 下水 兴贩 行船 修仓 "
    "修福 修造 移居 移徒 远回 栽种 造宅 宅舍 针刺 置产 种植 逐邪 装载 作府 作事 作灶";

constexpr std::array<std::string_view, 7> kWeekdays = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};

std::string dateLine(Date date, const std::optional<LunarDate>& lunar) {
  std::string line = std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
                     std::to_string(date.day) + "　农历"_gbk;
  if (lunar) line += std::to_string(lunar->month) + "月"_gbk + std::to_string(lunar->day);
  line += "日　"_gbk + weekdayText(date) + "　　"_gbk + starSignOf(date);
  return line;
}

std::string pillarsLine(const AlmanacDay& day) {
  std::string line = day.pillars[0].text() + "年、生肖属"_gbk + day.zodiac + "、"_gbk +
                     day.pillars[1].text() + "月、"_gbk + day.pillars[2].text() + "日"_gbk;
  if (day.officer) line += "　【"_gbk + officerText(*day.officer) + "日】"_gbk;
  return line;
}

}  // namespace

std::string weekdayText(Date date) {
  return text::toGbk(kWeekdays[static_cast<std::size_t>(weekdayOf(date))]);
}

std::span<const std::string> almanacActivities() {
  static const std::vector<std::string> activities = [] {
    std::vector<std::string> list;
    std::string_view rest = kActivities;
    while (!rest.empty()) {
      const std::size_t end = std::min(rest.find(' '), rest.size());
      list.push_back(text::toGbk(rest.substr(0, end)));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return list;
  }();
  return activities;
}

const std::string& defaultAlmanacActivity() { return "嫁娶"_gbk; }

AlmanacDay almanacDay(Date date) {
  AlmanacDay day;
  day.date = date;
  if (!inPillarSpan(DateTime::of(date))) return day;
  day.lunar = solarToLunar(date);
  const FourPillars lateEvening = fourPillars(DateTime::of(date, 23, 59, 59));
  day.pillars = {lateEvening.year, lateEvening.month, fourPillars(DateTime::of(date, 12)).day};
  day.zodiac = zodiacAnimalText(lateEvening.year.branch());
  day.officer = dayOfficer(date);
  day.nayin = nayinOf(day.pillars[2]);
  day.dateLine = dateLine(date, day.lunar);
  day.pillarsLine = pillarsLine(day);
  day.traditional = traditionalDay(day.pillars[1], day.pillars[2]);
  if (day.officer) {
    day.favourable = officerTexts(*day.officer).favourable;
    day.unfavourable = officerTexts(*day.officer).unfavourable;
  }
  return day;
}

std::span<const SearchRange> searchRanges() {
  static const std::array<SearchRange, 6> ranges = {{{"一周以内"_gbk, 7},
                                                     {"半月以内"_gbk, 15},
                                                     {"一月以内"_gbk, 30},
                                                     {"两月之内"_gbk, 60},
                                                     {"三月之内"_gbk, 90},
                                                     {"半年以内"_gbk, 180}}};
  return ranges;
}

namespace {

// The days after `start`, up to `days` of them, that `matches` takes; none for a date
// that does not exist or an empty activity.
template <typename Matches>
std::vector<Date> daysMatching(Date start, int days, std::string_view activity,
                               const Matches& matches) {
  std::vector<Date> found;
  if (!isValidDate(start) || activity.empty()) return found;
  Date day = start;
  for (int i = 1; i <= days; ++i) {
    day = nextDay(day);
    if (matches(day)) found.push_back(day);
  }
  return found;
}

}  // namespace

std::vector<Date> searchAlmanac(Date start, int days, AlmanacColumn column,
                                std::string_view activity) {
  return daysMatching(start, days, activity, [&](Date day) {
    const auto officer = dayOfficer(day);
    if (!officer) return false;
    const OfficerTexts& texts = officerTexts(*officer);
    const std::string& text =
        column == AlmanacColumn::Unfavourable ? texts.unfavourable : texts.favourable;
    return text::findCharacterAware(text, activity) != std::string::npos;
  });
}

std::span<const std::string> traditionalAlmanacActivities() {
  static const std::vector<std::string> words(traditionalActivities().begin(),
                                              traditionalActivities().end());
  return words;
}

std::vector<Date> searchDayLists(Date start, int days, AlmanacColumn column,
                                 std::string_view activity) {
  return daysMatching(start, days, activity, [&](Date day) {
    if (!inPillarSpan(DateTime::of(day))) return false;
    // The month whose 节 opened the day's period gives the month branch (子 for 0 and 12).
    const auto month = static_cast<Branch>(openingTermMonthOfDay(day) % kBranchCount);
    const DayActivities lists = dayActivities(month, fourPillars(DateTime::of(day, 12)).day);
    const auto& words =
        column == AlmanacColumn::Unfavourable ? lists.unfavourable : lists.favourable;
    return std::find(words.begin(), words.end(), activity) != words.end();
  });
}

std::string lunarMonthDay(const AlmanacDay& day) {
  if (!day.lunar) return {};
  return (day.lunar->leap ? "闰"_gbk : std::string()) + std::to_string(day.lunar->month) + "-" +
         std::to_string(day.lunar->day);
}

std::string officerName(const AlmanacDay& day) {
  return day.officer ? officerText(*day.officer) : std::string();
}

std::string almanacDateText(Date date) {
  return std::to_string(date.year) + "年"_gbk + std::to_string(date.month) + "月"_gbk +
         std::to_string(date.day) + "日"_gbk;
}

}  // namespace zeruda::almanac
