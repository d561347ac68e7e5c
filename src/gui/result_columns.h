#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <cstddef>

// moc cannot parse the C++20 library headers behind the core's types.
#ifndef Q_MOC_RUN
#include "generation/candidate_row.h"
#endif

namespace zeruda::gui {

// The company result list's look: its column captions, widths and row colours.

// The captions, left to right, with the leading blanks that place them.
const std::array<QString, generation::kColumnCount>& resultColumnCaptions();

// Column widths in whole pixels for a page `pageWidth` pixels wide: each column keeps
// its share of an 864-pixel page (45, 240, 78, 95, 105, 110, 95), fractions dropped.
std::array<int, generation::kColumnCount> resultColumnWidths(int pageWidth);

// The list itself is 20 pixels narrower than its page.
int resultListWidth(int pageWidth);

// Background of a row by its 1-based number: odd rows light grey, even rows white,
// so the first row after a new request is grey again.
QColor resultRowBackground(int rowNumber);

}  // namespace zeruda::gui
