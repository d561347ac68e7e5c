#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "numerology/grids.h"
#include "text/user_message.h"

namespace zeruda::numerology {

// Report colours as the report box takes them: blue in the high byte, red in the low.
inline constexpr std::uint32_t kHeadingColour = 16711680;  // RGB 0, 0, 255
inline constexpr std::uint32_t kBodyColour = 16746496;     // RGB 0, 136, 255

struct ReportPiece {
  std::string text;  // GBK
  std::uint32_t colour = kBodyColour;
};

// What the evaluation window's boxes hold when the report runs (GBK).
struct CompanyReportRequest {
  std::string body;           // 编辑框名字主体
  std::string prefix;         // 公司前缀
  std::string suffix;         // 公司后缀
  std::string selectedBody;   // 主体名 cell of the result row selected in the main window
  std::string selectedStars;  // 星级 cell of that row
  // The base score of the rating; the profile's "吉数" when absent.
  std::optional<double> baseScore;
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
  std::optional<UserMessage> refusal;  // a body that cannot be reported
  std::optional<CompanyReport> report;
  std::filesystem::path page;  // "gsmzpf.htm" when written, empty when it could not be
};

// Rates the body and writes its full report, also as "gsmzpf.htm" in the working
// folder. Bodies of 2 to 4 Chinese characters; others are refused with the message
// the window shows.
CompanyReportOutcome companyNameReport(const CompanyReportRequest& request);

}  // namespace zeruda::numerology
