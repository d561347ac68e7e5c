#include "pictures/svg_writer.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda {
namespace {

using test::gbk;

TEST(SvgWriter, WritesAStandaloneUtf8DocumentWithGenericFonts) {
  pictures::Picture picture;
  picture.width = 120;
  picture.height = 40.5;
  picture.boxes.push_back(pictures::boxAt(1, 2, 30, 10, 3).filled({255, 0, 16}));
  picture.lines.push_back({0, 0, 10, 10, {0, 0, 0}, 1.25});
  picture.texts.push_back(
      {5, 20, gbk("天格 <15> & \"吉\""), 14, {1, 2, 3}, pictures::Anchor::Middle, true});
  const std::string svg = pictures::svgDocument(picture);
  EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
  EXPECT_NE(svg.find("xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
  EXPECT_NE(svg.find("width=\"120\" height=\"40.5\" viewBox=\"0 0 120 40.5\""), std::string::npos);
  EXPECT_NE(svg.find("font-family=\"sans-serif\""), std::string::npos);
  EXPECT_NE(
      svg.find("<rect x=\"1\" y=\"2\" width=\"30\" height=\"10\" rx=\"3\" fill=\"#ff0010\"/>"),
      std::string::npos);
  EXPECT_NE(svg.find("stroke-width=\"1.25\""), std::string::npos);
  EXPECT_NE(svg.find(">天格 &lt;15&gt; &amp; &quot;吉&quot;</text>"), std::string::npos);
  EXPECT_NE(svg.find("text-anchor=\"middle\" font-weight=\"bold\""), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

}  // namespace
}  // namespace zeruda
