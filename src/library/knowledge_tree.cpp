#include "library/knowledge_tree.h"

#include "library/catalogue.h"

#include <cstdio>

namespace zeruda::library {

std::vector<std::string_view> treeTitles() {
  std::vector<std::string_view> titles;
  for (int position = 1; position <= kTreeEntryCount; ++position) {
    titles.push_back(treeText(position)->title);
  }
  return titles;
}

const ArticleSource* treeText(int position) {
  if (position < 1 || position > kTreeEntryCount) return nullptr;
  char id[16];
  std::snprintf(id, sizeof id, "qmzs/%03d", position);
  return &requiredSource(id);
}

const ArticleSource& startText() { return requiredSource("qmzs/start"); }

}  // namespace zeruda::library
