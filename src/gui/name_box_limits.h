#pragma once

#include <cstddef>

class QLineEdit;

namespace zeruda::gui {

// A name box takes what its field takes (text/field_limits.h): no more than
// `maxCharacters` characters, and no control character, typed or pasted.
void limitNameBox(QLineEdit* box, std::size_t maxCharacters);

}  // namespace zeruda::gui
