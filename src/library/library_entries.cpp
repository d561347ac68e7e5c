#include "library/library_entries.h"

#include "library/auspicious_days.h"
#include "library/catalogue.h"
#include "library/knowledge_tree.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>

namespace zeruda::library {
namespace {

using namespace text::literals;

constexpr int kAuspiciousDaysOrder = 7;  // its place among the reference tables

std::array<std::string_view, 6> groupNames() {
  return {"民俗知识"_gbk,   "易学相关"_gbk, "家居风水"_gbk,
          "面相与生活"_gbk, "手相占卜"_gbk, "其它功能"_gbk};
}

LibraryEntry articleEntry(const ArticleSource& source) {
  return {source.title, source.file, source.group, EntryKind::kArticle, &source};
}

void addArticles(std::vector<LibraryEntry>& entries, SourceRole role, std::string_view group) {
  for (const ArticleSource* source : sourcesOf(role)) {
    if (source->group == group) entries.push_back(articleEntry(*source));
  }
}

// The reference tables with the almanac page at its place among them.
void addTables(std::vector<LibraryEntry>& entries, std::string_view group) {
  bool almanacPlaced = group != "易学相关"_gbk;
  const LibraryEntry almanac{"黄道吉日"_gbk, kTablesFile, "易学相关"_gbk,
                             EntryKind::kAuspiciousDays};
  for (const ArticleSource* source : sourcesOf(SourceRole::kReferenceTable)) {
    if (source->group != group) continue;
    if (!almanacPlaced && source->order > kAuspiciousDaysOrder) {
      entries.push_back(almanac);
      almanacPlaced = true;
    }
    entries.push_back(articleEntry(*source));
  }
  if (!almanacPlaced) entries.push_back(almanac);
}

}  // namespace

std::vector<MenuGroup> quickMenuGroups() {
  std::vector<MenuGroup> groups;
  for (std::string_view name : groupNames()) {
    MenuGroup group{name, {}};
    addArticles(group.entries, SourceRole::kFolkArticle, name);
    addArticles(group.entries, SourceRole::kOnlineStandIn, name);
    addTables(group.entries, name);
    if (name == "其它功能"_gbk) {
      group.entries.push_back(
          {"历史上的今天"_gbk, kNoFile, name, EntryKind::kHistoryToday, nullptr});
    }
    groups.push_back(std::move(group));
  }
  return groups;
}

std::vector<LibraryEntry> listedPages() {
  std::vector<LibraryEntry> pages;
  for (const MenuGroup& group : quickMenuGroups()) {
    for (const LibraryEntry& entry : group.entries) {
      if (entry.kind != EntryKind::kHistoryToday) pages.push_back(entry);
    }
  }
  for (int position = 1; position <= kTreeEntryCount; ++position) {
    pages.push_back(articleEntry(*treeText(position)));
  }
  pages.push_back(articleEntry(startText()));
  pages.push_back(articleEntry(lawGuide()));
  for (const ArticleSource* source : sourcesOf(SourceRole::kDocument)) {
    pages.push_back(articleEntry(*source));
  }
  return pages;
}

ArticlePage pageFor(const LibraryEntry& entry, int year) {
  if (entry.kind == EntryKind::kAuspiciousDays) return auspiciousDaysPage(year);
  if (entry.source != nullptr) return pageOf(*entry.source);
  // Only 历史上的今天 has no page, and it opens none.
  return {};
}

}  // namespace zeruda::library
