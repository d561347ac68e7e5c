#pragma once

#include "generation/engine.h"
#include "storage/data_table.h"

#include <cstdint>

namespace zeruda::generation {

// The engine's services as the program provides them: draws seeded with `seed`, the
// run's base score (the "吉数" of the legal representative's chart), and the
// character table "zk" of `tables` for the rating's element term.
EngineServices programEngineServices(std::uint32_t seed, double baseScore,
                                     storage::TableSet& tables);

}  // namespace zeruda::generation
