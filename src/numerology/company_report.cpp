#include "numerology/company_report.h"

#include <cstdio>

#include "dictionary/pinyin.h"
#include "numerology/grids.h"
#include "text/characters.h"
#include "text/field_limits.h"
#include "text/gbk_literal.h"

namespace zeruda::numerology {
namespace {

using namespace text::literals;

Check checkBody(const std::string& body) {
  // Five or seven bytes mix one-byte characters in and have no reading as a name.
  const bool tooShort = body.size() < 4 || body.size() == 5 || body.size() == 7;
  if (!tooShort && body.size() <= 8) return Done{};
  return Error{tooShort ? "请输公司名字主体"_gbk : "公司名字主体最多4个汉字"_gbk, Field::NameBody,
               "提示"_gbk, MessageIcon::Warning};
}

// The texts the report shows around the body hold no control character and no more
// characters than the company page's boxes take.
Check checkAffixes(const std::string& body, const CompanyReportRequest& request) {
  const std::string& caption = "提示"_gbk;
  if (text::hasControlCharacter(body)) {
    return text::fieldTextCheck(body, "公司名字主体"_gbk, body.size(), Field::NameBody, caption);
  }
  if (Check c = text::fieldTextCheck(request.prefix, "地域前缀"_gbk, text::kMaxPrefixCharacters,
                                     Field::RegionPrefix, caption);
      !c) {
    return c;
  }
  return text::fieldTextCheck(request.suffix, "行业后缀"_gbk, text::kMaxSuffixCharacters,
                              Field::TradeSuffix, caption);
}

std::string starsShown(const CompanyReportRequest& request, const std::string& body, int stars) {
  // A row picked from the result list keeps the stars it was listed with.
  if (!request.selectedStars.empty() && request.selectedBody == body) return request.selectedStars;
  return starText(stars);
}

std::string pinyinLine(const std::string& body) {
  std::string line;
  for (std::size_t pos = 0; pos + 2 <= body.size(); pos += 2) {
    std::string_view character = std::string_view(body).substr(pos, 2);
    line += std::string(character) + "(" + std::string(dictionary::pinyinOf(character)) + ")";
  }
  return line;
}

std::string gridLine(const GridNumbers& grids) {
  const std::string* labels[] = {&"天格"_gbk, &")　人格"_gbk, &")　地格"_gbk, &")　总格"_gbk,
                                 &")　外格"_gbk};
  std::string line;
  for (int k = 0; k < 5; ++k) {
    line += *labels[k] + std::to_string(grids[k]) + "(" + std::string(gridElement(grids[k]));
  }
  return line;
}

std::string talentLine(const GridNumbers& grids) {
  auto talent = [&](const std::string& label, Grid which) {
    int digit = gridValue(grids, which);
    return label + std::to_string(digit) + "(" + std::string(gridElement(digit)) + ")";
  };
  return talent("天才"_gbk, Grid::HeavenTalent) + "→"_gbk + talent("人才"_gbk, Grid::PersonTalent) +
         "→"_gbk + talent("地才"_gbk, Grid::EarthTalent) + "\r\n";
}

Result<std::string> tableElementLine(const std::string& body, const ElementLookup& elements) {
  std::string line;
  for (std::size_t pos = 0; pos + 2 <= body.size(); pos += 2) {
    std::string character = body.substr(pos, 2);
    auto element = elements(character);
    if (!element.ok()) return element.failure();
    if (element.value()) line += character + "(" + *element.value() + ")";
  }
  return line;
}

std::string numberMeaning(const NumberTexts& texts) {
  return "总评： "_gbk + texts.verdict + "\r\n" + "解释： "_gbk + texts.meaning + "\r\n";
}

Error tableFailure(const std::string& error) {
  return Error{error, {}, "提示"_gbk, MessageIcon::Warning};
}

std::string escapeHtml(const std::string& gbk) {
  std::string out;
  for (std::size_t pos = 0; pos < gbk.size(); pos += text::charLength(gbk, pos)) {
    std::string_view piece = std::string_view(gbk).substr(pos, text::charLength(gbk, pos));
    if (piece == "&")
      out += "&amp;";
    else if (piece == "<")
      out += "&lt;";
    else if (piece == ">")
      out += "&gt;";
    else if (piece == "\r")
      continue;
    else if (piece == "\n")
      out += "<br>\n";
    else
      out += piece;
  }
  return out;
}

std::string htmlColour(Rgb colour) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour.r, colour.g, colour.b);
  return buf;
}

}  // namespace

std::string CompanyReport::plainText() const {
  std::string text;
  for (const auto& piece : pieces) text += piece.text;
  return text;
}

std::string CompanyReport::html() const {
  std::string page =
      "<!DOCTYPE html>\n<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
      "charset=gbk\">\n<title>" +
      "公司名字评测"_gbk + "</title>\n</head>\n<body style=\"font-size:12pt\">\n";
  for (const auto& piece : pieces) {
    page += "<span style=\"color:" + htmlColour(piece.colour) + "\">" + escapeHtml(piece.text) +
            "</span>";
  }
  return page + "\n</body>\n</html>\n";
}

CompanyReportOutcome companyNameReport(const CompanyReportRequest& request,
                                       const ReportSources& sources) {
  CompanyReportOutcome outcome;
  outcome.body = text::removeSpaces(request.body);
  const std::string& body = outcome.body;
  for (const Check& check : {checkBody(body), checkAffixes(body, request)}) {
    if (!check) {
      outcome.refusal = check.failure();
      return outcome;
    }
  }

  // Both tables are read before anything is rated, so a table that cannot be read
  // is named instead of leaving lines of the report blank.
  auto elementLine = tableElementLine(body, sources.elements);
  if (!elementLine.ok()) {
    outcome.refusal = tableFailure(elementLine.error());
    return outcome;
  }
  const Rating rating = rateName(body, request.baseScore, sources.elements);
  const GridNumbers& grids = rating.record.grids;
  auto texts = sources.numberTexts(gridValue(grids, Grid::Total));
  if (!texts.ok()) {
    outcome.refusal = tableFailure(texts.error());
    return outcome;
  }

  CompanyReport report;
  report.stars = rating.stars;
  report.name = rating.record;
  auto add = [&](std::string text, Rgb colour = kBodyColour) {
    report.pieces.push_back({std::move(text), colour});
  };
  add(request.prefix + body + request.suffix);
  add("　星级："_gbk);
  add(starsShown(request, body, rating.stars));
  add("\r\n\r\n");
  add("-----------------------五格三才基本信息-----------------------\r\n"_gbk, kHeadingColour);
  add(pinyinLine(body));
  add("\r\n五格："_gbk);
  add(gridLine(grids));
  add(")\r\n与法人结合的三才："_gbk);
  add(talentLine(grids));
  add("名字五行属性："_gbk + elementLine.value());
  add("\r\n\r\n----------------------------名字释义---------------------------\r\n"_gbk,
      kHeadingColour);
  add(numberMeaning(texts.value()));
  if (sources.extraSection) {
    ReportSection section = sources.extraSection(request.prefix, body, request.suffix);
    add(std::move(section.heading), kHeadingColour);
    add(std::move(section.text));
  }
  outcome.report = std::move(report);
  return outcome;
}

}  // namespace zeruda::numerology
