#include "wasm/page_functions.h"

#include "actions/inputs.h"
#include "actions/name_report.h"
#include "generation/body_judgement.h"
#include "generation/export.h"
#include "json/writer.h"
#include "library/catalogue.h"
#include "library/knowledge_tree.h"
#include "storage/table_source.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace zeruda::wasm {
namespace {

using namespace text::literals;

// The knowledge tree's pages on the rules of registering a name: from what a
// company name is made of (4) to shop names online (28), what to mind once a name
// is registered (92), and the legal rules of personal names (95).
std::vector<const library::ArticleSource*> registrationPages() {
  std::vector<const library::ArticleSource*> pages;
  std::vector<int> positions;
  for (int position = 4; position <= 28; ++position) positions.push_back(position);
  positions.push_back(92);
  positions.push_back(95);
  for (int position : positions) {
    if (const library::ArticleSource* source = library::treeText(position)) pages.push_back(source);
  }
  return pages;
}

std::vector<const library::ArticleSource*> carriedPages() {
  std::vector<const library::ArticleSource*> pages = {&library::lawGuide()};
  for (const auto* source : registrationPages()) pages.push_back(source);
  return pages;
}

// The parts a row's stars were added from: base, talents, five grids, elements.
constexpr std::size_t kPartCount = 8;
constexpr std::size_t kRichWidth = generation::kColumnCount + kPartCount;

// A part as the page's JSON wrote it: a finite number, nothing around it.
std::optional<double> partValue(const std::string& text) {
  if (text.empty() || text.size() > 32 || !(text[0] == '-' || (text[0] >= '0' && text[0] <= '9'))) {
    return std::nullopt;
  }
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// All eight empty: a row without parts (`parts` stays empty); false when any is not a
// number.
bool readParts(std::span<const std::string> texts, std::optional<numerology::ScoreParts>& parts) {
  if (std::all_of(texts.begin(), texts.end(), [](const auto& t) { return t.empty(); })) return true;
  std::array<double, kPartCount> values{};
  for (std::size_t k = 0; k < kPartCount; ++k) {
    const auto value = partValue(texts[k]);
    if (!value) return false;
    values[k] = *value;
  }
  numerology::ScoreParts read;
  read.base = values[0];
  read.talents = values[1];
  std::copy_n(values.begin() + 2, read.grids.size(), read.grids.begin());
  read.elements = values[7];
  parts = read;
  return true;
}

}  // namespace

Result<Reply> prepareFunction(const Request&, actions::Context& context) {
  for (std::string_view alias : storage::kTableAliases) {
    if (auto table = context.tables.open(alias); !table.ok()) return table.failure();
  }
  return Reply{Reply::Kind::Json, "true"};
}

Result<Reply> resultCsvFunction(const Request& request) {
  const auto cells = request.texts("cells", Field::ExportRows);
  if (!cells.ok()) return cells.failure();
  const std::size_t width = generation::kColumnCount;
  if (cells.value().size() % width != 0) {
    return actions::refusal(Field::ExportRows, "不完整：每行应有7格"_gbk);
  }
  std::vector<generation::CandidateRow> rows(cells.value().size() / width);
  for (std::size_t i = 0; i < cells.value().size(); ++i) {
    rows[i / width].cells[i % width] = cells.value()[i];
  }
  return Reply{Reply::Kind::Text, text::displayUtf8(generation::csvText(rows))};
}

Result<Reply> resultRichCsvFunction(const Request& request) {
  const auto cells = request.texts("cells", Field::ExportRows);
  if (!cells.ok()) return cells.failure();
  const std::vector<std::string>& texts = cells.value();
  if (texts.size() % kRichWidth != 0) {
    return actions::refusal(Field::ExportRows, "不完整：每行应有15格"_gbk);
  }
  std::vector<generation::CandidateRow> rows(texts.size() / kRichWidth);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::span<const std::string> row(texts.data() + r * kRichWidth, kRichWidth);
    generation::CandidateRow& out = rows[r];
    std::copy_n(row.begin(), generation::kColumnCount, out.cells.begin());
    std::optional<numerology::ScoreParts> parts;
    if (!readParts(row.subspan(generation::kColumnCount), parts)) {
      return actions::refusal(Field::ExportRows,
                              "第"_gbk + std::to_string(r + 1) + "行的星级计算不是数字"_gbk);
    }
    if (!parts) continue;
    out.parts = *parts;
    out.judgement = std::make_shared<const naming::NameJudgement>(
        generation::judgeBody(out.cell(generation::Column::Body)));
  }
  return Reply{Reply::Kind::Text, text::displayUtf8(actions::richCsvText(rows))};
}

Result<Reply> articlesFunction(const Request&) {
  json::Writer list;
  list.beginArray();
  for (const library::ArticleSource* source : carriedPages()) {
    list.beginObject().key("id").string(source->id).key("title").string(source->title).endObject();
  }
  list.endArray();
  return Reply{Reply::Kind::Json, list.text()};
}

Result<Reply> articleFunction(const Request& request) {
  const auto id = request.text("id", Field::ArticleId);
  if (!id.ok()) return id.failure();
  const auto pages = carriedPages();
  const auto found = std::find_if(pages.begin(), pages.end(),
                                  [&](const auto* source) { return source->id == id.value(); });
  if (found == pages.end()) return Error{"没有这一页："_gbk + id.value()};
  json::Writer page;
  page.beginObject().key("title").string((*found)->title);
  page.key("html").string((*found)->bodyHtml).endObject();
  return Reply{Reply::Kind::Json, page.text()};
}

}  // namespace zeruda::wasm
