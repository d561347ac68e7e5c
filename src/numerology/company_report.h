#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "numerology/grids.h"
#include "numerology/rating.h"
#include "text/result.h"
#include "text/rgb.h"
#include "text/user_message.h"

namespace zeruda::numerology {

// The report's two colours: headings blue, the rest a lighter blue.
inline constexpr Rgb kHeadingColour{0, 0, 255};
inline constexpr Rgb kBodyColour{0, 136, 255};

struct ReportPiece {
  std::string text;  // GBK
  Rgb colour = kBodyColour;
};

// A section the report ends with, after its own lines: a heading rule in the heading
// colour, then its text (GBK). Judgements beyond the numerology come in this way.
struct ReportSection {
  std::string heading;
  std::string text;
};
using ReportSectionSource = std::function<ReportSection(
    const std::string& prefix, const std::string& body, const std::string& suffix)>;

// What the evaluation window's boxes hold when the report runs (GBK).
struct CompanyReportRequest {
  std::string body;           // the body to report on
  std::string prefix;         // the regional prefix
  std::string suffix;         // the trade suffix
  std::string selectedBody;   // 主体名 cell of the result row selected in the main window
  std::string selectedStars;  // 星级 cell of that row
  double baseScore = 0;       // the rating's base: the profile's "吉数" as it is now
};

// The two texts of an 81-number record the report shows.
struct NumberTexts {
  std::string verdict;  // 总评, field 3
  std::string meaning;  // 解释, field 7
};

// What the report reads besides the request: the character table for the name's
// elements, and the 81-number table's texts for a total grid (the table's last
// record for a total beyond it). Either gives the table's error, naming its file,
// when it cannot be read.
struct ReportSources {
  ElementLookup elements;
  std::function<Result<NumberTexts>(int total)> numberTexts;
  // Adds a section after the report's own lines when set.
  ReportSectionSource extraSection = {};
};

struct CompanyReport {
  int stars = 1;
  NameGrids name;  // the body's parts and grids as the rating left them
  std::vector<ReportPiece> pieces;
  std::string plainText() const;
  // The same report as an HTML page in GBK, its charset declared.
  std::string html() const;
};

struct CompanyReportOutcome {
  std::string body;  // the body without spaces: the window puts it back into its box
  // A body that cannot be reported, or a table that cannot be read: never a report
  // with blank lines.
  std::optional<Error> refusal;
  std::optional<CompanyReport> report;
};

// Rates the body and writes its full report. Bodies of 2 to 4 Chinese characters;
// others are refused with the message the window shows.
CompanyReportOutcome companyNameReport(const CompanyReportRequest& request,
                                       const ReportSources& sources);

}  // namespace zeruda::numerology
