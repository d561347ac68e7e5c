#pragma once

#include "numerology/grids.h"
#include "pictures/picture.h"

namespace zeruda::pictures {

// The five-grid diagram of a name whose grids are computed: its characters top to
// bottom with their Kangxi counts (the "1" a one-character part adds, in grey),
// 天格 人格 地格 bracketed on the right, 外格 on the left, 总格 below, each with its
// number, element and 81-number luck as word and colour; then the three talents
// 天→人→地 with their elements and the three-talent verdict. A record with an empty
// part gives an empty picture.
Picture gridDiagram(const numerology::NameGrids& name);

}  // namespace zeruda::pictures
