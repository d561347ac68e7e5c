#include "pictures/drawing.h"

#include "pictures/palette.h"

namespace zeruda::pictures {

void addText(Picture& picture, double x, double y, std::string text, double size, Rgb colour,
             Anchor anchor, bool bold) {
  picture.texts.push_back({x, y, std::move(text), size, colour, anchor, bold});
}

void addLine(Picture& picture, double x1, double y1, double x2, double y2, Rgb colour,
             double width) {
  picture.lines.push_back({x1, y1, x2, y2, colour, width});
}

double badgeWidth(const std::string& word, double size) { return textWidth(word, size) + 10; }

double addBadge(Picture& picture, double x, double y, const std::string& word, Rgb fill,
                double size) {
  const double width = badgeWidth(word, size);
  const double height = size + 5;
  picture.boxes.push_back(boxAt(x, y, width, height, 3).filled(fill));
  addText(picture, x + width / 2, centredBaseline(y, height, size), word, size, kWhite,
          Anchor::Middle, true);
  return width;
}

}  // namespace zeruda::pictures
