#include "library/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zeruda::library {
namespace {

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

SourceRole roleOf(const ArticleSource& source) {
  const std::string_view id = source.id;
  const std::size_t slash = id.find('/');
  if (slash == std::string_view::npos) return SourceRole::kOther;
  const std::string_view folder = id.substr(0, slash), name = id.substr(slash + 1);
  if (folder == "yxzs") {
    if (allDigits(name)) return SourceRole::kFolkArticle;
    if (name.starts_with("online-")) return SourceRole::kOnlineStandIn;
  } else if (folder == "mszs" && allDigits(name)) {
    return SourceRole::kReferenceTable;
  } else if (folder == "qmzs") {
    if (name == "start") return SourceRole::kStartText;
    if (allDigits(name)) return SourceRole::kTreeText;
  } else if (folder == "other") {
    if (name == "law") return SourceRole::kLawGuide;
    if (name.starts_with("docs-")) return SourceRole::kDocument;
  }
  return SourceRole::kOther;
}

const ArticleSource* findSource(std::string_view id) {
  const auto sources = articleSources();
  const auto found = std::lower_bound(
      sources.begin(), sources.end(), id,
      [](const ArticleSource& source, std::string_view wanted) { return source.id < wanted; });
  return found != sources.end() && found->id == id ? &*found : nullptr;
}

std::vector<const ArticleSource*> sourcesOf(SourceRole role) {
  std::vector<const ArticleSource*> found;
  for (const ArticleSource& source : articleSources()) {
    if (roleOf(source) == role) found.push_back(&source);
  }
  std::stable_sort(found.begin(), found.end(), [](const ArticleSource* a, const ArticleSource* b) {
    return a->order < b->order;
  });
  return found;
}

const ArticleSource& requiredSource(std::string_view id) {
  if (const ArticleSource* source = findSource(id)) return *source;
  std::fprintf(stderr, "zeruda: the built-in article %s is missing\n", std::string(id).c_str());
  std::abort();
}

const ArticleSource& lawGuide() { return requiredSource("other/law"); }

}  // namespace zeruda::library
