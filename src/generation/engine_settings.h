#pragma once

#include "text/user_message.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace zeruda::generation {

// The element boxes of the company page, in their order on the page.
enum class ElementBox { Metal, Wood, Water, Fire, Earth };  // 金 木 水 火 土
inline constexpr std::size_t kElementBoxCount = 5;

// The element character each box stands for (GBK), in box order.
const std::array<std::string, kElementBoxCount>& elementBoxCaptions();

// The most rows a run keeps going for; the attempt under way when the count is
// passed still finishes, so a run can end with one row more.
inline constexpr int kRowCap = 2000;

// What the engine takes from the company page at every attempt.
struct EngineSettings {
  int middleCount = 2;                            // characters in the body: 2, 3 or 4
  std::array<std::string, 4> fixed;               // character fixed at body position 1-4
  std::array<bool, kElementBoxCount> required{};  // elements the body must contain
  bool autoPick = false;                          // keep only rows of at least the level
  int starLevelIndex = 0;                         // 0 … 4 for one to five stars
  std::string prefix;                             // regional prefix, may be empty
  std::string suffix;                             // trade suffix, may be empty
};

// Fixed boxes that are filled, all four counted whatever the body length.
int fixedCount(const EngineSettings& settings);

// The message that ends a run before its first attempt: as many fixed characters as
// body characters leaves nothing to draw.
std::optional<UserMessage> engineRefusal(const EngineSettings& settings);

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
