#pragma once

#include "calendar/sixty_pair.h"

#include <string>

namespace zeruda::calendar {

// The Nayin (纳音) of a pair (GBK); empty for none.
std::string nayinOf(Pair pair);

}  // namespace zeruda::calendar
