#include "library/auspicious_days.h"

#include "almanac/day_officer.h"
#include "calendar/gregorian.h"
#include "text/gbk_literal.h"

#include <cstdio>

namespace zeruda::library {
namespace {

using namespace text::literals;

std::string twoDigits(int number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", number);
  return digits;
}

// "2026年01月05日　【建日】　宜……"; a day outside the calendar's span has its date only.
std::string dayLine(calendar::Date date) {
  std::string line = std::to_string(date.year) + "年"_gbk + twoDigits(date.month) + "月"_gbk +
                     twoDigits(date.day) + "日"_gbk;
  if (const auto officer = almanac::dayOfficer(date)) {
    line += "　【"_gbk + almanac::officerText(*officer) + "日】　"_gbk +
            almanac::officerTexts(*officer).favourable;
  }
  return line;
}

}  // namespace

ArticlePage auspiciousDaysPage(int year) {
  ArticlePage page{"黄道吉日"_gbk, std::string(kTablesFile), {}, {}};
  const std::string& note =
      "下表按传统黄历的建除十二值日，逐日列出本年每一天的值日及其所宜之事。择日是流传已久的民间习俗"
      "，"
      "这里的内容供了解传统文化之用，不作为安排生活和经营的依据。"_gbk;
  page.bodyHtml = "<p>" + note + "</p>\r\n";
  page.text = page.title + "\r\n\r\n" + note + "\r\n";
  for (int month = 1; month <= 12; ++month) {
    const std::string heading = std::to_string(year) + "年"_gbk + std::to_string(month) + "月"_gbk;
    page.bodyHtml += "<h3>" + heading + "</h3>\r\n<p>";
    page.text += "\r\n" + heading + "\r\n";
    for (int day = 1; day <= calendar::daysInMonth(year, month); ++day) {
      const std::string line = dayLine({year, month, day});
      page.bodyHtml += (day > 1 ? "<br>\r\n" : "") + line;
      page.text += line + "\r\n";
    }
    page.bodyHtml += "</p>\r\n";
  }
  return page;
}

}  // namespace zeruda::library
