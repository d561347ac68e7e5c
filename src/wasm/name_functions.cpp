#include "wasm/name_functions.h"

#include "actions/name_actions.h"
#include "actions/name_judgement.h"
#include "actions/shortlist_action.h"
#include "json/name_json.h"
#include "json/writer.h"
#include "numerology/rating.h"
#include "pictures/svg_writer.h"
#include "shortlist/shortlist_export.h"
#include "text/gbk.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

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

Result<Reply> nameFunction(const Request& request, actions::Context& context) {
  const auto surname = request.text("surname", Field::PersonSurname);
  const auto given = request.text("given", Field::PersonGivenName);
  const auto gender = request.optionalText("gender", Field::PersonGender);
  const auto birth = request.optionalText("birth", Field::BirthDate);
  const auto time = request.optionalText("time", Field::BirthTime);
  if (!surname.ok()) return surname.failure();
  if (!given.ok()) return given.failure();
  if (!gender.ok()) return gender.failure();
  if (!birth.ok()) return birth.failure();
  if (!time.ok()) return time.failure();
  const actions::NameJudgementRequest asked{surname.value(), given.value(), gender.value(),
                                            birth.value(), time.value()};
  const auto answer = actions::judgeName(asked, context);
  if (!answer.ok()) return answer.failure();
  return Reply{Reply::Kind::Json, json::nameJudgementJson(answer.value())};
}

namespace {

// The names of a request's lines, and the refusals of the lines left out.
struct ReadLines {
  actions::ShortlistLines names;
  std::vector<Error> refused;
};

Result<std::optional<std::string>> readLines(const Request& request, ReadLines& read) {
  const auto lines = request.utf8("lines", Field::ShortlistNames);
  if (!lines.ok()) return lines.failure();
  const auto base = request.number("base", Field::BaseScore);
  if (!base.ok()) return base.failure();
  read.refused = read.names.addText(lines.value());
  return base.value();
}

void addRefusals(Reply& reply, const std::vector<Error>& refused) {
  for (const Error& line : refused) reply.notes.push_back(line.message);
}

}  // namespace

Result<Reply> scoreFunction(const Request& request, actions::Context& context) {
  ReadLines read;
  const auto base = readLines(request, read);
  if (!base.ok()) return base.failure();
  const auto ranked = actions::rankShortlist(read.names, base.value(), context);
  if (!ranked.ok()) return ranked.failure();
  std::string list = "[";
  for (std::size_t rank = 0; rank < ranked.value().size(); ++rank) {
    if (rank > 0) list += ',';
    list += json::scoredNameJson(ranked.value().at(rank), rank + 1);
  }
  Reply reply{Reply::Kind::Json, list + "]"};
  addRefusals(reply, read.refused);
  return reply;
}

Result<Reply> shortlistFunction(const Request& request, actions::Context& context,
                                const RowSink& sink) {
  ReadLines read;
  const auto base = readLines(request, read);
  if (!base.ok()) return base.failure();
  const auto ranked = actions::rankShortlist(read.names, base.value(), context);
  if (!ranked.ok()) return ranked.failure();
  std::array<std::size_t, 4> byStanding{};
  std::string piece;
  for (std::size_t rank = 0; rank < ranked.value().size(); ++rank) {
    const shortlist::ScoredName name = ranked.value().at(rank);
    ++byStanding[static_cast<std::size_t>(shortlist::standingOf(name.findings))];
    piece += piece.empty() ? '[' : ',';
    piece += json::scoredNameJson(name, rank + 1);
    if ((rank + 1) % kShortlistPieceNames == 0 || rank + 1 == ranked.value().size()) {
      sink(piece + ']');
      piece.clear();
    }
  }
  using shortlist::Standing;
  json::Writer summary;
  summary.beginObject().key("names").number(static_cast<long long>(ranked.value().size()));
  // A name with only notes can be registered as it is.
  const auto count = [&](Standing standing) {
    return static_cast<long long>(byStanding[static_cast<std::size_t>(standing)]);
  };
  summary.key("usable").number(count(Standing::Clear) + count(Standing::Note));
  summary.key("needs_approval").number(count(Standing::NeedsApproval));
  summary.key("unusable").number(count(Standing::Unusable)).endObject();
  Reply reply{Reply::Kind::Json, summary.text()};
  addRefusals(reply, read.refused);
  return reply;
}

Result<Reply> shortlistCsvFunction(const Request& request, actions::Context& context) {
  ReadLines read;
  const auto base = readLines(request, read);
  if (!base.ok()) return base.failure();
  const auto ranked = actions::rankShortlist(read.names, base.value(), context);
  if (!ranked.ok()) return ranked.failure();
  std::string csv = shortlist::shortlistCsvHeader();
  for (std::size_t rank = 0; rank < ranked.value().size(); ++rank) {
    csv += shortlist::shortlistCsvLine(ranked.value().at(rank), rank + 1);
  }
  Reply reply{Reply::Kind::Text, text::displayUtf8(csv)};
  addRefusals(reply, read.refused);
  return reply;
}

}  // namespace zeruda::wasm
