#pragma once

#include "library/article_page.h"
#include "library/article_sources.h"

#include <string_view>
#include <vector>

namespace zeruda::library {

// What an entry of the library does when chosen.
enum class EntryKind {
  kArticle,         // shows its built-in page
  kAuspiciousDays,  // shows the year's 黄道吉日 page, made from the almanac
  kHistoryToday,    // opens a public page on this day in history in the web browser
};

struct LibraryEntry {
  std::string_view title;  // GBK; the menu caption
  std::string_view file;   // the file its page goes to
  std::string_view group;  // GBK
  EntryKind kind = EntryKind::kArticle;
  const ArticleSource* source = nullptr;  // for kArticle
};

struct MenuGroup {
  std::string_view name;  // GBK
  std::vector<LibraryEntry> entries;
};

// The groups of the quick menu in their order (民俗知识, 易学相关, 家居风水, 面相与生活,
// 手相占卜, 其它功能) with the library's entries under each: articles, then our pages
// for the online ones, then reference tables, each kind in its own order.
std::vector<MenuGroup> quickMenuGroups();

// Every built-in page in the order `article list` gives them: the menu's pages
// group by group, the tree's texts by position, the knowledge page's start text,
// the guide to the legal rules and the document pages.
std::vector<LibraryEntry> listedPages();

// The page of an entry that has one (not kHistoryToday); the almanac page is made
// for `year`.
ArticlePage pageFor(const LibraryEntry& entry, int year);

}  // namespace zeruda::library
