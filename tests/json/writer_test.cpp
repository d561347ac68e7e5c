#include "json/writer.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <string>

namespace zeruda::json {
namespace {

using test::gbk;

TEST(JsonWriter, EscapesWhatAStringCannotHoldAsIs) {
  const struct {
    const char* name;
    std::string gbkText;
    std::string written;
  } rows[] = {
      {"QuoteAndBackslash", "a\"b\\c", R"("a\"b\\c")"},
      {"ShortEscapes", "\n\r\t", R"("\n\r\t")"},
      {"OtherControlsAsUnicodeEscapes", std::string("\x01\x1f\x00\x08\x0c", 5),
       R"("\u0001\u001f\u0000\u0008\u000c")"},
      {"DeleteAndSlashAsThemselves", "\x7f/", "\"\x7f/\""},
      {"ChineseAsUtf8", gbk("华为☆"), "\"华为☆\""},
      {"BrokenGbkAsReplacementCharacter", "a\x81", "\"a\xEF\xBF\xBD\""},
  };
  for (const auto& row : rows) {
    Writer json;
    json.string(row.gbkText);
    EXPECT_EQ(json.text(), row.written) << row.name;
  }
}

}  // namespace
}  // namespace zeruda::json
