#pragma once

#include "generation/engine.h"
#include "generation/name_pool.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeruda::generation::test {

// The draw X that picks the pool character `utf8Character`.
inline int drawFor(std::string_view utf8Character) {
  const std::string wanted = zeruda::test::gbk(utf8Character);
  for (int n = 1; n <= kPoolSize; ++n) {
    if (poolCharacter(n) == wanted) return 2 * n - 1;
  }
  ADD_FAILURE() << "not in the pool: " << utf8Character;
  return 0;
}

// A draw that hands out the given numbers in turn (round and round) and remembers
// every range it was asked for.
struct Script {
  std::vector<int> numbers;
  std::size_t next = 0;
  std::vector<std::pair<int, int>> ranges;
};

inline run::DrawInteger scripted(std::shared_ptr<Script> script) {
  return [script](int low, int high) {
    script->ranges.emplace_back(low, high);
    return script->numbers[script->next++ % script->numbers.size()];
  };
}

inline run::DrawInteger scriptedBodies(std::initializer_list<std::string_view> utf8Characters) {
  auto script = std::make_shared<Script>();
  for (auto c : utf8Characters) script->numbers.push_back(drawFor(c));
  return scripted(script);
}

inline numerology::ElementLookup noTable() {
  return [](std::string_view) -> Result<std::optional<std::string>> {
    return std::optional<std::string>();
  };
}

inline EngineServices services(run::DrawInteger draw, double baseScore = 3) {
  return {std::move(draw), baseScore, noTable()};
}

// The pool road's settings: the scripted draws name pool characters.
inline EngineSettings settings(int bodyLength) {
  EngineSettings s;
  s.bodyLength = bodyLength;
  s.road = CompanyRoad::Pool;
  s.prefix = zeruda::test::gbk("成都");
  s.suffix = zeruda::test::gbk("科技有限公司");
  return s;
}

inline void require(EngineSettings& s, calendar::Element element) { s.required.insert(element); }

}  // namespace zeruda::generation::test
