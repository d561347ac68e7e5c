#pragma once

#include <string>
#include <string_view>

namespace zeruda::calendar {

// The Nayin (纳音) of a pillar text such as "甲子" (GBK); empty for anything that is
// not one of the sixty pairs.
std::string nayinOf(std::string_view pillar);

// The Nayin of a pair number 1-60; empty for anything else.
std::string nayinOfPair(int pair);

}  // namespace zeruda::calendar
