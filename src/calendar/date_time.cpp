#include "calendar/date_time.h"

#include "text/gbk_literal.h"

#include <cstdio>

namespace zeruda::calendar {

using namespace text::literals;

std::string dateTimeText(const DateTime& m) {
  std::string out = std::to_string(m.year) + "年"_gbk + std::to_string(m.month) + "月"_gbk +
                    std::to_string(m.day) + "日"_gbk;
  if (m.second != 0) {
    out += std::to_string(m.hour) + "时"_gbk + std::to_string(m.minute) + "分"_gbk +
           std::to_string(m.second) + "秒"_gbk;
  } else if (m.minute != 0) {
    out += std::to_string(m.hour) + "时"_gbk + std::to_string(m.minute) + "分"_gbk;
  } else if (m.hour != 0) {
    out += std::to_string(m.hour) + "时"_gbk;
  }
  return out;
}

std::string isoDate(Date date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace zeruda::calendar
