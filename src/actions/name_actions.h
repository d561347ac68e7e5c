#pragma once

#include "actions/context.h"
#include "numerology/company_report.h"
#include "numerology/grids.h"
#include "numerology/rating.h"
#include "pictures/picture.h"
#include "text/result.h"

#include <optional>
#include <string>

namespace zeruda::actions {

// The base score of a rating: the one given (0-5), else the saved legal
// representative's, else 0 where nothing is saved.
Result<double> ratingBase(const std::optional<std::string>& typed, Context& context);

// A company-name body to rate: characters the dictionary has.
struct RateRequest {
  std::string body;                 // GBK
  std::optional<std::string> base;  // 0-5
};
Result<numerology::Rating> rate(const RateRequest& request, Context& context);

// The five grids and three talents of a body of characters the dictionary has.
struct NamedGrids {
  std::string body;
  numerology::NameGrids record;
};
Result<NamedGrids> grids(std::string_view body);

// The five-grid diagram of a body, which needs both a surname and a given part.
Result<pictures::Picture> gridPicture(std::string_view body);

// The company-name report of the evaluation window, the command line and the page.
struct ReportRequest {
  std::string body;                   // as typed; spaces are left out
  std::optional<std::string> prefix;  // absent: "成都"
  std::optional<std::string> suffix;  // absent: "科技有限公司"
  std::optional<std::string> base;    // 0-5
  std::string selectedBody;           // the result row the window opened it from, if any
  std::string selectedStars;
};

struct ReportAnswer {
  std::string body;  // as reported, spaces left out: the window puts it back into its box
  Result<numerology::CompanyReport> report = Error{};
};
ReportAnswer report(const ReportRequest& request, Context& context);

}  // namespace zeruda::actions
