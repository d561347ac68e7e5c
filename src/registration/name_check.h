#pragma once

#include "registration/finding.h"
#include "registration/name_parts.h"

#include <vector>

namespace zeruda::registration {

// What the registration rules for enterprise names in mainland China say about a
// name: its structure, its trade name, its characters, its restricted words, and
// whether its industry words suit its organisation form. Most serious first, then
// in the order the name is read; empty when nothing stands out. A bare body is
// checked as a trade name only.
std::vector<Finding> checkName(const NameParts& parts);

}  // namespace zeruda::registration
