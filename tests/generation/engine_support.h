#pragma once

#include "generation/engine.h"
#include "generation/name_pool.h"
#include "generation/stop_flag.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeruda::generation::test {

// The two values of the shared stop flag.
inline constexpr int kRun = static_cast<int>(generation::StopState::kRun);
inline constexpr int kStop = static_cast<int>(generation::StopState::kStop);

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

inline DrawInteger scripted(std::shared_ptr<Script> script) {
  return [script](int low, int high) {
    script->ranges.emplace_back(low, high);
    return script->numbers[script->next++ % script->numbers.size()];
  };
}

inline DrawInteger scriptedBodies(std::initializer_list<std::string_view> utf8Characters) {
  auto script = std::make_shared<Script>();
  for (auto c : utf8Characters) script->numbers.push_back(drawFor(c));
  return scripted(script);
}

inline numerology::ElementLookup noTable() {
  return [](std::string_view) -> Result<std::optional<std::string>> {
    return std::optional<std::string>();
  };
}

inline EngineServices services(DrawInteger draw, double baseScore = 3) {
  return {std::move(draw), baseScore, noTable()};
}

inline EngineSettings settings(int middleCount) {
  EngineSettings s;
  s.middleCount = middleCount;
  s.prefix = zeruda::test::gbk("成都");
  s.suffix = zeruda::test::gbk("科技有限公司");
  return s;
}

inline void require(EngineSettings& s, ElementBox box) {
  s.required[static_cast<std::size_t>(box)] = true;
}

}  // namespace zeruda::generation::test
