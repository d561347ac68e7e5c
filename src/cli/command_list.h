#pragma once

#include <ostream>
#include <span>
#include <string>

namespace zeruda::cli {

int runCalendar(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runTerms(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runChart(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zeruda::cli
