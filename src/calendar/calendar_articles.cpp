#include "calendar/calendar_articles.h"

#include "embedded/kGregorianCalendarText.h"
#include "embedded/kLunarCalendarText.h"

namespace zeruda::calendar {

std::string_view lunarCalendarArticle() { return data::kLunarCalendarText; }
std::string_view gregorianCalendarArticle() { return data::kGregorianCalendarText; }

}  // namespace zeruda::calendar
