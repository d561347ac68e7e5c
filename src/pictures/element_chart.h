#pragma once

#include "calendar/pillars.h"
#include "chart/element_strength.h"
#include "pictures/picture.h"

namespace zeruda::pictures {

// The element chart of a birth: the eight characters of the four pillars as a 2×4
// grid tinted by element (with the element written beside each), the day master's
// stem marked; five bars 木 火 土 金 水 with the scores as the report writes them,
// the day master's element and the favourable elements tagged, an element missing
// from the eight characters drawn as an empty bar; the 同类 and 异类 sums, the
// verdict and the favourable elements.
Picture elementChart(const calendar::FourPillars& pillars, const chart::ElementStrength& strength);

}  // namespace zeruda::pictures
