#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "pictures/picture.h"
#include "support/text_support.h"

namespace zeruda::test {

// The picture's texts in painting order, as UTF-8.
inline std::vector<std::string> textsOf(const pictures::Picture& picture) {
  std::vector<std::string> texts;
  for (const auto& text : picture.texts) texts.push_back(utf8(text.text));
  return texts;
}

// Whether `run` stands in `texts` as consecutive entries: how a card's label,
// number, element and luck follow one another.
inline bool holdsRun(const std::vector<std::string>& texts, const std::vector<std::string>& run) {
  return std::search(texts.begin(), texts.end(), run.begin(), run.end()) != texts.end();
}

}  // namespace zeruda::test
