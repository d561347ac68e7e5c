#include "generation/engine_services.h"

#include "dictionary/table_element.h"
#include "profile/base_score.h"

namespace zeruda::generation {

EngineServices programEngineServices(std::uint32_t seed) {
  return {SeededDraw(seed), [] { return static_cast<double>(profile::profileBaseScore()); },
          dictionary::tableElement};
}

}  // namespace zeruda::generation
