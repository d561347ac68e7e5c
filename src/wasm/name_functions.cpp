#include "wasm/name_functions.h"

#include "app/company_evaluation.h"
#include "json/name_json.h"
#include "numerology/company_report.h"
#include "numerology/grids.h"
#include "numerology/rating.h"
#include "pictures/grid_diagram.h"
#include "pictures/svg_writer.h"
#include "shortlist/registration_section.h"
#include "shortlist/shortlist.h"
#include "storage/character_table.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace zeruda::wasm {
namespace {

using namespace text::literals;

// A body as given and its grids.
struct NamedGrids {
  std::string body;
  numerology::NameGrids record;
};

Result<NamedGrids> requestGrids(const Request& request) {
  auto body = request.text("body");
  if (!body.ok()) return Error{body.error()};
  NamedGrids named{std::move(body).value(), {}};
  numerology::loadNameParts(named.record, named.body);
  named.record.grids = numerology::computeGrids(named.record.surnamePart, named.record.givenPart);
  return named;
}

// The base score given, else the saved legal representative's, as on the command line.
Result<int> requestBase(const Request& request, app::Session& session) {
  const auto base = request.number("base", 0, 5);
  if (!base.ok()) return Error{base.error()};
  return base.value() ? *base.value() : static_cast<int>(session.profile().baseScore());
}

// The character table must be readable, or elements would be silently missing.
Result<Done> characterTableReadable(app::Session& session) {
  auto table = session.tables().open("zk");
  if (!table.ok()) return Error{table.error()};
  return Done{};
}

}  // namespace

Result<Reply> gridsFunction(const Request& request) {
  const auto named = requestGrids(request);
  if (!named.ok()) return Error{named.error()};
  return Reply{Reply::Kind::Json, json::gridsJson(named.value().body, named.value().record)};
}

Result<Reply> gridSvgFunction(const Request& request) {
  const auto named = requestGrids(request);
  if (!named.ok()) return Error{named.error()};
  const numerology::NameGrids& record = named.value().record;
  // Without both parts there is no name to draw.
  if (record.surnamePart.empty() || record.givenPart.empty()) {
    return Error{"五格图要二至四个汉字的名字主体"_gbk};
  }
  return Reply{Reply::Kind::Text, pictures::svgDocument(pictures::gridDiagram(record))};
}

Result<Reply> rateFunction(const Request& request, app::Session& session) {
  const auto body = request.text("body");
  if (!body.ok()) return Error{body.error()};
  const auto base = requestBase(request, session);
  if (!base.ok()) return Error{base.error()};
  if (auto readable = characterTableReadable(session); !readable.ok())
    return Error{readable.error()};
  const auto rating =
      numerology::rateName(body.value(), base.value(), storage::characterTable(session.tables()));
  return Reply{Reply::Kind::Text, std::to_string(rating.stars) + '\t' +
                                      text::displayUtf8(numerology::starText(rating.stars)) + '\n'};
}

Result<Reply> reportFunction(const Request& request, app::Session& session) {
  numerology::CompanyReportRequest report;
  const auto body = request.text("body");
  const auto prefix = request.optionalText("prefix");
  const auto suffix = request.optionalText("suffix");
  const auto base = requestBase(request, session);
  for (const std::string* error :
       {body.ok() ? nullptr : &body.error(), prefix.ok() ? nullptr : &prefix.error(),
        suffix.ok() ? nullptr : &suffix.error(), base.ok() ? nullptr : &base.error()}) {
    if (error) return Error{*error};
  }
  report.body = body.value();
  report.prefix = prefix.value().value_or("成都"_gbk);
  report.suffix = suffix.value().value_or("科技有限公司"_gbk);
  report.baseScore = base.value();
  numerology::ReportSources sources = app::programReportSources(session.tables());
  sources.extraSection = shortlist::registrationSection;
  const auto outcome = numerology::companyNameReport(report, sources);
  if (outcome.refusal) return Error{outcome.refusal->text};
  return Reply{Reply::Kind::Text, text::displayUtf8(outcome.report->plainText())};
}

Result<Reply> scoreFunction(const Request& request, app::Session& session) {
  const auto lines = request.text("lines");
  if (!lines.ok()) return Error{lines.error()};
  const auto base = requestBase(request, session);
  if (!base.ok()) return Error{base.error()};
  if (auto readable = characterTableReadable(session); !readable.ok())
    return Error{readable.error()};
  const std::vector<std::string> names = shortlist::shortlistNames(lines.value());
  const auto scored =
      shortlist::scoreShortlist(names, base.value(), storage::characterTable(session.tables()));
  return Reply{Reply::Kind::Json, json::scoreJson(scored)};
}

}  // namespace zeruda::wasm
