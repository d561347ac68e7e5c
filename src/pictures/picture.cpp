#include "pictures/picture.h"

#include "text/characters.h"

namespace zeruda::pictures {

double textWidth(std::string_view gbk, double size) {
  double width = 0;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = text::charLength(gbk, pos);
    width += length == 2 ? size : 0.6 * size;
    pos += length;
  }
  return width;
}

}  // namespace zeruda::pictures
