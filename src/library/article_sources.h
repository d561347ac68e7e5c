#pragma once

#include <span>
#include <string_view>

namespace zeruda::library {

// One article as compiled from data/library by tools/articles while building.
struct ArticleSource {
  std::string_view id;        // its path under data/library without ".md": "yxzs/01"
  std::string_view title;     // GBK
  std::string_view file;      // "yxzs.htm", "mszs.htm", "qmzs.htm" or "-"
  std::string_view group;     // GBK: the menu group, or 公司取名知识
  int order = 0;              // place in its list (the tree position for the tree's texts)
  std::string_view bodyHtml;  // GBK HTML of the body, the title as its first heading left out
  std::string_view text;      // GBK plain text: the title, an empty line, the body
};

// Every source, ordered by id. Defined in the generated article_sources.cpp.
std::span<const ArticleSource> articleSources();

}  // namespace zeruda::library
