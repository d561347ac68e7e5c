#include "chart/chart_report.h"

#include "calendar/lunar_names.h"

#include "chart/birth_chart.h"
#include "chart/birth_time_warnings.h"
#include "chart/element_strength.h"
#include "dictionary/pinyin.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <string_view>

namespace zeruda::chart {

using namespace calendar;
namespace {

using namespace text::literals;

constexpr std::string_view kLineEnd = "\r\n";

// The closing explanation, fixed text. The double spaces inside the paragraph are part
// of it (an old line wrap), and it ends with an empty line.
constexpr std::string_view kElementExplanation =
    "  \r\n"
    "  --------------------五行用神基本解释---------------------\r\n"
    "  五行：金木水火土\r\n"
    "  五行四方：东方属木，南方属火，西方属金，北方属水，中央属土。\r\n"
    "  五行相生: 金生水, 水生木, 木生火, 火生土, 土生金.\r\n"
    "  五行相克: 金克木, 木克土, 土克水, 水克火, 火克金.\r\n"
    "\r\n"
    "      所谓用神, 就是八字中对于日干来说, 具有补弊救偏或促进助成作用的一种五  行. "
    "四柱命局以用神为核心, 用神健全有力与否, 影响人一生的命; 一生补救与否  , "
    "影响人一生的运.凡用神之力不足, 四柱中有生助用神者, 或四柱刑冲克害用神  "
    "而能化凶神,制凶神者, 就是喜神. 四柱没有用神, 就得靠行运流年来补. 对于命  "
    "局五行较为平衡, 用神不太紧缺的四柱, 其一生较为平顺, 无大起大落。\r\n"
    "\r\n";

// The branch character of the hour pillar, or empty.
std::string hourBranchOf(calendar::Pair hourPillar) {
  return hourPillar.valid() ? std::string(calendar::branchText(hourPillar.branch()))
                            : std::string();
}

void appendLine(std::string& out, const std::string& line) {
  out += line;
  out += kLineEnd;
}

void appendChartLines(std::string& out, const BirthChart& chart) {
  const std::string y = chart.pillars.year.text();
  const std::string m = chart.pillars.month.text();
  const std::string d = chart.pillars.day.text();
  const std::string h = chart.pillars.hour.text();
  const std::string branch = hourBranchOf(chart.pillars.hour);
  const auto nayin = chartNayin(chart);
  appendLine(out, "");
  appendLine(out, "  公历："_gbk + dateTimeText(chart.birthMoment));
  appendLine(out, "  农历："_gbk + chart.lunarText + "  　　时辰："_gbk + branch + "(" +
                      std::string(dictionary::pinyinOf(branch)) + ")");
  appendLine(out, "  属相："_gbk + chart.zodiacAnimal);
  appendLine(out, "  星座："_gbk + chart.starSign);
  appendLine(out, "  四柱："_gbk + y + "年，"_gbk + m + "月，"_gbk + d + "日，"_gbk + h + "时"_gbk);
  appendLine(out, "  生辰："_gbk + y + " " + m + " " + d + " " + h);
  // Where the chart hangs on a few minutes, the reader learns it right under the pillars.
  for (const std::string& warning : birthTimeWarnings(chart.birthMoment)) {
    appendLine(out, "  提示："_gbk + warning);
  }
  appendLine(out, "  八字："_gbk + chart.pillarElements);
  appendLine(out, "  纳音："_gbk + nayin[0] + " " + nayin[1] + " " + nayin[2] + " " + nayin[3]);
  appendLine(out,
             "  五行缺："_gbk + (chart.missingElements.empty() ? "五行什么都不缺"_gbk
                                                               : chart.missingElements.text()));
}

void appendStrengthLines(std::string& out, const ElementStrength& s) {
  appendLine(out, "  ");
  appendLine(out, "  喜用神分析："_gbk);
  appendLine(out, "   日主天干为"_gbk + s.dayMaster + "  同类为："_gbk + s.sameKind.text() +
                      " ；异类为："_gbk + s.otherKind.text() + "。"_gbk);
  appendLine(out, "  〖同类得分〗："_gbk + s.sameDetail + "；〖异类得分〗："_gbk + s.otherDetail +
                      "；〖综合旺衰得分〗："_gbk + s.balanceText + "分，「"_gbk + s.verdict +
                      " 」；〖八字喜用神〗："_gbk + s.verdict + "，八字喜「"_gbk +
                      s.favourable.text() + "」，「"_gbk + s.favourable.text() +
                      "」就是此命的「喜神」"_gbk);
}

}  // namespace

const std::string& elementExplanation() {
  static const std::string gbk = text::toGbk(kElementExplanation);
  return gbk;
}

std::string birthChartReport(const DateTime& birthMoment,
                             const std::optional<LunarDate>& lunarReading) {
  BirthChart chart;
  chart.birthMoment = birthMoment;
  if (lunarReading) chart.lunarText = lunarText(*lunarReading, LeapMarker::Omit);
  fillChart(chart);
  chart.missingElements = missingElementsOf(chart.pillarElements);
  const ElementStrength strength = elementStrength(chart.birthMoment);

  std::string out(kLineEnd);  // the box is reset to one line end before the report
  appendChartLines(out, chart);
  appendStrengthLines(out, strength);
  out += elementExplanation();
  out += kLineEnd;
  return out;
}

}  // namespace zeruda::chart
