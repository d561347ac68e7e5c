#include "wasm/page_functions.h"

#include "actions/inputs.h"
#include "generation/export.h"
#include "json/writer.h"
#include "library/catalogue.h"
#include "library/knowledge_tree.h"
#include "storage/table_source.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <algorithm>
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
