#pragma once

#include "library/article_page.h"

namespace zeruda::library {

// The 黄道吉日 page of a year, made from the almanac when it is opened: a short
// note, then one line per day of the year under its month, "YYYY年MM月DD日", the
// day's officer and its 宜 activities. Written to mszs.htm.
ArticlePage auspiciousDaysPage(int year);

}  // namespace zeruda::library
