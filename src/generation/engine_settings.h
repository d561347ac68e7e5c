#pragma once

#include "calendar/element_set.h"
#include "calendar/ganzhi.h"
#include "text/result.h"
#include "text/user_message.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::generation {

// A choice among the five elements.
using calendar::ElementSet;

// The most rows a run keeps going for; the attempt under way when the count is
// passed still finishes, so a run can end with one row more.
inline constexpr int kRowCap = 2000;

// How the bodies are drawn: from the curated 字号 words (词库佳名), or a character
// drawn from the pool for each position (字库随机), the draw the page had before.
enum class CompanyRoad { Words, Pool };

// The road of a typed choice: its name as the page shows it (词库佳名, 字库随机) or its
// command-line word (words, pool); nothing for any other.
std::optional<CompanyRoad> companyRoadOf(std::string_view typed);

// What the engine takes from the company page at every attempt.
struct EngineSettings {
  int bodyLength = 2;                // characters in the body: 2, 3 or 4
  std::array<std::string, 4> fixed;  // character fixed at body position 1-4
  ElementSet required{};             // elements the body must contain
  std::optional<int> minimumStars;   // keep only rows of at least this many stars (1-5)
  std::string prefix;                // regional prefix, may be empty
  std::string suffix;                // trade suffix, may be empty
  CompanyRoad road = CompanyRoad::Words;
};

// Fixed positions that are filled, all four counted whatever the body length.
int fixedCount(const EngineSettings& settings);

// The message that ends a run before its first attempt: as many fixed characters as
// body characters leaves nothing to draw.
Check engineRefusal(const EngineSettings& settings);

// The settings a running engine reads. The page's controls belong to the
// user-interface thread, so the engine never reads them; it reads this copy, taken
// when the run starts and never changed while it runs.
class SettingsSnapshot {
 public:
  explicit SettingsSnapshot(EngineSettings settings)
      : current_(std::make_shared<const EngineSettings>(std::move(settings))) {}

  std::shared_ptr<const EngineSettings> current() const { return current_; }

 private:
  std::shared_ptr<const EngineSettings> current_;
};

}  // namespace zeruda::generation
