#pragma once

#include "library/article_sources.h"

#include <string_view>
#include <vector>

namespace zeruda::library {

// The tree of the 公司取名知识 page: 95 entries, each carrying its position 1-95.
// Position 1 is the heading 重要取名知识 with a short default text; positions 2 and 3
// share the title 超市起名应该遵循什么原则 and have different texts.
inline constexpr int kTreeEntryCount = 95;

// The entries' titles (GBK), position 1 first.
std::vector<std::string_view> treeTitles();

// The text shown for a position, or nullptr for one the tree does not hold.
const ArticleSource* treeText(int position);

// The text the page opens with, beginning 公司取名知识.
const ArticleSource& startText();

}  // namespace zeruda::library
