#pragma once

#include "library/article_sources.h"

#include <string_view>
#include <vector>

namespace zeruda::library {

// What a source is for, told by where it lies under data/library.
enum class SourceRole {
  kFolkArticle,     // yxzs/NN: a menu page written to yxzs.htm
  kOnlineStandIn,   // yxzs/online-N: our page in place of an online one
  kReferenceTable,  // mszs/NN: a menu page written to mszs.htm
  kStartText,       // qmzs/start: the knowledge page's opening text
  kTreeText,        // qmzs/NNN: the knowledge tree's text at position NNN
  kLawGuide,        // other/law: our guide to the legal rules on names
  kDocument,        // other/docs-*: the document pages
  kOther,
};

SourceRole roleOf(const ArticleSource& source);

// The source with this id, or nullptr.
const ArticleSource* findSource(std::string_view id);

// Sources of one role ordered by their order field (then id).
std::vector<const ArticleSource*> sourcesOf(SourceRole role);

// A source the program cannot do without; its absence is a build fault and ends the
// program with a message.
const ArticleSource& requiredSource(std::string_view id);

const ArticleSource& lawGuide();

}  // namespace zeruda::library
