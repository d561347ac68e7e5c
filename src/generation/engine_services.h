#pragma once

#include "generation/engine.h"

#include <cstdint>

namespace zeruda::generation {

// The engine's services as the program provides them: draws seeded with `seed`, the
// base score "吉数" of the saved profile, and the character table "zk" for the
// rating's element term.
EngineServices programEngineServices(std::uint32_t seed);

}  // namespace zeruda::generation
