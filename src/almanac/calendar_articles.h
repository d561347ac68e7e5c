#pragma once

#include <string_view>

namespace zeruda::almanac {

// The perpetual-calendar window's two explanatory texts, GBK, paragraphs separated by
// blank lines: the history of the Chinese lunar calendar and the Gregorian calendar.
std::string_view lunarCalendarArticle();
std::string_view gregorianCalendarArticle();

}  // namespace zeruda::almanac
