#pragma once

#include "library/article_sources.h"

#include <string>

namespace zeruda::library {

// The files pages are written to in the working folder; a page for a text box has none.
inline constexpr std::string_view kFolkFile = "yxzs.htm";
inline constexpr std::string_view kTablesFile = "mszs.htm";
inline constexpr std::string_view kKnowledgeFile = "qmzs.htm";
inline constexpr std::string_view kNoFile = "-";

// A page ready to be shown: built in, or made when asked for (the almanac page).
struct ArticlePage {
  std::string title;     // GBK
  std::string file;      // one of the files above
  std::string bodyHtml;  // GBK HTML inside <body>, after the title heading
  std::string text;      // GBK plain text with CR LF line ends
};

ArticlePage pageOf(const ArticleSource& source);

// The whole GBK HTML document of a page: a leading line break, the two http-equiv
// lines declaring zh-cn and gb2312, the title element, a body with margins of 20
// that opens with the title as a heading.
std::string pageDocument(const ArticlePage& page);

}  // namespace zeruda::library
