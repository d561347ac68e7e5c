#pragma once

#include <ostream>
#include <span>
#include <string>

// One entry point per command; the table in commands.cpp lists them.
namespace zeruda::cli {

int runChars(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runGrids(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runDemo(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runCalendar(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runAlmanac(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runAlmanacSearch(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runOpeningDays(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runMonth(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runTerms(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runChart(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runPaths(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runElement(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runRate(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runScore(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runReport(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runTable(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runName(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runPersonal(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runArticle(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runGenerate(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runWebUrl(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int runFetch(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace zeruda::cli
