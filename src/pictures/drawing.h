#pragma once

#include "pictures/picture.h"

#include <string>

namespace zeruda::pictures {

// Small adders shared by the pictures' layouts, so each layout reads as a list of
// shapes.
void addText(Picture& picture, double x, double y, std::string text, double size, Rgb colour,
             Anchor anchor = Anchor::Start, bool bold = false);
void addLine(Picture& picture, double x1, double y1, double x2, double y2, Rgb colour,
             double width = 1);

// The baseline that centres a line of text of `size` in a band from `top` of
// `height`: Chinese glyphs sit about a third of their size above the middle.
inline double centredBaseline(double top, double height, double size) {
  return top + height / 2 + 0.36 * size;
}

// A word in white on a small rounded badge of `fill`, its left edge at x, its top at
// y; gives the badge's width.
double addBadge(Picture& picture, double x, double y, const std::string& word, Rgb fill,
                double size = 12);

// The width addBadge gives a word.
double badgeWidth(const std::string& word, double size = 12);

}  // namespace zeruda::pictures
