#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "pictures/picture.h"

namespace zeruda::cli {

// Writes the picture as an SVG document to `file`; on failure says so on `err`
// under the command's name and gives false.
bool writeSvgFile(const std::string& file, const pictures::Picture& picture, std::ostream& err,
                  std::string_view command);

}  // namespace zeruda::cli
