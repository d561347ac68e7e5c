#include "almanac/calendar_articles.h"

#include "embedded/kGregorianCalendarText.h"
#include "embedded/kLunarCalendarText.h"

namespace zeruda::almanac {

std::string_view lunarCalendarArticle() { return data::kLunarCalendarText; }
std::string_view gregorianCalendarArticle() { return data::kGregorianCalendarText; }

}  // namespace zeruda::almanac
