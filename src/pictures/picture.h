#pragma once

#include "text/rgb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::pictures {

// A rectangle, optionally rounded; without fill it is an outline only.
struct Box {
  double x = 0, y = 0, width = 0, height = 0;
  double radius = 0;
  std::optional<Rgb> fill;
  std::optional<Rgb> stroke;
  double strokeWidth = 1;
  bool dashed = false;
  bool operator==(const Box&) const = default;

  Box& filled(Rgb colour) {
    fill = colour;
    return *this;
  }
  Box& outlined(Rgb colour, double width = 1, bool dashes = false) {
    stroke = colour;
    strokeWidth = width;
    dashed = dashes;
    return *this;
  }
};

// A box of that place, size and corner radius, neither filled nor outlined yet.
inline Box boxAt(double x, double y, double width, double height, double radius = 0) {
  Box box;
  box.x = x;
  box.y = y;
  box.width = width;
  box.height = height;
  box.radius = radius;
  return box;
}

struct Line {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Rgb colour;
  double width = 1;
  bool operator==(const Line&) const = default;
};

// Where a text stands relative to its x.
enum class Anchor { Start, Middle, End };

// One run of text on one line; y is its baseline, size its height in picture units.
struct Text {
  double x = 0, y = 0;
  std::string text;  // GBK
  double size = 14;
  Rgb colour;
  Anchor anchor = Anchor::Start;
  bool bold = false;
  bool operator==(const Text&) const = default;
};

// A picture as plain shapes in picture units (pixels at scale 1), painted in this
// order: background, boxes, lines, texts. Both renderers (SVG here, QPainter in the
// window) draw exactly these, so what one shows the other shows.
struct Picture {
  double width = 0, height = 0;
  Rgb background{255, 255, 255};
  std::vector<Box> boxes;
  std::vector<Line> lines;
  std::vector<Text> texts;
  bool operator==(const Picture&) const = default;
};

// About how wide a GBK text comes out at `size`: a Chinese character is square, a
// one-byte character a little over half as wide. Enough to size a box around a word;
// renderers measure for themselves.
double textWidth(std::string_view gbk, double size);

}  // namespace zeruda::pictures
