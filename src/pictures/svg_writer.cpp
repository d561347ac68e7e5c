#include "pictures/svg_writer.h"

#include "text/gbk.h"
#include "text/markup_escape.h"

#include <cstdio>

namespace zeruda::pictures {
namespace {

// Picture units with at most two decimals and no trailing zeros: "12", "12.5".
std::string number(double value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", value);
  std::string text = buf;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

std::string colour(Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

// Texts come from the program's own tables and checked input, so they are GBK; a
// stray byte still must not stop the writer, so it shows as the replacement mark.
std::string utf8Of(const std::string& gbk) {
  auto converted = text::gbkToUtf8(gbk);
  return converted.ok() ? converted.value() : "\xEF\xBF\xBD";
}

std::string attribute(std::string_view name, const std::string& value) {
  return " " + std::string(name) + "=\"" + value + "\"";
}

std::string boxElement(const Box& box) {
  std::string out = "<rect" + attribute("x", number(box.x)) + attribute("y", number(box.y)) +
                    attribute("width", number(box.width)) + attribute("height", number(box.height));
  if (box.radius > 0) out += attribute("rx", number(box.radius));
  out += attribute("fill", box.fill ? colour(*box.fill) : "none");
  if (box.stroke) {
    out += attribute("stroke", colour(*box.stroke)) +
           attribute("stroke-width", number(box.strokeWidth));
    if (box.dashed) out += attribute("stroke-dasharray", "4 3");
  }
  return out + "/>\n";
}

std::string lineElement(const Line& line) {
  return "<line" + attribute("x1", number(line.x1)) + attribute("y1", number(line.y1)) +
         attribute("x2", number(line.x2)) + attribute("y2", number(line.y2)) +
         attribute("stroke", colour(line.colour)) + attribute("stroke-width", number(line.width)) +
         attribute("stroke-linecap", "round") + "/>\n";
}

std::string textElement(const Text& text) {
  std::string out = "<text" + attribute("x", number(text.x)) + attribute("y", number(text.y)) +
                    attribute("font-size", number(text.size)) +
                    attribute("fill", colour(text.colour));
  if (text.anchor == Anchor::Middle) out += attribute("text-anchor", "middle");
  if (text.anchor == Anchor::End) out += attribute("text-anchor", "end");
  if (text.bold) out += attribute("font-weight", "bold");
  return out + ">" + text::escapeMarkup(utf8Of(text.text), true) + "</text>\n";
}

}  // namespace

std::string svgDocument(const Picture& picture) {
  const std::string width = number(picture.width);
  const std::string height = number(picture.height);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg" +
                    attribute("xmlns", "http://www.w3.org/2000/svg") + attribute("width", width) +
                    attribute("height", height) +
                    attribute("viewBox", "0 0 " + width + " " + height) +
                    attribute("font-family", "sans-serif") + ">\n";
  svg += "<rect" + attribute("width", width) + attribute("height", height) +
         attribute("fill", colour(picture.background)) + "/>\n";
  for (const Box& box : picture.boxes) svg += boxElement(box);
  for (const Line& line : picture.lines) svg += lineElement(line);
  for (const Text& text : picture.texts) svg += textElement(text);
  return svg + "</svg>\n";
}

}  // namespace zeruda::pictures
