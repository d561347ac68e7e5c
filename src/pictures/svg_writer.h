#pragma once

#include "pictures/picture.h"

#include <string>

namespace zeruda::pictures {

// The picture as a standalone SVG document in UTF-8. Fonts are named only by the
// generic family "sans-serif", so whatever Chinese font the viewer has renders it.
std::string svgDocument(const Picture& picture);

}  // namespace zeruda::pictures
