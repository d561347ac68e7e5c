#include "wasm/name_functions.h"

#include "actions/name_actions.h"
#include "actions/shortlist_action.h"
#include "json/name_json.h"
#include "json/writer.h"
#include "numerology/rating.h"
#include "pictures/svg_writer.h"
#include "text/gbk.h"

namespace zeruda::wasm {

Result<Reply> gridsFunction(const Request& request) {
  const auto body = request.text("body", Field::NameBody);
  if (!body.ok()) return body.failure();
  const auto named = actions::grids(body.value());
  if (!named.ok()) return named.failure();
  return Reply{Reply::Kind::Json, json::gridsJson(named.value().body, named.value().record)};
}

Result<Reply> gridSvgFunction(const Request& request) {
  const auto body = request.text("body", Field::NameBody);
  if (!body.ok()) return body.failure();
  const auto picture = actions::gridPicture(body.value());
  if (!picture.ok()) return picture.failure();
  return Reply{Reply::Kind::Text, pictures::svgDocument(picture.value())};
}

Result<Reply> rateFunction(const Request& request, actions::Context& context) {
  actions::RateRequest asked;
  const auto body = request.text("body", Field::NameBody);
  if (!body.ok()) return body.failure();
  asked.body = body.value();
  const auto base = request.number("base", Field::BaseScore);
  if (!base.ok()) return base.failure();
  asked.base = base.value();
  const auto rating = actions::rate(asked, context);
  if (!rating.ok()) return rating.failure();
  const int stars = rating.value().stars;
  return Reply{Reply::Kind::Text, std::to_string(stars) + '\t' +
                                      text::displayUtf8(numerology::starText(stars)) + '\n'};
}

Result<Reply> reportFunction(const Request& request, actions::Context& context) {
  actions::ReportRequest asked;
  const auto body = request.text("body", Field::NameBody);
  const auto prefix = request.optionalText("prefix", Field::RegionPrefix);
  const auto suffix = request.optionalText("suffix", Field::TradeSuffix);
  const auto base = request.number("base", Field::BaseScore);
  if (!body.ok()) return body.failure();
  if (!prefix.ok()) return prefix.failure();
  if (!suffix.ok()) return suffix.failure();
  if (!base.ok()) return base.failure();
  asked.body = body.value();
  asked.prefix = prefix.value();
  asked.suffix = suffix.value();
  asked.base = base.value();
  const auto report = actions::report(asked, context).report;
  if (!report.ok()) return report.failure();
  return Reply{Reply::Kind::Text, text::displayUtf8(report.value().plainText())};
}

Result<Reply> scoreFunction(const Request& request, actions::Context& context) {
  const auto lines = request.utf8("lines", Field::ShortlistNames);
  if (!lines.ok()) return lines.failure();
  const auto base = request.number("base", Field::BaseScore);
  if (!base.ok()) return base.failure();
  actions::ShortlistLines names;
  const std::vector<Error> refused = names.addText(lines.value());
  const auto ranked = actions::rankShortlist(names, base.value(), context);
  if (!ranked.ok()) return ranked.failure();
  std::string list = "[";
  for (std::size_t rank = 0; rank < ranked.value().size(); ++rank) {
    if (rank > 0) list += ',';
    list += json::scoredNameJson(ranked.value().at(rank), rank + 1);
  }
  Reply reply{Reply::Kind::Json, list + "]"};
  for (const Error& line : refused) reply.notes.push_back(line.message);
  return reply;
}

}  // namespace zeruda::wasm
