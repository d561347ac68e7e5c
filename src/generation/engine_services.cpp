#include "generation/engine_services.h"

#include "storage/character_table.h"

namespace zeruda::generation {

EngineServices programEngineServices(std::uint32_t seed, double baseScore,
                                     storage::TableSet& tables) {
  return {run::SeededDraw(seed), baseScore, storage::characterTable(tables)};
}

}  // namespace zeruda::generation
