// Installed as embedded/deferred_data.h in the browser edition's build (cmake/Embed.cmake).
//
// A block of data the browser edition leaves out of its module: the page fetches it
// as a file of the site and hands it over (zeruda_provide) before the first call
// that reads it. Read before then, it stops the call (missingData traps the module),
// so an answer is never made from an empty table.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace zeruda::data {

// Defined by the module's front end (src/wasm/exports.cpp); does not return.
[[noreturn]] void missingData(const char* name);

inline std::map<std::string, std::string, std::less<>>& providedData() {
  static std::map<std::string, std::string, std::less<>> blocks;
  return blocks;
}

// Kept once: views into a block stay valid for the module's life.
inline void provideData(std::string_view name, std::string bytes) {
  auto& blocks = providedData();
  if (blocks.find(name) == blocks.end()) blocks.emplace(std::string(name), std::move(bytes));
}

class DeferredData {
 public:
  explicit constexpr DeferredData(const char* name) : name_(name) {}
  operator std::string_view() const {
    const auto& blocks = providedData();
    const auto found = blocks.find(std::string_view(name_));
    if (found == blocks.end()) missingData(name_);
    return found->second;
  }

 private:
  const char* name_;
};

}  // namespace zeruda::data
