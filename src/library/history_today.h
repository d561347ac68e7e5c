#pragma once

#include <string>

namespace zeruda::library {

// The public web page on what happened on a day of the year in history: the
// Chinese Wikipedia's page for the day ("3月15日"), its name percent-encoded, so the
// address is plain ASCII.
std::string historyTodayAddress(int month, int day);

}  // namespace zeruda::library
